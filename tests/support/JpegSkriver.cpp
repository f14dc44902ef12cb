#include "JpegSkriver.h"

#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace kvtest {

QByteArray lavJpeg(const QImage& kilde, const JpegValg& valg)
{
    const bool graa = kilde.format() == QImage::Format_Grayscale8 && !valg.cmyk;
    const QImage b = graa ? kilde : kilde.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct c;
    jpeg_error_mgr fejl;
    c.err = jpeg_std_error(&fejl);
    jpeg_create_compress(&c);
    unsigned char* ud = nullptr;
    unsigned long laengde = 0;
    jpeg_mem_dest(&c, &ud, &laengde);
    c.image_width = JDIMENSION(b.width());
    c.image_height = JDIMENSION(b.height());
    c.input_components = graa ? 1 : valg.cmyk ? 4 : 3;
    c.in_color_space = graa ? JCS_GRAYSCALE : valg.cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, valg.kvalitet, TRUE);
    if (valg.progressiv)
        jpeg_simple_progression(&c);
    std::vector<jpeg_scan_info> scanninger;
    if (valg.scanPerKoefficient) {
        for (int k = 0; k < 64; ++k)
            for (int komp = 0; komp < c.num_components; ++komp)
                scanninger.push_back({1, {komp, 0, 0, 0}, k, k, 0, 0});
        c.scan_info = scanninger.data();
        c.num_scans = int(scanninger.size());
    }
    jpeg_start_compress(&c, TRUE);
    if (!valg.exif.isEmpty()) {
        const QByteArray app1 = QByteArray("Exif\0\0", 6) + valg.exif;
        jpeg_write_marker(&c, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(app1.constData()), unsigned(app1.size()));
    }
    QByteArray linje(b.width() * 4, '\0');
    while (c.next_scanline < c.image_height) {
        const uchar* kildeLinje = b.constScanLine(int(c.next_scanline));
        JSAMPROW raekke = const_cast<JSAMPROW>(kildeLinje);
        if (valg.cmyk) {
            // Stored inverted, as Adobe writes it: the colour's own values, K full.
            for (int x = 0; x < b.width(); ++x) {
                linje[4 * x] = char(kildeLinje[3 * x]);
                linje[4 * x + 1] = char(kildeLinje[3 * x + 1]);
                linje[4 * x + 2] = char(kildeLinje[3 * x + 2]);
                linje[4 * x + 3] = char(255);
            }
            raekke = reinterpret_cast<JSAMPROW>(linje.data());
        }
        jpeg_write_scanlines(&c, &raekke, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    QByteArray data(reinterpret_cast<const char*>(ud), qsizetype(laengde));
    free(ud);
    return data;
}

QByteArray exifMedOrientering(int orientering)
{
    QByteArray t("II*\0\x08\0\0\0", 8);
    t += QByteArray("\x01\0", 2);                      // one entry
    t += QByteArray("\x12\x01\x03\0\x01\0\0\0", 8);    // 0x0112, SHORT, count 1
    t += char(orientering);
    t += QByteArray("\0\0\0", 3);
    t += QByteArray(4, '\0');                          // no next IFD
    return t;
}

} // namespace kvtest
