#include "Slettetrae.h"
#include "HostName.h"
#include "ProgramPath.h"
#include "Vaert.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
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
    if (fd < 0)
        return t;
    const int topFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    Taelling i;
    taelMappe(fd, t.m_top, i, &undervejs, false);
    // The subtrees are counted side by side, one per worker, each into its own
    // place in the tree; this thread goes on answering meanwhile.
    std::vector<Taelling> taellinger(t.m_top.under.size());
    std::atomic<size_t> naeste = 0;
    std::atomic<int> faerdige = 0;
    const int arbejdere = int(std::min<size_t>(std::max(2u, std::thread::hardware_concurrency()), 8));
    const int antal = int(std::min<size_t>(size_t(arbejdere), t.m_top.under.size()));
    std::mutex laas;
    std::condition_variable faerdig;
    std::vector<std::thread> traade;
    for (int n = 0; n < antal && topFd >= 0; ++n)
        traade.emplace_back([&] {
            for (size_t k; (k = naeste++) < t.m_top.under.size();) {
                Mappe& m = t.m_top.under[k];
                const int under = aabnMappe(topFd, m.navn.constData());
                if (under >= 0)
                    taelMappe(under, m, taellinger[k], nullptr, true);
            }
            std::lock_guard l(laas);
            ++faerdige;
            faerdig.notify_one();
        });
    {
        std::unique_lock l(laas);
        while (faerdige < int(traade.size()))
            if (!faerdig.wait_for(l, std::chrono::milliseconds(20), [&] { return faerdige == int(traade.size()); })) {
                l.unlock();
                undervejs();
                l.lock();
            }
    }
    for (std::thread& traad : traade)
        traad.join();
    if (topFd >= 0)
        ::close(topFd);
    for (const Taelling& u : taellinger) {
        i.filer += u.filer;
        i.mapper += u.mapper;
        i.bytes += u.bytes;
    }
    t.m_filer = i.filer;
    t.m_mapper = i.mapper;
    t.m_bytes = i.bytes;
    return t;
}

void Slettetrae::taelMappe(int fd, Mappe& m, Taelling& i, const std::function<void()>* undervejs, bool dybt)
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
            ++i.mapper;
            if (dybt) {
                const int under = aabnMappe(dfd, navn);
                if (under >= 0)
                    taelMappe(under, m.under.back(), i, undervejs, true);
            }
            if (undervejs)
                (*undervejs)();
            continue;
        }
        const qint64 stoerrelse = kendt && type == DT_REG ? qint64(st.st_size) : 0;
        m.navne.append(navn, qsizetype(std::strlen(navn)) + 1);
        m.stoerrelser.push_back(stoerrelse);
        i.bytes += stoerrelse;
        if (++i.filer % 1024 == 0 && undervejs)
            (*undervejs)();
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
