#include "Elementstatus.h"
#include "Platform.h"
#include "Vaert.h"

#include <QStorageInfo>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace kv {

namespace {

qint64 msecs(const statx_timestamp& t)
{
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// File systems made up by the kernel: walking them means nothing and some
// of them never end.
bool pseudo(int fd)
{
    struct statfs s;
    if (fstatfs(fd, &s) != 0)
        return false;
    switch (quint64(s.f_type)) {
    case PROC_SUPER_MAGIC: case SYSFS_MAGIC: case DEVPTS_SUPER_MAGIC: case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC: case DEBUGFS_MAGIC: case TRACEFS_MAGIC: case SECURITYFS_MAGIC:
    case BPF_FS_MAGIC: case PSTOREFS_MAGIC: case EFIVARFS_MAGIC: case NSFS_MAGIC:
    case BINFMTFS_MAGIC: case 0x62656570 /* configfs */: case 0x65735543 /* fusectl */:
        return true;
    default:
        return false;
    }
}

// Counts the folder open at fd, which it takes over; false when stopped.
bool taelFd(int fd, dev_t dev, Optaelling& o, const std::function<bool(const Optaelling&)>& underveis)
{
    DIR* d = fdopendir(fd);
    if (!d) {
        ::close(fd);
        return true;
    }
    const int dfd = dirfd(d);
    bool videre = true;
    while (videre) {
        const dirent* e = readdir(d);
        if (!e)
            break;
        const char* navn = e->d_name;
        if (navn[0] == '.' && (navn[1] == 0 || (navn[1] == '.' && navn[2] == 0)))
            continue;
        struct stat st;
        if (fstatat(dfd, navn, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (!S_ISDIR(st.st_mode)) {
            ++o.filer;
            o.bytes += st.st_size;
            continue;
        }
        ++o.mapper;
        videre = underveis(o);
        const int barn = videre ? openat(dfd, navn, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC) : -1;
        if (barn < 0)
            continue;
        if (st.st_dev != dev && pseudo(barn))
            ::close(barn);
        else
            videre = taelFd(barn, st.st_dev, o, underveis);
    }
    closedir(d);
    return videre;
}

} // namespace

std::optional<Elementstatus> elementstatus(const QString& sti)
{
    const auto host = hostName(sti);
    if (!host)
        return std::nullopt;
    struct statx sx;
    const unsigned maske = STATX_BASIC_STATS | STATX_BTIME;
    if (statx(AT_FDCWD, host->constData(), 0, maske, &sx) != 0
        && statx(AT_FDCWD, host->constData(), AT_SYMLINK_NOFOLLOW, maske, &sx) != 0)
        return std::nullopt;
    Elementstatus s;
    s.mappe = S_ISDIR(sx.stx_mode);
    s.stoerrelse = s.mappe ? 0 : qint64(sx.stx_size);
    if (sx.stx_mask & STATX_BTIME)
        s.oprettetMs = msecs(sx.stx_btime);
    s.aendretMs = msecs(sx.stx_mtime);
    s.aabnetMs = msecs(sx.stx_atime);
    s.skrivebeskyttet = !(sx.stx_mode & S_IWUSR);
    return s;
}

AttributUdfald saetSkrivebeskyttet(const QString& sti, bool skrivebeskyttet, QString* fejl)
{
    const auto host = hostName(sti, fejl);
    if (!host)
        return AttributUdfald::Fejl;
    struct stat st;
    if (::stat(host->constData(), &st) != 0) {
        if (fejl)
            *fejl = failure(sti, errno);
        return errno == ENOENT || errno == ENOTDIR ? AttributUdfald::IkkeFundet : AttributUdfald::Fejl;
    }
    const mode_t tilstand = skrivebeskyttet ? (st.st_mode & 07777 & ~S_IWUSR) : (st.st_mode & 07777) | S_IWUSR;
    if (::chmod(host->constData(), tilstand) != 0) {
        if (fejl)
            *fejl = failure(sti, errno);
        return errno == ENOENT ? AttributUdfald::IkkeFundet : AttributUdfald::Fejl;
    }
    return AttributUdfald::Sat;
}

void taelMappe(const QString& mappe, Optaelling& o, const std::function<bool(const Optaelling&)>& underveis)
{
    const auto host = hostName(mappe);
    if (!host)
        return;
    const int fd = ::open(host->constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st;
    if (fstat(fd, &st) != 0 || pseudo(fd)) {
        ::close(fd);
        return;
    }
    taelFd(fd, st.st_dev, o, underveis);
}

QString filsystemNavn(QChar drev)
{
    const Drive* d = drives().find(drev);
    if (!d)
        return QString();
    return QString::fromUtf8(QStorageInfo(d->hostRoot).fileSystemType());
}

} // namespace kv
