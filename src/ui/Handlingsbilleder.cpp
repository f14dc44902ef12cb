#include "ui/Handlingsbilleder.h"
#include "ui/Billeder.h"
#include "ui/TegnetIkon.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <array>
#include <cmath>

namespace kv {

namespace {

// Every picture is drawn on a 32 by 32 grid, scaled to the size asked for.
using B = Handlingsbillede;

const QColor blaa(0x1e, 0x6f, 0xc8), groen(0x2e, 0xa0, 0x4a), roed(0xd6, 0x33, 0x2f), graa(0x6b, 0x76, 0x80),
    moerk(0x33, 0x3b, 0x44), gul(0xf2, 0xb8, 0x23), lilla(0x7b, 0x4f, 0xb0), lys(0xd8, 0xde, 0xe4),
    himmel(0x8e, 0xd1, 0xfc), mappegul(0xf4, 0xc4, 0x30);  // mappegul: the colour of the folder pictures

void tegn(QPainter& p, B b);

// Device pixels per grid unit.
qreal skala(const QPainter& p) { return std::sqrt(std::abs(p.worldTransform().determinant())); }

// Outlines are one grid unit wide, as in the folder pictures; no line gets thinner than a pixel.
void pen(QPainter& p, const QColor& c, qreal bredde = 1)
{
    p.setPen(QPen(c, qMax(bredde, 1 / skala(p)), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A folder, drive or user picture, drawn at its real size so its outline matches the views.
void billede(QPainter& p, Billede b, const QRectF& r = QRectF(0, 0, 32, 32))
{
    const qreal s = skala(p);
    p.save();
    p.scale(1 / s, 1 / s);
    tegnBillede(p, QRectF(r.topLeft() * s, r.size() * s), b);
    p.restore();
}

// Another picture, shrunk into r.
void indsat(QPainter& p, B b, const QRectF& r)
{
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 32, r.height() / 32);
    tegn(p, b);
    p.restore();
}

void side(QPainter& p, QRectF r = QRectF(6, 3, 20, 26))
{
    QPainterPath s;
    s.moveTo(r.topLeft());
    s.lineTo(r.right() - 6, r.top());
    s.lineTo(r.right(), r.top() + 6);
    s.lineTo(r.bottomRight());
    s.lineTo(r.bottomLeft());
    s.closeSubpath();
    pen(p, graa);
    p.setBrush(Qt::white);
    p.drawPath(s);
    p.setBrush(lys);
    p.drawPolygon(QPolygonF({{r.right() - 6, r.top()}, {r.right() - 6, r.top() + 6}, {r.right(), r.top() + 6}}));
}

void linjer(QPainter& p, QPointF start, qreal laengde, int antal, qreal afstand = 4)
{
    pen(p, QColor(0xa8, 0xb0, 0xb8), 1.5);
    for (int i = 0; i < antal; ++i)
        p.drawLine(start + QPointF(0, i * afstand), start + QPointF(laengde, i * afstand));
}

// A sign in a corner: plus, minus, cross or tick on a round badge, or the
// square plus and minus of a tree's expander.
enum class Maerke { Plus, Minus, Kryds, Flueben, KassePlus, KasseMinus };
void maerke(QPainter& p, Maerke m, const QColor& farve, QPointF c = QPointF(24, 24), qreal radius = 7)
{
    // Drawn in whole device pixels: at 16 px the sign is only seven pixels wide
    // and blurs unless its strokes fall on the pixel grid.
    const qreal s = skala(p);
    p.save();
    p.scale(1 / s, 1 / s);
    const qreal streg = qMax(1.0, std::round(radius * s * 0.34));
    // Odd strokes sit on pixel middles, even ones on pixel edges.
    const qreal halv = std::fmod(streg, 2) / 2;
    const auto paaGitter = [halv](qreal x) { return std::floor(x - halv + 0.5) + halv; };
    const QPointF d(paaGitter(c.x() * s), paaGitter(c.y() * s));
    const qreal r = paaGitter(radius * s);
    const qreal a = paaGitter(radius * s * 0.65);
    const bool kasse = m == Maerke::KassePlus || m == Maerke::KasseMinus;
    const auto flade = [&](qreal rand, const QColor& fyld) {
        p.setBrush(fyld);
        const QRectF f(d.x() - rand, d.y() - rand, 2 * rand, 2 * rand);
        kasse ? p.drawRect(f) : p.drawEllipse(f);
    };
    p.setPen(Qt::NoPen);
    flade(r + 1, Qt::white);  // a rim, so the sign stands free of the picture beneath
    flade(r, farve);
    p.setPen(QPen(Qt::white, streg, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    switch (m) {
    case Maerke::Plus:
    case Maerke::KassePlus:
        p.drawLine(d + QPointF(0, -a), d + QPointF(0, a));
        [[fallthrough]];
    case Maerke::Minus:
    case Maerke::KasseMinus: p.drawLine(d + QPointF(-a, 0), d + QPointF(a, 0)); break;
    case Maerke::Kryds:
        p.setPen(QPen(Qt::white, streg, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(d + QPointF(-a, -a) * 0.8, d + QPointF(a, a) * 0.8);
        p.drawLine(d + QPointF(-a, a) * 0.8, d + QPointF(a, -a) * 0.8);
        break;
    case Maerke::Flueben:
        p.setPen(QPen(Qt::white, streg, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({d + QPointF(-a, 0), d + QPointF(-a / 3, a * 0.7), d + QPointF(a, -a * 0.6)}));
        break;
    }
    p.restore();
}

// A filled arrow head with its tip at spids, pointing along retning (a unit vector).
void pilespids(QPainter& p, QPointF spids, QPointF retning, const QColor& farve, qreal stoerrelse)
{
    const QPointF n(-retning.y(), retning.x());
    p.setPen(Qt::NoPen);
    p.setBrush(farve);
    p.drawPolygon(QPolygonF({spids, spids - retning * stoerrelse + n * stoerrelse * 0.75,
                             spids - retning * stoerrelse - n * stoerrelse * 0.75}));
}

// A thick straight arrow from a to b.
void pil(QPainter& p, QPointF a, QPointF b, const QColor& farve, qreal bredde)
{
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const qreal hoved = bredde * 2.2;
    pen(p, farve, bredde);
    p.drawLine(a, b - d * hoved * 0.8);
    pilespids(p, b, d, farve, hoved);
}

// A thick arrow along a circle arc; angles in degrees as drawArc takes them (0 at three o'clock,
// positive counter-clockwise), the head at the end.
void buePil(QPainter& p, QPointF c, qreal radius, qreal start, qreal spaend, const QColor& farve, qreal bredde = 3)
{
    const qreal hoved = bredde * 2.2;
    const qreal slutVinkel = qDegreesToRadians(start + spaend);
    const QPointF slut = c + radius * QPointF(std::cos(slutVinkel), -std::sin(slutVinkel));
    const qreal fortegn = spaend < 0 ? -1 : 1;
    const QPointF tangent = fortegn * QPointF(-std::sin(slutVinkel), -std::cos(slutVinkel));
    pen(p, farve, bredde);
    p.setBrush(Qt::NoBrush);
    // The line stops where the head begins, so the head keeps its sharp tip.
    const qreal afkort = qRadiansToDegrees(hoved * 0.7 / radius) * fortegn;
    p.drawArc(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), int(start * 16),
              int((spaend - afkort) * 16));
    pilespids(p, slut + tangent * hoved * 0.4, tangent, farve, hoved);
}

void tekst(QPainter& p, const QRectF& r, const QString& t, const QColor& farve, int pixel)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(pixel);
    p.setFont(f);
    p.setPen(farve);
    p.drawText(r, Qt::AlignCenter, t);
}

void cirkelTegn(QPainter& p, const QColor& farve, const QString& t)
{
    QRadialGradient g(QPointF(12, 10), 20);
    g.setColorAt(0, farve.lighter(135));
    g.setColorAt(1, farve);
    pen(p, farve.darker(140));
    p.setBrush(g);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    tekst(p, QRectF(3, 3, 26, 26), t, Qt::white, 20);
}

void skraldespand(QPainter& p)
{
    QLinearGradient g(8, 0, 24, 0);
    g.setColorAt(0, QColor(0xf0, 0xf3, 0xf6));
    g.setColorAt(1, QColor(0xb8, 0xc2, 0xcc));
    pen(p, moerk);
    p.setBrush(g);
    p.drawPolygon(QPolygonF({{7, 10}, {25, 10}, {23, 29}, {9, 29}}));
    p.setBrush(QColor(0x9c, 0xa8, 0xb4));
    p.drawRoundedRect(QRectF(5, 5, 22, 5), 1.5, 1.5);
    p.drawRect(QRectF(13, 2, 6, 3));
    pen(p, graa, 1.5);
    for (qreal x : {12.0, 16.0, 20.0})
        p.drawLine(QPointF(x, 14), QPointF(x, 25));
}

void saks(QPainter& p)
{
    pen(p, moerk, 2.5);
    p.drawLine(QPointF(9, 3), QPointF(20, 20));
    p.drawLine(QPointF(23, 3), QPointF(12, 20));
    pen(p, roed, 2.5);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4, 19, 9, 9));
    p.drawEllipse(QRectF(19, 19, 9, 9));
}

// A clipboard; its paper is the rectangle (8, 9, 16, 18).
void udklipsholder(QPainter& p)
{
    pen(p, QColor(0x8a, 0x5a, 0x2b));
    p.setBrush(QColor(0xc8, 0x8e, 0x4f));
    p.drawRoundedRect(QRectF(5, 5, 22, 25), 2, 2);
    pen(p, graa);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 9, 16, 18));
    pen(p, moerk);
    p.setBrush(QColor(0xb0, 0xb8, 0xc0));
    p.drawRoundedRect(QRectF(11, 2, 10, 6), 1.5, 1.5);
}

void blyant(QPainter& p, QPointF spids)
{
    p.save();
    p.translate(spids);
    p.rotate(-45);
    pen(p, moerk);
    p.setBrush(gul);
    p.drawRect(QRectF(6, -3, 16, 6));
    p.setBrush(QColor(0xf0, 0xd0, 0xa0));
    p.drawPolygon(QPolygonF({{0, 0}, {6, -3}, {6, 3}}));
    p.setBrush(QColor(0xe8, 0x8a, 0x9a));
    p.drawRect(QRectF(22, -3, 4, 6));
    p.restore();
}

// A text field with a name and the text cursor after it.
void tekstfelt(QPainter& p, const QRectF& r)
{
    pen(p, graa);
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 2, 2);
    tekst(p, QRectF(r.left(), r.top(), r.width() - 5, r.height()), u"ab"_qs, moerk, int(r.height() * 0.75));
    pen(p, blaa, 2);
    p.drawLine(QPointF(r.right() - 4, r.top() + 2.5), QPointF(r.right() - 4, r.bottom() - 2.5));
}

void vindue(QPainter& p, const QRectF& r, qreal titel = 6)
{
    pen(p, graa);
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(blaa);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), titel));
}

