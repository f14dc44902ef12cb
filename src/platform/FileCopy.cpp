// Copying one file or link, with the host details a copy must get right.
#include "FileSystem.h"
#include "Vaert.h"

#include <algorithm>
#include <memory>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <cstring>
#include <string_view>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace kv {

namespace {

qint64 nanosek(const timespec& t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

void husKilde(CopyResult& result, const struct stat& st)
{
    result.sourceSize = st.st_size;
    result.sourceMtimeNs = nanosek(st.st_mtim);
}

// The owner and group of a copy are the source's where the host allows it:
// as root, like cp -a; otherwise the group, when the user is in it. Set-ID
// bits stay only when both are kept, so a copy never runs as someone it does
// not belong to. kopi is the copy as made; chown is the host call for it.
// Gives the mode to set, and whether a chown was made (which clears set-ID bits).
mode_t beholdEjer(const struct stat& st, const struct stat& kopi, bool& skiftet,
                  const std::function<int(uid_t, gid_t)>& chown)
{
    bool ejer = st.st_uid == kopi.st_uid;
    bool gruppe = st.st_gid == kopi.st_gid;
    const bool rod = !(ejer && gruppe) && ::geteuid() == 0;
    skiftet = rod || !gruppe;
    if (rod)
        ejer = gruppe = chown(st.st_uid, st.st_gid) == 0;
    else if (!gruppe)
        gruppe = chown(uid_t(-1), st.st_gid) == 0;
    mode_t mode = st.st_mode & 07777;
    if (!ejer || !gruppe)
        mode &= ~(S_ISUID | S_ISGID);
    return mode;
}

// Where a copy is written. A new target is made in place: making fails on
// anything that exists, so the source is never opened for writing that way.
// An existing target is replaced only with overwrite and never when it is a
// folder or the source itself (foelgLink: also when reached through a link);
// then the copy is made beside it and renamed over it when whole.
struct Maal {
    QByteArray navn;
    bool erstatter = false;
    int fd = -1;  // what make gave
};

std::optional<Maal> lavMaal(const QByteArray& dst, const QString& to, const struct stat& kilde, bool overwrite,
                            bool foelgLink, const std::function<int(const char*)>& make, CopyResult& result)
{
    if (injiceret(FejlPunkt::AabnSkrivning, dst)) {
        result.error = failure(to, errno);
        return std::nullopt;
    }
    Maal maal{dst};
    maal.fd = make(dst.constData());
    if (maal.fd < 0 && errno == EEXIST) {
        struct stat findes;
        const bool har = ::lstat(dst.constData(), &findes) == 0;
        if (har && S_ISLNK(findes.st_mode) && foelgLink && ::stat(dst.constData(), &findes) != 0)
            findes.st_ino = 0;  // a dangling link reaches no file
        if (har && findes.st_dev == kilde.st_dev && findes.st_ino == kilde.st_ino) {
            result.status = CopyStatus::SammeFil;
            result.error = u"Kilden og destinationen er den samme fil."_qs + u'\r' + to;
            return std::nullopt;
        }
        if (har && S_ISDIR(findes.st_mode))
            errno = EISDIR;
        else if (!overwrite)
            errno = EEXIST;
        else {
            maal.erstatter = true;
            maal.fd = makeBeside(dst, maal.navn, make);
        }
    }
    if (maal.fd < 0) {
        result.error = failure(to, errno);
        return std::nullopt;
    }
    return maal;
}

// Renames a finished copy over the target it replaces; removes it when that fails.
bool saetPaaPlads(const Maal& maal, const QByteArray& dst, const QString& to, CopyResult& result)
{
    if (!maal.erstatter || ::rename(maal.navn.constData(), dst.constData()) == 0)
        return true;
    result.error = failure(to, errno);
    ::unlink(maal.navn.constData());
    return false;
}

// FIFOs and device nodes are made anew, as cp -a does, never opened: a FIFO
// would wait for a writer, a device would be read without end.
CopyResult kopierSaerfil(const QByteArray& dst, const QString& from, const QString& to, const struct stat& st,
                         bool overwrite)
{
    CopyResult result;
    if (S_ISSOCK(st.st_mode)) {
        result.error = u"Sokler kan ikke kopieres."_qs + u'\r' + from;
        return result;
    }
    int mknodFejl = 0;
    const auto maal = lavMaal(dst, to, st, overwrite, false, [&](const char* navn) {
        const int r = ::mknod(navn, (st.st_mode & S_IFMT) | (st.st_mode & 0777), st.st_rdev);
        mknodFejl = r == 0 ? 0 : errno;
        return r;
    }, result);
    if (!maal) {
        if (mknodFejl == EPERM && !S_ISFIFO(st.st_mode))
            result.error = u"Enhedsfiler kan kun kopieres af en administrator."_qs + u'\r' + from;
        return result;
    }
    const char* navn = maal->navn.constData();
    bool skiftet = false;
    struct stat kopi;
    const timespec tider[2] = {st.st_atim, st.st_mtim};
    if (::lstat(navn, &kopi) != 0
        || ::chmod(navn, beholdEjer(st, kopi, skiftet, [&](uid_t u, gid_t g) { return ::lchown(navn, u, g); })) != 0
        || ::utimensat(AT_FDCWD, navn, tider, AT_SYMLINK_NOFOLLOW) != 0) {
        result.error = failure(to, errno);
        ::unlink(navn);
        return result;
    }
    if (!saetPaaPlads(*maal, dst, to, result))
        return result;
    result.status = CopyStatus::Copied;
    result.keepSource = true;
    husKilde(result, st);
    return result;
}

// Moves the data of an open regular file to the same offsets of another,
// in pieces sized so that each takes a few hundredths of a second, and asks
// the progress after each piece whether to go on.
class Dataflytning {
public:
    Dataflytning(int in, int out, const QByteArray& dst, const CopyOptions& options, qint64 total)
        : m_in(in), m_out(out), m_dst(dst), m_options(options), m_kendt(total) {}

    // Copies everything up to the end of the file, data extents only when it
    // has holes; slut is the source's fstat once its end was reached.
    // False with errno set (0 when stopped).
    bool alt(bool huller, struct stat& slut)
    {
        for (;;) {
            qint64 fra = m_pos, til = -1;
            m_tomt = false;
            if (huller && !naesteData(fra, til))
                return false;
            if (fra >= 0 && !omraade(fra, til))
                return false;
            if (fra >= 0 && til >= 0 && !m_tomt)
                continue;
            // The end as far as the reads tell: what was added meanwhile is
            // copied too, unless the file gives nothing more than it gave.
            if (::fstat(m_in, &slut) != 0)
                return false;
            m_kendt = slut.st_size;
            if (m_tomt || m_kendt <= m_pos)
                break;
            qint64 mere = m_pos;
            if (huller && !naesteData(mere, til))
                return false;
            if (mere < 0)
                break;
        }
        if (m_pos == 0 && m_options.progress && !m_options.progress(0, m_kendt)) {
            errno = 0;
            return false;
        }
        // A hole at the end, or a source that shrank, sets the size.
        if (laengde() != m_skrevetTil && ::ftruncate(m_out, laengde()) != 0)
            return false;
        return true;
    }

    // The size of the copy: where the reads ended when they did, else the
    // file's (which ends in a hole, or was not read past).
    qint64 laengde() const { return m_slutLaest ? m_pos : m_kendt; }

private:
    static constexpr qint64 mindst = 64 << 10;
    static constexpr qint64 hoejst = 32 << 20;

    // The data extent at or after fra, to til; fra -1 when only a hole is left.
    bool naesteData(qint64& fra, qint64& til)
    {
        fra = ::lseek(m_in, m_pos, SEEK_DATA);
        if (fra < 0)
            return errno == ENXIO;
        til = ::lseek(m_in, fra, SEEK_HOLE);
        return til >= 0;
    }

    // Copies [fra, til), or from fra to the end of the file when til is -1:
    // to the size last seen, which the caller then checks, or further when
    // no size was seen.
    bool omraade(qint64 fra, qint64 til)
    {
        m_pos = fra;
        while (til < 0 ? m_kendt == 0 || m_pos < m_kendt : m_pos < til) {
            const qint64 oenske = til < 0 ? m_stykke : std::min(m_stykke, til - m_pos);
            if (injiceret(FejlPunkt::Skriv, m_dst, m_pos))
                return false;
            const auto start = std::chrono::steady_clock::now();
            const qint64 n = flyt(oenske);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return false;
            m_slutLaest = n == 0;
            if (n == 0) {
                m_tomt = m_pos == fra;
                break;
            }
            m_pos += n;
            m_skrevetTil = m_pos;
            tilpas(std::chrono::steady_clock::now() - start);
            // A file that grows meanwhile says so at once, so the progress shows its share of the new size.
            struct stat nu;
            if (til < 0 && ::fstat(m_in, &nu) == 0 && nu.st_size > m_kendt)
                m_kendt = nu.st_size;
            if (m_options.progress && !m_options.progress(m_pos, std::max(m_kendt, m_pos))) {
                errno = 0;
                return false;
            }
        }
        return true;
    }

    qint64 flyt(qint64 oenske)
    {
        if (m_kerne) {
            loff_t a = m_pos, b = m_pos;
            const ssize_t n = ::copy_file_range(m_in, &a, m_out, &b, size_t(oenske), 0);
            if (n > 0 || (n < 0 && errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP))
                return n;
            // Not between these two file systems; and files such as those
            // under /proc give the kernel copy nothing, so a read says where the end is.
            m_kerne = false;
        }
        // Not zeroed first: an empty file reads nothing into it, and a megabyte
        // of zeros for each would cost more than the copy.
        if (m_bufferStoerrelse < oenske) {
            m_buffer.reset(new char[size_t(oenske)]);
            m_bufferStoerrelse = oenske;
        }
        const ssize_t n = ::pread(m_in, m_buffer.get(), size_t(oenske), m_pos);
        if (n > 0 && (::lseek(m_out, m_pos, SEEK_SET) < 0 || !writeAll(m_out, m_buffer.get(), n)))
            return -1;
        return n;
    }

    // Pieces of 20 to 50 ms: Stop and the bars answer at once on slow media,
    // and fast media are copied in big pieces.
    void tilpas(std::chrono::steady_clock::duration tid)
    {
        using namespace std::chrono_literals;
        if (tid < 20ms)
            m_stykke = std::min(m_stykke * 2, hoejst);
        else if (tid > 50ms)
            m_stykke = std::max(qint64(m_stykke * (30ms / std::chrono::duration<double, std::milli>(tid))) & ~qint64(4095), mindst);
    }

    const int m_in;
    const int m_out;
    const QByteArray& m_dst;
    const CopyOptions& m_options;
    qint64 m_kendt;  // the size last seen
    bool m_tomt = false;  // the last range gave nothing at all
    bool m_slutLaest = false;  // the last read found the end of the file
    qint64 m_pos = 0;
    qint64 m_skrevetTil = 0;
    qint64 m_stykke = 1 << 20;
    bool m_kerne = true;
    std::unique_ptr<char[]> m_buffer;
    qint64 m_bufferStoerrelse = 0;
};

// The host names of a copy's source and target; the reason in result when one has none.
std::pair<std::optional<QByteArray>, std::optional<QByteArray>> vaertsnavne(const QString& from, const QString& to,
                                                                          CopyResult& result)
{
    auto src = hostName(from, &result.error);
    auto dst = hostName(to, &result.error);
    return {std::move(src), std::move(dst)};
}

// The extended attributes a copy keeps, as cp -a does: the user's own and the
// access lists. False when the source had some the target did not take.
bool kopierAttributter(int in, int out, bool mappe)
{
    std::vector<char> navne(4096);
    ssize_t n;
    while ((n = ::flistxattr(in, navne.data(), navne.size())) < 0 && errno == ERANGE)
        navne.resize(navne.size() * 4);
    if (n <= 0)
        return true;  // none, or a file system without them: nothing to keep
    bool alt = true;
    std::vector<char> vaerdi;
    for (const char* p = navne.data(); p < navne.data() + n; p += std::strlen(p) + 1) {
        const std::string_view navn(p);
        if (!navn.starts_with("user.") && navn != "system.posix_acl_access"
            && !(mappe && navn == "system.posix_acl_default"))
            continue;
        const ssize_t l = ::fgetxattr(in, p, nullptr, 0);
        vaerdi.resize(size_t(std::max<ssize_t>(l, 0)));
        const ssize_t laest = l < 0 ? -1 : ::fgetxattr(in, p, vaerdi.data(), vaerdi.size());
        if (laest < 0 || ::fsetxattr(out, p, vaerdi.data(), size_t(laest), 0) != 0)
            alt = false;
    }
    return alt;
}

} // namespace

CopyResult copyFile(const QString& from, const QString& to, const CopyOptions& options)
{
    CopyResult result;
    const auto [src, dst] = vaertsnavne(from, to, result);
    if (!src || !dst)
        return result;
    // The kind is known before anything is opened: only a regular file is read.
    struct stat st;
    if (injiceret(FejlPunkt::AabnLaesning, *src) || (!options.knownRegular && ::stat(src->constData(), &st) != 0)) {
        result.error = failure(from, errno);
        return result;
    }
    if (!options.knownRegular && S_ISDIR(st.st_mode)) {
        result.error = failure(from, EISDIR);
        return result;
    }
    if (!options.knownRegular && !S_ISREG(st.st_mode))
        return kopierSaerfil(*dst, from, to, st, options.overwrite);
    // Opened without waiting, in case it was swapped for a special file meanwhile.
    Fd in(::open(src->constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (in.fd < 0 || ::fstat(in.fd, &st) != 0 || ::fcntl(in.fd, F_SETFL, 0) != 0) {
        result.error = failure(from, errno);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.error = u"Filen blev udskiftet under kopieringen."_qs + u'\r' + from;
        return result;
    }
    // Made with no set-ID bits and writable; the mode is set when the owner is.
    const auto maal = lavMaal(*dst, to, st, options.overwrite, true, [&](const char* navn) {
        return ::open(navn, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, (st.st_mode & 0777) | S_IWUSR);
    }, result);
    if (!maal)
        return result;
    Fd out(maal->fd);
    const auto fail = [&](int err) {
        ::unlink(maal->navn.constData());
        result.status = err == 0 ? CopyStatus::Stopped : CopyStatus::Failed;
        result.error = err == 0 ? QString() : failure(to, err);
        return result;
    };

    // The size it has as the copy begins: what it grows by later is told as it grows.
    if (options.progress && !options.progress(0, st.st_size))
        return fail(0);
    struct stat slut;
    Dataflytning data(in.fd, out.fd, *dst, options, st.st_size);
    if (!data.alt(qint64(st.st_blocks) * 512 < qint64(st.st_size), slut))
        return fail(errno);

    bool skiftet = false;
    struct stat kopi;
    if (::fstat(out.fd, &kopi) != 0)
        return fail(errno);
    const mode_t mode = beholdEjer(st, kopi, skiftet, [&](uid_t u, gid_t g) { return ::fchown(out.fd, u, g); });
    // Set the permissions only where the umask, the owner or the name made them differ.
    if (skiftet || (kopi.st_mode & 07777) != mode)
        ::fchmod(out.fd, mode);
    result.attributterTabt = !kopierAttributter(in.fd, out.fd, false);
    const timespec times[2] = {st.st_atim, slut.st_mtim};
    ::futimens(out.fd, times);
    const int lukket = ::close(out.fd);
    out.fd = -1;
    if (lukket != 0)
        return fail(errno);
    if (!saetPaaPlads(*maal, *dst, to, result))
        return result;
    result.status = CopyStatus::Copied;
    result.bytes = data.laengde();
    husKilde(result, slut);
    return result;
}

CopyResult copyLink(const QString& from, const QString& to, bool overwrite)
{
    CopyResult result;
    const auto [src, dst] = vaertsnavne(from, to, result);
    if (!src || !dst)
        return result;
    struct stat st;
    QByteArray tekst(4096, Qt::Uninitialized);
    const ssize_t n = ::lstat(src->constData(), &st) == 0
        ? ::readlink(src->constData(), tekst.data(), size_t(tekst.size())) : -1;
    if (n < 0) {
        result.error = failure(from, errno);
        return result;
    }
    tekst.truncate(n);
    const auto maal = lavMaal(*dst, to, st, overwrite, false, [&](const char* navn) {
        return ::symlink(tekst.constData(), navn);
    }, result);
    if (!maal)
        return result;
    bool skiftet = false;
    struct stat kopi;
    if (::lstat(maal->navn.constData(), &kopi) == 0)
        beholdEjer(st, kopi, skiftet, [&](uid_t u, gid_t g) { return ::lchown(maal->navn.constData(), u, g); });
    const timespec tider[2] = {st.st_atim, st.st_mtim};
    ::utimensat(AT_FDCWD, maal->navn.constData(), tider, AT_SYMLINK_NOFOLLOW);
    if (!saetPaaPlads(*maal, *dst, to, result))
        return result;
    result.status = CopyStatus::Copied;
    husKilde(result, st);
    return result;
}

bool copyFolderAttributes(const QString& from, const QString& to, QString* error, bool* attributterTabt)
{
    const auto src = hostName(from, error);
    const auto dst = hostName(to, error);
    if (!src || !dst)
        return false;
    const auto fejl = [&](const QString& path) {
        if (error) *error = failure(path, errno);
        return false;
    };
    struct stat st;
    if (::stat(src->constData(), &st) != 0)
        return fejl(from);
    Fd mappe(::open(dst->constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat kopi;
    if (mappe.fd < 0 || ::fstat(mappe.fd, &kopi) != 0)
        return fejl(to);
    bool skiftet = false;
    const mode_t mode = beholdEjer(st, kopi, skiftet, [&](uid_t u, gid_t g) { return ::fchown(mappe.fd, u, g); });
    const timespec tider[2] = {st.st_atim, st.st_mtim};
    if (::fchmod(mappe.fd, mode) != 0 || ::futimens(mappe.fd, tider) != 0)
        return fejl(to);
    Fd kilde(::open(src->constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // A source folder that cannot be opened was reported as such already.
    const bool tabt = kilde.fd >= 0 && !kopierAttributter(kilde.fd, mappe.fd, true);
    if (attributterTabt)
        *attributterTabt = tabt;
    return true;
}

bool fileUnchanged(const QString& path, qint64 size, qint64 mtimeNs, QString* error)
{
    const auto host = hostName(path, error);
    if (!host)
        return false;
    struct stat st;
    const int err = ::lstat(host->constData(), &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    if (err) {
        if (error) *error = failure(path, err);
        return false;
    }
    if (st.st_size != size || nanosek(st.st_mtim) != mtimeNs) {
        if (error)
            *error = u"Filen er ændret, efter den blev kopieret, og er ikke slettet."_qs + u'\r' + path;
        return false;
    }
    return true;
}

bool removeFileIfUnchanged(const QString& path, qint64 size, qint64 mtimeNs, QString* error)
{
    return fileUnchanged(path, size, mtimeNs, error) && removeFile(path, error);
}

} // namespace kv
