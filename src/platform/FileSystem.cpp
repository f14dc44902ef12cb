#include "FileSystem.h"
#include "Helfiler.h"
#include "HostName.h"
#include "Listning.h"
#include "NameOrder.h"
#include "Platform.h"
#include "ProgramPath.h"
#include "Vaert.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <stop_token>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kv {

namespace {

FejlKrog& fejlKrog()
{
    static FejlKrog krog;
    return krog;
}

} // namespace

bool injiceret(FejlPunkt punkt, const QByteArray& vaert, qint64 skrevet)
{
    if (!fejlKrog())
        return false;
    const int err = fejlKrog()(punkt, vaert, skrevet);
    if (err == 0)
        return false;
    errno = err;
    return true;
}

namespace {

QString noDriveText(const QString& programPath)
{
    return u"Stien findes ikke på noget drev."_qs + u'\r' + programPath;
}

} // namespace

std::optional<QByteArray> hostName(const QString& programPath, QString* error)
{
    auto host = drives().toHostBytes(programPath);
    if (!host && error)
        *error = noDriveText(programPath);
    return host;
}

namespace {

qint64 msecs(const statx_timestamp& t)
{
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

// Fills the attributes of an entry from the host; false when it is gone.
bool describe(int dirfd, const char* name, DirEntry& e)
{
    struct statx sx;
    if (statx(dirfd, name, AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0)
        return false;
    e.isLink = S_ISLNK(sx.stx_mode);
    e.regular = S_ISREG(sx.stx_mode);
    if (e.isLink) {
        // Shown as what it points at; a dangling link stays a file.
        struct statx target;
        if (statx(dirfd, name, 0, STATX_BASIC_STATS | STATX_BTIME, &target) == 0)
            sx = target;
    }
    e.isDir = S_ISDIR(sx.stx_mode);
    e.readOnly = !(sx.stx_mode & S_IWUSR);
    e.size = e.isDir ? 0 : qint64(sx.stx_size);
    e.modifiedMs = msecs(sx.stx_mtime);
    e.accessedMs = msecs(sx.stx_atime);
    e.createdMs = (sx.stx_mask & STATX_BTIME) ? msecs(sx.stx_btime) : msecs(sx.stx_ctime);
    return true;
}

} // namespace

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

int makeBeside(const QByteArray& target, QByteArray& tempName, const std::function<int(const char*)>& make)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = folder + ".kvistlund-" + QByteArray::number(::getpid()) + '-'
                 + QByteArray::number(quint64(::random()), 36) + ".tmp";
        const int fd = make(tempName.constData());
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

QByteArray brugerensCachemappe()
{
    const QByteArray xdg = qgetenv("XDG_CACHE_HOME");
    if (xdg.startsWith('/'))
        return xdg;
    const QByteArray home = qgetenv("HOME");
    return home.startsWith('/') ? home + "/.cache" : QByteArray();
}

bool lavPrivatMappe(const QByteArray& mappe)
{
    for (qsizetype i = 1; i <= mappe.size(); ++i)
        if ((i == mappe.size() || mappe[i] == '/')
            && ::mkdir(mappe.left(i).constData(), 0700) != 0 && errno != EEXIST)
            return false;
    return true;
}

int openTemporaryBeside(const QByteArray& target, QByteArray& tempName)
{
    return makeBeside(target, tempName, [](const char* name) {
        return ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    });
}

QString failure(const QString& path, int err)
{
    return systemErrorText(err) + u'\r' + path;
}

void saetFejlKrog(FejlKrog krog)
{
    fejlKrog() = std::move(krog);
}

QString systemErrorText(int errnum)
{
    switch (errnum) {
    case ENOENT: return u"Systemet kan ikke finde den angivne fil."_qs;
    case ENOTDIR: return u"Systemet kan ikke finde den angivne sti."_qs;
    case EACCES:
    case EPERM: return u"Adgang nægtet."_qs;
    case ENOSPC: return u"Der er ikke nok plads på disken."_qs;
    case EDQUOT: return u"Diskkvoten er overskredet."_qs;
    case EEXIST: return u"Filen findes allerede."_qs;
    case EROFS: return u"Mediet er skrivebeskyttet."_qs;
    case EIO: return u"Der opstod en I/O-fejl på enheden."_qs;
    case ENAMETOOLONG: return u"Filnavnet eller stien er for lang."_qs;
    case EISDIR: return u"Der findes en mappe med dette navn."_qs;
    case EBUSY:
    case ETXTBSY: return u"Filen er i brug af en anden proces."_qs;
    case ELOOP: return u"For mange niveauer af symbolske kæder."_qs;
    case ENOTEMPTY: return u"Mappen er ikke tom."_qs;
    case EXDEV: return u"Filen kan ikke flyttes til et andet drev."_qs;
    case EFBIG: return u"Filen er for stor til drevet."_qs;
    default: return u"Systemfejl %1: %2"_qs.arg(errnum).arg(QString::fromLocal8Bit(std::strerror(errnum)));
    }
}

namespace {

// Reads a folder, sorted by name; beskriv fills in what the caller needs of
// each entry, or says the entry is gone. "." and ".." are left out. A stop
// asked for meanwhile ends the reading with nothing.
std::optional<std::vector<DirEntry>> laesVaertMappe(const QByteArray& host,
                                                    bool (*beskriv)(int dirfd, const dirent* d, DirEntry& e),
                                                    std::stop_token stop = {})
{
    DIR* dir = ::opendir(host.constData());
    if (!dir)
        return std::nullopt;
    const int dfd = ::dirfd(dir);
    std::vector<DirEntry> entries;
    unsigned antal = 0;
    while (const dirent* d = ::readdir(dir)) {
        if (++antal % 1024 == 0 && stop.stop_requested())
            break;
        const char* raw = d->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
            continue;
        DirEntry e;
        if (!beskriv(dfd, d, e))
            continue;
        e.name = decodeHostName(raw);
        e.hidden = raw[0] == '.';
        entries.push_back(std::move(e));
    }
    ::closedir(dir);
    if (stop.stop_requested())
        return std::nullopt;
    sortByName(entries);
    return entries;
}

std::optional<std::vector<DirEntry>> laesMappe(const QString& folder,
                                               bool (*beskriv)(int dirfd, const dirent* d, DirEntry& e))
{
    const auto host = hostName(folder);
    if (!host)
        return std::nullopt;
    return laesVaertMappe(*host, beskriv);
}

// The kind the listing tells, asked of the host only where it does not.
bool beskrivArt(int dfd, const dirent* d, DirEntry& e)
{
    unsigned char type = d->d_type;
    if (type == DT_UNKNOWN) {
        struct stat st;
        if (::fstatat(dfd, d->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        type = IFTODT(st.st_mode);
    }
    e.isDir = type == DT_DIR;
    e.isLink = type == DT_LNK;
    e.regular = type == DT_REG;
    return true;
}

// The kind as a structure shows it: a link to a folder is a folder, and only
// links cost a look at the host beyond the listing.
bool beskrivVist(int dfd, const dirent* d, DirEntry& e)
{
    if (!beskrivArt(dfd, d, e))
        return false;
    struct stat maal;
    if (e.isLink && ::fstatat(dfd, d->d_name, &maal, 0) == 0)
        e.isDir = S_ISDIR(maal.st_mode);
    return true;
}

// The rest is left out before its name is read or sorted.
bool beskrivUndermappe(int dfd, const dirent* d, DirEntry& e)
{
    return beskrivVist(dfd, d, e) && e.isDir;
}

} // namespace

std::optional<std::vector<DirEntry>> listFolder(const QString& folder)
{
    return laesMappe(folder, [](int dfd, const dirent* d, DirEntry& e) { return describe(dfd, d->d_name, e); });
}

std::optional<std::vector<DirEntry>> listFolderKinds(const QString& folder)
{
    return laesMappe(folder, beskrivArt);
}

std::function<std::optional<std::vector<DirEntry>>(std::stop_token)> folderShownLister(const QString& folder)
{
    return [host = hostName(folder)](std::stop_token stop) -> std::optional<std::vector<DirEntry>> {
        if (!host)
            return std::nullopt;
        return laesVaertMappe(*host, beskrivVist, stop);
    };
}

std::optional<std::vector<DirEntry>> listFolderShown(const QString& folder)
{
    return laesMappe(folder, beskrivVist);
}

std::optional<std::vector<DirEntry>> listSubfolders(const QString& folder)
{
    return laesMappe(folder, beskrivUndermappe);
}

std::optional<DirEntry> entryInfo(const QString& path)
{
    const auto host = hostName(path);
    if (!host)
        return std::nullopt;
    DirEntry e;
    if (!describe(AT_FDCWD, host->constData(), e))
        return std::nullopt;
    e.name = path.mid(path.lastIndexOf(u'\\') + 1);
    e.hidden = e.name.startsWith(u'.');
    return e;
}

bool folderExists(const QString& path)
{
    const auto host = hostName(path);
    struct stat st;
    return host && ::stat(host->constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool fileExists(const QString& path)
{
    const auto host = hostName(path);
    struct stat st;
    if (!host || ::lstat(host->constData(), &st) != 0)
        return false;
    if (!S_ISLNK(st.st_mode))
        return !S_ISDIR(st.st_mode);
    return ::stat(host->constData(), &st) != 0 || !S_ISDIR(st.st_mode);
}

bool createFolder(const QString& path, QString* error)
{
    const auto host = hostName(path, error);
    if (!host)
        return false;
    // Most folders are made in one that exists already.
    if (::mkdir(host->constData(), 0777) == 0)
        return true;
    QByteArray partial;
    for (const QByteArray& part : host->split('/')) {
        if (part.isEmpty() && !partial.isEmpty())
            continue;
        partial += part + '/';
        if (::mkdir(partial.constData(), 0777) != 0 && errno != EEXIST) {
            if (error) *error = failure(path, errno);
            return false;
        }
    }
    if (!folderExists(path)) {
        if (error) *error = failure(path, ENOTDIR);
        return false;
    }
    return true;
}

namespace {

// Removes one entry with the host call given; false with a reason when it fails.
bool fjern(const QString& path, QString* error, int (*kald)(const char*))
{
    const auto host = hostName(path, error);
    if (!host)
        return false;
    if (injiceret(FejlPunkt::Slet, *host) || kald(host->constData()) != 0) {
        if (error) *error = failure(path, errno);
        return false;
    }
    return true;
}

} // namespace

bool removeFile(const QString& path, QString* error)
{
    return fjern(path, error, ::unlink);
}

bool removeEmptyFolder(const QString& path, QString* error)
{
    return fjern(path, error, ::rmdir);
}

namespace {

bool sammeInode(const QString& a, const QString& b, int (*statFn)(const char*, struct stat*))
{
    const auto ha = hostName(a);
    const auto hb = hostName(b);
    struct stat sa, sb;
    return ha && hb && statFn(ha->constData(), &sa) == 0 && statFn(hb->constData(), &sb) == 0
        && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace

bool sameFile(const QString& a, const QString& b)
{
    return sammeInode(a, b, ::stat);
}

bool sameEntry(const QString& a, const QString& b)
{
    return sammeInode(a, b, ::lstat);
}

bool isInsideOrSame(const QString& inner, const QString& outer)
{
    const auto hi = hostName(inner);
    const auto ho = hostName(outer);
    if (!hi || !ho)
        return false;
    char* ri = ::realpath(hi->constData(), nullptr);
    char* ro = ::realpath(ho->constData(), nullptr);
    bool inde = false;
    if (ri && ro) {
        const QByteArray i(ri), o(ro);
        inde = i == o || i.startsWith(o == "/" ? o : o + '/');
    }
    ::free(ri);
    ::free(ro);
    return inde;
}

namespace {

// Removes what dirfd/name stands for without following links; counts failures.
void fjernIndhold(int dirfd, const char* name, int& fejlErrno)
{
    struct stat st;
    if (::fstatat(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (!fejlErrno) fejlErrno = errno;
        return;
    }
    if (S_ISDIR(st.st_mode)) {
        const int fd = ::openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0) {
            DIR* dir = ::fdopendir(fd);
            if (dir) {
                while (const dirent* d = ::readdir(dir)) {
                    const char* n = d->d_name;
                    if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
                        continue;
                    fjernIndhold(::dirfd(dir), n, fejlErrno);
                }
                ::closedir(dir);
            } else {
                ::close(fd);
            }
        }
        if (::unlinkat(dirfd, name, AT_REMOVEDIR) != 0 && !fejlErrno)
            fejlErrno = errno;
    } else if (::unlinkat(dirfd, name, 0) != 0 && !fejlErrno) {
        fejlErrno = errno;
    }
}

} // namespace

int fjernVaertTrae(const QByteArray& vaert)
{
    int fejlErrno = 0;
    fjernIndhold(AT_FDCWD, vaert.constData(), fejlErrno);
    return fejlErrno;
}

bool removeTree(const QString& path, QString* error)
{
    const auto host = hostName(path, error);
    if (!host)
        return false;
    const int fejlErrno = fjernVaertTrae(*host);
    if (fejlErrno && error)
        *error = failure(path, fejlErrno);
    return fejlErrno == 0;
}

bool writeWholeFile(const QString& path, const QByteArray& data, QString* error)
{
    const QString fejl = writeWholeFiles({{path, data}}).constFirst();
    if (error && !fejl.isEmpty())
        *error = fejl;
    return fejl.isEmpty();
}

QStringList writeWholeFiles(const QList<Helfil>& filer)
{
    QStringList fejl(filer.size());
    // A bounded number at a time, so a long list never runs out of descriptors.
    constexpr qsizetype bunke = 64;
    for (qsizetype fra = 0; fra < filer.size(); fra += bunke) {
        struct Skrivning {
            QByteArray vaert, temp;
            int fd = -1;
        };
        const qsizetype til = std::min(filer.size(), fra + bunke);
        std::vector<Skrivning> s(size_t(til - fra));
        const auto fejlet = [&](qsizetype i, int err) {
            Skrivning& w = s[size_t(i - fra)];
            fejl[i] = failure(filer[i].sti, err);
            if (w.fd >= 0)
                ::close(w.fd);
            w.fd = -1;
            if (!w.temp.isEmpty())
                ::unlink(w.temp.constData());
        };
        for (qsizetype i = fra; i < til; ++i) {
            Skrivning& w = s[size_t(i - fra)];
            const auto vaert = hostName(filer[i].sti, &fejl[i]);
            if (!vaert) {
                if (fejl[i].isEmpty())
                    fejl[i] = failure(filer[i].sti, EINVAL);
                continue;
            }
            w.vaert = *vaert;
            w.fd = injiceret(FejlPunkt::AabnSkrivning, w.vaert) ? -1 : openTemporaryBeside(w.vaert, w.temp);
            if (w.fd < 0) {
                w.temp.clear();
                fejlet(i, errno);
                continue;
            }
            // Keep the permissions of the file being replaced.
            struct stat st;
            if (::stat(w.vaert.constData(), &st) == 0)
                ::fchmod(w.fd, st.st_mode & 07777);
            if (!writeAll(w.fd, filer[i].data.constData(), filer[i].data.size())) {
                fejlet(i, errno);
                continue;
            }
            // Its way to the disk starts now; the flush below then waits for all together.
            ::sync_file_range(w.fd, 0, 0, SYNC_FILE_RANGE_WRITE);
        }
        for (qsizetype i = fra; i < til; ++i)
            if (s[size_t(i - fra)].fd >= 0 && ::fsync(s[size_t(i - fra)].fd) != 0)
                fejlet(i, errno);
        for (qsizetype i = fra; i < til; ++i) {
            Skrivning& w = s[size_t(i - fra)];
            if (w.fd < 0)
                continue;
            const int lukket = ::close(w.fd);
            w.fd = -1;
            if (lukket != 0 || ::rename(w.temp.constData(), w.vaert.constData()) != 0)
                fejlet(i, errno);
        }
    }
    return fejl;
}

} // namespace kv