void trae(QPainter& p, const QColor& farve)
{
    pen(p, graa, 1.5);
    p.drawLine(QPointF(7, 9), QPointF(7, 25));
    p.drawLine(QPointF(7, 16), QPointF(13, 16));
    p.drawLine(QPointF(7, 25), QPointF(13, 25));
    pen(p, farve.darker(140));
    p.setBrush(farve);
    for (const QRectF& r : {QRectF(2, 3, 10, 7), QRectF(13, 12, 10, 7), QRectF(13, 21, 10, 7)})
        p.drawRoundedRect(r, 1.5, 1.5);
}

void afkrydsning(QPainter& p, bool tjek, QPointF o = QPointF(0, 0))
{
    pen(p, moerk);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(o.x() + 4, o.y() + 4, 17, 17), 2, 2);
    if (tjek) {
        pen(p, groen, 3.5);
        p.drawPolyline(QPolygonF({o + QPointF(8, 12.5), o + QPointF(11.5, 16.5), o + QPointF(18, 8)}));
    }
}

// Three rows of a list; the bits of valgte tell which are selected.
void raekker(QPainter& p, int valgte)
{
    for (int i = 0; i < 3; ++i) {
        const bool valgt = (valgte >> i) & 1;
        pen(p, valgt ? blaa.darker(130) : QColor(0xb0, 0xb8, 0xc0));
        p.setBrush(valgt ? blaa : QColor(0xee, 0xf1, 0xf4));
        p.drawRoundedRect(QRectF(3, 4 + i * 9, 26, 7), 1.5, 1.5);
    }
}

