#pragma once
// "Dos konsollen..." and "PowerShell...": a terminal at the root of the
// current folder's drive.
#include <QString>

namespace kv {

class Funktionsvaert;

namespace konsoller {

// The drive of a folder ("D:"), or "C:" when the folder is gone.
QString drevAf(const QString& mappe);
// True when PowerShell (pwsh) is installed.
bool harPowerShell();
// Opens the console on the drive of the main window's current folder; a
// failure is reported as the shell's errors are.
void aabn(Funktionsvaert* hoved, bool powerShell);

} // namespace konsoller
} // namespace kv
