#include "TTekstX.h"

#include <QFontMetrics>
#include <QPainter>

namespace kv {

QRect TTekstX::BeregnRekt(const QRect& r)
{
    const QRect t = r.adjusted(MargenVenstre, MargenOppe, -MargenHojre, -MargenNede);
    m_bredde = std::max(0, t.width());
    return t;
}

QString TTekstX::AfkortTekst(const QString& s) const
{
    const QFontMetrics fm(Font);
    if (fm.horizontalAdvance(s) <= m_bredde)
        return s;
    qsizetype n = 0;
    while (n < s.size() && fm.horizontalAdvance(s.left(n + 1)) <= m_bredde)
        ++n;
    return s.left(std::max<qsizetype>(0, n - 3)) + u"..."_qs;
}

void TTekstX::SkrivTekst(QPainter& p, const QRect& r, const QString& s, int situation)
{
    const QRect t = BeregnRekt(r);
    const int vandret = AlignVandret == avVenstre ? Qt::AlignLeft : AlignVandret == avHojre ? Qt::AlignRight : Qt::AlignHCenter;
    const int lodret = AlignLodret == alOppe ? Qt::AlignTop : AlignLodret == alNede ? Qt::AlignBottom : Qt::AlignVCenter;
    const QString tekst = AfkortTekst(s);
    p.setFont(Font);
    if (FarveSkygge.isValid()) {
        p.setPen(FarveSkygge);
        p.drawText(t.translated(1, 1), vandret | lodret, tekst);
    }
    const QColor farve = situation == 0 ? FarveInaktiv
                       : situation == 2 || situation == 4 ? FarveAktiv
                       : situation == 3 ? FarveOver : FarveNormal;
    p.setPen(farve);
    p.drawText(t, vandret | lodret, tekst);
}

} // namespace kv
