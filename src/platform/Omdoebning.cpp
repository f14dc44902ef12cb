#include "Omdoebning.h"
#include "HostName.h"
#include "ProgramPath.h"
#include "Vaert.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

QString checkTypedName(const QString& navn, const QString& gammeltNavn)
{
    if (navn.trimmed().isEmpty())
        return u"Der mangler et nyt navn."_qs;
    if (navn == u"."_qs || navn == u".."_qs)
        return u"Navnet må ikke være \".\" eller \"..\"."_qs;
    for (const QChar c : navn) {
        if (c == u'\\' || c == u'/' || c.category() == QChar::Other_Control)
            return u"Navnet må ikke indeholde \\, / eller styretegn som linjeskift og nultegn."_qs;
        // A character that stands for a host byte could be any byte, "/" and NUL
        // among them; only those the old name already had are kept.
        if (isEscapedByte(c.unicode()) && !gammeltNavn.contains(c))
            return u"Navnet indeholder et tegn, der ikke kan bruges i et navn."_qs;
    }
    if (encodeHostName(navn).size() > 255)
        return u"Navnet er for langt.\rEt navn må højst fylde 255 byte."_qs;
    return QString();
}

namespace {

int renameHost(const QByteArray& fra, const QByteArray& til)
{
    if (::renameat2(AT_FDCWD, fra.constData(), AT_FDCWD, til.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // The file system refuses the flag: a hard link cannot replace anything;
    // a folder gets a rename checked just before.
    struct stat st;
    if (::lstat(fra.constData(), &st) != 0)
        return errno;
    if (!S_ISDIR(st.st_mode)) {
        if (::link(fra.constData(), til.constData()) == 0)
            return ::unlink(fra.constData()) == 0 ? 0 : errno;
        if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK)
            return errno;
    }
    if (::lstat(til.constData(), &st) == 0)
        return EEXIST;
    return ::rename(fra.constData(), til.constData()) == 0 ? 0 : errno;
}

// On a file system that ignores case the new name is the old entry itself.
bool sammeEntry(const QByteArray& a, const QByteArray& b)
{
    struct stat sa, sb;
    return ::lstat(a.constData(), &sa) == 0 && ::lstat(b.constData(), &sb) == 0 && sa.st_dev == sb.st_dev
        && sa.st_ino == sb.st_ino;
}

} // namespace

RenameStatus renameNoReplace(const QString& fra, const QString& til, QString* error, int* errnum)
{
    const auto hFra = hostName(fra, error);
    const auto hTil = hostName(til, error);
    if (!hFra || !hTil)
        return RenameStatus::Fejl;
    int err = 0;
    if (sameTextAZ(fra, til) && sammeEntry(*hFra, *hTil)) {
        QByteArray mellem;
        const int fd = makeBeside(*hTil, mellem, [&](const char* navn) {
            errno = renameHost(*hFra, navn);
            return errno == 0 ? 0 : -1;
        });
        err = fd < 0 ? errno : renameHost(mellem, *hTil);
        if (fd >= 0 && err != 0)
            ::rename(mellem.constData(), hFra->constData());
    } else {
        err = renameHost(*hFra, *hTil);
    }
    if (errnum)
        *errnum = err;
    if (err == 0)
        return RenameStatus::Omdoebt;
    if (err == EEXIST || err == ENOTEMPTY)
        return RenameStatus::Optaget;
    if (error)
        *error = failure(fra, err);
    return RenameStatus::Fejl;
}

NyMappeStatus createFolderOnce(const QString& sti, QString* error)
{
    const auto host = hostName(sti, error);
    if (!host)
        return NyMappeStatus::Fejl;
    if (::mkdir(host->constData(), 0777) == 0)
        return NyMappeStatus::Oprettet;
    if (errno == EEXIST)
        return NyMappeStatus::Findes;
    if (error)
        *error = failure(sti, errno);
    return NyMappeStatus::Fejl;
}

NyMappeStatus createFileOnce(const QString& sti, const QByteArray& data, QString* error)
{
    const auto host = hostName(sti, error);
    if (!host)
        return NyMappeStatus::Fejl;
    QByteArray temp;
    int fd = injiceret(FejlPunkt::AabnSkrivning, *host) ? -1 : openTemporaryBeside(*host, temp);
    int fejl = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (!writeAll(fd, data.constData(), data.size()) || ::fsync(fd) != 0)
            fejl = errno;
        if (::close(fd) != 0 && !fejl)
            fejl = errno;
        if (!fejl)
            fejl = renameHost(temp, *host);
        if (fejl)
            ::unlink(temp.constData());
    }
    if (!fejl)
        return NyMappeStatus::Oprettet;
    if (fejl == EEXIST)
        return NyMappeStatus::Findes;
    if (error)
        *error = failure(sti, fejl);
    return NyMappeStatus::Fejl;
}

} // namespace kv
