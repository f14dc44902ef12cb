#pragma once
#include "Platform.h"

#include <atomic>
#include <memory>
#include <vector>

namespace kv {

// The real platform on a Linux desktop: the login name from the password
// database, the drive table of the home folder, "/" and the mounted volumes,
// and the special folders from the XDG user directories.
class LinuxPlatform : public Platform {
public:
    LinuxPlatform();

    QString loginName() const override;
    const DriveTable& drives() const override { return *m_drives.load(std::memory_order_acquire); }
    void refreshDrives() override;
    std::optional<QString> specialFolder(SpecialFolder folder) const override;
    QString profileFolder() const override;
    QString publicFolder() const override;
    QString trashDirFor(const QString& hostPath) const override;
    QStringList trashDirsOfDrive(QChar letter) const override;
    std::optional<QString> installedProgramFolder() const override;

private:
    QString homeTrash() const;

    QString m_home;
    Drevbogstaver m_bogstaver;
    // Jobs on worker threads read the table while the mount table changes:
    // a new table is put in place whole, and the old ones are kept for the
    // session (a few a day), so no reader ever holds a freed one.
    std::vector<std::unique_ptr<const DriveTable>> m_tabeller;
    std::atomic<const DriveTable*> m_drives;
};

// Reads one entry of the XDG "user-dirs.dirs" file (such as "DESKTOP").
// Gives the host folder, or an empty text when the file does not name it.
QString readXdgUserDir(const QString& userDirsFile, const QString& home, const QString& key);

} // namespace kv
