#include "TTekstX.h"

#include <QFontMetrics>
#include <QPainter>

namespace kv {

QRect TTekstX::BeregnRekt(const QRect& r)
{
    const QRect t = r.adjusted(MargenVenstre, MargenOppe, -MargenHojre, -MargenNede);
    m_bredde = std::max(0, Lodret ? t.height() : t.width());
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

QStringList TTekstX::linjer(const QString& s) const
{
    const QFontMetrics fm(Font);
    QStringList ud;
    for (const QString& afsnit : QString(s).replace(u"\r\n"_qs, u"\n"_qs).split(u'\n')) {
        if (!Ombryd) {
            ud << AfkortTekst(afsnit);
            continue;
        }
        // As many words on a line as fit; a word longer than a line alone, shortened.
        QString linje;
        for (const QString& ord : afsnit.split(u' ')) {
            const QString mere = linje.isEmpty() ? ord : linje + u' ' + ord;
            if (linje.isEmpty() || fm.horizontalAdvance(mere) <= m_bredde) {
                linje = mere;
                continue;
            }
            ud << AfkortTekst(linje);
            linje = ord;
        }
        ud << AfkortTekst(linje);
    }
    return ud;
}

void TTekstX::SkrivTekst(QPainter& p, const QRect& r, const QString& s, int situation)
{
    const QRect t = BeregnRekt(r);
    const QStringList l = linjer(s);
    p.save();
    QRect felt = t;
    if (Lodret) {
        // Laid out as if across, in a room turned a quarter to the left.
        p.translate(t.left(), t.bottom() + 1);
        p.rotate(-90);
        felt = QRect(0, 0, t.height(), t.width());
    }
    const int vandret = AlignVandret == avVenstre ? Qt::AlignLeft : AlignVandret == avHojre ? Qt::AlignRight : Qt::AlignHCenter;
    const int hoejde = QFontMetrics(Font).height();
    const int ialt = int(l.size()) * hoejde + int(l.size() - 1) * Linjeafstand;
    int y = AlignLodret == alOppe ? felt.top()
          : AlignLodret == alNede ? felt.bottom() + 1 - ialt : felt.top() + (felt.height() - ialt) / 2;
    const QColor farve = situation == 0 ? FarveInaktiv
                       : situation == 2 || situation == 4 ? FarveAktiv
                       : situation == 3 ? FarveOver : FarveNormal;
    p.setFont(Font);
    for (const QString& linje : l) {
        const QRect lr(felt.left(), y, felt.width(), hoejde);
        if (FarveSkygge.isValid()) {
            p.setPen(FarveSkygge);
            p.drawText(lr.translated(1, 1), vandret | Qt::AlignVCenter, linje);
        }
        p.setPen(farve);
        p.drawText(lr, vandret | Qt::AlignVCenter, linje);
        y += hoejde + Linjeafstand;
    }
    p.restore();
}

} // namespace kv
