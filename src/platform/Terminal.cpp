#include "Terminal.h"

#include <QStandardPaths>

namespace kv {

namespace {

struct Terminal {
    const char* skrivebord;  // "" for any desktop
    const char* program;
    const char* koer;        // the option before the program to run
};

// In the order they are tried.
const Terminal terminaler[] = {
    {"", "x-terminal-emulator", "-e"},
    {"GNOME", "gnome-terminal", "--"}, {"GNOME", "kgx", "--"},
    {"KDE", "konsole", "-e"},
    {"XFCE", "xfce4-terminal", "-x"},
    {"LXQt", "qterminal", "-e"},
    {"MATE", "mate-terminal", "-x"},
    {"X-Cinnamon", "gnome-terminal", "--"},
    {"", "xterm", "-e"},
};

} // namespace

QStringList terminalKommando(const QStringList& program)
{
    const QStringList skriveborde = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':');
    for (const Terminal& t : terminaler) {
        if (*t.skrivebord && !skriveborde.contains(QString::fromLatin1(t.skrivebord)))
            continue;
        const QString sti = QStandardPaths::findExecutable(QString::fromLatin1(t.program));
        if (sti.isEmpty())
            continue;
        QStringList kommando{sti};
        if (!program.isEmpty())
            kommando << QString::fromLatin1(t.koer) << program;
        return kommando;
    }
    return {};
}

} // namespace kv
