#pragma once
// File-system services on program paths ("C:\Data\Fotos"). Every call goes
// through the drive table; nothing else in the program touches host paths.
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace kv {

struct DirEntry {
    QString name;
    bool isDir = false;     // a folder, or a link to one
    bool isLink = false;    // a symbolic link
    bool hidden = false;    // the name begins with "."
    bool readOnly = false;  // no write permission for the owner
    qint64 size = 0;
    qint64 createdMs = 0;   // milliseconds since the epoch
    qint64 modifiedMs = 0;
    qint64 accessedMs = 0;
};

// The entries of a folder in the order the host returns them, "." and ".."
// left out, and names that a program path cannot carry left out too.
// Gives nothing when the folder cannot be opened; a later failure ends the
// listing with what was read so far.
std::optional<std::vector<DirEntry>> listFolder(const QString& folder);

std::optional<DirEntry> entryInfo(const QString& path);
bool folderExists(const QString& path);
// A file, or a link that is not a link to a folder.
bool fileExists(const QString& path);

// Creates the folder and every missing parent. False with a reason when it fails.
bool createFolder(const QString& path, QString* error = nullptr);

// Removes one file or link. False with a reason when it fails.
bool removeFile(const QString& path, QString* error = nullptr);

struct CopyOptions {
    // Replace an existing target. The copy is written under a temporary name
    // and renamed over the target only when it is whole.
    bool overwrite = false;
    // Called after each chunk with the bytes copied and the file size;
    // returning false stops the copy.
    std::function<bool(qint64 copied, qint64 total)> progress;
};

enum class CopyStatus { Copied, Failed, Stopped };

struct CopyResult {
    CopyStatus status = CopyStatus::Failed;
    QString error;  // Danish reason when it failed
    bool ok() const { return status == CopyStatus::Copied; }
};

// Copies one file with its permissions and times. A failed or stopped copy
// removes what it wrote and leaves an existing target as it was.
CopyResult copyFile(const QString& from, const QString& to, const CopyOptions& options = {});

// Writes a whole file: a temporary file in the same folder, flushed to disk,
// then renamed over the old one.
bool writeWholeFile(const QString& path, const QByteArray& data, QString* error = nullptr);
std::optional<QByteArray> readWholeFile(const QString& path, QString* error = nullptr);

// The host's error number as a short Danish text.
QString systemErrorText(int errnum);

} // namespace kv
