#include "app/Handlingsbilleder.h"
#include "structures/Billeder.h"
#include "structures/TegnetIkon.h"

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
    moerk(0x33, 0x3b, 0x44), gul(0xf2, 0xb8, 0x23), lilla(0x7b, 0x4f, 0xb0);

QPen streg(const QColor& c, qreal w = 2) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void side(QPainter& p, QRectF r = QRectF(6, 3, 18, 24), QColor fyld = Qt::white)
{
    QPainterPath s;
    s.moveTo(r.topLeft());
    s.lineTo(r.right() - 6, r.top());
    s.lineTo(r.right(), r.top() + 6);
    s.lineTo(r.bottomRight());
    s.lineTo(r.bottomLeft());
    s.closeSubpath();
    p.setPen(streg(graa, 1.5));
    p.setBrush(fyld);
    p.drawPath(s);
    p.drawLine(QPointF(r.right() - 6, r.top()), QPointF(r.right() - 6, r.top() + 6));
    p.drawLine(QPointF(r.right() - 6, r.top() + 6), QPointF(r.right(), r.top() + 6));
}

void linjer(QPainter& p, QRectF r, int antal)
{
    p.setPen(streg(QColor(0xb0, 0xb8, 0xc0), 1.5));
    for (int i = 0; i < antal; ++i)
        p.drawLine(QPointF(r.left(), r.top() + i * 4), QPointF(r.right(), r.top() + i * 4));
}

void billede(QPainter& p, Billede b, QRectF r = QRectF(0, 0, 32, 32)) { tegnBillede(p, r, b); }

// A round sign in a corner: plus, minus, cross or tick.
enum class Maerke { Plus, Minus, Kryds, Flueben };
void maerke(QPainter& p, Maerke m, QColor farve, QPointF c = QPointF(24, 24), qreal radius = 7)
{
    p.setPen(streg(Qt::white, 1.5));
    p.setBrush(farve);
    p.drawEllipse(c, radius, radius);
    p.setPen(streg(Qt::white, 2.5));
    const qreal a = radius * 0.55;
    switch (m) {
    case Maerke::Plus:
        p.drawLine(c + QPointF(-a, 0), c + QPointF(a, 0));
        p.drawLine(c + QPointF(0, -a), c + QPointF(0, a));
        break;
    case Maerke::Minus: p.drawLine(c + QPointF(-a, 0), c + QPointF(a, 0)); break;
    case Maerke::Kryds:
        p.drawLine(c + QPointF(-a, -a), c + QPointF(a, a));
        p.drawLine(c + QPointF(-a, a), c + QPointF(a, -a));
        break;
    case Maerke::Flueben: p.drawPolyline(QPolygonF({c + QPointF(-a, 0), c + QPointF(-a / 3, a * 0.7), c + QPointF(a, -a * 0.6)})); break;
    }
}

// A thick arrow from a to b.
void pil(QPainter& p, QPointF a, QPointF b, QColor farve, qreal bredde = 3.5)
{
    p.setPen(streg(farve, bredde));
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-d.y(), d.x());
    p.setPen(Qt::NoPen);
    p.setBrush(farve);
    p.drawPolygon(QPolygonF({b + d * 3, b - d * 5 + n * 6, b - d * 5 - n * 6}));
}

void tekst(QPainter& p, QRectF r, const QString& t, QColor farve, int pixel, bool fed = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(fed);
    f.setPixelSize(pixel);
    p.setFont(f);
    p.setPen(farve);
    p.drawText(r, Qt::AlignCenter, t);
}

void cirkelTegn(QPainter& p, QColor farve, const QString& t)
{
    p.setPen(streg(farve.darker(130), 1.5));
    p.setBrush(farve);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    tekst(p, QRectF(3, 3, 26, 26), t, Qt::white, 20);
}

