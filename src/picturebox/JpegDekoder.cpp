// libjpeg called directly: DCT scaling makes a 12-megapixel photo an
// eighth-size decode, and an error manager of our own keeps a bad file from
// ending the program.
#include "Billeddekoder.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace kv {

namespace {

struct Fejlhaandtering {
    jpeg_error_mgr pub;
    jmp_buf hop;
};

[[noreturn]] void fejlExit(j_common_ptr c)
{
    longjmp(reinterpret_cast<Fejlhaandtering*>(c->err)->hop, 1);
}

void ingenBesked(j_common_ptr) {}

struct Fremdrift {
    jpeg_progress_mgr pub;
    const Afbryd* afbryd;
    bool* afbrudt;
};

// Called by libjpeg for every row of blocks, also while a progressive file's
// scans are read in: a file of endless scans, or a stop, ends the decode.
void fremdrift(j_common_ptr c)
{
    const auto* f = reinterpret_cast<const Fremdrift*>(c->progress);
    if (reinterpret_cast<j_decompress_ptr>(c)->input_scan_number > maxJpegScanninger || (*f->afbryd && (*f->afbryd)())) {
        *f->afbrudt = true;
        fejlExit(c);
    }
}

// Adobe writes CMYK inverted; YCCK arrives here as that CMYK too.
void cmykTilRgb(const uchar* cmyk, QRgb* ud, int bredde, bool inverteret)
{
    for (int x = 0; x < bredde; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverteret) {
            c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k;
        }
        ud[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

} // namespace

QImage dekodJpeg(const QByteArray& data, QSize plads, QSize* fuld, const Afbryd& afbryd, int linjer)
{
    jpeg_decompress_struct cinfo;
    Fejlhaandtering fejl;
    cinfo.err = jpeg_std_error(&fejl.pub);
    fejl.pub.error_exit = fejlExit;
    fejl.pub.output_message = ingenBesked;
    // Reached through a pointer fixed before the jump point, so what was
    // decoded is still there when a jump comes back.
    struct Tilstand {
        QImage billede;
        QByteArray linje;
        int laest = 0;
        bool afbrudt = false;  // given up, not broken: nothing of it is shown
    } tilstand;
    Tilstand* const t = &tilstand;
    if (setjmp(fejl.hop)) {
        jpeg_destroy_decompress(&cinfo);
        if (t->afbrudt)
            return {};
        // A file cut off or broken midway: the lines decoded so far, the rest grey.
        if (t->laest <= 0)
            return {};
        for (int y = t->laest; y < t->billede.height(); ++y)
            memset(t->billede.scanLine(y), 0x80, size_t(t->billede.bytesPerLine()));
        return t->billede;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = maxDekodHukommelse;
    Fremdrift fremdriftMgr{{}, &afbryd, &t->afbrudt};
    fremdriftMgr.pub.progress_monitor = fremdrift;
    cinfo.progress = &fremdriftMgr.pub;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()), (unsigned long)data.size());
    jpeg_read_header(&cinfo, TRUE);
    if (fuld)
        *fuld = QSize(int(cinfo.image_width), int(cinfo.image_height));
    if (qint64(cinfo.image_width) * cinfo.image_height > maxBilledPixels || cinfo.image_width == 0)
        fejlExit(reinterpret_cast<j_common_ptr>(&cinfo));
    // The smallest scale n/8 whose picture still covers the room.
    const QSize maal = tilpasset(QSize(int(cinfo.image_width), int(cinfo.image_height)), plads);
    unsigned n = linjer > 0 ? 8 : 1;
    while (n < 8 && (cinfo.image_width * n + 7) / 8 < unsigned(maal.width()))
        ++n;
    while (n < 8 && (cinfo.image_height * n + 7) / 8 < unsigned(maal.height()))
        ++n;
    const unsigned hoejde = linjer > 0 ? std::min<unsigned>(cinfo.image_height, unsigned(linjer)) : cinfo.image_height;
    if (linjer > 0 && qint64(cinfo.image_width) * hoejde * 4 > maxDekodHukommelse)
        fejlExit(reinterpret_cast<j_common_ptr>(&cinfo));
    cinfo.scale_num = n;
    cinfo.scale_denom = 8;
    cinfo.dct_method = JDCT_ISLOW;
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&cinfo);
    const unsigned ud = linjer > 0 ? hoejde : cinfo.output_height;
    t->billede = QImage(int(cinfo.output_width), int(ud), QImage::Format_RGB32);
    if (t->billede.isNull())
        fejlExit(reinterpret_cast<j_common_ptr>(&cinfo));
    if (cmyk)
        t->linje.resize(qsizetype(cinfo.output_width) * 4);
    while (cinfo.output_scanline < ud) {
        auto* ud = t->billede.scanLine(int(cinfo.output_scanline));
        JSAMPROW raekke = cmyk ? reinterpret_cast<JSAMPROW>(t->linje.data()) : ud;
        if (jpeg_read_scanlines(&cinfo, &raekke, 1) != 1)
            break;
        if (cmyk)
            cmykTilRgb(reinterpret_cast<const uchar*>(t->linje.constData()), reinterpret_cast<QRgb*>(ud),
                       int(cinfo.output_width), cinfo.saw_Adobe_marker);
        t->laest = int(cinfo.output_scanline);
    }
    // Lines left unread are not wanted; finishing would read them.
    if (cinfo.output_scanline < cinfo.output_height)
        jpeg_abort_decompress(&cinfo);
    else
        jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return t->billede;
}

} // namespace kv