void globus(QPainter& p, const QRectF& r = QRectF(3, 3, 26, 26))
{
    QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() * 0.7);
    g.setColorAt(0, QColor(0xb8, 0xe0, 0xff));
    g.setColorAt(1, QColor(0x4a, 0x9c, 0xe0));
    pen(p, QColor(0x15, 0x5a, 0xa0));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(r.center().x() - r.width() / 5, r.top(), r.width() * 0.4, r.height()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    for (qreal y : {0.25, 0.75})
        p.drawLine(QPointF(r.left() + r.width() * 0.07, r.top() + r.height() * y),
                   QPointF(r.right() - r.width() * 0.07, r.top() + r.height() * y));
}

void lup(QPainter& p, QPointF c, qreal radius)
{
    pen(p, moerk, radius * 0.45);
    p.drawLine(c + QPointF(radius * 0.7, radius * 0.7), c + QPointF(radius * 1.8, radius * 1.8));
    pen(p, moerk, qMax(1.5, radius * 0.25));
    p.setBrush(QColor(0xd0, 0xe8, 0xff, 230));
    p.drawEllipse(c, radius, radius);
}

void tandhjul(QPainter& p, QPointF c, qreal radius)
{
    QPolygonF hjul;
    for (int i = 0; i < 32; ++i) {
        const qreal r = (i % 4 < 2) ? radius : radius * 0.75;
        const qreal v = (i - 0.5) * M_PI / 16;
        hjul << c + QPointF(r * std::cos(v), r * std::sin(v));
    }
    QRadialGradient g(c, radius);
    g.setColorAt(0, graa.lighter(150));
    g.setColorAt(1, graa);
    pen(p, moerk);
    p.setBrush(g);
    p.drawPolygon(hjul);
    p.setBrush(Qt::white);
    p.drawEllipse(c, radius * 0.3, radius * 0.3);
}

