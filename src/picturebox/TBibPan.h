#pragma once
// The thumbnails of one folder's pictures. Listing is at once; decoding runs
// on the pool, the page in sight first, and each field is painted when its
// picture arrives. A picture that cannot be read shows a placeholder.
#include "TBilledPulje.h"
#include "TKnapPan.h"

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

    int IndreMargen = 0;
    // With a text field each field shows the file name below its picture.
    std::vector<TBilRec> Bil;
    // One line across the grid while no folder is loaded, saying how to load one.
    QString TomTekst;

    QString Bibliotek() const { return m_bibliotek; }
    QColor FeltFarve() const { return m_feltFarve; }
    // A new colour is painted at once; nothing is decoded again.
    void setFeltFarve(const QColor& farve);
    TFilType FilType() const { return m_filType; }
    // Another kind of file: the folder is listed and loaded again.
    void setFilType(TFilType type);
    bool Centrer() const { return m_centrer; }
    // The thumbnails are placed anew; they are the same pictures.
    void setCentrer(bool centrer);
    bool Scale() const { return m_scale; }
    // Shrunk to fit, or the top left corner at the picture's own size: made anew.
    void setScale(bool scale);

    void LoadListe();
    // The folder listed again after a change on disk. Pictures only gone are
    // taken out and the others keep their thumbnails (true); any other
    // change loads the list anew (false).
    bool FoelgMappe();
    // Picture nr is taken out of the grid; the pictures after it move up.
    void FjernBillede(int nr);
    void NyeFelterVL(int vandret, int lodret);
    void NytBibliotek(const QString& bnavn);
    void NewDirectory(int antV, int antL, const QString& dir);
    QString GetFilnavn(int nr, bool medSti) const;
    int GetBredde(int nr) const;
    int GetHojde(int nr) const;
    int antalUlaeselige() const { return m_pulje.antalUlaeselige(); }
    // Every picture of the folder made once (or found unreadable).
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
    QString feltTekst(int nr) const override;
    QRect tekstRekt(const TFeltRec& f) const override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;

private:
    // The part of a field's picture area the picture takes, and its size in device pixels.
    QRect billedrum(const TFeltRec& f) const;
    QSize miniatureplads() const;
    // Thumbnails for the fields as they are now; the listing stays.
    void nyeMiniaturer();
    void modtag(int nr);
    std::vector<TBilRec> listBilleder() const;
    // The share of the folder's pictures made, when it changed.
    void visProgress();

    QString m_bibliotek;
    QStringList m_stier;
    QColor m_feltFarve;
    TFilType m_filType = ftBegge;
    bool m_centrer = true;
    bool m_scale = true;
    QSize m_plads;
    int m_prioriteretFra = -1;
    int m_progress = -1;
    TBilledPulje m_pulje;
};

} // namespace kv
