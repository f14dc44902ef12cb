#pragma once
// The installed applications and the pictures of programs: desktop entries in
// the XDG data folders' "applications" and in flatpak's exports, icons from
// the icon theme (with "hicolor" as fallback) or /usr/share/pixmaps.
#include "DesktopEntry.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QStringList>

namespace kv {

struct InstalleretProgram {
    QString sti;  // program path of the entry
    DesktopEntry entry;
};

class Programkatalog {
public:
    // dataMapper: host folders, most important first (XDG_DATA_HOME, then XDG_DATA_DIRS).
    explicit Programkatalog(QStringList dataMapper);
    // The environment's data folders, then flatpak's exports for the user and the system.
    static Programkatalog fraMiljoe();

    // The program path of the entry with this desktop id ("vlc.desktop"), the
    // first folder that has a startable one; empty when none has.
    QString find(const QString& id) const;
    // Every startable entry meant for menus, by id, first folder winning; by name.
    QList<InstalleretProgram> installerede() const;
    // A program's picture: its entry's Icon=, or for an executable the icon of
    // the entry that starts it. Null when there is none.
    QIcon ikon(const QString& programsti);
    // An Icon= value: an absolute file, a theme icon, or a file in /usr/share/pixmaps.
    QIcon temaIkon(const QString& navn) const;

private:
    QStringList programMapper() const;
    QString execIkon(const QString& vaertsti);

    QStringList m_data;
    QHash<QString, QString> m_execIkoner;  // host path of a program -> Icon=, built on first use
    bool m_execScannet = false;
};

} // namespace kv
