#include "Slettetrae.h"
#include "HostName.h"
#include "ProgramPath.h"
#include "Vaert.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace kv {

namespace {

int aabnMappe(int overFd, const char* navn)
{
    return ::openat(overFd, navn, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

} // namespace

std::optional<Slettetrae> Slettetrae::tael(const QString& folder, const std::function<void()>& undervejs)
{
    const auto host = hostName(folder);
    if (!host)
        return std::nullopt;
    const int fd = aabnMappe(AT_FDCWD, host->constData());
    if (fd < 0) {
        struct stat st;
        if (::lstat(host->constData(), &st) != 0 || !S_ISDIR(st.st_mode))
            return std::nullopt;
    }
    Slettetrae t;
    t.m_sti = folder;
    t.m_top.navn = *host;
    if (fd >= 0)
        t.taelMappe(fd, t.m_top, undervejs);
    return t;
}

void Slettetrae::taelMappe(int fd, Mappe& m, const std::function<void()>& undervejs)
{
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    const int dfd = ::dirfd(dir);
    while (const dirent* d = ::readdir(dir)) {
        const char* navn = d->d_name;
        if (navn[0] == '.' && (navn[1] == 0 || (navn[1] == '.' && navn[2] == 0)))
            continue;
        unsigned char type = d->d_type;
        struct stat st;
        bool kendt = false;
        if (type == DT_UNKNOWN || type == DT_REG) {
            // The size is asked of plain files only; links and the rest count 0 bytes.
            if (::fstatat(dfd, navn, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = IFTODT(st.st_mode);
            kendt = true;
        }
        if (type == DT_DIR) {
            m.under.push_back({QByteArray(navn), {}, {}, {}});
            ++m_mapper;
            const int under = aabnMappe(dfd, navn);
            if (under >= 0)
                taelMappe(under, m.under.back(), undervejs);
            undervejs();
            continue;
        }
        const qint64 stoerrelse = kendt && type == DT_REG ? qint64(st.st_size) : 0;
        m.navne.append(navn, qsizetype(std::strlen(navn)) + 1);
        m.stoerrelser.push_back(stoerrelse);
        m_bytes += stoerrelse;
        if (++m_filer % 1024 == 0)
            undervejs();
    }
    ::closedir(dir);
}

void Slettetrae::fjern(const std::function<bool(qint64 size, const QString& fejl)>& efter) const
{
    fjernMappe(AT_FDCWD, m_top, m_sti, m_top.navn, efter);
}

bool Slettetrae::fjernMappe(int overFd, const Mappe& m, const QString& sti, const QByteArray& vaert,
                            const std::function<bool(qint64, const QString&)>& efter) const
{
    Fd mappe(aabnMappe(overFd, m.navn.constData()));
    if (mappe.fd < 0)
        return true;  // gone, or a link now: the caller's removal of what is left sees to it
    const char* navn = m.navne.constData();
    for (const qint64 stoerrelse : m.stoerrelser) {
        const qsizetype laengde = qsizetype(std::strlen(navn));
        int fejl = 0;
        if (injiceret(FejlPunkt::Slet, vaert + '/' + QByteArray(navn, laengde)) || ::unlinkat(mappe.fd, navn, 0) != 0)
            fejl = errno == ENOENT ? 0 : errno;
        if (!efter(stoerrelse, fejl ? failure(joinPath(sti, decodeHostName(navn)), fejl) : QString()))
            return false;
        navn += laengde + 1;
    }
    for (const Mappe& u : m.under)
        if (!fjernMappe(mappe.fd, u, joinPath(sti, decodeHostName(u.navn.constData())), vaert + '/' + u.navn, efter))
            return false;
    ::unlinkat(overFd, m.navn.constData(), AT_REMOVEDIR);
    return true;
}

} // namespace kv
