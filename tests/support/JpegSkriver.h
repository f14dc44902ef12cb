#pragma once
// JPEG files made in tests and benchmarks, with the kinds a camera or an
// editor writes: progressive, grayscale, Adobe CMYK, an EXIF block.
#include <QByteArray>
#include <QImage>

namespace kvtest {

struct JpegValg {
    int kvalitet = 90;
    bool progressiv = false;
    bool scanPerKoefficient = false;  // progressive, one scan for each coefficient of each component
    bool cmyk = false;  // Adobe's inverted CMYK
    QByteArray exif;    // the TIFF part of an APP1 "Exif" block
};

// A grayscale image is written as grayscale, any other as colour (4:2:0).
QByteArray lavJpeg(const QImage& billede, const JpegValg& valg = {});

// A little-endian TIFF block with one orientation tag.
QByteArray exifMedOrientering(int orientering);

} // namespace kvtest
