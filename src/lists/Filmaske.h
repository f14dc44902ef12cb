#pragma once
// File masks as the original platform matched them: "*" and "?" wildcards,
// without regard to case, and a mask ending in ".*" ("*.*" among them) also
// takes names without a dot.
#include <QString>

namespace kv {

bool passerMaske(QStringView navn, QStringView maske);

} // namespace kv
