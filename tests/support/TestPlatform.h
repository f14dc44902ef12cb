#pragma once
// A platform for tests: drives C: and D: in a temporary folder, a fixed login
// name, and the profile folders of that name under "C:\users".
#include "platform/Platform.h"

#include <QTemporaryDir>
#include <atomic>
#include <memory>
#include <vector>

namespace kvtest {

class TestPlatform : public kv::Platform {
public:
    explicit TestPlatform(const QString& login = u"Anna"_qs);

    // Makes a fresh test platform the installed one and returns it.
    static TestPlatform& install(const QString& login = u"Anna"_qs);

    QString loginName() const override { return m_login; }
    const kv::DriveTable& drives() const override { return *m_drives.load(std::memory_order_acquire); }
    std::optional<QString> specialFolder(kv::SpecialFolder folder) const override;
    QString profileFolder() const override { return m_profil.isEmpty() ? u"C:\\users\\"_qs + m_login : m_profil; }
    QString publicFolder() const override { return u"C:\\users\\Public"_qs; }
    // One recycle bin for everything, in the temporary folder.
    QString trashDirFor(const QString&) const override { return trashDir(); }
    QStringList trashDirsOfDrive(QChar) const override { return {trashDir()}; }
    QString trashDir() const { return m_dir.path() + u"/Trash"_qs; }
    std::optional<QString> installedProgramFolder() const override { return m_installeret; }
    // As an installed program: its content in this folder (a program path).
    void setInstalledProgramFolder(const QString& folder) { m_installeret = folder; }

    void setLoginName(const QString& login) { m_login = login; }
    // As on Linux, where the profile folder is the home drive's root ("C:").
    void setProfileFolder(const QString& profil) { m_profil = profil; }
    // Adds a drive whose root is a new folder (or none, for a drive without medium).
    void addDrive(QChar letter, const QString& label, int type, bool withRoot = true);
    // Volumes mounted below these host folders come and go as drives, as
    // those under /media do on the real platform.
    void setMountPlaces(const QStringList& places) { m_places = places; }
    void refreshDrives() override;
    // The host path of a program path on the test drives.
    QString host(const QString& programPath) const;
    // The same as the bytes the host knows it by, for calls straight to the system.
    QByteArray hostBytes(const QString& programPath) const;
    // Creates a folder (with parents) and gives its program path back.
    QString makeFolder(const QString& programPath) const;
    QString makeFile(const QString& programPath, const QByteArray& content = {}) const;
    // Copies installed files of the repository's program folder ("Egenskaber\webgruppe.txt", …)
    // into C:\Kvistlund\Program.
    void installProgramFiles(const QStringList& relativePaths) const;
    // The sample web groups the main window copies for a new user.
    void installStartFiles() const;

private:
    QTemporaryDir m_dir;
    QString m_login;
    QString m_profil;
    std::optional<QString> m_installeret;
    // As on the real platform: a changed table is a new one, and the old ones
    // stay for a copy or delete thread that still reads them.
    void nyTabel(kv::DriveTable tabel);
    std::vector<std::unique_ptr<const kv::DriveTable>> m_tabeller;
    std::atomic<const kv::DriveTable*> m_drives = nullptr;
    QStringList m_places;
    kv::Drevbogstaver m_letters;
};

} // namespace kvtest
