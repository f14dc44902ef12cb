#pragma once
// A freedesktop desktop entry, as far as starting its program goes: the
// [Desktop Entry] group's Exec, Terminal, TryExec and the keys of its field codes.
#include "RegularFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

// A piece of an Exec argument: text, or a field code (kode, without its %)
// with whether it stood inside double quotes.
struct ExecStykke {
    QString tekst;
    char16_t kode = 0;
    bool citeret = false;
};
using ExecArgument = QList<ExecStykke>;

struct DesktopEntry {
    QString fil;  // host path of the entry, for %k
    QString navn, ikon, exec, tryExec, type;
    QString danskNavn;  // Name[da], or Name[da_DK] when there is no Name[da]
    bool terminal = false;
    bool ikkeVist = false;  // NoDisplay=true: startable, but not offered in menus
    bool skjult = false;  // Hidden=true or NoDisplay is not enough: Hidden means deleted

    // Nothing when the text has no [Desktop Entry] group.
    static std::optional<DesktopEntry> parse(const QByteArray& tekst, const QString& fil = {});
    // The one reader of entries, for the program list, opening files and the
    // information window: through the bounded reader, at most maxSkrivebordsfil.
    // fil is the host path %k gives.
    static std::optional<DesktopEntry> laes(const LocatedFile& kilde, const QString& fil);
    static std::optional<DesktopEntry> laes(const QString& vaertsti) { return laes(locateHostFile(vaertsti), vaertsti); }

    // An application whose program can be started (TryExec found, Exec not empty).
    bool kanStartes() const;
    // The program and its arguments for these host paths, field codes
    // expanded; each path is one argument. %f, %F, %u and %U stand only as
    // whole arguments, or inside a quoted argument (a shell's command) as
    // names quoted for the shell where they stand, in the command's own
    // quotes too. Empty when Exec cannot be split. With Terminal=true
    // the desktop's terminal runs it.
    QStringList kommando(const QStringList& filer) const;
    // The launches that open these host paths: one a file for %f or %u, one
    // for them all otherwise; %u and %U get the files as file URLs.
    QList<QStringList> kommandoer(const QStringList& filer) const;
    // The name to show: the Danish one when the entry has it.
    QString visningsnavn() const { return danskNavn.isEmpty() ? navn : danskNavn; }
};

// Splits an Exec value into arguments by the desktop-entry quoting rules;
// nothing when a quote is left open.
std::optional<QList<ExecArgument>> parseExec(const QString& exec);
// The same as text, each field code written as it stood ("%f").
std::optional<QStringList> splitExec(const QString& exec);

} // namespace kv
