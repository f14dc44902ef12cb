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
    if (!gyldigt(felt))
        return;
    TFeltRec& f = F[size_t(felt)];
    f.Fokus = false;
    if (f.Sit != 0)
        f.Sit = f.Down ? 2 : 1;
}

void TKnapPan::saetMark(int felt, quint8 sit)
{
    if (!gyldigt(felt))
        return;
    F[size_t(felt)].Fokus = true;
    F[size_t(felt)].Sit = sit;
}

void TKnapPan::laasNed(int felt)
{
    // In tool mode one field at a time is latched.
    if (ToolFunktion && m_nede != felt)
        slipNed(m_nede);
    F[size_t(felt)].Down = true;
    m_nede = felt;
}

void TKnapPan::slipNed(int felt)
{
    if (!gyldigt(felt))
        return;
    TFeltRec& f = F[size_t(felt)];
    f.Down = false;
    if (f.Sit == 2 && !f.Fokus)
        f.Sit = 1;
    if (m_nede == felt)
        m_nede = -1;
}

void TKnapPan::InitUp(int nr)
{
    if (!gyldigt(nr))
        return;
    slipNed(nr);
    F[size_t(nr)].Sit = 1;
    update();
}

void TKnapPan::InitDown(int nr)
{
    if (!gyldigt(nr))
        return;
    if (ToolFunktion)
        for (int i = 0; i < int(F.size()); ++i)
            if (i != nr)
                slipNed(i);
    if (m_aktuel != nr)
        fjernMark(m_aktuel);
    laasNed(nr);
    m_aktuel = nr;
    F[size_t(nr)].Sit = 2;
    update();
}

void TKnapPan::SetKnapDown(int nr, bool nede)
{
    if (!gyldigt(nr))
        return;
    if (nede) {
        laasNed(nr);
        if (F[size_t(nr)].Sit != 0)
            F[size_t(nr)].Sit = 2;
    } else {
        slipNed(nr);
        if (F[size_t(nr)].Sit == 2)
            F[size_t(nr)].Sit = F[size_t(nr)].Fokus ? 3 : 1;
    }
    repaint();
}

void TKnapPan::EnableFelt(int nr, bool aktiv)
{
    if (!gyldigt(nr))
        return;
    TFeltRec& f = F[size_t(nr)];
    if (aktiv == (f.Sit != 0))
        return;
    f.Fokus = false;
    f.Sit = aktiv ? (f.Down ? 2 : 1) : 0;
    update();
}

bool TKnapPan::Down(int nr) const
{
    const int felt = nr - StartNr();
    return felt >= 0 && felt < Antal() && gyldigt(felt) && F[size_t(felt)].Down;
}

void TKnapPan::setTimer(QTimer* timer)
{
    if (m_timer)
        disconnect(m_timer, nullptr, this, nullptr);
    m_timer = timer;
    if (timer)
        connect(timer, &QTimer::timeout, this, &TKnapPan::timerTik);
}

void TKnapPan::timerTik()
{
    if (TimerAuto || !m_timer)
        return;
    if (m_trykket < 0 || m_trykket != m_aktuel) {
        m_timer->stop();
        return;
    }
    m_timer->setInterval(TimerInterval);
    emit OnMus(m_knap, StartNr() + m_trykket);
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

void TKnapPan::flytAktuelt(int felt)
{
    const bool mark = gyldigt(m_aktuel) && F[size_t(m_aktuel)].Fokus;
    const quint8 sit = mark ? F[size_t(m_aktuel)].Sit : 1;
    fjernMark(m_aktuel);
    m_aktuel = felt >= 0 && felt < Antal() ? felt : -1;
    m_trykket = -1;
    if (mark)
        saetMark(m_aktuel, sit);
}

void TKnapPan::NytStartNr(int nytNr, bool opkald)
{
    if (m_iSideskift || nytNr < 0 || Antal() == 0)
        return;
    m_iSideskift = true;
    // Scrolled from outside: the mark stays with its picture, or leaves the page with it.
    if (!opkald && nytNr != StartNr() && gyldigt(m_aktuel)) {
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
        for (int i = 0; i < Antal() && gyldigt(i); ++i)
            if (F[size_t(i)].Down) {
                emit OnNewDown(StartNr() + i);
                break;
            }
    }
    m_iSideskift = false;
}

void TKnapPan::NytAntalVL(int vandret, int lodret)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    glemAktuelt();
    // New fields start up and enabled.
    F.clear();
    m_nede = -1;
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
    if (i < 0 || F[size_t(i)].Sit == 0)
        return;
    if (i != m_aktuel)
        fjernMark(m_aktuel);
    m_aktuel = m_trykket = i;
    m_knap = e->button();
    saetMark(i, 2);
    rammerEfterHaandtering();
    if (m_timer) {
        if (!TimerAuto)
            m_timer->setInterval(TimerDelay);
        m_timer->start();
    }
}

