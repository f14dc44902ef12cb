#include "ExifOrientering.h"

#include <QTransform>

namespace kv {

namespace {

struct Laeser {
    const uchar* d;
    qsizetype n;
    bool lille = false;  // little-endian ("II")

    bool har(qsizetype pos, qsizetype laengde) const { return pos >= 0 && laengde >= 0 && pos <= n - laengde; }
    quint32 u16(qsizetype p) const { return lille ? d[p] | d[p + 1] << 8 : d[p] << 8 | d[p + 1]; }
    quint32 u32(qsizetype p) const
    {
        return lille ? quint32(d[p]) | quint32(d[p + 1]) << 8 | quint32(d[p + 2]) << 16 | quint32(d[p + 3]) << 24
                     : quint32(d[p]) << 24 | quint32(d[p + 1]) << 16 | quint32(d[p + 2]) << 8 | quint32(d[p + 3]);
    }
};

int fraTiff(const uchar* d, qsizetype n)
{
    Laeser l{d, n};
    if (!l.har(0, 8))
        return 1;
    if (d[0] == 'I' && d[1] == 'I')
        l.lille = true;
    else if (!(d[0] == 'M' && d[1] == 'M'))
        return 1;
    const qsizetype ifd = l.u32(4);
    if (!l.har(ifd, 2))
        return 1;
    const quint32 antal = l.u16(ifd);
    for (quint32 i = 0; i < antal; ++i) {
        const qsizetype post = ifd + 2 + qsizetype(i) * 12;
        if (!l.har(post, 12))
            return 1;
        if (l.u16(post) == 0x0112) {
            const quint32 v = l.u16(post + 8);  // a SHORT, stored first in the value field
            return l.u16(post + 2) == 3 && v >= 1 && v <= 8 ? int(v) : 1;
        }
    }
    return 1;
}

} // namespace

int exifOrientering(const QByteArray& jpeg)
{
    const auto* d = reinterpret_cast<const uchar*>(jpeg.constData());
    const qsizetype n = jpeg.size();
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return 1;
    // The markers before the picture data; EXIF lies among the first.
    qsizetype p = 2;
    while (p + 4 <= n && d[p] == 0xFF) {
        const uchar marker = d[p + 1];
        if (marker == 0xDA || marker == 0xD9)
            break;
        const qsizetype laengde = d[p + 2] << 8 | d[p + 3];
        if (laengde < 2 || p + 2 + laengde > n)
            break;
        if (marker == 0xE1 && laengde >= 8 && memcmp(d + p + 4, "Exif\0\0", 6) == 0)
            return fraTiff(d + p + 10, laengde - 8);
        p += 2 + laengde;
    }
    return 1;
}

QImage anvendOrientering(const QImage& b, int o)
{
    switch (o) {
    case 2: return b.mirrored(true, false);
    case 3: return b.transformed(QTransform().rotate(180));
    case 4: return b.mirrored(false, true);
    case 5: return b.mirrored(true, false).transformed(QTransform().rotate(270));
    case 6: return b.transformed(QTransform().rotate(90));
    case 7: return b.mirrored(true, false).transformed(QTransform().rotate(90));
    case 8: return b.transformed(QTransform().rotate(270));
    default: return b;
    }
}

} // namespace kv
