#include "DesktopSkal.h"
#include "Terminal.h"
#include "Vaert.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

namespace {

// A program is handed a path as text, which cannot carry a host name that is
// not UTF-8. Such a path is handed over as a link with a name that is, in a
// folder of the user's own, pointing at exactly the file; other paths as they are.
QString somTekst(const QByteArray& vaert)
{
    const QString tekst = QFile::decodeName(vaert);
    if (QFile::encodeName(tekst) == vaert)
        return tekst;
    QString rod = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (rod.isEmpty())
        rod = QDir::tempPath();
    const QByteArray mappe = QFile::encodeName(rod) + "/kvistlund-" + QByteArray::number(::getuid()) + "-navne";
    ::mkdir(mappe.constData(), 0700);
    struct stat st;
    // Only a folder that is ours and nobody else's, never one made by another user meanwhile.
    if (::lstat(mappe.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 077))
        return tekst;
    const QByteArray navn = QCryptographicHash::hash(vaert, QCryptographicHash::Sha1).toHex().left(12) + '-'
                          + QFile::encodeName(tekst.section(u'/', -1));
    const QByteArray link = mappe + '/' + navn;
    ::unlink(link.constData());
    return ::symlink(vaert.constData(), link.constData()) == 0 ? QFile::decodeName(link) : tekst;
}

} // namespace

static std::unique_ptr<Skal>& nuvaerende()
{
    static std::unique_ptr<Skal> s;
    return s;
}

Skal& Skal::instance()
{
    if (!nuvaerende())
        nuvaerende() = std::make_unique<DesktopSkal>();
    return *nuvaerende();
}

void Skal::install(std::unique_ptr<Skal> skal)
{
    nuvaerende() = std::move(skal);
}

static QString& installeretMappe()
{
    static QString mappe;
    return mappe;
}

void Skal::saetProgrammappe(const QString& mappe)
{
    installeretMappe() = mappe;
}

QString Skal::programmappe()
{
    return installeretMappe();
}

QString Skal::argument(const QString& sti)
{
    const auto bytes = hostName(sti);
    return bytes ? somTekst(*bytes) : QString();
}

DesktopSkal::DesktopSkal(Programopslag opslag, Starter starter)
    : m_opslag(std::move(opslag)), m_starter(std::move(starter))
{
    if (!m_starter)
        m_starter = [](const QString& p, const QStringList& a, const QString& m) {
            return QProcess::startDetached(p, a, m);
        };
}

int DesktopSkal::startProgram(QStringList kommando, const QString& mappe)
{
    if (kommando.isEmpty())
        return 27;
    QString program = kommando.takeFirst();
    if (!program.startsWith(u'/'))
        program = QStandardPaths::findExecutable(program);
    if (program.isEmpty())
        return 27;
    return m_starter(program, kommando, mappe) ? skalUdfoert : 11;
}

int DesktopSkal::medProgram(const QString& type, const QString& vaert, const QString& mappe)
{
    const auto program = m_opslag.program(type);
    if (!program)
        return 31;
    return startProgram(program->kommando({vaert}), mappe);
}

// The error code of a host error while looking at the file.
static int kodeFor(int fejl, const QByteArray& vaert)
{
    switch (fejl) {
    case ENOENT: {
        struct stat st;
        const QByteArray mappe = vaert.left(vaert.lastIndexOf('/') + 1);
        return ::stat(mappe.constData(), &st) == 0 ? 2 : 3;
    }
    case ENOTDIR: return 3;
    case EACCES:
    case EPERM: return 5;
    case ETXTBSY:
    case EBUSY: return 26;
    default: return 0;
    }
}

int DesktopSkal::aabn(const QString& fil, bool redigering)
{
    const auto bytes = hostName(fil);
    if (!bytes)
        return 3;
    struct stat st;
    if (::stat(bytes->constData(), &st) != 0)
        return kodeFor(errno, *bytes);
    if (S_ISDIR(st.st_mode))
        return aabnMappe(fil);
    const QString vaert = somTekst(*bytes);
    const QString mappe = QFileInfo(vaert).absolutePath();
    if (redigering) {
        // Only text can be edited: the program of plain text edits it.
        const QString type = Programopslag::filtype(vaert);
        return Programopslag::arver(type, u"text/plain"_qs) ? medProgram(u"text/plain"_qs, vaert, mappe) : 31;
    }
    const QString endelse = QFileInfo(vaert).suffix().toLower();
    if (endelse == u"sh")  // in a terminal that stays open, as a console does
        return startProgram(terminalKommando({u"sh"_qs, u"-c"_qs, u"sh \"$1\"; exec \"${SHELL:-sh}\""_qs, u"sh"_qs, vaert}),
                            mappe);
    // The installed scripts are sh scripts; anywhere else such a file is text.
    if ((endelse == u"vbs" || endelse == u"wsf") && !programmappe().isEmpty() && isInsideOrSame(fil, programmappe()))
        return startProgram({u"/bin/sh"_qs, vaert}, mappe);
    // What a file is comes from its type, by name and content; the execute
    // bit alone never makes a document (a picture from a FAT disk) a program.
    const QString type = Programopslag::filtype(vaert);
    if (S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR)) {
        if (Programopslag::koerbarType(type))
            return startProgram({vaert}, mappe);
        if (type == u"application/octet-stream")  // executable, but nothing the desktop knows
            return 11;
    }
    return medProgram(type, vaert, mappe);
}

int DesktopSkal::aabnMappe(const QString& mappe)
{
    const auto bytes = hostName(mappe);
    if (!bytes)
        return 3;
    struct stat st;
    if (::stat(bytes->constData(), &st) != 0)
        return kodeFor(errno, *bytes) == 2 ? 3 : kodeFor(errno, *bytes);
    if (!S_ISDIR(st.st_mode))
        return 3;
    const QString vaert = somTekst(*bytes);
    const int svar = medProgram(u"inode/directory"_qs, vaert, vaert);
    // The desktop's own opener is the last resort.
    return svar == 31 ? startProgram({u"xdg-open"_qs, vaert}, vaert) : svar;
}

} // namespace kv
