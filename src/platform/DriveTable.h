#pragma once
// The drive table: which host folder each drive letter of the program stands
// for, and what kind of drive it is.
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kv {

// Drive type codes as the structures use them.
enum DriveType {
    DriveUnknown = 0,
    DriveRemovable = 1,
    DriveFixed = 2,
    DriveOptical = 3,
    DriveRam = 4,
    DriveNetwork = 5,
};

struct Drive {
    QChar letter;      // upper case, 'C'
    QString hostRoot;  // absolute host folder, no trailing slash except "/"
    QString label;     // volume label, may be empty
    int type = DriveUnknown;
};

struct DiskSpace {
    qint64 total = 0;
    qint64 free = 0;   // bytes free for the user
};

// The letter each volume got this session, by its mount folder, so a volume
// that is unplugged and plugged in again gets its letter back.
using Drevbogstaver = QHash<QString, QChar>;

class DriveTable {
public:
    DriveTable() = default;
    explicit DriveTable(std::vector<Drive> drives);

    // The Linux table: C: the home folder ("Hjem"), D: "/" ("System"), then
    // every volume mounted under /media, /run/media or /mnt, in mount order,
    // and each network place the desktop mounts under $XDG_RUNTIME_DIR/gvfs.
    // Volumes named in the letters keep their letters.
    static DriveTable forHost(const QString& homeDir, Drevbogstaver* bogstaver = nullptr);
    // This table with the volumes mounted now below the folders given (each
    // "/media" and the like) in place of the volumes it had; the drives not
    // in the letters stay as they are.
    DriveTable medVolumener(const QStringList& steder, Drevbogstaver& bogstaver,
                            const std::vector<Drive>& ekstra = {}) const;

    const std::vector<Drive>& drives() const { return m_drives; }
    // "C:\", "D:\", ... in table order.
    QStringList logicalDriveStrings() const;
    const Drive* find(QChar letter) const;
    const Drive* driveOf(const QString& programPath) const;

    // Type code of the drive a path is on; 0 when it has no drive or no root.
    int driveType(const QString& programPath) const;
    QString volumeLabel(QChar letter) const;
    bool rootExists(QChar letter) const;
    std::optional<DiskSpace> diskSpace(const QString& programPath) const;

    // The host path of a program path, as text in the form decodeHostName gives.
    // Nothing for a path that could leave its drive's root: one with U+0000, or
    // with a component that is empty, "." or "..". One trailing backslash is allowed.
    std::optional<QString> toHost(const QString& programPath) const;
    // The same as the bytes the host knows the path by.
    std::optional<QByteArray> toHostBytes(const QString& programPath) const;
    // Empty when the host path lies on no drive.
    std::optional<QString> toProgram(const QString& hostPath) const;
    std::optional<QString> toProgram(QByteArrayView hostPath) const;

private:
    std::vector<Drive> m_drives;
};

// Classifies a mounted volume by its file system and device.
int classifyVolume(const QString& fsType, const QString& device, bool removableDevice);

} // namespace kv
