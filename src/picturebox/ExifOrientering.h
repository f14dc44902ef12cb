#pragma once
// The orientation a camera wrote into a JPEG (EXIF tag 0x0112), read by a
// small reader that looks at no byte outside the data it is given.
#include <QByteArray>
#include <QImage>

namespace kv {

// 1 to 8 as EXIF counts them; 1 (as stored) when there is none or it is malformed.
int exifOrientering(const QByteArray& jpeg);
QImage anvendOrientering(const QImage& billede, int orientering);

} // namespace kv
