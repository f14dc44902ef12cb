#pragma once
// The desktop's terminal emulator: the system's choice (x-terminal-emulator),
// then the current desktop's own, then xterm.
#include <QStringList>

namespace kv {

// The command that opens a terminal running program (empty: the user's
// shell); empty when this computer has no terminal.
QStringList terminalKommando(const QStringList& program = {});

} // namespace kv
