#pragma once
// The desktop's shared thumbnail cache ($XDG_CACHE_HOME/thumbnails), read
// and written by the freedesktop rules: a PNG named by the MD5 of the file's
// URI, in "normal" (128 pixels) or "large" (256), that names its file
// (Thumb::URI) and the file's modification time (Thumb::MTime). A thumbnail
// whose URI or time does not match, or that cannot be decoded, is not used.
#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace kv {

class Miniaturecache {
public:
    // Where one file's thumbnail lives; fixed on the GUI thread, used on any.
    struct Opslag {
        QByteArray vaert;  // the file's host path
        QByteArray uri;    // file:///…, escaped as the desktop escapes it
        QByteArray fil;    // the thumbnail's host path
        int kant = 0;      // 128 or 256: the box the thumbnail fits in
    };

    // The cache folder: $XDG_CACHE_HOME/thumbnails, else ~/.cache/thumbnails.
    static QByteArray standardMappe();
    explicit Miniaturecache(QByteArray mappe = standardMappe());

    // Nothing for room bigger than the large size, for a file on a removable
    // or optical drive, and for a file inside the cache itself.
    std::optional<Opslag> opslag(const QString& programSti, QSize plads) const;

    // The stored thumbnail when it is valid for the file as it is now; its
    // picture's full size, when the thumbnail says, in original.
    static std::optional<QImage> hent(const Opslag& o, QSize* original = nullptr);
    // Stores a thumbnail made from the file as it was at mtime (seconds);
    // written beside and renamed into place, readable by the user alone.
    static bool gem(const Opslag& o, const QImage& billede, QSize original, qint64 mtime);
    // The file's modification time in seconds, or nothing when it cannot be read.
    static std::optional<qint64> mtime(const QByteArray& vaert);

    static QByteArray uri(const QByteArray& vaert);
    // The text chunks of a PNG before its picture data, by key. Qt's own
    // reader and writer cut a key at its first ':', as "Thumb::URI" has one.
    static QHash<QByteArray, QByteArray> pngTekster(const QByteArray& png);

private:
    QByteArray m_mappe;
};

} // namespace kv
