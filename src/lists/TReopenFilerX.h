#pragma once
// An ordered list of caption-and-path entries, newest at the top, stored in a
// text file (two lines an entry) and mirrored into a list box.
#include <QObject>
#include <QString>
#include <QVector>
#include <functional>

class QListWidget;

namespace kv {

struct TReopenRec {
    QString Caption;
    QString Filnavn;
};

using TReopen = QVector<TReopenRec>;

enum TItemtype {
    itFil,        // files: an insert needs an existing file; a click tests the file
    itBibliotek,  // folders: a click tests the folder
    itAndet,      // no tests
};

using TOnListeKlik = std::function<void(const QString& Capnavn, const QString& Filnavn)>;
using TOnDblListeKlik = TOnListeKlik;

class TReopenFilerX : public QObject {
    Q_OBJECT
public:
    explicit TReopenFilerX(QObject* AOwner);

    QString Itemfile() const { return FItemfile; }
    void setItemfile(const QString& f) { FItemfile = f; }
    TItemtype Itemtype() const { return FItemtype; }
    void setItemtype(TItemtype t) { FItemtype = t; }
    QListWidget* ListeBoks() const { return FListeBoks; }
    void setListeBoks(QListWidget* boks);
    void setOnListeKlik(TOnListeKlik f) { FOnListeKlik = std::move(f); }
    void setOnDblListeKlik(TOnDblListeKlik f) { FOnDblListeKlik = std::move(f); }
    int Antal() const { return int(Ropen.size()); }
    const TReopen& entries() const { return Ropen; }

    // A list file that cannot be read or written raises Fejl naming the file.
    void HentReopenFiler();
    void GemReopenFiler();
    void InsertItem(const QString& FNavn, const QString& MenuCaption);
    // Puts new entries at the top, each above the one before, with one refresh
    // of the list box; for paths not in the list yet (the hits of a search).
    void InsertItems(const TReopen& nye);
    void DeleteItem(const QString& FNavn, bool Opdater = true);
    void DeleteItemCaption(const QString& CapNavn);
    void DeleteItem(int Index);
    void SletAlleItems();
    void DeleteAlleItems();
    void DeleteItemFile();
    QString GetCaption(int Index) const;
    QString GetFilnavn(int Index) const;
    bool flytOp(int aIndex);
    bool flytNed(int aIndex);
    void MakeListeMenu();
    // The selected row opened as by a double click (also Enter).
    void listeDblKlik();

private slots:
    void listeKlik();

private:
    int findFilnavn(const QString& FNavn) const;
    void fjern(int index, bool Opdater);
    bool elementFindes(int row) const;
    void klikPaaRaekke(const TOnListeKlik& haendelse);

    QString FItemfile;
    TItemtype FItemtype = itBibliotek;
    QListWidget* FListeBoks = nullptr;
    TOnListeKlik FOnListeKlik;
    TOnDblListeKlik FOnDblListeKlik;
    TReopen Ropen;
};

} // namespace kv
