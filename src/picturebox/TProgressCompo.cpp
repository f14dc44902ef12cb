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

void TProgressCompo::SetPosition(int v)
{
    if (v == m_position && m_malet)
        return;
    m_position = v;
    const int c = std::clamp(v, std::min(Min, Max), std::max(Min, Max));
    const int trin = std::max(1, Trin);
    // Whole steps only: the bar grows or shrinks when it has moved a step.
    if (c >= m_trin + trin || c <= m_trin - trin) {
        m_trin = trin * (c / trin);
        update();
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
    if (n <= 0)
        return;
    p.fillRect(Orientering == coVandret ? QRect(a.left(), a.top(), n, a.height())
                                        : QRect(a.left(), a.bottom() - n + 1, a.width(), n), ColorStep);
}

} // namespace kv
