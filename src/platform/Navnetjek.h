#pragma once
// The one check every name a user types passes before it becomes a file or
// folder name: nothing empty or blank, no "." or "..", no "\", "/" or control
// character, at most 255 bytes on the host. Such a name stays inside the
// folder it is meant for.
#include <QString>

namespace kv {

bool erGyldigtNavn(const QString& navn);

} // namespace kv
