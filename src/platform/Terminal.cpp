#include "Terminal.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <iterator>

namespace kv {

namespace {

struct Terminal {
    const char* skrivebord;  // "" for any desktop
    const char* program;
};

// In the order they are tried.
const Terminal terminaler[] = {
    {"", "x-terminal-emulator"},
    {"GNOME", "gnome-terminal"}, {"GNOME", "kgx"},
    {"KDE", "konsole"},
    {"XFCE", "xfce4-terminal"},
    {"LXQt", "qterminal"},
    {"MATE", "mate-terminal"},
    {"X-Cinnamon", "gnome-terminal"},
    {"", "xterm"},
};

struct Form {
    const char* program;
    const char* koer;  // the option before the program; "" for none
    bool etArgument;   // the program and its arguments as one text
};

const Form former[] = {
    {"gnome-terminal", "--", false}, {"kgx", "--", false},        {"ptyxis", "--", false},
    {"konsole", "-e", false},        {"xfce4-terminal", "-x", false}, {"mate-terminal", "-x", false},
    {"terminator", "-x", false},     {"sakura", "-x", false},     {"xterm", "-e", false},
    {"uxterm", "-e", false},         {"urxvt", "-e", false},      {"rxvt-unicode", "-e", false},
    {"st", "-e", false},             {"alacritty", "-e", false},  {"kitty", "", false},
    {"foot", "", false},             {"qterminal", "-e", true},   {"lxterminal", "-e", true},
    {"tilix", "-e", true},           {"terminology", "-e", true},
};

} // namespace

QString shellOrd(const QString& ord)
{
    return u'\'' + QString(ord).replace(u"'"_qs, u"'\\''"_qs) + u'\'';
}

QStringList terminalForm(const QString& sti, const QStringList& program)
{
    QStringList kommando{sti};
    if (program.isEmpty())
        return kommando;
    const QString navn = QFileInfo(QFileInfo(sti).canonicalFilePath()).fileName();
    const auto kendt = std::find_if(std::begin(former), std::end(former),
                                    [&navn](const Form& f) { return navn == QLatin1String(f.program); });
    const bool fundet = kendt != std::end(former);
    if (fundet && *kendt->koer)
        kommando << QString::fromLatin1(kendt->koer);
    else if (!fundet)
        kommando << u"-e"_qs;
    if (fundet && !kendt->etArgument)
        return kommando + program;
    QStringList ord;
    for (const QString& p : program)
        ord << shellOrd(p);
    return kommando << ord.join(u' ');
}

QStringList terminalKommando(const QStringList& program)
{
    const QStringList skriveborde = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':');
    for (const Terminal& t : terminaler) {
        if (*t.skrivebord && !skriveborde.contains(QString::fromLatin1(t.skrivebord)))
            continue;
        const QString sti = QStandardPaths::findExecutable(QString::fromLatin1(t.program));
        if (!sti.isEmpty())
            return terminalForm(sti, program);
    }
    return {};
}

} // namespace kv