void TKnapPan::mouseReleaseEvent(QMouseEvent* e)
{
    if (m_timer)
        m_timer->stop();
    if (m_trykket < 0)
        return;
    const int ned = std::exchange(m_trykket, -1);
    const int op = feltVed(e->position().toPoint());
    if (op == ned) {
        if (ToolFunktion) {
            if (!F[size_t(ned)].Down)
                laasNed(ned);
            else if (AlleOppe)
                slipNed(ned);
        }
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
    int aktive = 0, etAktivt = -1;
    for (int i = 0; i < antal && gyldigt(i); ++i)
        if (F[size_t(i)].Sit != 0) {
            ++aktive;
            etAktivt = i;
        }
    if (aktive == 0)
        return;
    // No current field acts as field 0; one past the last picture as the last.
    const int A = std::clamp(m_aktuel, 0, antal - 1);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_aktuel = aktive == 1 ? etAktivt : A;
        if (ToolFunktion) {
            if (!F[size_t(m_aktuel)].Down)
                laasNed(m_aktuel);
            else if (AlleOppe)
                slipNed(m_aktuel);
            rammerEfterHaandtering();
        }
        emit OnKey(13, StartNr() + m_aktuel);
        return;
    case Qt::Key_Insert:
    case Qt::Key_Delete:
        m_aktuel = aktive == 1 ? etAktivt : A;
        emit OnKey(key, StartNr() + m_aktuel);
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        if (aktive == 1)
            break;
        const int ny = StartNr() + (key == Qt::Key_PageUp ? -antal : antal);
        m_aktuel = A;
        NytStartNr(std::clamp(ny, 0, std::max(0, AntalIalt() - antal)), true);
        saetMark(A, 3);
        rammerEfterHaandtering();
        return;
    }
    default:
        if (aktive > 1) {
            // Numbered column by column, the keys along and across the numbering swap.
            if (NumLodret)
                key = key == Qt::Key_Down ? Qt::Key_Right : key == Qt::Key_Up ? Qt::Key_Left
                    : key == Qt::Key_Right ? Qt::Key_Down : key == Qt::Key_Left ? Qt::Key_Up : key;
            m_aktuel = A;
            flytMark(key, antal);
            return;
        }
    }
    // The one enabled field only takes the mark.
    if (m_aktuel != etAktivt)
        fjernMark(m_aktuel);
    m_aktuel = etAktivt;
    saetMark(etAktivt, 3);
    rammerEfterHaandtering();
}

// The key as the row-by-row numbering reads it.
void TKnapPan::flytMark(int key, int forsog)
{
    const int antal = Antal();
    const int V = NumLodret ? AntalLodret() : AntalVandret(), N = AntalVandret() * AntalLodret();
    const int A = m_aktuel;
    int t = 0;
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Right: t = A + 1; break;
    case Qt::Key_Left: t = A - 1; break;
    case Qt::Key_Up: t = A == 0 ? -V : A < V ? N - V + A - 1 : A - V; break;
    case Qt::Key_Down: t = A == N - 1 ? A + V : A >= N - V ? A % V + 1 : A + V; break;
    case Qt::Key_Home: t = RulRundt ? 0 : -StartNr(); break;
    case Qt::Key_End: t = RulRundt ? antal - 1 : AntalIalt() - 1; break;
    default:
        return;
    }
    const int f = RulRundt ? (t < 0 ? antal - 1 : t >= antal ? 0 : t) : std::clamp(t, 0, antal - 1);
    if (f == A && RulRundt)
        return;
    if (f != A && F[size_t(A)].Fokus) {
        fjernMark(A);
        emit OnMusOut(StartNr() + A);
    }
    m_aktuel = f;
    // A field that cannot take the mark is passed over by the same key
    // (from the first or last field, on towards the others).
    const TFeltRec& maal = F[size_t(f)];
    if ((maal.Sit == 0 || (ToolFunktion && maal.Down && !AlleOppe)) && forsog > 1) {
        flytMark(key == Qt::Key_Home ? Qt::Key_Right : key == Qt::Key_End ? Qt::Key_Left : key, forsog - 1);
        return;
    }
    if (!RulRundt) {
        // The page follows the target so that it stays in sight.
        const int absolut = std::max(0, StartNr() + t);
        int ny = StartNr();
        if (absolut < StartNr())
            ny = absolut;
        else if (absolut > SlutNr())
            ny = std::min(absolut, AntalIalt() - 1) - antal + 1;
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
    if (!FocusOver || FocusInOut || m_aktuel < 0 || m_aktuel >= Antal())
        return;
    if (F[size_t(m_aktuel)].Sit == 0) {
        tastNed(Qt::Key_Space);
        return;
    }
    saetMark(m_aktuel, 3);
    update();
}

void TKnapPan::focusOutEvent(QFocusEvent*)
{
    if (gyldigt(m_aktuel) && F[size_t(m_aktuel)].Fokus) {
        fjernMark(m_aktuel);
        update();
    }
}

} // namespace kv
