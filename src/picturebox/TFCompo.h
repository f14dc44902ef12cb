#pragma once
// A grid of fields showing AntalIalt items a page at a time: field i shows
// item StartNr + i. What a field holds is drawn by the classes above.
#include "TPreFelter.h"

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

class TFCompo : public TPreFelter {
    Q_OBJECT
public:
    explicit TFCompo(QWidget* parent = nullptr);

    std::unique_ptr<TRammeFeltX> RammeFelt;
    bool NumLodret = false;
    std::vector<TFeltRec> F;

    int AntalVandret() const { return m_vandret; }
    int AntalLodret() const { return m_lodret; }
    int Antal() const { return m_antal; }
    int AntalIalt() const { return m_antalIalt; }
    int StartNr() const { return m_startNr; }
    int SlutNr() const { return m_startNr + m_antal - 1; }
    int FeltBredde() const { return m_feltBredde; }
    int FeltHojde() const { return m_feltHojde; }

    // Counts below 1 become 1; the grid shows no more than fit at 16 pixels a field.
    void setAntalVL(int vandret, int lodret);
    void setAntalIalt(int antal);
    // Kept inside 0..AntalIalt - Antal.
    void setStartNr(int nr);
    // Places the fields in the field area.
    void beregnFelter();

signals:
    void OnAntalIalt(int nytAntalIalt);

protected:
    void resizeEvent(QResizeEvent*) override;
    void tegnFelter(QPainter& p) override;
    void tegnFelt(QPainter& p, const TFeltRec& f);
    // What field f shows of item nr.
    virtual void tegnIndhold(QPainter& p, const TFeltRec& f, int nr);
    int m_startNr = 0;

private:
    void opdaterAntal();
    int m_onsketVandret = 1, m_onsketLodret = 1;  // as asked; shown as far as room allows
    int m_vandret = 1, m_lodret = 1;
    int m_antal = 1, m_antalIalt = 1;
    int m_feltBredde = 0, m_feltHojde = 0;
};

} // namespace kv
