#pragma once
// A freedesktop desktop entry, as far as starting its program goes: the
// [Desktop Entry] group's Exec, Terminal, TryExec and the keys of its field codes.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

struct DesktopEntry {
    QString fil;  // host path of the entry, for %k
    QString navn, ikon, exec, tryExec, type;
    QString danskNavn;  // Name[da], or Name[da_DK] when there is no Name[da]
    bool terminal = false;
    bool ikkeVist = false;  // NoDisplay=true: startable, but not offered in menus
    bool skjult = false;  // Hidden=true or NoDisplay is not enough: Hidden means deleted

    // Nothing when the text has no [Desktop Entry] group.
    static std::optional<DesktopEntry> parse(const QByteArray& tekst, const QString& fil = {});
    static std::optional<DesktopEntry> laes(const QString& fil);

    // An application whose program can be started (TryExec found, Exec not empty).
    bool kanStartes() const;
    // The program and its arguments for these host paths, field codes
    // expanded; each path is one argument. Empty when Exec cannot be split.
    // With Terminal=true the desktop's terminal runs it.
    QStringList kommando(const QStringList& filer) const;
    // The launches that open these host paths: one a file for %f or %u, one
    // for them all otherwise; %u and %U get the files as file URLs.
    QList<QStringList> kommandoer(const QStringList& filer) const;
    // The name to show: the Danish one when the entry has it.
    QString visningsnavn() const { return danskNavn.isEmpty() ? navn : danskNavn; }
};

// Splits an Exec value into arguments by the desktop-entry quoting rules.
std::optional<QStringList> splitExec(const QString& exec);

} // namespace kv
