#include "ui/Billeder.h"
#include "structures/TMapper.h"
#include "ui/TegnetIkon.h"
#include "platform/ProgramPath.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace kv {

Billede filBillede(const QString& ext)
{
    struct Type { std::initializer_list<const char16_t*> exts; Billede b; };
    static const Type tabel[] = {
        {{u".rtf"}, Billede::RigTekst},
        {{u".vbs", u".wsf"}, Billede::Script},
        {{u".js"}, Billede::JavaScript},
        {{u".html", u".asp", u".inc", u".asa"}, Billede::Webside},
        {{u".css"}, Billede::Stilark},
        {{u".bat"}, Billede::Batch},
        {{u".ps1"}, Billede::PowerShell},
        {{u".txt", u".xml", u".xsd"}, Billede::Tekst},
        {{u".mp3"}, Billede::MP3}, {{u".m4a"}, Billede::M4A}, {{u".mp4"}, Billede::MP4},
        {{u".m4v"}, Billede::M4V}, {{u".avi"}, Billede::AVI}, {{u".mpg"}, Billede::MPG},
        {{u".wav"}, Billede::WAV}, {{u".exe"}, Billede::Program}, {{u".lnk"}, Billede::Genvej},
        {{u".iss"}, Billede::Installationsscript}, {{u".pas"}, Billede::Pascal},
    };
    const QString e = lowerAZ(ext);
    // The extensions of the table do not overlap, so testing pictures first
    // gives the same answer as testing them in their row.
    if (TMapper::erDetEnBilledfil(e))
        return Billede::Billedfil;
    for (const Type& t : tabel)
        for (const char16_t* x : t.exts)
            if (e == QStringView(x))
                return t.b;
    return Billede::Fil;
}

