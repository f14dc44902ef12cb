#include "Miniaturecache.h"
#include "Platform.h"
#include "RegularFile.h"
#include "Vaert.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <cerrno>
#include <sys/stat.h>

namespace kv {

namespace {

constexpr qint64 maxMiniaturefil = 4LL << 20;

// The characters GLib leaves as they are in a file URI's path; every other
// byte is escaped with upper-case hex, so our names are the desktop's names.
bool uescapet(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return QByteArrayView("-_.~!$&'()*+,/:=@").contains(c);
}

} // namespace

QByteArray Miniaturecache::standardMappe()
{
    const QByteArray mappe = brugerensCachemappe();
    return mappe.isEmpty() ? mappe : mappe + "/thumbnails";
}

Miniaturecache::Miniaturecache(QByteArray mappe) : m_mappe(std::move(mappe))
{
    while (m_mappe.size() > 1 && m_mappe.endsWith('/'))
        m_mappe.chop(1);
}

QByteArray Miniaturecache::uri(const QByteArray& vaert)
{
    QByteArray r("file://");
    r.reserve(r.size() + vaert.size() * 3);
    static const char hex[] = "0123456789ABCDEF";
    for (const char c : vaert) {
        if (uescapet(c)) {
            r += c;
        } else {
            r += '%';
            r += hex[uchar(c) >> 4];
            r += hex[uchar(c) & 15];
        }
    }
    return r;
}

std::optional<Miniaturecache::Opslag> Miniaturecache::opslag(const QString& programSti, QSize plads) const
{
    const int kant = std::max(plads.width(), plads.height());
    if (m_mappe.isEmpty() || kant <= 0 || kant > 256)
        return std::nullopt;
    const int type = drives().driveType(programSti);
    if (type == DriveRemovable || type == DriveOptical)
        return std::nullopt;
    const auto vaert = drives().toHostBytes(programSti);
    if (!vaert || vaert->startsWith(m_mappe + '/'))
        return std::nullopt;
    Opslag o;
    o.vaert = *vaert;
    o.uri = uri(*vaert);
    o.kant = kant <= 128 ? 128 : 256;
    o.fil = m_mappe + (o.kant == 128 ? "/normal/" : "/large/")
            + QCryptographicHash::hash(o.uri, QCryptographicHash::Md5).toHex() + ".png";
    return o;
}

QHash<QByteArray, QByteArray> Miniaturecache::pngTekster(const QByteArray& png)
{
    QHash<QByteArray, QByteArray> r;
    if (!png.startsWith("\x89PNG\r\n\x1a\n"))
        return r;
    for (qsizetype i = 8; i + 12 <= png.size();) {
        const qsizetype len = qFromBigEndian<quint32>(png.constData() + i);
        const QByteArrayView type(png.constData() + i + 4, 4);
        if (len > png.size() - i - 12 || type == "IDAT" || type == "IEND")
            break;
        const QByteArray data = png.mid(i + 8, len);
        const qsizetype nul = data.indexOf('\0');
        if (nul > 0 && type == "tEXt") {
            r.insert(data.left(nul), data.mid(nul + 1));
        } else if (nul > 0 && type == "zTXt" && data.size() > nul + 2 && data[nul + 1] == 0) {
            // Deflated, as Qt writes a longer text; qUncompress wants a size first.
            r.insert(data.left(nul), qUncompress(QByteArray("\0\0\x10\0", 4) + data.mid(nul + 2)));
        } else if (nul > 0 && type == "iTXt" && data.size() > nul + 2 && data[nul + 1] == 0) {
            // Not compressed: a language and a translated key come before the text.
            const qsizetype sprog = data.indexOf('\0', nul + 3);
            const qsizetype oversat = sprog < 0 ? -1 : data.indexOf('\0', sprog + 1);
            if (oversat >= 0)
                r.insert(data.left(nul), data.mid(oversat + 1));
        }
        i += 12 + len;
    }
    return r;
}

std::optional<qint64> Miniaturecache::mtime(const QByteArray& vaert)
{
    struct stat st;
    if (::stat(vaert.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return qint64(st.st_mtime);
}

std::optional<QImage> Miniaturecache::hent(const Opslag& o, QSize* original)
{
    const auto tid = mtime(o.vaert);
    const auto data = tid ? readRegularFile(locateHostFile(o.fil), maxMiniaturefil) : std::nullopt;
    if (!data)
        return std::nullopt;
    const auto tekster = pngTekster(*data);
    if (tekster.value("Thumb::URI") != o.uri || tekster.value("Thumb::MTime").trimmed() != QByteArray::number(*tid))
        return std::nullopt;
    QBuffer buf;
    buf.setData(*data);
    QImageReader laeser(&buf, "png");
    const QSize s = laeser.size();
    if (!s.isValid() || s.width() > o.kant || s.height() > o.kant)
        return std::nullopt;
    QImage billede;
    if (!laeser.read(&billede) || billede.isNull())
        return std::nullopt;
    if (original) {
        const QSize fuld(tekster.value("Thumb::Image::Width").toInt(), tekster.value("Thumb::Image::Height").toInt());
        *original = fuld.isValid() && !fuld.isEmpty() ? fuld : billede.size();
    }
    return billede;
}

bool Miniaturecache::gem(const Opslag& o, const QImage& billede, QSize original, qint64 mtime)
{
    const QByteArray mappe = o.fil.left(o.fil.lastIndexOf('/'));
    if (billede.isNull() || !lavPrivatMappe(mappe))
        return false;
    // Set on the picture, whose keys the writer keeps whole.
    QImage medTekst = billede;
    medTekst.setText(u"Thumb::URI"_qs, QString::fromUtf8(o.uri));
    medTekst.setText(u"Thumb::MTime"_qs, QString::number(mtime));
    medTekst.setText(u"Thumb::Image::Width"_qs, QString::number(original.width()));
    medTekst.setText(u"Thumb::Image::Height"_qs, QString::number(original.height()));
    medTekst.setText(u"Software"_qs, u"Kvistlund"_qs);
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    QImageWriter skriver(&buf, "png");
    skriver.setCompression(1);
    if (!skriver.write(medTekst))
        return false;
    QByteArray tmp;
    const int fd = openTemporaryBeside(o.fil, tmp);
    if (fd < 0)
        return false;
    const Fd luk(fd);
    const bool ok = ::fchmod(fd, 0600) == 0 && writeAll(fd, buf.data().constData(), buf.data().size());
    if (!ok || ::rename(tmp.constData(), o.fil.constData()) != 0) {
        ::unlink(tmp.constData());
        return false;
    }
    return true;
}

} // namespace kv
