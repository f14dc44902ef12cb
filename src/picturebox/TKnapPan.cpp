#include "TKnapPan.h"

#include <QApplication>
#include "Piletaster.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace kv {

TKnapPan::TKnapPan(QWidget* parent) : TFCompo(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TKnapPan::paintEvent(QPaintEvent* e)
{
    m_malet = true;
    TFCompo::paintEvent(e);
}

int TKnapPan::feltVed(QPoint p) const
{
    for (int i = 0; i < Antal() && i < int(F.size()); ++i)
        if (F[size_t(i)].IR.contains(p))
            return i;
    return -1;
}

void TKnapPan::fjernMark(int felt)
{
    if (felt < 0 || felt >= int(F.size()))
        return;
    F[size_t(felt)].Fokus = false;
    F[size_t(felt)].Sit = 1;
}

void TKnapPan::saetMark(int felt, quint8 sit)
{
    if (felt < 0 || felt >= int(F.size()))
        return;
    F[size_t(felt)].Fokus = true;
    F[size_t(felt)].Sit = sit;
}

void TKnapPan::rammerEfterHaandtering()
{
    // The fields are drawn whole: a paint that drew only the frames would
    // leave the pictures blank, as nothing keeps them under a repaint. The
    // pictures are ready images, so this decodes nothing; with FlatSelect
    // the frames follow at once.
    if (FlatSelect)
        repaint();
    else
        update();
}

void TKnapPan::glemAktuelt()
{
    fjernMark(m_aktuel);
    m_aktuel = -1;
    m_trykket = -1;
}

void TKnapPan::NytStartNr(int nytNr, bool opkald)
{
    if (m_iSideskift || nytNr < 0 || Antal() == 0)
        return;
    m_iSideskift = true;
    // Scrolled from outside: the mark stays with its picture, or leaves the page with it.
    if (!opkald && nytNr != StartNr() && m_aktuel >= 0 && m_aktuel < int(F.size())) {
        const TFeltRec gammel = F[size_t(m_aktuel)];
        const int felt = StartNr() + m_aktuel - nytNr;
        fjernMark(m_aktuel);
        m_aktuel = felt >= 0 && felt < Antal() ? felt : -1;
        if (m_aktuel >= 0 && gammel.Fokus)
            saetMark(m_aktuel, gammel.Sit);
        if (m_trykket >= 0)
            m_trykket = m_aktuel;
    }
    if (m_aktuel < 0)
        m_aktuel = 0;
    if (nytNr != StartNr()) {
        setStartNr(nytNr);
        if (opkald)
            emit OnStartNr(StartNr());
        emit OnMusOver(StartNr() + m_aktuel);
    }
    m_iSideskift = false;
}

void TKnapPan::NytAntalVL(int vandret, int lodret)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    glemAktuelt();
    setAntalVL(vandret, lodret);
    setStartNr(0);
    QApplication::restoreOverrideCursor();
}

void TKnapPan::mousePressEvent(QMouseEvent* e)
{
    if (NoMouse || Antal() == 0 || !m_malet)
        return;
    setFocus(Qt::MouseFocusReason);
    const int i = feltVed(e->position().toPoint());
    if (i < 0)
        return;
    fjernMark(m_aktuel);
    m_aktuel = m_trykket = i;
    saetMark(i, 2);
    rammerEfterHaandtering();
}

void TKnapPan::mouseReleaseEvent(QMouseEvent* e)
{
    if (m_trykket < 0)
        return;
    const int ned = std::exchange(m_trykket, -1);
    const int op = feltVed(e->position().toPoint());
    if (op == ned) {
        saetMark(ned, 3);
        rammerEfterHaandtering();
        emit OnMusOver(StartNr() + ned);
        emit OnMus(e->button(), StartNr() + ned);
        return;
    }
    fjernMark(ned);
    rammerEfterHaandtering();
    if (op >= 0)
        emit OnMusOp(e->button(), op, ned);
}

void TKnapPan::tastNed(int key)
{
    const int antal = Antal();
    if (antal == 0 || !FocusOver)
        return;
    // Numbered column by column, the keys along and across the numbering swap.
    const int V = NumLodret ? AntalLodret() : AntalVandret(), N = AntalVandret() * AntalLodret();
    if (NumLodret)
        key = key == Qt::Key_Down ? Qt::Key_Right : key == Qt::Key_Up ? Qt::Key_Left
            : key == Qt::Key_Right ? Qt::Key_Down : key == Qt::Key_Left ? Qt::Key_Up : key;
    // No current field acts as field 0; one past the last picture as the last.
    int A = std::clamp(m_aktuel, 0, antal - 1);
    int t = 0;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit OnKey(13, StartNr() + A);
        return;
    case Qt::Key_Insert:
    case Qt::Key_Delete:
        emit OnKey(key, StartNr() + A);
        return;
    case Qt::Key_Space:
    case Qt::Key_Right: t = A + 1; break;
    case Qt::Key_Left: t = A - 1; break;
    case Qt::Key_Up: t = A == 0 ? -V : A < V ? N - V + A - 1 : A - V; break;
    case Qt::Key_Down: t = A == N - 1 ? A + V : A >= N - V ? A % V + 1 : A + V; break;
    case Qt::Key_Home: t = RulRundt ? 0 : -StartNr(); break;
    case Qt::Key_End: t = RulRundt ? antal - 1 : AntalIalt() - 1; break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int ny = StartNr() + (key == Qt::Key_PageUp ? -antal : antal);
        m_aktuel = A;
        NytStartNr(std::clamp(ny, 0, std::max(0, AntalIalt() - antal)), true);
        saetMark(A, 3);
        rammerEfterHaandtering();
        return;
    }
    default:
        return;
    }
    const int f = RulRundt ? (t < 0 ? antal - 1 : t >= antal ? 0 : t) : std::clamp(t, 0, antal - 1);
    if (f == A && RulRundt)
        return;
    if (f != A && m_aktuel >= 0 && F[size_t(A)].Fokus) {
        fjernMark(A);
        emit OnMusOut(StartNr() + A);
    }
    m_aktuel = f;
    if (!RulRundt) {
        // The page follows the target so that it stays in sight.
        const int maal = std::max(0, StartNr() + t);
        int ny = StartNr();
        if (maal < StartNr())
            ny = maal;
        else if (maal > SlutNr())
            ny = std::min(maal, AntalIalt() - 1) - antal + 1;
        NytStartNr(ny, true);
    }
    saetMark(m_aktuel, 3);
    rammerEfterHaandtering();
    emit OnMusOver(StartNr() + m_aktuel);
}

void TKnapPan::keyPressEvent(QKeyEvent* e)
{
    tastNed(e->key());
}

bool TKnapPan::event(QEvent* e)
{
    return tagPiletast(e) || TFCompo::event(e);
}

void TKnapPan::focusInEvent(QFocusEvent*)
{
    if (FocusOver && !FocusInOut && m_aktuel >= 0 && m_aktuel < Antal()) {
        saetMark(m_aktuel, 3);
        update();
    }
}

void TKnapPan::focusOutEvent(QFocusEvent*)
{
    if (m_aktuel >= 0 && m_aktuel < int(F.size()) && F[size_t(m_aktuel)].Fokus) {
        fjernMark(m_aktuel);
        update();
    }
}

} // namespace kv
