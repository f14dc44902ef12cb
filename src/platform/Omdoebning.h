#pragma once
// Renames that never replace anything, the one check of every name a user
// types, and the creation of a single new folder.
#include <QString>

namespace kv {

// Empty when a typed name may be used as one component of a path; otherwise
// a short Danish message saying why not. Nothing that leaves the folder (a
// backslash, a slash, "..", a control character, a character that stands for a
// host byte) or cannot be written as a host name gets through. gammeltNavn is
// the name being changed: the host bytes it holds may stay in the new one.
QString checkTypedName(const QString& navn, const QString& gammeltNavn = QString());

enum class RenameStatus { Omdoebt, Optaget, Fejl };

// Renames a file, link or folder without ever replacing an existing entry.
// A rename that only changes letter case goes through a temporary sibling,
// so it works where the file system ignores case too. Optaget: something
// else has the target name. Fejl carries a Danish reason (EXDEV among them:
// across file systems nothing can be renamed).
RenameStatus renameNoReplace(const QString& fra, const QString& til, QString* error = nullptr, int* errnum = nullptr);

enum class NyMappeStatus { Oprettet, Findes, Fejl };

// Makes one folder in an existing parent, and only that level. Findes when
// any entry of that name exists, so a caller can go on to the next free name
// without a gap between its test and the creation.
NyMappeStatus createFolderOnce(const QString& sti, QString* error = nullptr);

// Writes a new file whole under a temporary name beside it, then moves it to
// its name only while no entry has that name (Findes otherwise, with nothing
// left behind), so neither a half-written file nor a replaced one is ever seen.
NyMappeStatus createFileOnce(const QString& sti, const QByteArray& data, QString* error = nullptr);

} // namespace kv
