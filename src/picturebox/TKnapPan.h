#pragma once
// Fields that behave like buttons: a click, or keys that move a focus mark
// over the page and page through the items.
#include "TFCompo.h"

#include <QPointer>
#include <QTimer>

namespace kv {

class TKnapPan : public TFCompo {
    Q_OBJECT
public:
    explicit TKnapPan(QWidget* parent = nullptr);

    bool FocusOver = true;
    bool FocusInOut = true;
    bool RulRundt = true;
    bool FlatSelect = false;
    bool NoMouse = false;
    // Tool mode: a click latches a field down, releasing the one latched
    // before; with AlleOppe a latched field is released by a click too.
    bool ToolFunktion = false;
    bool AlleOppe = false;
    // A held field repeats its click: after TimerDelay, then every
    // TimerInterval. With TimerAuto the timer only runs; its owner ticks.
    int TimerDelay = 400;
    int TimerInterval = 100;
    bool TimerAuto = false;
    QTimer* Timer() const { return m_timer; }
    void setTimer(QTimer* timer);

    // The field holding the focus mark or last pressed; -1 for none.
    int aktueltFelt() const { return m_aktuel; }
    // The latched field; -1 for none.
    int nedeFelt() const { return m_nede; }
    void NytStartNr(int nytNr, bool opkald);
    void NytAntalVL(int vandret, int lodret);
    // The panel's key handling; the scroll shaft hands its keys here too.
    void tastNed(int key);
    // The shown field whose picture area holds the point; -1 for none.
    int feltVed(QPoint p) const;

    // Field nr normal, latched (current and latched; in tool mode the
    // others up first), latched or released at once, enabled or not.
    void InitUp(int nr);
    void InitDown(int nr);
    void SetKnapDown(int nr, bool nede);
    void EnableFelt(int nr, bool aktiv);
    // Whether picture nr is shown in a latched field.
    bool Down(int nr) const;

signals:
    void OnMus(Qt::MouseButton button, int nr);
    void OnMusOver(int nr);
    void OnMusOut(int nr);
    void OnMusOp(Qt::MouseButton button, int feltNrOp, int feltNrNed);
    void OnKey(int key, int nr);
    void OnStartNr(int nytStartNr);
    void OnNewDown(int newDownNr);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    bool event(QEvent* e) override;
    // The current field is forgotten (a new folder or new counts).
    void glemAktuelt();
    // The current field becomes felt (none outside the page), holding the
    // mark when the field before held it.
    void flytAktuelt(int felt);
    bool maletEngang() const { return m_malet; }

private:
    bool gyldigt(int felt) const { return felt >= 0 && felt < int(F.size()); }
    void fjernMark(int felt);
    void saetMark(int felt, quint8 sit);
    void rammerEfterHaandtering();
    void laasNed(int felt);
    void slipNed(int felt);
    // The arrow and paging moves; forsog bounds the skips over fields that cannot take the mark.
    void flytMark(int key, int forsog);
    void timerTik();

    int m_aktuel = -1;
    int m_trykket = -1;
    int m_nede = -1;
    Qt::MouseButton m_knap = Qt::NoButton;
    QPointer<QTimer> m_timer;
    bool m_malet = false;
    bool m_iSideskift = false;
};

} // namespace kv
