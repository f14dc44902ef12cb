#include "ui/Traekmarkoer.h"
#include "ui/Billeder.h"

#include <QPainter>
#include <QPolygonF>

namespace kv {

QPixmap traekMarkoer(bool flere, bool kopi)
{
    // The arrow's tip is the middle of the picture, where a cursor made from it has its hot spot.
    constexpr int side = 48;
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF side1(28, 27, 14, 17);
    for (int i = flere ? 2 : 0; i >= 0; --i)
        tegnBillede(p, side1.translated(3 * i, -3 * i), Billede::Fil);
    const QPolygonF pil({{24, 24}, {24, 40}, {28, 36}, {31, 43}, {33.5, 42}, {30.5, 35}, {36, 35}});
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(pil);
    if (kopi) {
        const QRectF maerke(34, 36, 11, 11);
        p.setBrush(Qt::white);
        p.drawRect(maerke);
        p.drawLine(QPointF(maerke.center().x(), maerke.top() + 2), QPointF(maerke.center().x(), maerke.bottom() - 2));
        p.drawLine(QPointF(maerke.left() + 2, maerke.center().y()), QPointF(maerke.right() - 2, maerke.center().y()));
    }
    return pm;
}

} // namespace kv
