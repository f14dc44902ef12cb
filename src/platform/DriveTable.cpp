#include "DriveTable.h"
#include "HostName.h"
#include "ProgramPath.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <sys/statvfs.h>

namespace kv {

DriveTable::DriveTable(std::vector<Drive> drives) : m_drives(std::move(drives)) {}

QStringList DriveTable::logicalDriveStrings() const
{
    QStringList r;
    for (const Drive& d : m_drives)
        r << QString(d.letter) + u":\\"_qs;
    return r;
}

const Drive* DriveTable::find(QChar letter) const
{
    const QChar up = letter.toUpper();
    for (const Drive& d : m_drives)
        if (d.letter == up)
            return &d;
    return nullptr;
}

const Drive* DriveTable::driveOf(const QString& programPath) const
{
    if (!isProgramPath(programPath))
        return nullptr;
    return find(programPath[0]);
}

int DriveTable::driveType(const QString& programPath) const
{
    const Drive* d = driveOf(programPath);
    if (!d || !QFileInfo(d->hostRoot).isDir())
        return DriveUnknown;
    return d->type;
}

QString DriveTable::volumeLabel(QChar letter) const
{
    const Drive* d = find(letter);
    return d ? d->label : QString();
}

bool DriveTable::rootExists(QChar letter) const
{
    const Drive* d = find(letter);
    return d && QFileInfo(d->hostRoot).isDir();
}

std::optional<DiskSpace> DriveTable::diskSpace(const QString& programPath) const
{
    const auto host = toHostBytes(programPath);
    if (!host)
        return std::nullopt;
    struct statvfs s;
    if (statvfs(host->constData(), &s) != 0)
        return std::nullopt;
    return DiskSpace{qint64(s.f_blocks) * qint64(s.f_frsize), qint64(s.f_bavail) * qint64(s.f_frsize)};
}

std::optional<QString> DriveTable::toHost(const QString& programPath) const
{
    const Drive* d = driveOf(programPath);
    if (!d)
        return std::nullopt;
    QString host = d->hostRoot == u"/" ? QString() : d->hostRoot;
    // After "C:\" come the components; one trailing backslash is allowed.
    QStringView rest = programPath.size() > 3 ? QStringView(programPath).mid(3) : QStringView();
    const auto separator = [](QChar c) { return c == u'\\' || c == u'/'; };
    if (!rest.isEmpty() && separator(rest.back()))
        rest.chop(1);
    if (programPath.size() > 3) {
        host.reserve(host.size() + rest.size() + 1);
        // Slashes separate too: no host name holds one. A component that is
        // empty, "." or ".." or holds a NUL could reach past the drive's root
        // or cut the host path short, so the whole path is refused.
        qsizetype start = 0;
        for (qsizetype i = 0; i <= rest.size(); ++i) {
            if (i < rest.size() && !separator(rest[i]))
                continue;
            const QStringView del = rest.sliced(start, i - start);
            if (!isSafeComponent(del))
                return std::nullopt;
            host += u'/';
            host += del;
            start = i + 1;
        }
    }
    return host.isEmpty() ? u"/"_qs : host;
}

std::optional<QByteArray> DriveTable::toHostBytes(const QString& programPath) const
{
    const auto host = toHost(programPath);
    if (!host)
        return std::nullopt;
    return encodeHostName(*host);
}

std::optional<QString> DriveTable::toProgram(QByteArrayView hostPath) const
{
    return toProgram(decodeHostName(hostPath));
}

std::optional<QString> DriveTable::toProgram(const QString& hostPath) const
{
    // Through the bytes and back, so a backslash, CR or LF that Qt left as it
    // was becomes the character a listing shows for it.
    const QString clean = decodeHostName(encodeHostName(QDir::cleanPath(hostPath)));
    const Drive* best = nullptr;
    for (const Drive& d : m_drives) {
        const bool under = clean == d.hostRoot
            || (d.hostRoot == u"/" ? clean.startsWith(u'/') : clean.startsWith(d.hostRoot + u'/'));
        if (under && (!best || d.hostRoot.size() > best->hostRoot.size()))
            best = &d;
    }
    if (!best)
        return std::nullopt;
    QString rest = clean.mid(best->hostRoot == u"/" ? 1 : best->hostRoot.size() + 1);
    QString result = QString(best->letter) + u':';
    if (!rest.isEmpty())
        result += u'\\' + rest.replace(u'/', u'\\');
    return result;
}

int classifyVolume(const QString& fsType, const QString& device, bool removableDevice)
{
    static const QSet<QString> optical{u"iso9660"_qs, u"udf"_qs};
    static const QSet<QString> network{u"nfs"_qs, u"nfs4"_qs, u"cifs"_qs, u"smb3"_qs, u"smbfs"_qs,
                                       u"fuse.sshfs"_qs, u"sshfs"_qs, u"9p"_qs, u"afs"_qs,
                                       u"ceph"_qs, u"glusterfs"_qs, u"davfs"_qs, u"fuse.davfs2"_qs};
    static const QSet<QString> ram{u"tmpfs"_qs, u"ramfs"_qs};
    if (optical.contains(fsType) || device.startsWith(u"/dev/sr"))
        return DriveOptical;
    if (network.contains(fsType) || device.startsWith(u"//"))
        return DriveNetwork;
    if (ram.contains(fsType))
        return DriveRam;
    if (removableDevice)
        return DriveRemovable;
    if (device.startsWith(u"/dev/"))
        return DriveFixed;
    return DriveUnknown;
}

// A block device counts as removable when the kernel says so or it sits on USB.
static bool isRemovableDevice(const QString& device)
{
    if (!device.startsWith(u"/dev/"))
        return false;
    const QString node = QFileInfo(device).canonicalFilePath().section(u'/', -1);
    if (node.isEmpty())
        return false;
    // The partition's own class entry leads to its disk, whose folder holds "removable".
    QString sysDev = QFileInfo(u"/sys/class/block/"_qs + node).canonicalFilePath();
    if (sysDev.isEmpty())
        return false;
    if (!QFile::exists(sysDev + u"/removable"_qs))
        sysDev = QFileInfo(sysDev).path();
    QFile f(sysDev + u"/removable"_qs);
    if (f.open(QIODevice::ReadOnly) && f.readAll().trimmed() == "1")
        return true;
    return sysDev.contains(u"/usb");
}

static bool userVisibleMount(const QString& root)
{
    return root.startsWith(u"/media/") || root.startsWith(u"/run/media/") || root.startsWith(u"/mnt/");
}

DriveTable DriveTable::forHost(const QString& homeDir, const DriveTable* earlier)
{
    std::vector<Drive> drives;
    drives.push_back({u'C', QDir::cleanPath(homeDir), u"Hjem"_qs, DriveFixed});
    drives.push_back({u'D', u"/"_qs, u"System"_qs, DriveFixed});
    QSet<QString> seen{drives[0].hostRoot, u"/"_qs};
    std::vector<Drive> fresh;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString root = v.rootPath();
        if (seen.contains(root) || !userVisibleMount(root))
            continue;
        seen.insert(root);
        const QString fs = QString::fromLatin1(v.fileSystemType());
        const QString dev = QString::fromLocal8Bit(v.device());
        Drive d{QChar(), root, v.name(), classifyVolume(fs, dev, isRemovableDevice(dev))};
        if (earlier)
            for (const Drive& e : earlier->m_drives)
                if (e.hostRoot == root && e.letter > u'D')
                    d.letter = e.letter;
        fresh.push_back(d);
    }
    // New volumes take the lowest letters that are free.
    QSet<QChar> used{u'C', u'D'};
    for (const Drive& d : fresh)
        if (!d.letter.isNull())
            used.insert(d.letter);
    char16_t next = u'E';
    for (Drive& d : fresh) {
        while (d.letter.isNull() && next <= u'Z') {
            if (!used.contains(QChar(next)))
                d.letter = QChar(next);
            ++next;
        }
        if (!d.letter.isNull())
            drives.push_back(d);
    }
    std::sort(drives.begin() + 2, drives.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    return DriveTable(std::move(drives));
}

} // namespace kv
