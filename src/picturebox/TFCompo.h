#pragma once
// A grid of fields showing AntalIalt items a page at a time: field i shows
// item StartNr + i. What a field holds is drawn by the classes above.
#include "TPreFelter.h"
#include "TTekstX.h"

#include <QStringList>
#include <vector>

namespace kv {

struct TFeltRec {
    int Nummer = 0;
    QRect YR;        // the field with its frame
    QRect IR;        // the picture area, and where the mouse hits the field
    quint8 Sit = 1;  // 0 disabled, 1 normal, 2 pressed, 3 focused
    bool Fokus = false;
    bool Down = false;
};

// How a field's text is written: as given, its file name part, or the file
// name without extension.
enum TTekstUdskriv { tuNormal, tuExtractFilename, tuFilecaption };

class TFCompo : public TPreFelter {
    Q_OBJECT
public:
    explicit TFCompo(QWidget* parent = nullptr);

    std::unique_ptr<TRammeFeltX> RammeFelt;
    bool NumLodret = false;
    // False: the rows follow the panel's height at a fixed FeltHojde.
    bool AutoDim = true;
    std::vector<TFeltRec> F;
    // Optional text per field: Tekst[item number], written by TekstFelt.
    std::unique_ptr<TTekstX> TekstFelt;
    QStringList Tekst;
    TTekstUdskriv TekstUdskriv = tuNormal;

    int AntalVandret() const { return m_vandret; }
    int AntalLodret() const { return m_lodret; }
    int Antal() const { return m_antal; }
    int AntalIalt() const { return m_antalIalt; }
    int StartNr() const { return m_startNr; }
    int SlutNr() const { return m_startNr + m_antal - 1; }
    int FeltBredde() const { return m_feltBredde; }
    int FeltHojde() const { return m_feltHojde; }
    // The row height kept while AutoDim is false.
    void setFeltHojde(int h);

    // Counts below 1 become 1; the grid shows no more than fit at 16 pixels a field.
    void setAntalVL(int vandret, int lodret);
    void setAntalIalt(int antal);
    // Kept inside 0..AntalIalt - Antal.
    void setStartNr(int nr);
    // Places the fields in the field area.
    void beregnFelter();
    void beregnOmraader() override;
    // The text of item nr as TekstUdskriv writes it.
    QString udskrevetTekst(int nr) const;

signals:
    void OnAntalIalt(int nytAntalIalt);
    // The columns and rows the grid shows after a layout.
    void OnFeltAntal(int vandret, int lodret);

protected:
    void resizeEvent(QResizeEvent*) override;
    void tegnFelter(QPainter& p) override;
    void tegnFelt(QPainter& p, const TFeltRec& f);
    // What field f shows of item nr.
    virtual void tegnIndhold(QPainter& p, const TFeltRec& f, int nr);
    // The text of item nr before TekstUdskriv, and where in field f it goes.
    virtual QString feltTekst(int nr) const;
    virtual QRect tekstRekt(const TFeltRec& f) const;
    bool tilpasAlign() const override;
    int m_startNr = 0;

private:
    void opdaterAntal();
    int m_onsketVandret = 1, m_onsketLodret = 1;  // as asked; shown as far as room allows
    int m_vandret = 1, m_lodret = 1;
    int m_antal = 1, m_antalIalt = 1;
    int m_feltBredde = 0, m_feltHojde = 16;
};

} // namespace kv
