#pragma once
// The program list: programs with a display name each, stored in
// "ProgItem.txt" (a count, then four lines a program), with a picture per
// program that always sits at the program's own position. One program is
// the active one, which the user opens files with.
#include "platform/Programkatalog.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <QVector>
#include <memory>

namespace kv {

struct TProgRec {
    QString Caption;
    QString Filnavn;
    QString Parameter;  // stored as read; no launch uses it
    quint8 ShowType = 1;  // 1 normal, 3 maximised (no effect on Linux)
};

using TProg = QVector<TProgRec>;

class TMenuExeFiler : public QObject {
    Q_OBJECT
public:
    explicit TMenuExeFiler(QObject* AOwner);
    ~TMenuExeFiler() override;

    QString Itemfile() const { return FItemfile; }
    void setItemfile(const QString& f) { FItemfile = f; }
    int Filantal() const { return int(Prog.size()); }
    const TProg& programmer() const { return Prog; }

    // Reloads the list and the pictures. A damaged file gives the whole
    // programs it holds; the result then says so, and the file is kept as a
    // copy before the next save. Empty when the file was whole or missing.
    QString HentProgrammer();
    // Writes the list; a program whose file is missing is left out only when
    // its drive is present, so an unplugged drive loses nothing. The error
    // text, empty when written.
    QString GemProgrammer();
    void InsertItem(const QString& FNavn, const QString& MenuCaption, int ProgOpstart, const QString& Param);
    // Removes the program, saves and reports the change; as GemProgrammer.
    QString DeleteItem(int MenuNr);
    // The pictures move with the programs.
    bool flytOp(int aIndex);
    bool flytNed(int aIndex);
    QString GetCaption(int MenuNr) const;
    QString GetFilnavn(int MenuNr) const;
    QIcon ikon(int MenuNr) const { return m_ikoner.value(MenuNr); }
    // Position of the program with this path (A to Z in any case), or -1.
    int findFilnavn(const QString& FNavn) const;

    QString AktuelleProgram() const { return FAktuelleProgram; }
    void setAktuelleProgram(const QString& sti) { FAktuelleProgram = sti; }
    QString getAktuelleCaption() const;

    // Starts a program with these files (program paths, in order); the
    // shell's answer, above 32 for success.
    static int OpenFilMedProgram(const QString& program, const QStringList& filer);
    // Where a damaged list is kept.
    static QString beskadigetKopi(const QString& itemfile);

signals:
    // After a delete, so the boxes that show the list rebuild.
    void aendret();

private:
    QIcon programIkon(const QString& sti);
    bool droppes(const TProgRec& p) const;

    QString FItemfile;
    QString FAktuelleProgram;
    TProg Prog;
    QList<QIcon> m_ikoner;
    std::unique_ptr<Programkatalog> m_katalog;
    QStringList m_beskadiget;  // the damaged file's lines, until they are kept
};

} // namespace kv
