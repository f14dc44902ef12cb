#pragma once
// The visual styles: the platform's own ("Windows") and five of the program's.
#include <QString>
#include <QStringList>

namespace kv {

// Applies the named style to every window; false when there is no such style.
bool anvendDesign(const QString& navn);
// The names of the styles: the platform's own "Windows" first.
QStringList designNavne();

} // namespace kv
