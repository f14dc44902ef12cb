#include "TRulskakt.h"
#include "TKnapPan.h"

#include "Piletaster.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace kv {

TRulskakt::TRulskakt(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    RammeKnap.Art = rtUd;
    RammePos.Art = rtUd;
    RammeIndre.Bredde = 0;
    RammeYdre.Bredde = 0;
    m_timer.setSingleShot(false);
    connect(&m_timer, &QTimer::timeout, this, &TRulskakt::gentag);
}

void TRulskakt::setPosMax(int v)
{
    m_posMax = v;
    if (m_position > m_posMax)
        m_position = std::max(PosMin, m_posMax);
    update();
}

void TRulskakt::setPosVisible(int v)
{
    m_posVisible = std::max(1, v);
    update();
}

void TRulskakt::setPosition(int v)
{
    saetOgMeld(v);
}

void TRulskakt::NyPosition(int nyPos)
{
    if (nyPos < PosMin || nyPos > m_posMax || nyPos == m_position)
        return;
    m_position = nyPos;
    update();
}

void TRulskakt::NyePos(int posVis, int posMaximum, int nyPos)
{
    m_posVisible = std::max(1, posVis);
    m_posMax = std::max(PosMin, posMaximum);
    m_position = std::clamp(nyPos, PosMin, m_posMax);
    update();
}

TRulskakt::Geometri TRulskakt::geometri() const
{
    const int ind = RammeYdre.Bredde + RammeIndre.Bredde;
    QRect a = rect().adjusted(ind, ind, -ind, -ind);
    const bool lodret = Orientering == coLodret;
    if (!lodret)
        a = a.transposed();  // worked out as if vertical, swapped back at the end
    Geometri g;
    const int side = std::max(0, a.width());
    g.dec = QRect(a.left(), a.top(), side, std::min(side, a.height()));
    g.inc = QRect(a.left(), std::max(a.top(), a.bottom() - side + 1), side, std::min(side, a.height()));
    // Shorter than its two buttons: a track of length zero.
    const int L = std::max(0, a.height() - 2 * side - 2);
    g.spor = QRect(a.left(), g.dec.bottom() + 2, side, L);
    const int range = m_posMax - PosMin;
    int knap = PosKnapMin;
    if (!PosKnapDim) {
        const double andel = std::min(1.0, double(m_posVisible) / std::max(1, range + m_posVisible));
        knap = std::max(PosKnapMin, int(L * andel));
    }
    knap = std::min(knap, L);
    const int T = L - knap;
    g.pixelPrTrin = range >= 2 ? double(T) / range : T;
    g.knap = QRect(a.left(), g.spor.top() + int((m_position - PosMin) * g.pixelPrTrin), side, knap);
    if (!lodret) {
        auto sving = [&](QRect& r) { r = QRect(r.y() - a.y() + a.x(), r.x() - a.x() + a.y(), r.height(), r.width()); };
        for (QRect* r : {&g.dec, &g.inc, &g.spor, &g.knap})
            sving(*r);
    }
    return g;
}

TOverRul TRulskakt::delVed(QPoint p) const
{
    const Geometri g = geometri();
    if (g.dec.contains(p)) return orDec;
    if (g.inc.contains(p)) return orInc;
    if (g.knap.height() > 0 && g.knap.width() > 0 && g.knap.contains(p)) return orPos;
    return orOut;
}

void TRulskakt::saetOgMeld(int v)
{
    v = std::clamp(v, PosMin, std::max(PosMin, m_posMax));
    if (v == m_position)
        return;
    m_position = v;
    update();
    if (Component && CompoFunktion)
        Component->NytStartNr(m_position, false);
    else
        emit OnPosition(m_position);
}

void TRulskakt::flyt(int delta)
{
    saetOgMeld(m_position + delta);
}

void TRulskakt::hjul(QPoint vinkel)
{
    // Sideways turns (a tilted wheel, a touchpad's swipe) leave the shaft alone.
    if (qAbs(vinkel.x()) > qAbs(vinkel.y()) || vinkel.y() == 0)
        return;
    // A touchpad's small steps add up to notches; a turn back starts afresh.
    if (m_hjulRest != 0 && (m_hjulRest > 0) != (vinkel.y() > 0))
        m_hjulRest = 0;
    m_hjulRest += vinkel.y();
    const int hak = m_hjulRest / QWheelEvent::DefaultDeltasPerStep;
    m_hjulRest -= hak * QWheelEvent::DefaultDeltasPerStep;
    if (hak != 0)
        flyt(-hak * Step);
}

void TRulskakt::wheelEvent(QWheelEvent* e)
{
    hjul(e->angleDelta());
    e->accept();
}

void TRulskakt::gentag()
{
    // Held down: the pause is over, then the steps come faster while the pointer stays.
    m_timer.setInterval(TimerInterval);
    if (m_nede == m_over)
        flyt(m_nede == orDec ? -Step : Step);
}

