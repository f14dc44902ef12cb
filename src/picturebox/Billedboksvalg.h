#pragma once
// The picture box's choices: the field colours and the grid presets.
#include <QColor>
#include <QString>
#include <array>

namespace kv {

struct Feltfarve {
    const char* navn;
    QColor farve;
};
const std::array<Feltfarve, 20>& feltfarver();
// The colour of an index of the list; the no-colour value outside it.
QColor feltfarve(int index);

struct Feltformat {
    const char* navn;
    int vandret, lodret;
    const char* hint;
};
const std::array<Feltformat, 5>& feltformater();

// Counts of fields across or down as stored in the settings: at least 1, and
// no more than a panel can show at 16 pixels a field.
inline constexpr int maxFeltAntal = 200;
int feltAntalFraIndstilling(int v);

// The picture box's lines of the settings file: the counts, the field colour
// and the window's place.
struct Billedboksindstillinger {
    int GBoxV = 4, GBoxL = 1, colIndex = 4;
    int GBoxLeft = 0, GBoxTop = 0, GBoxW = 0, GBoxH = 0;
};

} // namespace kv