void skraldespand(QPainter& p, QColor laag)
{
    p.setPen(streg(moerk, 1.5));
    p.setBrush(QColor(0xd8, 0xde, 0xe4));
    p.drawPolygon(QPolygonF({{8, 10}, {24, 10}, {22, 29}, {10, 29}}));
    p.setBrush(laag);
    p.drawRoundedRect(QRectF(5, 5, 22, 5), 1.5, 1.5);
    p.drawRect(QRectF(13, 2, 6, 3));
    p.setPen(streg(graa, 1.5));
    for (qreal x : {12.5, 16.0, 19.5})
        p.drawLine(QPointF(x, 13), QPointF(x, 26));
}

void saks(QPainter& p)
{
    p.setPen(streg(moerk, 2.5));
    p.drawLine(QPointF(9, 3), QPointF(21, 21));
    p.drawLine(QPointF(23, 3), QPointF(11, 21));
    p.setPen(streg(roed, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 20, 8, 8));
    p.drawEllipse(QRectF(19, 20, 8, 8));
}

void udklipsholder(QPainter& p)
{
    p.setPen(streg(QColor(0x8a, 0x5a, 0x2b), 1.5));
    p.setBrush(QColor(0xc8, 0x8e, 0x4f));
    p.drawRoundedRect(QRectF(5, 5, 22, 25), 2, 2);
    p.setBrush(Qt::white);
    p.setPen(streg(graa, 1));
    p.drawRect(QRectF(8, 9, 16, 18));
    linjer(p, QRectF(11, 13, 10, 0), 3);
    p.setPen(streg(moerk, 1.5));
    p.setBrush(QColor(0xb0, 0xb8, 0xc0));
    p.drawRoundedRect(QRectF(11, 2, 10, 6), 1.5, 1.5);
}

void blyant(QPainter& p, QPointF spids = QPointF(8, 26))
{
    p.save();
    p.translate(spids);
    p.rotate(-45);
    p.setPen(streg(moerk, 1.2));
    p.setBrush(gul);
    p.drawRect(QRectF(6, -3, 18, 6));
    p.setBrush(QColor(0xf0, 0xd0, 0xa0));
    p.drawPolygon(QPolygonF({{0, 0}, {6, -3}, {6, 3}}));
    p.setBrush(QColor(0xe8, 0x8a, 0x9a));
    p.drawRect(QRectF(24, -3, 4, 6));
    p.restore();
}

void tekstfelt(QPainter& p, const QString& t)
{
    p.setPen(streg(graa, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2, 9, 28, 14), 2, 2);
    tekst(p, QRectF(3, 9, 22, 14), t, moerk, 10);
    p.setPen(streg(blaa, 1.5));
    p.drawLine(QPointF(26, 11), QPointF(26, 21));
}

