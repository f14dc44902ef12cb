#pragma once
// Text in a rectangle: margins, alignment, a colour per situation and
// shortening with "..." when it does not fit.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace kv {

enum TAlignVandretX { avCentrer, avVenstre, avHojre };
enum TAlignLodretX { alCentrer, alOppe, alNede };

class TTekstX {
public:
    QFont Font;
    int MargenVenstre = 0, MargenOppe = 0, MargenHojre = 0, MargenNede = 0;
    TAlignVandretX AlignVandret = avCentrer;
    TAlignLodretX AlignLodret = alCentrer;
    QColor FarveNormal = Qt::black;
    QColor FarveAktiv = Qt::black;
    QColor FarveOver = Qt::black;
    QColor FarveInaktiv = QColor(128, 128, 128);
    QColor FarveSkygge;  // no shadow while invalid

    // The rectangle less the margins; it also fixes the room AfkortTekst has.
    QRect BeregnRekt(const QRect& r);
    QString AfkortTekst(const QString& s) const;
    void SkrivTekst(QPainter& p, const QRect& r, const QString& s, int situation);

private:
    int m_bredde = 0;
};

} // namespace kv
