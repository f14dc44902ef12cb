#include "lists/Markoerraekke.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>

namespace kv {

namespace {

constexpr int kant = 3;   // left of the marker
constexpr int side = 8;   // the marker's side
constexpr int luft = 5;   // between the marker and the caption

} // namespace

Markoerraekke::Markoerraekke(const QColor& markoer, QObject* parent) : QStyledItemDelegate(parent), m_markoer(markoer) {}

void Markoerraekke::tegn(QListWidget* liste, const QColor& markoer)
{
    liste->setItemDelegate(new Markoerraekke(markoer, liste));
    liste->setUniformItemSizes(true);
}

void Markoerraekke::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem o(option);
    initStyleOption(&o, index);
    const QPalette::ColorGroup gruppe = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                                        : o.state & QStyle::State_Active  ? QPalette::Active
                                                                          : QPalette::Inactive;
    const bool valgt = o.state & QStyle::State_Selected;
    const QRect r = o.rect;
    p->save();
    p->fillRect(r, o.palette.brush(gruppe, valgt ? QPalette::Highlight : QPalette::Base));
    // The line takes the bottom pixel; the marker is centred above it.
    p->fillRect(QRect(r.left() + kant, r.top() + (r.height() - 1 - side) / 2, side, side), m_markoer);
    const QRect tekst = r.adjusted(kant + side + luft, 0, -2, -1);
    p->setFont(o.font);
    p->setPen(o.palette.color(gruppe, valgt ? QPalette::HighlightedText : QPalette::Text));
    p->drawText(tekst, Qt::AlignLeft | Qt::AlignVCenter, o.fontMetrics.elidedText(o.text, o.textElideMode, tekst.width()));
    p->setPen(QColor(0xc0, 0xc0, 0xc0));
    p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    if (o.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect f;
        f.QStyleOption::operator=(o);
        f.rect = r.adjusted(0, 0, 0, -1);
        f.backgroundColor = o.palette.color(gruppe, valgt ? QPalette::Highlight : QPalette::Base);
        QStyle* stil = o.widget ? o.widget->style() : QApplication::style();
        stil->drawPrimitive(QStyle::PE_FrameFocusRect, &f, p, o.widget);
    }
    p->restore();
}

QSize Markoerraekke::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem o(option);
    initStyleOption(&o, index);
    return {kant + side + luft + o.fontMetrics.horizontalAdvance(o.text) + 2, hoejde};
}

} // namespace kv
