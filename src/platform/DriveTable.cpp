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

static bool underSted(const QString& root, const QStringList& steder)
{
    for (const QString& s : steder)
        if (root.startsWith(s + u'/'))
            return true;
    return false;
}

// Each folder the desktop's FUSE daemon shows under its mount is a network place.
static std::vector<Drive> netvaerkssteder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.startsWith(u'/'))
        return {};
    const QString gvfs = QDir::cleanPath(runtime + u"/gvfs"_qs);
    bool monteret = false;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        monteret = monteret || (v.rootPath() == gvfs && v.fileSystemType().startsWith("fuse"));
    if (!monteret)
        return {};
    std::vector<Drive> r;
    for (const QFileInfo& f : QDir(gvfs).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        r.push_back({QChar(), f.absoluteFilePath(), f.fileName(), DriveNetwork});
    return r;
}

DriveTable DriveTable::medVolumener(const QStringList& steder, Drevbogstaver& bogstaver,
                                    const std::vector<Drive>& ekstra) const
{
    // The drives that are no volume of ours stay as they are.
    std::vector<Drive> drives;
    QSet<QString> seen;
    for (const Drive& d : m_drives)
        if (!bogstaver.contains(d.hostRoot)) {
            drives.push_back(d);
            seen.insert(d.hostRoot);
        }
    const size_t faste = drives.size();
    std::vector<Drive> fresh;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString root = v.rootPath();
        if (seen.contains(root) || !underSted(root, steder))
            continue;
        seen.insert(root);
        const QString fs = QString::fromLatin1(v.fileSystemType());
        const QString dev = QString::fromLocal8Bit(v.device());
        fresh.push_back({QChar(), root, v.name(), classifyVolume(fs, dev, isRemovableDevice(dev))});
    }
    for (const Drive& d : ekstra)
        if (!seen.contains(d.hostRoot)) {
            seen.insert(d.hostRoot);
            fresh.push_back(d);
        }
    QSet<QChar> used;
    for (const Drive& d : drives)
        used.insert(d.letter);
    // A volume seen before takes its letter again when no drive holds it now.
    for (Drive& d : fresh)
        if (const QChar b = bogstaver.value(d.hostRoot); !b.isNull() && !used.contains(b)) {
            d.letter = b;
            used.insert(b);
        }
    // New volumes take the lowest letter no volume of this session had, and
    // only when none is left one that a volume gone now had.
    QSet<QChar> husket;
    for (const QChar b : bogstaver)
        husket.insert(b);
    for (const bool tagHusket : {false, true})
        for (Drive& d : fresh)
            for (char16_t next = u'E'; d.letter.isNull() && next <= u'Z'; ++next) {
                const QChar b(next);
                if (!used.contains(b) && (tagHusket || !husket.contains(b))) {
                    d.letter = b;
                    used.insert(b);
                }
            }
    for (const Drive& d : fresh)
        if (!d.letter.isNull()) {
            bogstaver.insert(d.hostRoot, d.letter);
            drives.push_back(d);
        }
    std::sort(drives.begin() + qsizetype(faste), drives.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
    return DriveTable(std::move(drives));
}

DriveTable DriveTable::forHost(const QString& homeDir, Drevbogstaver* bogstaver)
{
    Drevbogstaver egne;
    DriveTable t({{u'C', QDir::cleanPath(homeDir), u"Hjem"_qs, DriveFixed}, {u'D', u"/"_qs, u"System"_qs, DriveFixed}});
    return t.medVolumener({u"/media"_qs, u"/run/media"_qs, u"/mnt"_qs}, bogstaver ? *bogstaver : egne,
                          netvaerkssteder());
}

} // namespace kv