namespace {

struct Dokument { QColor farve; const char* maerke; };

// Colour band and label of each file-type picture.
Dokument dokument(Billede b)
{
    switch (b) {
    case Billede::RigTekst: return {QColor(0x2b, 0x5c, 0xb8), "RTF"};
    case Billede::Script: return {QColor(0x6a, 0x3d, 0x9a), "VBS"};
    case Billede::JavaScript: return {QColor(0xd4, 0xa0, 0x17), "JS"};
    case Billede::Webside: return {QColor(0xe3, 0x6c, 0x1e), "WEB"};
    case Billede::Stilark: return {QColor(0x1f, 0x8a, 0xc0), "CSS"};
    case Billede::Batch: return {QColor(0x44, 0x44, 0x44), "BAT"};
    case Billede::PowerShell: return {QColor(0x01, 0x24, 0x56), "PS"};
    case Billede::Tekst: return {QColor(0x70, 0x80, 0x90), "TXT"};
    case Billede::Billedfil: return {QColor(0x2e, 0x9e, 0x5b), "IMG"};
    case Billede::MP3: return {QColor(0xc2, 0x18, 0x5b), "MP3"};
    case Billede::M4A: return {QColor(0xad, 0x14, 0x57), "M4A"};
    case Billede::MP4: return {QColor(0x8e, 0x24, 0xaa), "MP4"};
    case Billede::M4V: return {QColor(0x7b, 0x1f, 0xa2), "M4V"};
    case Billede::AVI: return {QColor(0x51, 0x2d, 0xa8), "AVI"};
    case Billede::MPG: return {QColor(0x5e, 0x35, 0xb1), "MPG"};
    case Billede::WAV: return {QColor(0xd8, 0x1b, 0x60), "WAV"};
    case Billede::Program: return {QColor(0x37, 0x47, 0x4f), "EXE"};
    case Billede::Genvej: return {QColor(0x00, 0x89, 0x7b), "LNK"};
    case Billede::Installationsscript: return {QColor(0x5d, 0x40, 0x37), "ISS"};
    case Billede::Pascal: return {QColor(0x15, 0x65, 0xc0), "PAS"};
    case Billede::Film: return {QColor(0x6a, 0x1b, 0x9a), "FILM"};
    case Billede::MusikGruppe: return {QColor(0xc2, 0x18, 0x5b), "LYD"};
    case Billede::Ukendt: return {QColor(0x90, 0x90, 0x90), "?"};
    case Billede::Markering: return {QColor(0xe5, 0x39, 0x35), "\xe2\x9c\x93"};
    default: return {QColor(0xb0, 0xb8, 0xc0), ""};
    }
}

void tegnSide(QPainter& p, const QRectF& r, const Dokument& d)
{
    const qreal w = r.width(), h = r.height();
    const QRectF side(r.left() + w * 0.16, r.top() + h * 0.06, w * 0.68, h * 0.88);
    const qreal fold = w * 0.2;
    QPainterPath path;
    path.moveTo(side.topLeft());
    path.lineTo(side.right() - fold, side.top());
    path.lineTo(side.right(), side.top() + fold);
    path.lineTo(side.bottomRight());
    path.lineTo(side.bottomLeft());
    path.closeSubpath();
    QLinearGradient g(side.topLeft(), side.bottomRight());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xe8, 0xec, 0xf0));
    p.setPen(QPen(QColor(0x7a, 0x86, 0x92), qMax(1.0, w / 32)));
    p.setBrush(g);
    p.drawPath(path);
    QPainterPath hjoerne;
    hjoerne.moveTo(side.right() - fold, side.top());
    hjoerne.lineTo(side.right() - fold, side.top() + fold);
    hjoerne.lineTo(side.right(), side.top() + fold);
    p.setBrush(QColor(0xd0, 0xd6, 0xdc));
    p.drawPath(hjoerne);

    // Text lines on the page, then the coloured band with the label.
    p.setPen(QPen(QColor(0xb8, 0xc0, 0xc8), qMax(1.0, h / 24)));
    for (int i = 0; i < 3; ++i) {
        const qreal y = side.top() + h * (0.3 + 0.1 * i);
        p.drawLine(QPointF(side.left() + w * 0.08, y), QPointF(side.right() - w * 0.08, y));
    }
    if (!d.maerke[0])
        return;
    const QRectF baand(r.left() + w * 0.06, r.top() + h * 0.6, w * 0.78, h * 0.28);
    p.setPen(Qt::NoPen);
    p.setBrush(d.farve);
    p.drawRoundedRect(baand, w * 0.05, w * 0.05);
    if (w < 24)
        return;  // too small for letters; the colour tells the type
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(h * (strlen(d.maerke) > 3 ? 0.16 : 0.2)));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(baand, Qt::AlignCenter, QString::fromUtf8(d.maerke));
}

void tegnMappe(QPainter& p, const QRectF& r, QColor farve = QColor(0xf4, 0xc4, 0x30))
{
    const qreal w = r.width(), h = r.height();
    const QRectF bag(r.left() + w * 0.06, r.top() + h * 0.2, w * 0.88, h * 0.66);
    QPainterPath fane;
    fane.addRoundedRect(QRectF(bag.left(), bag.top() - h * 0.08, w * 0.38, h * 0.2), w * 0.04, w * 0.04);
    p.setPen(QPen(farve.darker(150), qMax(1.0, w / 32)));
    p.setBrush(farve.darker(115));
    p.drawPath(fane.united([&] { QPainterPath q; q.addRoundedRect(bag, w * 0.05, w * 0.05); return q; }()));
    const QRectF for_(bag.left(), bag.top() + h * 0.12, bag.width(), bag.height() - h * 0.12);
    QLinearGradient g(for_.topLeft(), for_.bottomLeft());
    g.setColorAt(0, farve.lighter(120));
    g.setColorAt(1, farve);
    p.setBrush(g);
    p.drawRoundedRect(for_, w * 0.05, w * 0.05);
}