void TRulskakt::mousePressEvent(QMouseEvent* e)
{
    const TOverRul del = delVed(e->position().toPoint());
    if (del == orOut)
        return;
    setFocus(Qt::MouseFocusReason);
    m_nede = m_over = del;
    if (del == orPos) {
        m_traekStart = akse(e->position().toPoint());
        m_traekPos = m_position;
    } else {
        flyt(del == orDec ? -Step : Step);
        m_timer.start(TimerDelay);
    }
    update();
    emit OnMusNede(del);
}

void TRulskakt::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    if (m_nede == orPos) {
        const double ppt = geometri().pixelPrTrin;
        if (ppt > 0)
            saetOgMeld(m_traekPos + int((akse(p) - m_traekStart) / ppt));
        return;
    }
    const TOverRul del = delVed(p);
    if (del != orOut)
        setCursor(CursorOver);
    else
        unsetCursor();
    if (m_nede != orOut) {
        m_over = del;  // the repeat waits while the pointer is off the button
        return;
    }
    if (del == m_over)
        return;
    if (del != orOut && FocusOver && !NoOverFocus)
        setFocus(Qt::MouseFocusReason);
    m_over = NoOverFocus ? orOut : del;
    update();
    emit OnMusOver(NoOverFocus ? orFocus : del);
}

void TRulskakt::mouseReleaseEvent(QMouseEvent*)
{
    if (m_nede == orOut)
        return;
    const TOverRul del = m_nede;
    m_nede = orOut;
    m_timer.stop();
    m_timer.setInterval(TimerDelay);
    update();
    emit OnMusOp(del);
}

void TRulskakt::leaveEvent(QEvent*)
{
    if (m_nede != orOut || m_over == orOut)
        return;
    m_over = orOut;
    update();
    emit OnMusOver(orOut);
}

bool TRulskakt::event(QEvent* e)
{
    return tagPiletast(e) || QWidget::event(e);
}

void TRulskakt::keyPressEvent(QKeyEvent* e)
{
    if (Component) {
        Component->tastNed(e->key());
        return;
    }
    const bool lodret = Orientering == coLodret;
    switch (e->key()) {
    case Qt::Key_End: saetOgMeld(m_posMax); break;
    case Qt::Key_Home: saetOgMeld(PosMin); break;
    case Qt::Key_Left: flyt(-1); break;
    case Qt::Key_Right: flyt(1); break;
    case Qt::Key_Up: flyt(lodret ? -1 : 1); break;
    case Qt::Key_Down: flyt(lodret ? 1 : -1); break;
    default: QWidget::keyPressEvent(e);
    }
}

void TRulskakt::tegnMark(QPainter& p, const QRect& r, bool frem) const
{
    const QRectF m = QRectF(r).adjusted(MarkMargen, MarkMargen, -MarkMargen, -MarkMargen);
    if (m.width() < 2 || m.height() < 2)
        return;
    QPolygonF tri;
    if (Orientering == coLodret)
        tri = frem ? QPolygonF({m.topLeft(), m.topRight(), QPointF(m.center().x(), m.bottom())})
                   : QPolygonF({m.bottomLeft(), m.bottomRight(), QPointF(m.center().x(), m.top())});
    else
        tri = frem ? QPolygonF({m.topLeft(), m.bottomLeft(), QPointF(m.right(), m.center().y())})
                   : QPolygonF({m.topRight(), m.bottomRight(), QPointF(m.left(), m.center().y())});
    p.setPen(Qt::NoPen);
    p.setBrush(MarkFarve);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPolygon(tri);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void TRulskakt::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const bool aktiv = hasFocus();
    const int grund = isEnabled() ? 1 : 0;
    RammeYdre.MakeRamme(p, rect(), aktiv, grund);
    const int y = RammeYdre.Bredde;
    RammeIndre.MakeRamme(p, rect().adjusted(y, y, -y, -y), aktiv, grund);
    const Geometri g = geometri();
    p.fillRect(g.spor, palette().color(QPalette::Midlight));
    auto situation = [&](TOverRul del) {
        return !isEnabled() ? 0 : m_nede == del ? 2 : (m_nede == orOut && m_over == del) ? 3 : 1;
    };
    RammeKnap.MakeRamme(p, g.dec, false, situation(orDec));
    RammeKnap.MakeRamme(p, g.inc, false, situation(orInc));
    if (MedMark) {
        tegnMark(p, g.dec, false);
        tegnMark(p, g.inc, true);
    }
    if (g.knap.width() <= 0 || g.knap.height() <= 0)
        return;
    const QImage& billede = m_nede == orPos && !BitmapPosA.isNull() ? BitmapPosA : BitmapPos;
    if (!billede.isNull())
        p.drawImage(g.knap, billede);
    else
        RammePos.MakeRamme(p, g.knap, false, situation(orPos));
}

} // namespace kv
