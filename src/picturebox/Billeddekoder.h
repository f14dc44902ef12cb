#pragma once
// Turns the bytes of a picture file into a thumbnail. Safe to call from any
// thread: it touches no widget and no file, only the bytes it is given.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>

namespace kv {

enum class Billedtype { Ukendt, Jpeg, Png, Gif, Bmp, Ico };

// The type by the content, whatever the name says.
Billedtype billedtype(const QByteArray& data);

// Bounds that keep one decode small whatever the file claims.
inline constexpr qint64 maxBilledPixels = 120'000'000;   // header width x height
inline constexpr long maxDekodHukommelse = 96L << 20;     // libjpeg's working memory, and a whole picture of another type
inline constexpr int maxJpegScanninger = 100;             // a camera writes one, an editor about ten
inline constexpr qint64 maxBilledfil = 64LL << 20;        // bytes read of one file

struct Miniature {
    QImage billede;  // fitted into the room asked for, never enlarged; may hold alpha
    QSize original;  // the picture's size as shown (after turning it upright)
    bool ok = false;
};

// The size a picture takes in room, shrunk to fit and never enlarged, each
// side rounded to the nearest pixel.
QSize tilpasset(QSize billede, QSize plads);

// Asked now and then during a long decode; true gives up the picture.
using Afbryd = std::function<bool()>;

// Pictures other than JPEG are decoded at the room's size where their reader
// can, and refused when the whole picture would not fit the memory budget.
// Not skaler: the picture at its own size, cut to the room from its top left.
Miniature dekodMiniature(const QByteArray& data, QSize plads, const Afbryd& afbryd = {}, bool skaler = true);

// JPEG through libjpeg at the smallest DCT scale that still covers room;
// the picture's full size is stored in fuld. A cut-off file gives what was
// decoded before the cut; a file of more scans than maxJpegScanninger, or
// an afbryd that answers true, gives nothing. With linjer above 0 the
// picture is decoded at its own size, its first linjer lines only, and
// refused when they would not fit the memory budget.
QImage dekodJpeg(const QByteArray& data, QSize plads, QSize* fuld, const Afbryd& afbryd = {}, int linjer = 0);

} // namespace kv
