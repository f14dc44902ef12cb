#pragma once
// The desktop's terminal emulator: the system's choice (x-terminal-emulator),
// then the current desktop's own, then xterm.
#include <QStringList>

namespace kv {

// The command that opens a terminal running program (empty: the user's
// shell); empty when this computer has no terminal.
QStringList terminalKommando(const QStringList& program = {});

// How the terminal at sti runs program: its own form when it is known (the
// system's choice is followed to the terminal it stands for), else "-e" with
// the whole command as one quoted text, which every terminal understands.
QStringList terminalForm(const QString& sti, const QStringList& program);

// One word for sh: in single quotes, a quote inside as '\''.
QString shellOrd(const QString& ord);

} // namespace kv
