#include "Billeddekoder.h"
#include "ExifOrientering.h"

#include <QBuffer>
#include <QImageReader>
#include <climits>
#include <cmath>

namespace kv {

Billedtype billedtype(const QByteArray& d)
{
    if (d.startsWith("\xFF\xD8\xFF"))
        return Billedtype::Jpeg;
    if (d.startsWith("\x89PNG\r\n\x1a\n"))
        return Billedtype::Png;
    if (d.startsWith("GIF87a") || d.startsWith("GIF89a"))
        return Billedtype::Gif;
    if (d.startsWith("BM") && d.size() >= 26)
        return Billedtype::Bmp;
    if (d.size() >= 6 && d.startsWith(QByteArray("\0\0\1\0", 4)) && (d[4] || d[5]))
        return Billedtype::Ico;
    return Billedtype::Ukendt;
}

QSize tilpasset(QSize b, QSize plads)
{
    if (b.isEmpty())
        return {};
    auto faktor = [](int p, int s) { return s > p ? double(p) / s : 1.0; };
    const double f = std::min(faktor(plads.width(), b.width()), faktor(plads.height(), b.height()));
    // Halves to even, as the default rounding mode does.
    return QSize(std::max(1, int(std::nearbyint(b.width() * f))), std::max(1, int(std::nearbyint(b.height() * f))));
}

namespace {

// The image of a reader that fits room best: the largest not bigger than it,
// else the smallest (an icon file holds several sizes).
QImage bedsteBillede(QImageReader& r, QSize plads, Billedtype type, QSize* fuld, bool skaler)
{
    r.setAllocationLimit(int(maxDekodHukommelse >> 20));
    if (type != Billedtype::Ico) {
        // Told by the header before anything is allocated. The whole picture
        // counts, at four bytes a pixel, since a reader that cannot scale
        // decodes it whole before shrinking it.
        const QSize s = r.size();
        if (!s.isValid() || qint64(s.width()) * s.height() * 4 > maxDekodHukommelse)
            return {};
        *fuld = s;
        if (skaler)
            r.setScaledSize(tilpasset(s, plads));
        else
            r.setClipRect(QRect(QPoint(), plads).intersected(QRect(QPoint(), s)));
        return r.read();
    }
    QImage bedst;
    for (int i = 0; i < std::min(r.imageCount(), 64); ++i) {
        if (!r.jumpToImage(i))
            break;
        QImage b = r.read();
        if (b.isNull())
            continue;
        const bool passer = b.width() <= plads.width() && b.height() <= plads.height();
        const bool bedstPasser = !bedst.isNull() && bedst.width() <= plads.width() && bedst.height() <= plads.height();
        const qint64 a = qint64(b.width()) * b.height(), ab = qint64(bedst.width()) * bedst.height();
        if (bedst.isNull() || (passer && (!bedstPasser || a > ab)) || (!passer && !bedstPasser && a < ab))
            bedst = std::move(b);
    }
    *fuld = bedst.size();
    return bedst;
}

} // namespace

Miniature dekodMiniature(const QByteArray& data, QSize plads, const Afbryd& afbryd, bool skaler)
{
    Miniature m;
    const Billedtype type = billedtype(data);
    QImage b;
    if (type == Billedtype::Jpeg) {
        QSize fuld;
        const int o = exifOrientering(data);
        // Turned a quarter, the stored picture's width fills the room's height.
        const QSize lagret = o >= 5 ? plads.transposed() : plads;
        // Uncut, only an upright or mirrored picture has its top left corner in the first lines.
        b = skaler ? dekodJpeg(data, lagret, &fuld, afbryd)
                   : dekodJpeg(data, lagret, &fuld, afbryd, o <= 2 ? plads.height() : INT_MAX);
        b = anvendOrientering(b, o);
        m.original = o >= 5 ? fuld.transposed() : fuld;
    } else if (type != Billedtype::Ukendt) {
        QByteArray kopi = data;  // QBuffer wants a QByteArray it may point into
        QBuffer buf(&kopi);
        buf.open(QIODevice::ReadOnly);
        QImageReader r(&buf, type == Billedtype::Ico ? "ico" : type == Billedtype::Png ? "png"
                             : type == Billedtype::Gif ? "gif" : "bmp");
        b = bedsteBillede(r, plads, type, &m.original, skaler);
    }
    if (b.isNull())
        return m;
    if (!skaler) {
        m.billede = b.copy(QRect(QPoint(), plads).intersected(b.rect()));
        m.ok = true;
        return m;
    }
    const QSize s = tilpasset(b.size(), plads);
    m.billede = s == b.size() ? b : b.scaled(s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m.ok = true;
    return m;
}

} // namespace kv
