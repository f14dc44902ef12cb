#pragma once
// What a walk through folders needs to know of a folder before it enters it.
#include <QString>
#include <optional>

namespace kv {

struct Mappestempel {
    quint64 enhed = 0;
    quint64 inode = 0;
    // A kernel file system (proc, sysfs, devtmpfs, …): no files of the user, and endless.
    bool pseudo = false;
};

// The folder itself, never what a link points at; nothing when it cannot be read.
std::optional<Mappestempel> mappestempel(const QString& mappe);

} // namespace kv
