#pragma once
// The thumbnails of one folder's pictures. Listing is at once; decoding runs
// on the pool, the page in sight first, and each field is painted when its
// picture arrives. A picture that cannot be read shows a placeholder.
#include "TBilledPulje.h"
#include "TKnapPan.h"
#include "TTekstX.h"

namespace kv {

enum TFilType { ftBmp, ftJpg, ftIco, ftBegge };

struct TBilRec {
    QString Filnavn;
    int Bredde = 0;  // as loaded; 0 until then
    int Hojde = 0;
    qint64 Storrelse = 0;  // as listed, for the tooltip
    qint64 AendretMs = 0;
};

class TBibPan : public TKnapPan {
    Q_OBJECT
public:
    explicit TBibPan(QWidget* parent = nullptr, qint64 budget = TBilledPulje::standardBudget);

    TFilType FilType = ftBegge;
    bool Centrer = true;
    int IndreMargen = 0;
    // When set, each field shows the file name below its picture.
    std::unique_ptr<TTekstX> TekstFelt;
    std::vector<TBilRec> Bil;
    // One line across the grid while no folder is loaded, saying how to load one.
    QString TomTekst;

    QString Bibliotek() const { return m_bibliotek; }
    QColor FeltFarve() const { return m_feltFarve; }
    // A new colour is painted at once; nothing is decoded again.
    void setFeltFarve(const QColor& farve);

    void LoadListe();
    void NyeFelterVL(int vandret, int lodret);
    void NytBibliotek(const QString& bnavn);
    void NewDirectory(int antV, int antL, const QString& dir);
    QString GetFilnavn(int nr, bool medSti) const;
    int GetBredde(int nr) const;
    int GetHojde(int nr) const;
    int antalUlaeselige() const { return m_pulje.antalUlaeselige(); }
    // Decoded (or found unreadable) of those the store holds room for.
    bool faerdig() const;
    TBilledPulje& pulje() { return m_pulje; }

    // Whether a name is one of the picture kinds the panel loads.
    static bool erBilledNavn(const QString& navn, TFilType type);

signals:
    void OnProgress(int procent);
    void OnUlaeselige(int antal);

protected:
    void tegnFelter(QPainter& p) override;
    void tegnIndhold(QPainter& p, const TFeltRec& f, int nr) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;

private:
    // The part of a field's picture area the picture takes, and its size in device pixels.
    QRect billedrum(const TFeltRec& f) const;
    QSize miniatureplads() const;
    // Thumbnails for the fields as they are now; the listing stays.
    void nyeMiniaturer();
    void modtag(int nr);

    QString m_bibliotek;
    QStringList m_stier;
    QColor m_feltFarve;
    QSize m_plads;
    int m_prioriteretFra = -1;
    int m_progress = -1;
    TBilledPulje m_pulje;
};

} // namespace kv
