#pragma once
// Finds the program that opens a type of file the freedesktop way: the type's
// default and added associations in mimeapps.list, in XDG order, less the
// removed ones, then mimeinfo.cache; the type's parent types after it.
#include "DesktopEntry.h"

#include <QHash>
#include <QStringList>
#include <optional>

namespace kv {

class Programopslag {
public:
    // configMapper: XDG_CONFIG_HOME then XDG_CONFIG_DIRS; dataMapper:
    // XDG_DATA_HOME then XDG_DATA_DIRS (host folders, most important first).
    Programopslag(QStringList configMapper, QStringList dataMapper);
    // The folders of the environment, with the XDG base-directory defaults.
    static Programopslag fraMiljoe();
    const QStringList& dataMapper() const { return m_data; }

    // The type of a host file, by name and content, from the shared MIME database.
    static QString filtype(const QString& vaertsti);
    static bool arver(const QString& type, const QString& forfader);
    // A type that runs when its execute bit is set: an ELF program or a script.
    static bool koerbarType(const QString& type);
    // The first installed program for the type or one of its parents; remembered.
    std::optional<DesktopEntry> program(const QString& type);

private:
    std::optional<DesktopEntry> programForType(const QString& type) const;
    std::optional<DesktopEntry> installeret(const QString& id) const;
    QStringList mimeappsFiler() const;

    QStringList m_config, m_data;
    QHash<QString, std::optional<DesktopEntry>> m_husk;
};

} // namespace kv