void stjerne(QPainter& p, QPointF c, qreal radius)
{
    QPolygonF s;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 ? 0.42 : 1.0) * radius;
        const qreal v = -M_PI / 2 + i * M_PI / 5;
        s << c + QPointF(r * std::cos(v), r * std::sin(v));
    }
    pen(p, QColor(0xb0, 0x70, 0x00));
    p.setBrush(QColor(0xff, 0xc1, 0x07));
    p.drawPolygon(s);
}

void spilKnap(QPainter& p, const QRectF& r, const QColor& farve)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, farve.lighter(125));
    g.setColorAt(1, farve);
    pen(p, farve.darker(140));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    const qreal k = qMin(r.width(), r.height()) / 24;
    const QPointF c = r.center() + QPointF(k, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({c + QPointF(-5, -6.5) * k, c + QPointF(-5, 6.5) * k, c + QPointF(6, 0) * k}));
}

void diskette(QPainter& p)
{
    pen(p, blaa.darker(150));
    p.setBrush(blaa);
    p.drawPolygon(QPolygonF({{4, 4}, {24, 4}, {28, 8}, {28, 28}, {4, 28}}));
    p.setBrush(QColor(0xc8, 0xd0, 0xd8));
    p.drawRect(QRectF(10, 4, 12, 8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 17, 16, 11));
}

// A folder whose front has fallen open.
void aabenMappe(QPainter& p)
{
    billede(p, Billede::Mappe);
    QLinearGradient g(0, 13, 0, 28);
    g.setColorAt(0, mappegul.lighter(130));
    g.setColorAt(1, mappegul);
    pen(p, mappegul.darker(150));
    p.setBrush(g);
    p.drawPolygon(QPolygonF({{8, 14}, {31, 14}, {26, 27.5}, {2, 27.5}}));
}

