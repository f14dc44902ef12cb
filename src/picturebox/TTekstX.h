#pragma once
// Text in a rectangle: margins, alignment, a colour per situation, lines
// broken where the text breaks them (or wrapped at spaces), each shortened
// with "..." when it does not fit, and optionally written bottom to top.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

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
    int Linjeafstand = 0;  // pixels between two lines
    bool Lodret = false;   // turned a quarter, read from the bottom up
    bool Ombryd = false;   // lines too long are broken at spaces

    // The rectangle less the margins; it also fixes the room AfkortTekst has
    // (along the text, so the height when Lodret).
    QRect BeregnRekt(const QRect& r);
    QString AfkortTekst(const QString& s) const;
    // The lines a text is written in, in the room BeregnRekt fixed.
    QStringList linjer(const QString& s) const;
    void SkrivTekst(QPainter& p, const QRect& r, const QString& s, int situation);

private:
    int m_bredde = 0;
};

} // namespace kv
