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
    friend std::optional<QByteArray> readRegularFile(const LocatedFile& file, qint64 maxBytes, QString* error);
};

LocatedFile locateFile(const QString& path);

// The whole content of a regular file (a link to one counts) of at most
// maxBytes. Special files are refused before they are opened, and the open
// itself never waits; nothing, with a reason, when it cannot be read.
std::optional<QByteArray> readRegularFile(const LocatedFile& file, qint64 maxBytes, QString* error = nullptr);
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* error = nullptr);

} // namespace kv
