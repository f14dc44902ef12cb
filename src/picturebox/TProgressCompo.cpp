#include "TProgressCompo.h"

#include <QPainter>
#include <cmath>

namespace kv {

TProgressCompo::TProgressCompo(QWidget* parent) : QWidget(parent)
{
    Ramme.Art = rtInd;
    Ramme.MedFeltFarve = true;
    setMinimumHeight(8);
}

QRect TProgressCompo::omraade() const
{
    return rect().adjusted(Ramme.Bredde, Ramme.Bredde, -Ramme.Bredde, -Ramme.Bredde);
}

int TProgressCompo::barLaengde() const
{
    if (Max == Min)
        return 0;
    const QRect a = omraade();
    const int hel = Orientering == coVandret ? a.width() : a.height();
    return int(std::lround(double(hel) * (m_trin - Min) / (Max - Min)));
}

QRect TProgressCompo::barRekt(int n) const
{
    const QRect a = omraade();
    return Orientering == coVandret ? QRect(a.left(), a.top(), n, a.height())
                                    : QRect(a.left(), a.bottom() - n + 1, a.width(), n);
}

void TProgressCompo::setTekst(const QString& tekst)
{
    if (tekst == m_tekst)
        return;
    m_tekst = tekst;
    if (TekstBog)
        update();
}

void TProgressCompo::SetPosition(int v)
{
    if (v == m_position && m_malet)
        return;
    m_position = v;
    const int c = std::clamp(v, std::min(Min, Max), std::max(Min, Max));
    const int trin = std::max(1, Trin);
    // Whole steps only: the bar grows or shrinks when it has moved a step.
    if (c >= m_trin + trin || c <= m_trin - trin) {
        const bool vokser = c > m_trin;
        const int foer = barLaengde();
        m_trin = trin * (c / trin);
        // Only the part grown by, unless the background is to be painted
        // anew; a text may stand anywhere on the bar, so with one it all is.
        if (vokser && !Opfrisk && !TekstBog) {
            QRect vaekst = barRekt(barLaengde());
            if (Orientering == coVandret)
                vaekst.setLeft(vaekst.left() + foer);
            else
                vaekst.setBottom(vaekst.bottom() - foer);
            update(vaekst);
        } else {
            update();
        }
        if (Max != Min)
            emit OnProgress(int(std::lround(100.0 * m_position / (Max - Min))));
    }
}

void TProgressCompo::paintEvent(QPaintEvent*)
{
    m_malet = true;
    QPainter p(this);
    Ramme.MakeRamme(p, rect(), false, isEnabled() ? 1 : 0);
    const QRect a = omraade();
    const int n = barLaengde();
    if (n > 0) {
        if (!StepBitmap.isNull())
            p.drawImage(barRekt(n), StepBitmap);
        else
            p.fillRect(barRekt(n), ColorStep);
    }
    if (TekstBog)
        TekstBog->SkrivTekst(p, a, m_tekst, isEnabled() ? 1 : 0);
}

} // namespace kv