void kalender(QPainter& p)
{
    pen(p, graa);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(3, 5, 26, 24), 2, 2);
    p.setBrush(roed);
    p.drawRect(QRectF(3, 5, 26, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(graa);
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 4; ++k)
            p.drawRect(QRectF(6 + k * 6, 15 + r * 4.5, 3, 2.5));
}

void kamera(QPainter& p, bool film)
{
    pen(p, moerk);
    p.setBrush(QColor(0x45, 0x4e, 0x58));
    if (film) {
        // A video camera: a box with the lens hood on its side.
        p.drawRoundedRect(QRectF(2, 9, 20, 16), 3, 3);
        p.drawPolygon(QPolygonF({{22, 14}, {30, 9}, {30, 25}, {22, 20}}));
        p.setBrush(roed);
        p.drawEllipse(QRectF(5, 12, 5, 5));
        return;
    }
    p.drawRoundedRect(QRectF(3, 9, 26, 18), 3, 3);
    p.drawRect(QRectF(10, 5, 9, 5));
    p.setBrush(himmel);
    p.drawEllipse(QRectF(10, 12, 12, 12));
}

void tegn(QPainter& p, B b)
{
    switch (b) {
    case B::Ingen: break;
    case B::FokusAktiv:
    case B::FokusInaktiv: {
        const QColor c = b == B::FokusAktiv ? QColor(0x2e, 0xc4, 0x4a) : QColor(0xa8, 0xb0, 0xb8);
        QRadialGradient g(QPointF(13, 12), 14);
        g.setColorAt(0, c.lighter(150));
        g.setColorAt(1, c);
        pen(p, c.darker(140), 1.5);
        p.setBrush(g);
        p.drawEllipse(QRectF(5, 5, 22, 22));
        break;
    }
    case B::Tilbage: pil(p, {28, 16}, {4, 16}, blaa, 5); break;
    case B::Frem: pil(p, {4, 16}, {28, 16}, blaa, 5); break;
    case B::Op: pil(p, {16, 28}, {16, 4}, blaa, 5); break;
    case B::Ned: pil(p, {16, 4}, {16, 28}, blaa, 5); break;
    case B::Kopier:
        side(p, QRectF(3, 2, 17, 22));
        side(p, QRectF(12, 8, 17, 22));
        linjer(p, {15, 19}, 10, 3);
        break;
    case B::Klip: saks(p); break;
    case B::SaetInd:
        udklipsholder(p);
        linjer(p, {11, 14}, 10, 3);
        break;
    case B::SletPapirkurv: skraldespand(p); break;
    case B::SletPermanent:
        side(p);
        maerke(p, Maerke::Kryds, roed, {22, 22}, 8.5);
        break;
    case B::ToemPapirkurv:
        skraldespand(p);
        maerke(p, Maerke::Kryds, roed, {24, 24}, 7);
        break;
    case B::Omdoeb: tekstfelt(p, QRectF(2, 8, 28, 16)); break;
    case B::OmdoebFelt:
        vindue(p, QRectF(2, 3, 28, 26));
        tekstfelt(p, QRectF(5, 13, 22, 12));
        break;
    case B::OmdoebExt:
        // The name field with its extension selected.
        pen(p, graa);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2, 8, 28, 16), 2, 2);
        tekst(p, QRectF(2, 8, 10, 16), u"a"_qs, moerk, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(blaa);
        p.drawRect(QRectF(12, 11, 16, 10));
        tekst(p, QRectF(12, 11, 16, 10), u".ext"_qs, Qt::white, 8);
        break;
    case B::NyMappe:
        billede(p, Billede::Mappe);
        maerke(p, Maerke::Plus, groen);
        break;
    case B::NyFil:
        side(p);
        maerke(p, Maerke::Plus, groen);
        break;
    case B::Info: cirkelTegn(p, blaa, u"i"_qs); break;
    case B::Hjaelp: cirkelTegn(p, QColor(0x1b, 0x8a, 0x8a), u"?"_qs); break;
    case B::Opdater:
        buePil(p, {16, 16}, 10, 200, 150, groen);
        buePil(p, {16, 16}, 10, 20, 150, groen);
        break;
    case B::VisDrev: billede(p, Billede::AndetDrev); break;
    case B::UdfoldValgte:
        billede(p, Billede::Mappe);
        maerke(p, Maerke::KassePlus, blaa);
        break;
    case B::UdfoldAlle:
    case B::SammenfoldAlle:
        trae(p, mappegul);
        maerke(p, b == B::UdfoldAlle ? Maerke::KassePlus : Maerke::KasseMinus, blaa, {25, 7}, 6.5);
        break;
    case B::VisIStruktur1:
    case B::VisIStruktur2:
        trae(p, QColor(0x8c, 0xb8, 0xe8));
        tekst(p, QRectF(17, 0, 15, 15), b == B::VisIStruktur1 ? u"1"_qs : u"2"_qs, roed, 15);
        break;
    case B::HentStruktur:
        trae(p, QColor(0x8c, 0xb8, 0xe8));
        pil(p, {31, 1}, {21, 11}, groen, 3);
        break;
    case B::Galleri:
        for (int i = 0; i < 4; ++i) {
            const QRectF r(3 + (i % 2) * 14, 3 + (i / 2) * 14, 12, 12);
            pen(p, graa);
            p.setBrush(himmel);
            p.drawRect(r);
            p.setPen(Qt::NoPen);
            p.setBrush(groen);
            p.drawPolygon(QPolygonF({r.bottomLeft(), r.bottomLeft() + QPointF(5, -7), r.bottomRight()}));
        }
        break;
    case B::VaelgAlle: raekker(p, 0b111); break;
    case B::VaelgIngen: raekker(p, 0); break;
    case B::InverterValg: raekker(p, 0b101); break;
    case B::ProgramKoer:
        vindue(p, QRectF(2, 4, 23, 19));
        spilKnap(p, QRectF(15, 15, 16, 16), groen);
        break;
    case B::Koer: spilKnap(p, QRectF(3, 3, 26, 26), groen); break;
    case B::Rediger:
        side(p);
        linjer(p, {10, 10}, 10, 3);
        blyant(p, {12, 27});
        break;
    case B::LukLister: maerke(p, Maerke::Kryds, graa, {16, 16}, 13); break;
    case B::AfkrydsAlle:
    case B::AfkrydsIngen:
        afkrydsning(p, b == B::AfkrydsAlle, {7, 7});
        afkrydsning(p, b == B::AfkrydsAlle);
        break;
    case B::Fjern:
        afkrydsning(p, true);
        maerke(p, Maerke::Minus, roed);
        break;
    case B::Favorit:
        stjerne(p, {15, 17}, 14);
        maerke(p, Maerke::Plus, groen, {25, 7}, 6.5);
        break;
    case B::Gem: diskette(p); break;
    case B::Hent:
        aabenMappe(p);
        pil(p, {17, 24}, {17, 2}, groen, 4);
        break;
    case B::SletValgte:
        raekker(p, 0b010);
        maerke(p, Maerke::Kryds, roed);
        break;
    case B::SletAlle:
        raekker(p, 0b111);
        maerke(p, Maerke::Kryds, roed);
        break;
    case B::Punktstruktur:
        // Separate points in one column, nothing nested.
        for (int i = 0; i < 3; ++i) {
            pen(p, mappegul.darker(150));
            p.setBrush(mappegul);
            p.drawEllipse(QRectF(3, 3 + i * 10, 7, 7));
            linjer(p, {14, 6.5 + i * 10}, 14, 1);
        }
        break;
    case B::Niveaustruktur: trae(p, mappegul); break;
    case B::PrivatMed:
        billede(p, Billede::Bruger);
        maerke(p, Maerke::Plus, groen);
        break;
    case B::PrivatUden:
        billede(p, Billede::Bruger);
        maerke(p, Maerke::Minus, roed);
        break;
    case B::Strukturfiler:
        side(p, QRectF(3, 2, 26, 28));
        indsat(p, B::Niveaustruktur, QRectF(6, 8, 20, 20));
        break;
    case B::TopBog: vindue(p, QRectF(3, 4, 26, 24), 9); break;
    case B::Situation:
        vindue(p, QRectF(3, 4, 26, 24), 4);
        p.setBrush(QColor(0x9c, 0xc8, 0xf4));
        p.drawRect(QRectF(3, 18, 26, 10));
        break;
    case B::Stifinder:
        billede(p, Billede::Mappe);
        lup(p, {19, 19}, 6);
        break;
    case B::Kalender: kalender(p); break;
    case B::Web: globus(p); break;
    case B::Soeg: lup(p, {13, 13}, 9); break;
    case B::Genveje:
        pen(p, graa);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(3, 3, 26, 26), 2, 2);
        buePil(p, {25, 26}, 14, 180, -75, blaa, 4);
        break;
    case B::Applets: tandhjul(p, {16, 16}, 14); break;
    case B::Opret:
        trae(p, mappegul);
        maerke(p, Maerke::Plus, groen, {25, 7}, 6.5);
        break;
    case B::Indfoer:
        side(p);
        pil(p, {30, 4}, {17, 17}, groen, 3.5);
        break;
    case B::Google:
        globus(p, QRectF(2, 2, 22, 22));
        lup(p, {21, 21}, 5.5);
        break;
    case B::YouTube: spilKnap(p, QRectF(2, 6, 28, 20), roed); break;
    case B::Notat:
        pen(p, QColor(0xc0, 0x9a, 0x20));
        p.setBrush(QColor(0xff, 0xe8, 0x80));
        p.drawRect(QRectF(3, 3, 26, 26));
        linjer(p, {7, 10}, 18, 4, 5);
        break;
    case B::NotatGem:
        tegn(p, B::Notat);
        indsat(p, B::Gem, QRectF(13, 13, 19, 19));
        break;
    case B::NotatHent:
        tegn(p, B::Notat);
        pil(p, {24, 2}, {24, 24}, groen, 4);
        break;
    case B::Fortryd: buePil(p, {17, 20}, 11, 0, 180, blaa, 4); break;
    case B::MarkerAlt:
        pen(p, blaa);
        p.setBrush(QColor(0x9c, 0xc8, 0xf4));
        p.drawRect(QRectF(2, 5, 28, 22));
        tekst(p, QRectF(2, 5, 28, 22), u"A"_qs, moerk, 20);
        break;
    case B::SletTekst:
        tekst(p, QRectF(0, 0, 24, 28), u"A"_qs, moerk, 24);
        maerke(p, Maerke::Kryds, roed);
        break;
    case B::Spilleliste:
        linjer(p, {3, 6}, 16, 3, 7);
        pen(p, lilla, 2);
        p.setBrush(lilla);
        p.drawEllipse(QRectF(16, 23, 7, 6));
        p.drawLine(QPointF(22, 25), QPointF(22, 8));
        p.drawLine(QPointF(22, 8), QPointF(29, 11));
        break;
    case B::Wmi:
        side(p);
        tekst(p, QRectF(6, 8, 20, 18), u"{}"_qs, lilla, 14);
        break;
    case B::WmiListe:
        side(p);
        for (int i = 0; i < 4; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(lilla);
            p.drawEllipse(QRectF(9, 9.5 + i * 4.5, 3, 3));
            linjer(p, {14, 11 + i * 4.5}, 8, 1);
        }
        break;
    case B::KopierSti:
        udklipsholder(p);
        billede(p, Billede::Mappe, QRectF(8, 11, 16, 16));
        break;
    case B::KopierNavn:
        udklipsholder(p);
        tekst(p, QRectF(8, 9, 16, 18), u"ab"_qs, blaa, 10);
        break;
    case B::Konsol:
        pen(p, moerk);
        p.setBrush(QColor(0x20, 0x24, 0x28));
        p.drawRoundedRect(QRectF(2, 5, 28, 22), 2, 2);
        pen(p, QColor(0x6f, 0xe0, 0x7a), 2.5);
        p.drawPolyline(QPolygonF({{7, 11}, {12, 15}, {7, 19}}));
        p.drawLine(QPointF(14, 21), QPointF(22, 21));
        break;
    case B::MarkerFiltype:
        side(p);
        maerke(p, Maerke::Flueben, roed);
        break;
    case B::IsolerFiltype: {
        QLinearGradient g(3, 0, 29, 0);
        g.setColorAt(0, QColor(0x8c, 0xc4, 0xf4));
        g.setColorAt(1, QColor(0x2f, 0x7f, 0xd0));
        pen(p, moerk);
        p.setBrush(g);
        p.drawPolygon(QPolygonF({{3, 4}, {29, 4}, {19, 16}, {19, 27}, {13, 30}, {13, 16}}));
        break;
    }
    case B::Skrivebord: billede(p, Billede::Skrivebord); break;
    case B::Dokumenter: billede(p, Billede::Dokumenter); break;
    case B::Musik: billede(p, Billede::Musik); break;
    case B::Videoer: billede(p, Billede::Videoer); break;
    case B::Billeder: billede(p, Billede::Billeder); break;
    case B::Favoritter: billede(p, Billede::Favoritter); break;
    case B::AlleBrugere:
        billede(p, Billede::Bruger, QRectF(10, 0, 22, 22));
        billede(p, Billede::Bruger, QRectF(0, 7, 25, 25));
        break;
    case B::Overfoersler:
        billede(p, Billede::Mappe);
        pil(p, {16, 4}, {16, 27}, groen, 4);
        break;
    case B::Kontakter:
        pen(p, QColor(0x8a, 0x5a, 0x2b));
        p.setBrush(QColor(0xf0, 0xe0, 0xc8));
        p.drawRoundedRect(QRectF(5, 3, 22, 26), 2, 2);
        billede(p, Billede::Bruger, QRectF(7, 6, 18, 18));
        linjer(p, {10, 26}, 12, 1);
        break;
    case B::OneDrive: {
        QPainterPath sky;
        sky.setFillRule(Qt::WindingFill);
        sky.addEllipse(QRectF(3, 13, 12, 11));
        sky.addEllipse(QRectF(9, 7, 15, 15));
        sky.addEllipse(QRectF(17, 12, 12, 12));
        sky.addRect(QRectF(9, 17, 15, 7));
        QLinearGradient g(0, 7, 0, 24);
        g.setColorAt(0, QColor(0x4f, 0xa8, 0xf0));
        g.setColorAt(1, QColor(0x12, 0x6c, 0xc8));
        pen(p, QColor(0x0d, 0x4f, 0x96));
        p.setBrush(g);
        p.drawPath(sky.simplified());
        break;
    }
    case B::Startmenu: {
        const QColor farver[] = {blaa, groen, gul, roed};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(farver[i]);
            p.drawRoundedRect(QRectF(4 + (i % 2) * 13, 4 + (i / 2) * 13, 11, 11), 2, 2);
        }
        break;
    }
    case B::AppData:
        billede(p, Billede::Mappe);
        tandhjul(p, {22, 21}, 9);
        break;
    case B::KameraBilleder:
    case B::KameraFilm: kamera(p, b == B::KameraFilm); break;
    case B::Luk:
        pen(p, roed, 3.5);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 6, 22, 22), 125 * 16, 290 * 16);
        p.drawLine(QPointF(16, 3), QPointF(16, 15));
        break;
    }
}

} // namespace

const QIcon& handlingsIkon(Handlingsbillede b)
{
    static std::array<QIcon, size_t(Handlingsbillede::Luk) + 1> ikoner;
    QIcon& i = ikoner[size_t(b)];
    if (i.isNull() && b != Handlingsbillede::Ingen) {
        i = tegnetIkon(u"handling%1"_qs.arg(int(b)), [b](QPainter& p, const QRectF& r) {
            p.translate(r.topLeft());
            p.scale(r.width() / 32.0, r.height() / 32.0);
            tegn(p, b);
        });
    }
    return i;
}

QToolButton* billedknap(const QString& navn, Handlingsbillede b, const QString& hint)
{
    auto* k = new QToolButton;
    k->setObjectName(navn);
    k->setIcon(handlingsIkon(b));
    k->setToolTip(hint);
    k->setStatusTip(hint);
    k->setAutoRaise(true);
    return k;
}

QToolButton* tekstknap(QAction* a)
{
    auto* k = new QToolButton;
    k->setDefaultAction(a);
    k->setToolButtonStyle(Qt::ToolButtonTextOnly);
    k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return k;
}

} // namespace kv