// A small sign in the lower right corner of a folder.
void tegnEmblem(QPainter& p, const QRectF& r, Billede b)
{
    const qreal w = r.width(), h = r.height();
    const QRectF e(r.left() + w * 0.42, r.top() + h * 0.42, w * 0.5, h * 0.5);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), qMax(1.0, w / 24)));
    switch (b) {
    case Billede::Skrivebord:
        p.setBrush(QColor(0x42, 0x85, 0xf4));
        p.drawRect(QRectF(e.left(), e.top() + e.height() * 0.1, e.width(), e.height() * 0.6));
        p.drawLine(QPointF(e.center().x(), e.top() + e.height() * 0.7), QPointF(e.center().x(), e.bottom()));
        p.drawLine(QPointF(e.left() + e.width() * 0.25, e.bottom()), QPointF(e.right() - e.width() * 0.25, e.bottom()));
        break;
    case Billede::Dokumenter:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(e.left() + e.width() * 0.15, e.top(), e.width() * 0.7, e.height()));
        for (int i = 1; i < 4; ++i)
            p.drawLine(QPointF(e.left() + e.width() * 0.3, e.top() + e.height() * 0.22 * i),
                       QPointF(e.right() - e.width() * 0.3, e.top() + e.height() * 0.22 * i));
        break;
    case Billede::Billeder: {
        p.setBrush(QColor(0x8e, 0xd1, 0xfc));
        p.drawRect(e);
        p.setBrush(QColor(0x2e, 0x9e, 0x5b));
        const QPointF bjerg[] = {{e.left(), e.bottom()}, {e.left() + e.width() * 0.4, e.top() + e.height() * 0.4},
                                 {e.right(), e.bottom()}};
        p.drawPolygon(bjerg, 3);
        break;
    }
    case Billede::Musik:
        p.setBrush(QColor(0xc2, 0x18, 0x5b));
        p.drawEllipse(QRectF(e.left(), e.bottom() - e.height() * 0.35, e.width() * 0.45, e.height() * 0.35));
        p.drawLine(QPointF(e.left() + e.width() * 0.45, e.bottom() - e.height() * 0.18),
                   QPointF(e.left() + e.width() * 0.45, e.top()));
        p.drawLine(QPointF(e.left() + e.width() * 0.45, e.top()), QPointF(e.right(), e.top() + e.height() * 0.2));
        break;
    case Billede::Videoer:
        p.setBrush(QColor(0x6a, 0x1b, 0x9a));
        p.drawRoundedRect(QRectF(e.left(), e.top() + e.height() * 0.2, e.width(), e.height() * 0.6), 2, 2);
        p.setBrush(Qt::white);
        {
            const QPointF spil[] = {{e.left() + e.width() * 0.38, e.top() + e.height() * 0.35},
                                    {e.left() + e.width() * 0.38, e.top() + e.height() * 0.65},
                                    {e.left() + e.width() * 0.65, e.center().y()}};
            p.drawPolygon(spil, 3);
        }
        break;
    case Billede::Favoritter: {
        p.setBrush(QColor(0xff, 0xc1, 0x07));
        QPolygonF stjerne;
        for (int i = 0; i < 10; ++i) {
            const qreal radius = (i % 2 ? 0.22 : 0.5) * e.width();
            const qreal vinkel = -M_PI / 2 + i * M_PI / 5;
            stjerne << e.center() + QPointF(radius * std::cos(vinkel), radius * std::sin(vinkel));
        }
        p.drawPolygon(stjerne);
        break;
    }
    default:
        break;
    }
}

