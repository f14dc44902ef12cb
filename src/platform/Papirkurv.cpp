#include "Papirkurv.h"
#include "FileSystem.h"
#include "Platform.h"
#include "Vaert.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <ctime>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

namespace {

// A name in "files" that no other element uses, reserved by creating its info file.
int reserverNavn(const QByteArray& kurv, const QByteArray& navn, QByteArray& valgt)
{
    const qsizetype punkt = navn.lastIndexOf('.');
    const bool medEndelse = punkt > 0;
    const QByteArray stamme = medEndelse ? navn.left(punkt) : navn;
    const QByteArray endelse = medEndelse ? navn.mid(punkt) : QByteArray();
    // Many elements of one name (every "index.html" of a tree) would each try
    // all the numbers used before; start after the last number given out.
    static QHash<QByteArray, int> sidste;
    int& forrige = sidste[kurv + '/' + navn];
    for (int forsoeg = 0; forsoeg < 100000; ++forsoeg) {
        const int n = forrige > 0 ? forrige + 1 : 1;
        forrige = n;
        valgt = n == 1 ? navn : stamme + '.' + QByteArray::number(n) + endelse;
        struct stat st;
        if (::lstat((kurv + "/files/" + valgt).constData(), &st) == 0)
            continue;
        const int fd = ::open((kurv + "/info/" + valgt + ".trashinfo").constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

bool moveToTrash(const QString& path, QString* error)
{
    const auto fejl = [&](int err) {
        if (error)
            *error = systemErrorText(err) + u'\r' + path;
        return false;
    };
    const auto host = drives().toHost(path);
    if (!host)
        return fejl(ENOENT);
    const QString kurvSti = Platform::instance().trashDirFor(*host);
    if (kurvSti.isEmpty())
        return fejl(EXDEV);
    const QByteArray kurv = QFile::encodeName(kurvSti);
    const QByteArray kilde = QFile::encodeName(*host);
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
    const QByteArray infoFil = kurv + "/info/" + navn + ".trashinfo";
    if (!skrevet) {
        ::unlink(infoFil.constData());
        return fejl(skrivErr);
    }
    if (::rename(kilde.constData(), (kurv + "/files/" + navn).constData()) != 0) {
        const int err = errno;
        ::unlink(infoFil.constData());
        return fejl(err);
    }
    return true;
}

int emptyTrash(QChar drive, QString* error)
{
    int fjernet = 0;
    for (const QString& kurv : Platform::instance().trashDirsOfDrive(drive)) {
        QDir filer(kurv + u"/files"_qs);
        for (const QString& navn : filer.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            const int err = fjernVaertTrae(QFile::encodeName(filer.filePath(navn)));
            if (err == 0) {
                ++fjernet;
                QFile::remove(kurv + u"/info/"_qs + navn + u".trashinfo"_qs);
            } else if (error && error->isEmpty()) {
                *error = systemErrorText(err) + u'\r' + filer.filePath(navn);
            }
        }
        QFile::remove(kurv + u"/directorysizes"_qs);
    }
    return fjernet > 0 ? fjernet : -1;
}

} // namespace kv
