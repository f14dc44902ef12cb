#pragma once
// Which entry a name holds: the same device and inode is the same entry, and
// a file or link with the same size and modification time is unchanged. A
// folder is itself whatever its content does.
#include <QString>
#include <optional>

namespace kv {

struct Elementstempel {
    quint64 enhed = 0;
    quint64 inode = 0;
    qint64 stoerrelse = 0;  // 0 for a folder
    qint64 mtimeNs = 0;     // 0 for a folder
    bool operator==(const Elementstempel&) const = default;
};

// The entry itself, never what a link points at; nothing when there is none.
std::optional<Elementstempel> elementstempel(const QString& sti);

} // namespace kv
