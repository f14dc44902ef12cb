#pragma once
// The recycle bin as the desktop keeps it (the freedesktop.org trash): each
// deleted element moved into "files" with a ".trashinfo" in "info" telling
// where it came from and when, so the desktop's file manager can restore it.
#include <QString>

namespace kv {

// Moves a file, link or folder to the recycle bin of its volume as one
// element: a folder with all it holds, a link as the link itself.
bool moveToTrash(const QString& path, QString* error = nullptr);
// Removes from the recycle bins the elements deleted from a drive (by the
// path in their info files); the number removed, or -1 when there was
// nothing to remove or it failed. Elements of other drives are left.
int emptyTrash(QChar drive, QString* error = nullptr);

} // namespace kv
