#pragma once
// The tabs of a page control at its top in as many rows as they need, so that
// no page hides behind scroll buttons in a narrow column. On the left or right
// side the page control's own tab bar is used.
#include <QTabWidget>
#include <QWidget>

namespace kv {

class TFaneraekker : public QWidget {
    Q_OBJECT
public:
    explicit TFaneraekker(QTabWidget* bog, QWidget* parent = nullptr);

    void placer(QTabWidget::TabPosition side);
    // The tabs' rectangles when the rows are `bredde` wide, in page order.
    QList<QRect> felter(int bredde) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int bredde) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool event(QEvent* e) override;

private:
    QSize faneStoerrelse(int i) const;
    int faneVed(const QPoint& p) const;

    QTabWidget* m_bog;
    int m_under = -1; // the tab under the mouse
};

} // namespace kv