void trae(QPainter& p, QColor farve)
{
    p.setPen(streg(graa, 1.5));
    p.drawLine(QPointF(7, 9), QPointF(7, 25));
    p.drawLine(QPointF(7, 16), QPointF(13, 16));
    p.drawLine(QPointF(7, 25), QPointF(13, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(farve);
    for (QRectF r : {QRectF(3, 3, 9, 7), QRectF(13, 12, 9, 7), QRectF(13, 21, 9, 7)})
        p.drawRoundedRect(r, 1.5, 1.5);
}

void opdater(QPainter& p, QColor farve)
{
    p.setPen(streg(farve, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 6, 20, 20), 30 * 16, 260 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(farve);
    p.drawPolygon(QPolygonF({{20, 2}, {28, 9}, {18, 13}}));
}

void afkrydsning(QPainter& p, bool tjek, QPointF o = QPointF(0, 0))
{
    p.setPen(streg(moerk, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(o.x() + 4, o.y() + 4, 16, 16), 2, 2);
    if (tjek) {
        p.setPen(streg(groen, 3));
        p.drawPolyline(QPolygonF({o + QPointF(7, 12), o + QPointF(11, 16), o + QPointF(18, 7)}));
    }
}

void markering(QPainter& p, int valgte)
{
    for (int i = 0; i < 3; ++i) {
        const bool valgt = (valgte >> i) & 1;
        p.setPen(Qt::NoPen);
        p.setBrush(valgt ? blaa : QColor(0xd8, 0xde, 0xe4));
        p.drawRoundedRect(QRectF(3, 4 + i * 9, 26, 7), 1.5, 1.5);
    }
}

void globus(QPainter& p, QRectF r = QRectF(3, 3, 26, 26))
{
    p.setPen(streg(QColor(0x15, 0x5a, 0xa0), 1.5));
    p.setBrush(QColor(0x7c, 0xc0, 0xf0));
    p.drawEllipse(r);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(r.center().x() - r.width() / 5, r.top(), r.width() * 0.4, r.height()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.drawLine(QPointF(r.left() + 2, r.top() + r.height() * 0.28), QPointF(r.right() - 2, r.top() + r.height() * 0.28));
    p.drawLine(QPointF(r.left() + 2, r.top() + r.height() * 0.72), QPointF(r.right() - 2, r.top() + r.height() * 0.72));
}

void lup(QPainter& p, QPointF c = QPointF(13, 13), qreal radius = 8)
{
    p.setPen(streg(moerk, 3.5));
    p.drawLine(c + QPointF(radius * 0.7, radius * 0.7), c + QPointF(radius * 1.8, radius * 1.8));
    p.setPen(streg(moerk, 2));
    p.setBrush(QColor(0xd0, 0xe8, 0xff));
    p.drawEllipse(c, radius, radius);
}

void tandhjul(QPainter& p, QPointF c, qreal radius, QColor farve)
{
    QPolygonF hjul;
    for (int i = 0; i < 32; ++i) {
        const qreal r = (i % 4 < 2) ? radius : radius * 0.75;
        const qreal v = (i - 0.5) * M_PI / 16;
        hjul << c + QPointF(r * std::cos(v), r * std::sin(v));
    }
    p.setPen(streg(farve.darker(140), 1));
    p.setBrush(farve);
    p.drawPolygon(hjul);
    p.setBrush(Qt::white);
    p.drawEllipse(c, radius * 0.3, radius * 0.3);
}

void person(QPainter& p, QPointF o, qreal skala, QColor farve)
{
    p.setPen(streg(farve.darker(140), 1.2));
    p.setBrush(farve);
    p.drawEllipse(QRectF(o.x() + 4 * skala, o.y(), 8 * skala, 8 * skala));
    QPainterPath krop;
    krop.moveTo(o + QPointF(0, 20 * skala));
    krop.cubicTo(o + QPointF(0, 8 * skala), o + QPointF(16 * skala, 8 * skala), o + QPointF(16 * skala, 20 * skala));
    krop.closeSubpath();
    p.drawPath(krop);
}

void spilKnap(QPainter& p, QRectF r, QColor farve)
{
    p.setPen(Qt::NoPen);
    p.setBrush(farve);
    p.drawRoundedRect(r, 4, 4);
    p.setBrush(Qt::white);
    const QPointF c = r.center();
    p.drawPolygon(QPolygonF({c + QPointF(-3.5, -5), c + QPointF(-3.5, 5), c + QPointF(5, 0)}));
}

void diskette(QPainter& p, QColor farve)
{
    p.setPen(streg(farve.darker(150), 1.5));
    p.setBrush(farve);
    p.drawPolygon(QPolygonF({{4, 4}, {24, 4}, {28, 8}, {28, 28}, {4, 28}}));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 12, 8));
    p.drawRect(QRectF(8, 17, 16, 11));
}

void kalender(QPainter& p)
{
    p.setPen(streg(graa, 1.5));
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
        p.setPen(streg(c.darker(140), 1.5));
        p.setBrush(g);
        p.drawEllipse(QRectF(5, 5, 22, 22));
        break;
    }
    case B::Tilbage: pil(p, {27, 16}, {9, 16}, blaa, 4); break;
    case B::Frem: pil(p, {5, 16}, {23, 16}, blaa, 4); break;
    case B::Op: pil(p, {16, 28}, {16, 9}, blaa, 4); break;
    case B::Ned: pil(p, {16, 4}, {16, 23}, blaa, 4); break;
    case B::Kopier:
        side(p, QRectF(3, 2, 16, 21));
        side(p, QRectF(12, 9, 16, 21));
        linjer(p, QRectF(15, 18, 9, 0), 3);
        break;
    case B::Klip: saks(p); break;
    case B::SaetInd: udklipsholder(p); break;
    case B::SletPapirkurv: skraldespand(p, QColor(0x9c, 0xa8, 0xb4)); break;
    case B::SletPermanent:
        side(p);
        maerke(p, Maerke::Kryds, roed, {21, 21}, 8);
        break;
    case B::ToemPapirkurv:
        skraldespand(p, QColor(0x9c, 0xa8, 0xb4));
        maerke(p, Maerke::Flueben, groen, {24, 24}, 6.5);
        break;
    case B::Omdoeb: tekstfelt(p, u"ab"_qs); break;
    case B::OmdoebFelt:
        tekstfelt(p, u"ab"_qs);
        blyant(p, {17, 28});
        break;
    case B::OmdoebExt: tekstfelt(p, u".ext"_qs); break;
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
    case B::Opdater: opdater(p, groen); break;
    case B::VisDrev: billede(p, Billede::AndetDrev); break;
    case B::UdfoldValgte:
        billede(p, Billede::Mappe);
        pil(p, {12, 8}, {12, 22}, blaa, 3);
        break;
    case B::UdfoldAlle:
        trae(p, gul);
        maerke(p, Maerke::Plus, blaa, {25, 8}, 6);
        break;
    case B::SammenfoldAlle:
        trae(p, gul);
        maerke(p, Maerke::Minus, blaa, {25, 8}, 6);
        break;
    case B::VisIStruktur1:
    case B::VisIStruktur2:
        trae(p, QColor(0x8c, 0xb8, 0xe8));
        tekst(p, QRectF(18, 2, 14, 14), b == B::VisIStruktur1 ? u"1"_qs : u"2"_qs, roed, 13);
        break;
    case B::HentStruktur:
        trae(p, QColor(0x8c, 0xb8, 0xe8));
        pil(p, {30, 6}, {22, 14}, groen, 2.5);
        break;
    case B::Galleri:
        for (int i = 0; i < 4; ++i) {
            const QRectF r(3 + (i % 2) * 14, 3 + (i / 2) * 14, 12, 12);
            p.setPen(streg(graa, 1));
            p.setBrush(QColor(0x8e, 0xd1, 0xfc));
            p.drawRect(r);
            p.setPen(Qt::NoPen);
            p.setBrush(groen);
            p.drawPolygon(QPolygonF({r.bottomLeft(), r.bottomLeft() + QPointF(5, -7), r.bottomRight()}));
        }
        break;
    case B::VaelgAlle: markering(p, 7); break;
    case B::VaelgIngen: markering(p, 0); break;
    case B::InverterValg:
        markering(p, 5);
        break;
    case B::ProgramKoer:
        p.setPen(streg(moerk, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 5, 22, 18));
        p.setBrush(blaa);
        p.drawRect(QRectF(3, 5, 22, 5));
        spilKnap(p, QRectF(15, 15, 15, 15), groen);
        break;
    case B::Koer: spilKnap(p, QRectF(4, 4, 24, 24), groen); break;
    case B::Rediger:
        side(p);
        blyant(p, {12, 27});
        break;
    case B::LukLister: maerke(p, Maerke::Kryds, graa, {16, 16}, 12); break;
    case B::AfkrydsAlle:
        afkrydsning(p, false, {6, 6});
        afkrydsning(p, true);
        break;
    case B::AfkrydsIngen:
        afkrydsning(p, false, {6, 6});
        afkrydsning(p, false);
        break;
    case B::Fjern:
        afkrydsning(p, true);
        maerke(p, Maerke::Minus, roed);
        break;
    case B::Favorit:
        billede(p, Billede::Favoritter);
        maerke(p, Maerke::Plus, groen, {25, 7}, 6);
        break;
    case B::Gem: diskette(p, blaa); break;
    case B::Hent:
        billede(p, Billede::Mappe);
        pil(p, {16, 3}, {16, 18}, groen, 3);
        break;
    case B::SletValgte:
        markering(p, 2);
        maerke(p, Maerke::Kryds, roed);
        break;
    case B::SletAlle:
        markering(p, 7);
        maerke(p, Maerke::Kryds, roed);
        break;
    case B::Punktstruktur:
        p.setPen(Qt::NoPen);
        p.setBrush(gul.darker(110));
        for (int i = 0; i < 3; ++i)
            p.drawRoundedRect(QRectF(4, 3 + i * 10, 24, 7), 1.5, 1.5);
        break;
    case B::Niveaustruktur: trae(p, gul.darker(110)); break;
    case B::PrivatMed:
        billede(p, Billede::Bruger);
        maerke(p, Maerke::Plus, groen);
        break;
    case B::PrivatUden:
        billede(p, Billede::Bruger);
        maerke(p, Maerke::Minus, roed);
        break;
    case B::Strukturfiler:
        side(p);
        trae(p, QColor(0x8c, 0xb8, 0xe8));
        break;
    case B::TopBog:
        p.setPen(streg(graa, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 4, 26, 24));
        p.setBrush(blaa);
        p.drawRect(QRectF(3, 4, 26, 8));
        break;
    case B::Situation:
        p.setPen(streg(graa, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 4, 26, 24));
        p.setBrush(blaa);
        p.drawRect(QRectF(3, 18, 26, 10));
        break;
    case B::Stifinder:
        billede(p, Billede::Mappe);
        lup(p, {20, 20}, 5);
        break;
    case B::Kalender: kalender(p); break;
    case B::Web: globus(p); break;
    case B::Soeg: lup(p); break;
    case B::Genveje:
        p.setPen(streg(graa, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 3, 26, 26));
        pil(p, {9, 24}, {21, 12}, blaa, 3);
        break;
    case B::Applets: tandhjul(p, {16, 16}, 13, graa); break;
    case B::Opret:
        trae(p, gul.darker(110));
        maerke(p, Maerke::Plus, groen, {25, 8}, 6);
        break;
    case B::Indfoer:
        side(p);
        pil(p, {28, 6}, {17, 17}, groen, 3);
        break;
    case B::Google:
        globus(p, QRectF(2, 2, 22, 22));
        lup(p, {21, 21}, 5);
        break;
    case B::YouTube: spilKnap(p, QRectF(2, 6, 28, 20), roed); break;
    case B::Notat:
        p.setPen(streg(QColor(0xc0, 0x9a, 0x20), 1.5));
        p.setBrush(QColor(0xff, 0xe8, 0x80));
        p.drawRect(QRectF(4, 4, 24, 24));
        linjer(p, QRectF(8, 11, 16, 0), 4);
        break;
    case B::NotatGem:
        tegn(p, B::Notat);
        p.save();
        p.translate(14, 14);
        p.scale(0.55, 0.55);
        diskette(p, blaa);
        p.restore();
        break;
    case B::NotatHent:
        tegn(p, B::Notat);
        pil(p, {24, 4}, {24, 18}, groen, 3);
        break;
    case B::Fortryd:
        p.setPen(streg(blaa, 3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(7, 8, 20, 18), 90 * 16, -250 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(blaa);
        p.drawPolygon(QPolygonF({{4, 8}, {14, 2}, {14, 14}}));
        break;
    case B::MarkerAlt:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x9c, 0xc8, 0xf4));
        p.drawRect(QRectF(3, 6, 26, 20));
        tekst(p, QRectF(3, 6, 26, 20), u"A"_qs, moerk, 16);
        break;
    case B::SletTekst:
        tekst(p, QRectF(0, 0, 22, 28), u"A"_qs, moerk, 18);
        maerke(p, Maerke::Kryds, roed);
        break;
    case B::Spilleliste:
        side(p);
        p.setPen(streg(lilla, 2));
        p.setBrush(lilla);
        p.drawEllipse(QRectF(9, 19, 5, 4));
        p.drawLine(QPointF(14, 21), QPointF(14, 10));
        p.drawLine(QPointF(14, 10), QPointF(19, 12));
        break;
    case B::Wmi:
        side(p);
        tekst(p, QRectF(6, 8, 18, 16), u"{}"_qs, lilla, 11);
        break;
    case B::WmiListe:
        side(p);
        linjer(p, QRectF(9, 9, 12, 0), 5);
        break;
    case B::KopierSti:
        udklipsholder(p);
        tekst(p, QRectF(8, 9, 16, 18), u"\\"_qs, blaa, 12);
        break;
    case B::KopierNavn:
        udklipsholder(p);
        tekst(p, QRectF(8, 9, 16, 18), u"a"_qs, blaa, 12);
        break;
    case B::Konsol:
        p.setPen(streg(moerk, 1.5));
        p.setBrush(QColor(0x20, 0x24, 0x28));
        p.drawRoundedRect(QRectF(2, 5, 28, 22), 2, 2);
        p.setPen(streg(QColor(0x6f, 0xe0, 0x7a), 2));
        p.drawPolyline(QPolygonF({{7, 11}, {12, 15}, {7, 19}}));
        p.drawLine(QPointF(14, 21), QPointF(22, 21));
        break;
    case B::MarkerFiltype:
        side(p);
        maerke(p, Maerke::Flueben, roed);
        break;
    case B::IsolerFiltype:
        p.setPen(streg(moerk, 1.5));
        p.setBrush(QColor(0x4f, 0x9f, 0xe8));
        p.drawPolygon(QPolygonF({{3, 4}, {29, 4}, {19, 16}, {19, 27}, {13, 30}, {13, 16}}));
        break;
    case B::Skrivebord: billede(p, Billede::Skrivebord); break;
    case B::Dokumenter: billede(p, Billede::Dokumenter); break;
    case B::Musik: billede(p, Billede::Musik); break;
    case B::Videoer: billede(p, Billede::Videoer); break;
    case B::Billeder: billede(p, Billede::Billeder); break;
    case B::Favoritter: billede(p, Billede::Favoritter); break;
    case B::AlleBrugere:
        person(p, {12, 6}, 1.0, QColor(0x9c, 0xc0, 0xe8));
        person(p, {2, 10}, 1.1, QColor(0x5c, 0x9d, 0xe0));
        break;
    case B::Overfoersler:
        billede(p, Billede::Mappe);
        pil(p, {16, 8}, {16, 22}, groen, 3.5);
        break;
    case B::Kontakter:
        p.setPen(streg(QColor(0x8a, 0x5a, 0x2b), 1.5));
        p.setBrush(QColor(0xf0, 0xe0, 0xc8));
        p.drawRoundedRect(QRectF(5, 3, 22, 26), 2, 2);
        person(p, {9, 7}, 0.85, QColor(0x5c, 0x9d, 0xe0));
        break;
    case B::OneDrive: {
        QPainterPath sky;
        sky.setFillRule(Qt::WindingFill);
        sky.addEllipse(QRectF(4, 13, 12, 11));
        sky.addEllipse(QRectF(10, 7, 14, 14));
        sky.addEllipse(QRectF(17, 12, 12, 12));
        sky.addRect(QRectF(10, 17, 14, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1e, 0x88, 0xe5));
        p.drawPath(sky);
        break;
    }
    case B::Startmenu:
        for (int i = 0; i < 4; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(i == 0 ? blaa : i == 1 ? groen : i == 2 ? gul : roed);
            p.drawRoundedRect(QRectF(4 + (i % 2) * 13, 4 + (i / 2) * 13, 11, 11), 2, 2);
        }
        break;
    case B::AppData:
        billede(p, Billede::Mappe);
        tandhjul(p, {22, 21}, 8, graa);
        break;
    case B::KameraBilleder:
    case B::KameraFilm:
        p.setPen(streg(moerk, 1.5));
        p.setBrush(QColor(0x45, 0x4e, 0x58));
        p.drawRoundedRect(QRectF(3, 9, 26, 18), 3, 3);
        p.drawRect(QRectF(10, 5, 9, 5));
        p.setBrush(b == B::KameraFilm ? roed : QColor(0x8e, 0xd1, 0xfc));
        p.drawEllipse(QRectF(10, 12, 12, 12));
        break;
    case B::Luk:
        p.setPen(streg(roed, 3));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 6, 22, 22), 120 * 16, 300 * 16);
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
        i = tegnetIkon([b](QPainter& p, const QRectF& r) {
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

} // namespace kv
