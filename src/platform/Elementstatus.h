#pragma once
// What the information window asks of the host: an entry's size, times and
// write bit without opening it, the owner's write bit set or cleared, a
// folder tree counted, and the file system of a drive.
#include <QString>
#include <functional>
#include <optional>

namespace kv {

struct Elementstatus {
    qint64 stoerrelse = 0;
    std::optional<qint64> oprettetMs;  // birth time; none where the file system keeps none
    qint64 aendretMs = 0;
    qint64 aabnetMs = 0;
    bool mappe = false;
    bool skrivebeskyttet = false;  // no write permission for the owner
};

// A link is described by what it points at; a dangling link by itself.
std::optional<Elementstatus> elementstatus(const QString& sti);

enum class AttributUdfald { Sat, IkkeFundet, Fejl };

// Clears or sets the owner's write bit and nothing else.
AttributUdfald saetSkrivebeskyttet(const QString& sti, bool skrivebeskyttet, QString* fejl = nullptr);

struct Optaelling {
    qint64 filer = 0;
    qint64 mapper = 0;
    qint64 bytes = 0;
    // Folders whose content was left out for want of file descriptors, or
    // because they were moved away while counted.
    qint64 utalte = 0;
};

// Adds every entry under the folder to o. The folder itself may be a link
// (the one the user chose); links and special files below it count as files
// with their own size and are never followed, and pseudo file systems
// (/proc, /sys, …) are left out. A folder that cannot be read is passed
// over. Any depth is counted: only a few folders on the way down are held
// open. underveis runs after each folder; false stops the count.
void taelMappe(const QString& mappe, Optaelling& o, const std::function<bool(const Optaelling&)>& underveis);

// The file system of a drive ("ext4", "vfat", …), empty when unknown.
QString filsystemNavn(QChar drev);

} // namespace kv
