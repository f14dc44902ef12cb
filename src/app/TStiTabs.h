#pragma once
// The path tabs: one tab per part of the current folder. Unlike a tab bar it
// may have no tab chosen, as for a folder written with a trailing backslash.
#include <QWidget>

class QHBoxLayout;
class QToolButton;

namespace kv {

class TStiTabs : public QWidget {
    Q_OBJECT
public:
    explicit TStiTabs(QWidget* parent = nullptr);

    void clear();
    void addTab(const QString& tekst);
    int count() const { return int(m_tabs.size()); }
    QString tabText(int i) const;
    int currentIndex() const { return m_valgt; }
    // The tab at a point of the row, or -1.
    int tabAt(QPoint punkt) const;
    // An index outside the tabs leaves none chosen.
    void setCurrentIndex(int i);

signals:
    // The user pressed the left button on the row, before any tab changes.
    void trykket();
    // The user chose another tab.
    void tabValgt(int index);

protected:
    bool eventFilter(QObject* obj, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QHBoxLayout* m_layout;
    QList<QToolButton*> m_tabs;
    int m_valgt = -1;
};

} // namespace kv
