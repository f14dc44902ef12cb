#include "Elementstatus.h"
#include "Platform.h"
#include "Vaert.h"

#include <QStorageInfo>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>
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

// At most this many folders on the way down are held open; one closed is
// opened again from its subfolder by ".." when the count comes back to it.
constexpr int maxAabne = 16;

bool uden(int fejl)
{
    return fejl == EMFILE || fejl == ENFILE;
}

// Counts a tree a folder at a time: each folder is read whole before its
// subfolders, so that only their names wait on the way down.
class Taeller {
public:
    Taeller(Optaelling& o, const std::function<bool(const Optaelling&)>& underveis) : m_o(o), m_underveis(underveis) {}
    ~Taeller()
    {
        for (const Niveau& n : m_vej)
            if (n.fd >= 0)
                ::close(n.fd);
    }

    // Counts the folder open at fd, which it takes over.
    void koer(int fd)
    {
        if (!ind(fd))
            return;
        while (!m_vej.empty()) {
            Niveau& n = m_vej.back();
            if (n.naeste >= n.under.size()) {
                op();
                continue;
            }
            const char* navn = n.under.data() + n.naeste;
            n.naeste += std::strlen(navn) + 1;
            const int barn = aabn([&] { return ::openat(n.fd, navn, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC); });
            if (barn < 0) {
                m_o.utalte += uden(errno);
                continue;
            }
            if (!ind(barn))
                return;
        }
    }

private:
    struct Niveau {
        int fd = -1;
        dev_t dev = 0;
        ino_t ino = 0;
        std::string under;  // the subfolders' names, each ended by a NUL
        size_t naeste = 0;
    };

    // Runs the open again, after closing a folder above, while descriptors are short.
    template<typename F>
    int aabn(F&& aabning)
    {
        int fd;
        while ((fd = aabning()) < 0 && uden(errno) && frigiv()) {
        }
        return fd;
    }
    // Closes the highest open folder above the current one.
    bool frigiv()
    {
        for (size_t i = 0; i + 1 < m_vej.size(); ++i) {
            if (m_vej[i].fd >= 0) {
                ::close(m_vej[i].fd);
                m_vej[i].fd = -1;
                return true;
            }
        }
        return false;
    }

    // Reads the folder open at fd as the next level down; false when stopped.
    bool ind(int fd)
    {
        struct stat st;
        const dev_t over = m_vej.empty() ? 0 : m_vej.back().dev;
        if (fstat(fd, &st) != 0 || ((m_vej.empty() || st.st_dev != over) && pseudo(fd))) {
            ::close(fd);
            return true;
        }
        int aabne = 0;
        for (const Niveau& n : m_vej)
            aabne += n.fd >= 0;
        if (aabne >= maxAabne)
            frigiv();
        m_vej.push_back({fd, st.st_dev, st.st_ino, {}, 0});
        return laes(m_vej.back());
    }

    bool laes(Niveau& n)
    {
        alignas(dirent64) char buffer[32768];
        for (;;) {
            const ssize_t laest = getdents64(n.fd, buffer, sizeof buffer);
            if (laest <= 0)
                return true;
            for (ssize_t i = 0; i < laest;) {
                const auto* e = reinterpret_cast<const dirent64*>(buffer + i);
                i += e->d_reclen;
                const char* navn = e->d_name;
                if (navn[0] == '.' && (navn[1] == 0 || (navn[1] == '.' && navn[2] == 0)))
                    continue;
                struct stat st;
                if (fstatat(n.fd, navn, &st, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;
                if (!S_ISDIR(st.st_mode)) {
                    ++m_o.filer;
                    m_o.bytes += st.st_size;
                    continue;
                }
                ++m_o.mapper;
                n.under.append(navn, std::strlen(navn) + 1);
                if (!m_underveis(m_o))
                    return false;
            }
        }
    }

    // Done with the current folder: back to the one above, opened again from
    // here when it was closed, and known by its device and inode so that a
    // folder moved meanwhile is never taken for it.
    void op()
    {
        Niveau n = std::move(m_vej.back());
        m_vej.pop_back();
        if (!m_vej.empty() && m_vej.back().fd < 0) {
            Niveau& over = m_vej.back();
            const int fd = n.fd < 0 ? -1 : aabn([&] { return ::openat(n.fd, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
            struct stat st;
            if (fd >= 0 && fstat(fd, &st) == 0 && st.st_dev == over.dev && st.st_ino == over.ino) {
                over.fd = fd;
            } else {
                if (fd >= 0)
                    ::close(fd);
                // Its remaining subfolders cannot be reached now.
                for (size_t i = over.naeste; i < over.under.size(); ++i)
                    m_o.utalte += over.under[i] == 0;
                over.naeste = over.under.size();
            }
        }
        if (n.fd >= 0)
            ::close(n.fd);
    }

    Optaelling& m_o;
    const std::function<bool(const Optaelling&)>& m_underveis;
    std::vector<Niveau> m_vej;  // the folders on the way down, the current one last
};

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
    // The folder itself is followed when it is a link: the user chose it.
    const int fd = ::open(host->constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        o.utalte += uden(errno);
        return;
    }
    Taeller(o, underveis).koer(fd);
}

QString filsystemNavn(QChar drev)
{
    const Drive* d = drives().find(drev);
    if (!d)
        return QString();
    return QString::fromUtf8(QStorageInfo(d->hostRoot).fileSystemType());
}

} // namespace kv
