#pragma once
// Reading a file that may be anything: a picture named "a.jpg" can be a FIFO,
// a device or a folder, and must never make the reader wait.
#include <QByteArray>
#include <QString>
#include <optional>

namespace kv {

// A program path with its host name fixed where the drive table lives (the
// GUI thread), so that a worker thread can read it later without the table.
class LocatedFile {
public:
    QString path;

private:
    QByteArray m_host;  // empty when no drive holds the path
    QString m_error;    // then why
    friend LocatedFile locateFile(const QString& path);
    friend LocatedFile locateHostFile(const QString& hostPath);
    friend LocatedFile locateHostFile(const QByteArray& host);
    friend class RegularFileStream;
};

LocatedFile locateFile(const QString& path);
// A host path as Qt and the desktop give it (QFile::encodeName), for the
// desktop's own files; messages name it as it is.
LocatedFile locateHostFile(const QString& hostPath);
// A file of the host that lies on no drive of the program (a cache file).
LocatedFile locateHostFile(const QByteArray& host);

// A regular file (a link to one counts) read piece by piece: special files
// are refused before they are opened, and the open itself never waits.
class RegularFileStream {
public:
    explicit RegularFileStream(const LocatedFile& file);
    ~RegularFileStream();
    RegularFileStream(const RegularFileStream&) = delete;
    RegularFileStream& operator=(const RegularFileStream&) = delete;

    // False, with the reason in error(), when the file could not be opened.
    bool isOpen() const { return m_fd >= 0; }
    qint64 size() const { return m_size; }
    QString error() const { return m_error; }
    // Up to maxBytes more; empty at the end, nothing (with error()) when reading fails.
    std::optional<QByteArray> read(qint64 maxBytes);
    // Back to the start.
    bool rewind();

private:
    bool fail(int err);
    QString m_path;
    QString m_error;
    int m_fd = -1;
    qint64 m_size = 0;
    qint64 m_pos = 0;
};

// The one reader of every file the program reads whole: the content of a
// regular file (a link to one counts) of at most maxBytes. Special files are
// refused before they are opened, and the open itself never waits; nothing,
// with a Danish reason, when it cannot be read.
std::optional<QByteArray> readRegularFile(const LocatedFile& file, qint64 maxBytes, QString* error = nullptr);
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* error = nullptr);

// Limits by kind of file read whole; each far above what the program writes.
constexpr qint64 maxTekstfil = qint64(64) << 20;       // settings, lists, alarms, memos, notes, structures
constexpr qint64 maxSkrivebordsfil = qint64(1) << 20;  // desktop entries, type lists, user folders
constexpr qint64 maxIkonfil = qint64(16) << 20;        // icons shown in the information window
constexpr qint64 maxLydfil = qint64(64) << 20;         // alarm sounds
constexpr qint64 maxBogmaerkefil = qint64(256) << 20;  // bookmark files to import
constexpr qint64 maxIkonlager = qint64(16) << 20;      // the drawn icons kept between runs

} // namespace kv
