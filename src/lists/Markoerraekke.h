#pragma once
// List rows drawn by the list itself: the row filled with the normal or the
// selection colour, a small filled square in the list's own colour at the
// left edge, the caption beside it, and a silver line along the bottom.
#include <QColor>
#include <QStyledItemDelegate>

class QListWidget;

namespace kv {

class Markoerraekke : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int hoejde = 19;

    Markoerraekke(const QColor& markoer, QObject* parent);
    // Draws the list's rows so, with this marker colour.
    static void tegn(QListWidget* liste, const QColor& markoer);

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QColor m_markoer;
};

} // namespace kv
