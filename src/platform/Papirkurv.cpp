#include "Papirkurv.h"
#include "HostName.h"
#include "FileSystem.h"
#include "Platform.h"
#include "Vaert.h"

#include <QHash>
#include <ctime>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

namespace {

constexpr char infoEndelse[] = ".trashinfo";
constexpr qsizetype infoEndelseLaengde = sizeof infoEndelse - 1;

// The longest name "files" can take: its info file adds ".trashinfo" and must fit too.
qsizetype navnMaks(const QByteArray& kurv)
{
    const long maks = ::pathconf((kurv + "/info").constData(), _PC_NAME_MAX);
    return (maks > 0 ? qsizetype(maks) : NAME_MAX) - infoEndelseLaengde;
}

// The first n bytes of a name, not cutting a UTF-8 character in two.
QByteArray afkortet(const QByteArray& navn, qsizetype n)
{
    if (navn.size() <= n)
        return navn;
    while (n > 0 && (uchar(navn[n]) & 0xC0) == 0x80)
        --n;
    return navn.left(n);
}

// A name in "files" that no other element uses, reserved by creating its info file.
// A name too long for the bin is shortened; the info file keeps the full path.
int reserverNavn(const QByteArray& kurv, const QByteArray& navn, QByteArray& valgt)
{
    const qsizetype maks = navnMaks(kurv);
    const qsizetype punkt = navn.lastIndexOf('.');
    const bool medEndelse = punkt > 0 && navn.size() - punkt <= 32;
    const QByteArray stamme = medEndelse ? navn.left(punkt) : navn;
    const QByteArray endelse = medEndelse ? navn.mid(punkt) : QByteArray();
    // Many elements of one name (every "index.html" of a tree) would each try
    // all the numbers used before; start after the last number given out.
    static QHash<QByteArray, int> sidste;
    int& forrige = sidste[kurv + '/' + navn];
    for (int forsoeg = 0; forsoeg < 100000; ++forsoeg) {
        const int n = forrige > 0 ? forrige + 1 : 1;
        forrige = n;
        const QByteArray nummer = n == 1 ? QByteArray() : '.' + QByteArray::number(n);
        valgt = n == 1 && navn.size() <= maks
            ? navn
            : afkortet(stamme, maks - nummer.size() - endelse.size()) + nummer + endelse;
        struct stat st;
        if (::lstat((kurv + "/files/" + valgt).constData(), &st) == 0)
            continue;
        const int fd = ::open((kurv + "/info/" + valgt + infoEndelse).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The names in a host folder as raw bytes, "." and ".." left out.
QList<QByteArray> navneI(const QByteArray& mappe)
{
    QList<QByteArray> navne;
    DIR* dir = ::opendir(mappe.constData());
    if (!dir)
        return navne;
    while (const dirent* d = ::readdir(dir)) {
        const QByteArray navn(d->d_name);
        if (navn != "." && navn != "..")
            navne << navn;
    }
    ::closedir(dir);
    return navne;
}

// The original host path an info file names; nothing when it cannot be read.
// A bin at a volume's top may give the path relative to that top.
std::optional<QByteArray> oprindeligSti(const QByteArray& infoFil, const QByteArray& top)
{
    const int fd = ::open(infoFil.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray indhold;
    char buf[16384];
    ssize_t n;
    while (indhold.size() < (1 << 20) && (n = ::read(fd, buf, sizeof buf)) > 0)
        indhold.append(buf, n);
    ::close(fd);
    bool iAfsnit = false;
    for (const QByteArray& linje : indhold.split('\n')) {
        const QByteArray l = linje.trimmed();
        if (l.startsWith('['))
            iAfsnit = l == "[Trash Info]";
        else if (iAfsnit && l.startsWith("Path=")) {
            const QByteArray sti = QByteArray::fromPercentEncoding(l.sliced(5));
            if (sti.isEmpty())
                return std::nullopt;
            return sti.startsWith('/') ? sti : top + '/' + sti;
        }
    }
    return std::nullopt;
}

bool paaDrev(const QByteArray& vaertSti, QChar drev)
{
    const auto sti = drives().toProgram(QByteArrayView(vaertSti));
    return sti && sti->front().toUpper() == drev.toUpper();
}

} // namespace

bool moveToTrash(const QString& path, QString* error)
{
    const auto fejlTekst = [&](const QString& tekst) {
        if (error)
            *error = tekst + u'\r' + path;
        return false;
    };
    const auto fejl = [&](int err) { return fejlTekst(systemErrorText(err)); };
    const auto host = drives().toHost(path);
    const auto hostBytes = drives().toHostBytes(path);
    if (!host || !hostBytes)
        return fejl(ENOENT);
    const QString kurvSti = Platform::instance().trashDirFor(*host);
    if (kurvSti.isEmpty())
        return fejlTekst(u"Drevet har ingen papirkurv."_qs);
    const QByteArray kurv = encodeHostName(kurvSti);
    const QByteArray& kilde = *hostBytes;
    for (const char* under : {"", "/files", "/info"})
        ::mkdir((kurv + under).constData(), 0700);

    QByteArray navn;
    const int fd = reserverNavn(kurv, kilde.mid(kilde.lastIndexOf('/') + 1), navn);
    if (fd < 0)
        return fejl(errno);
    // Local time, as the desktop expects it; strftime is far cheaper than a time-zone lookup per file.
    char dato[32];
    const time_t nu = ::time(nullptr);
    struct tm lokal;
    ::strftime(dato, sizeof dato, "%Y-%m-%dT%H:%M:%S", ::localtime_r(&nu, &lokal));
    const QByteArray info = "[Trash Info]\nPath=" + kilde.toPercentEncoding("/") + "\nDeletionDate=" + dato + "\n";
    const bool skrevet = ::write(fd, info.constData(), size_t(info.size())) == info.size();
    const int skrivErr = errno;
    ::close(fd);
    const QByteArray infoFil = kurv + "/info/" + navn + infoEndelse;
    if (!skrevet) {
        ::unlink(infoFil.constData());
        return fejl(skrivErr);
    }
    // A rename moves exactly this entry: a folder whole, a link as the link.
    // The bin lies on the element's own volume; should the host still refuse
    // (a bind mount), nothing is copied and the element stays where it is.
    if (::rename(kilde.constData(), (kurv + "/files/" + navn).constData()) != 0) {
        const int err = errno;
        ::unlink(infoFil.constData());
        return err == EXDEV ? fejlTekst(u"Papirkurven ligger på et andet drev."_qs) : fejl(err);
    }
    return true;
}

int emptyTrash(QChar drive, QString* error)
{
    int fjernet = 0;
    for (const QString& kurvSti : Platform::instance().trashDirsOfDrive(drive)) {
        const QByteArray kurv = encodeHostName(kurvSti);
        QByteArray top = kurv.left(kurv.lastIndexOf('/'));
        if (top.endsWith("/.Trash"))
            top.chop(7);
        // Only what was deleted from this drive; an element whose info file
        // cannot be read is left, as nobody can tell where it came from.
        for (const QByteArray& navn : navneI(kurv + "/files")) {
            const QByteArray info = kurv + "/info/" + navn + infoEndelse;
            const auto sti = oprindeligSti(info, top);
            if (!sti || !paaDrev(*sti, drive))
                continue;
            const QByteArray fil = kurv + "/files/" + navn;
            if (const int err = fjernVaertTrae(fil)) {
                if (error && error->isEmpty())
                    *error = systemErrorText(err) + u'\r' + decodeHostName(fil);
                continue;
            }
            ++fjernet;
            ::unlink(info.constData());
        }
        // Info files whose element is gone tell of nothing to restore.
        for (const QByteArray& navn : navneI(kurv + "/info")) {
            struct stat st;
            const QByteArray info = kurv + "/info/" + navn;
            if (!navn.endsWith(infoEndelse)
                || ::lstat((kurv + "/files/" + navn.chopped(infoEndelseLaengde)).constData(), &st) == 0)
                continue;
            if (const auto sti = oprindeligSti(info, top); sti && paaDrev(*sti, drive))
                ::unlink(info.constData());
        }
        if (fjernet > 0)
            ::unlink((kurv + "/directorysizes").constData());
    }
    return fjernet > 0 ? fjernet : -1;
}

} // namespace kv
