#pragma once
// Fields that behave like buttons: a click, or keys that move a focus mark
// over the page and page through the items.
#include "TFCompo.h"

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

    // The field holding the focus mark or last pressed; -1 for none.
    int aktueltFelt() const { return m_aktuel; }
    void NytStartNr(int nytNr, bool opkald);
    void NytAntalVL(int vandret, int lodret);
    // The panel's key handling; the scroll shaft hands its keys here too.
    void tastNed(int key);

signals:
    void OnMus(Qt::MouseButton button, int nr);
    void OnMusOver(int nr);
    void OnMusOut(int nr);
    void OnMusOp(Qt::MouseButton button, int feltNrOp, int feltNrNed);
    void OnKey(int key, int nr);
    void OnStartNr(int nytStartNr);

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
    // The shown field whose picture area holds the point; -1 for none.
    int feltVed(QPoint p) const;

private:
    void fjernMark(int felt);
    void saetMark(int felt, quint8 sit);
    void rammerEfterHaandtering();

    int m_aktuel = -1;
    int m_trykket = -1;
    bool m_malet = false;
    bool m_iSideskift = false;
};

} // namespace kv
