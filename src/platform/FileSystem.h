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
    bool regular = false;   // a plain file, as the listing found it
    bool hidden = false;    // the name begins with "."
    bool readOnly = false;  // no write permission for the owner
    qint64 size = 0;
    qint64 createdMs = 0;   // milliseconds since the epoch
    qint64 modifiedMs = 0;
    qint64 accessedMs = 0;
};

// The entries of a folder sorted as a person reads them (see NameOrder.h),
// "." and ".." left out. Every other name is listed, odd bytes and all (see HostName.h).
// Gives nothing when the folder cannot be opened; a later failure ends the
// listing with what was read so far.
std::optional<std::vector<DirEntry>> listFolder(const QString& folder);

// The same entries with only name, folder and link known: no call per entry
// where the host tells the kind while listing. Links to folders are links.
std::optional<std::vector<DirEntry>> listFolderKinds(const QString& folder);

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
    // The listing just found the source a plain file: it is opened without a
    // look first (and still never waited on, should it have been swapped).
    bool knownRegular = false;
    // Called after each piece, at least every tenth of a second or so, with
    // how far the file is copied and its size; returning false stops the copy.
    std::function<bool(qint64 copied, qint64 total)> progress;
};

// SammeFil: the target is the source itself, reached by another name; nothing was written.
enum class CopyStatus { Copied, Failed, Stopped, SammeFil };

struct CopyResult {
    CopyStatus status = CopyStatus::Failed;
    QString error;  // Danish reason when it failed
    qint64 bytes = 0;  // the size of the file copied
    // The source as it was when the copy ended (its lstat for a link): a move
    // removes it only while it still has this size and modification time.
    qint64 sourceSize = 0;
    qint64 sourceMtimeNs = 0;
    // A FIFO or device node made anew rather than read: copied, but a move
    // keeps the source.
    bool keepSource = false;
    // Copied whole, but the target did not take all the source's extended
    // attributes (its own "user." ones and access lists).
    bool attributterTabt = false;
    bool ok() const { return status == CopyStatus::Copied; }
};

// Copies one file with its permissions, times, extended attributes and, where
// allowed, owner and group, to the end of the file however much it grows meanwhile; holes stay
// holes. A FIFO is made anew, and so is a device node where the user may;
// other special files are not copied, and none is ever opened. A failed or
// stopped copy removes what it wrote and leaves an existing target as it was.
CopyResult copyFile(const QString& from, const QString& to, const CopyOptions& options = {});

// A symbolic link copied as a link (its target text unchanged). With
// overwrite an existing file or link at the target is replaced; a folder never is.
CopyResult copyLink(const QString& from, const QString& to, bool overwrite);

// Gives a copied folder the permissions, times, extended attributes and (as far
// as allowed) owner of its source. Called after the folder's content is copied:
// a read-only folder could not take it before, and the copying would change the
// times. attributterTabt tells whether the target took all extended attributes.
bool copyFolderAttributes(const QString& from, const QString& to, QString* error = nullptr,
                          bool* attributterTabt = nullptr);

// Removes a file or link (never a folder, never what a link points at) only
// while its size and modification time are those a copy of it gave; false
// with a reason when it was changed since, or cannot be removed.
bool removeFileIfUnchanged(const QString& path, qint64 size, qint64 mtimeNs, QString* error = nullptr);
// True when a file or link still has the size and modification time a copy of it gave.
bool fileUnchanged(const QString& path, qint64 size, qint64 mtimeNs, QString* error = nullptr);
// Removes a folder that is empty; false with a reason otherwise.
bool removeEmptyFolder(const QString& path, QString* error = nullptr);

// True when both paths reach the same file or folder on the host.
bool sameFile(const QString& a, const QString& b);
// True when both paths are the same entry, links not followed (a link and itself).
bool sameEntry(const QString& a, const QString& b);
// True when folder inner lies inside folder outer (links resolved), or is it.
bool isInsideOrSame(const QString& inner, const QString& outer);

// Removes a folder tree, or a single file or link. Links are removed, never
// followed. Goes on past what it cannot remove; false with the first reason.
bool removeTree(const QString& path, QString* error = nullptr);

// Writes a whole file: a temporary file in the same folder, flushed to disk,
// then renamed over the old one. Files are read whole with readRegularFile.
bool writeWholeFile(const QString& path, const QByteArray& data, QString* error = nullptr);

// The host's error number as a short Danish text.
QString systemErrorText(int errnum);

// Where tests make the file system fail: called before a file is opened for
// reading or writing, before each chunk is written and before a file is removed, with the host path and
// the bytes written so far. Returning an error number makes that step fail.
enum class FejlPunkt { AabnLaesning, AabnSkrivning, Skriv, Slet };
using FejlKrog = std::function<int(FejlPunkt punkt, const QByteArray& vaert, qint64 skrevet)>;
void saetFejlKrog(FejlKrog krog);

} // namespace kv