void tegnDrev(QPainter& p, const QRectF& r, bool system)
{
    const qreal w = r.width(), h = r.height();
    const QRectF kasse(r.left() + w * 0.06, r.top() + h * 0.3, w * 0.88, h * 0.42);
    QLinearGradient g(kasse.topLeft(), kasse.bottomLeft());
    g.setColorAt(0, QColor(0xe0, 0xe4, 0xe8));
    g.setColorAt(1, QColor(0x9a, 0xa4, 0xae));
    p.setPen(QPen(QColor(0x50, 0x5a, 0x64), qMax(1.0, w / 32)));
    p.setBrush(g);
    p.drawRoundedRect(kasse, w * 0.08, w * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4c, 0xd9, 0x64));
    p.drawEllipse(QRectF(kasse.right() - w * 0.2, kasse.center().y() - h * 0.05, w * 0.1, h * 0.1));
    if (system) {
        // The home drive carries a little house.
        const QRectF hus(kasse.left() + w * 0.1, kasse.top() + h * 0.06, w * 0.3, h * 0.3);
        p.setBrush(QColor(0x1e, 0x88, 0xe5));
        const QPointF tag[] = {{hus.left(), hus.center().y()}, {hus.center().x(), hus.top()}, {hus.right(), hus.center().y()}};
        p.drawPolygon(tag, 3);
        p.drawRect(QRectF(hus.left() + hus.width() * 0.15, hus.center().y(), hus.width() * 0.7, hus.height() * 0.5));
    }
}

void tegnDisk(QPainter& p, const QRectF& r)
{
    const qreal w = r.width();
    const QRectF disk = r.adjusted(w * 0.08, w * 0.08, -w * 0.08, -w * 0.08);
    QConicalGradient g(disk.center(), 0);
    g.setColorAt(0, QColor(0xd0, 0xe8, 0xff));
    g.setColorAt(0.25, QColor(0xf8, 0xd0, 0xf0));
    g.setColorAt(0.5, QColor(0xff, 0xf4, 0xc0));
    g.setColorAt(0.75, QColor(0xc8, 0xf4, 0xd8));
    g.setColorAt(1, QColor(0xd0, 0xe8, 0xff));
    p.setPen(QPen(QColor(0x70, 0x78, 0x80), qMax(1.0, w / 32)));
    p.setBrush(g);
    p.drawEllipse(disk);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(disk.center().x() - w * 0.1, disk.center().y() - w * 0.1, w * 0.2, w * 0.2));
}

void tegnBruger(QPainter& p, const QRectF& r)
{
    const qreal w = r.width(), h = r.height();
    p.setPen(QPen(QColor(0x1a, 0x4f, 0x8b), qMax(1.0, w / 32)));
    p.setBrush(QColor(0x5c, 0x9d, 0xe0));
    p.drawEllipse(QRectF(r.left() + w * 0.32, r.top() + h * 0.08, w * 0.36, h * 0.36));
    QPainterPath krop;
    krop.moveTo(r.left() + w * 0.12, r.bottom() - h * 0.06);
    krop.cubicTo(r.left() + w * 0.12, r.top() + h * 0.48, r.right() - w * 0.12, r.top() + h * 0.48,
                 r.right() - w * 0.12, r.bottom() - h * 0.06);
    krop.closeSubpath();
    p.drawPath(krop);
}

} // namespace

void tegnBillede(QPainter& p, const QRectF& r, Billede b)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    switch (b) {
    case Billede::Mappe: tegnMappe(p, r); break;
    case Billede::Skrivebord:
    case Billede::Dokumenter:
    case Billede::Billeder:
    case Billede::Musik:
    case Billede::Videoer:
    case Billede::Favoritter:
        tegnMappe(p, r);
        tegnEmblem(p, r, b);
        break;
    case Billede::SystemDrev: tegnDrev(p, r, true); break;
    case Billede::AndetDrev: tegnDrev(p, r, false); break;
    case Billede::OptiskDrev: tegnDisk(p, r); break;
    case Billede::Bruger: tegnBruger(p, r); break;
    default: tegnSide(p, r, dokument(b)); break;
    }
    p.restore();
}

QImage billedeBillede(Billede b, int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    tegnBillede(p, QRectF(0, 0, size, size), b);
    return img;
}

const QIcon& ikon(Billede b)
{
    static std::array<QIcon, size_t(Billede::Markering) + 1> ikoner;
    QIcon& i = ikoner[size_t(b)];
    if (i.isNull())
        i = tegnetIkon(u"billede%1"_qs.arg(int(b)), [b](QPainter& p, const QRectF& r) { tegnBillede(p, r, b); });
    return i;
}

} // namespace kv
