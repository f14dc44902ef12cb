#pragma once
// The recycle bin as the desktop keeps it (the freedesktop.org trash): each
// deleted element moved into "files" with a ".trashinfo" in "info" telling
// where it came from and when, so the desktop's file manager can restore it.
#include <QString>

namespace kv {

// Moves a file, link or folder to the recycle bin of its volume.
bool moveToTrash(const QString& path, QString* error = nullptr);
// Empties the recycle bins of a drive; the number of elements removed, or -1
// when there was nothing to remove or it failed.
int emptyTrash(QChar drive, QString* error = nullptr);

} // namespace kv
