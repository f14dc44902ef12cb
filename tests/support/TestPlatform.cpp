#include "TestPlatform.h"
#include "FakeSkal.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvtest {

TestPlatform::TestPlatform(const QString& login) : m_login(login)
{
    QDir(m_dir.path()).mkpath(u"C"_qs);
    QDir(m_dir.path()).mkpath(u"D"_qs);
    nyTabel(kv::DriveTable({{u'C', m_dir.path() + u"/C"_qs, u"Hjem"_qs, kv::DriveFixed},
                            {u'D', m_dir.path() + u"/D"_qs, u"System"_qs, kv::DriveFixed}}));
}

void TestPlatform::nyTabel(kv::DriveTable tabel)
{
    m_tabeller.push_back(std::make_unique<const kv::DriveTable>(std::move(tabel)));
    m_drives.store(m_tabeller.back().get(), std::memory_order_release);
}

TestPlatform& TestPlatform::install(const QString& login)
{
    auto p = std::make_unique<TestPlatform>(login);
    TestPlatform& ref = *p;
    kv::Platform::install(std::move(p));
    // No test starts a real program.
    FakeSkal::install();
    return ref;
}

std::optional<QString> TestPlatform::specialFolder(kv::SpecialFolder folder) const
{
    using kv::SpecialFolder;
    const QString profil = profileFolder();
    QString path;
    switch (folder) {
    case SpecialFolder::Desktop: path = profil + u"\\Desktop"_qs; break;
    case SpecialFolder::Documents: path = profil + u"\\Documents"_qs; break;
    case SpecialFolder::Music: path = profil + u"\\Music"_qs; break;
    case SpecialFolder::Pictures: path = profil + u"\\Pictures"_qs; break;
    case SpecialFolder::Videos: path = profil + u"\\Videos"_qs; break;
    case SpecialFolder::Favorites: path = profil + u"\\Favorites"_qs; break;
    case SpecialFolder::Downloads: path = profil + u"\\Downloads"_qs; break;
    case SpecialFolder::LocalAppData: path = profil + u"\\AppData\\Local"_qs; break;
    case SpecialFolder::StartMenuPrograms: path = profil + u"\\AppData\\Roaming\\Start Menu\\Programs"_qs; break;
    case SpecialFolder::CommonDocuments: path = publicFolder() + u"\\Documents"_qs; break;
    case SpecialFolder::CommonMusic: path = publicFolder() + u"\\Music"_qs; break;
    case SpecialFolder::CommonPictures: path = publicFolder() + u"\\Pictures"_qs; break;
    case SpecialFolder::CommonVideos: path = publicFolder() + u"\\Videos"_qs; break;
    }
    if (!kv::folderExists(path))
        return std::nullopt;
    return path;
}

void TestPlatform::addDrive(QChar letter, const QString& label, int type, bool withRoot)
{
    const QString root = m_dir.path() + u'/' + letter;
    if (withRoot)
        QDir(m_dir.path()).mkpath(QString(letter));
    auto list = drives().drives();
    list.push_back({letter, root, label, type});
    nyTabel(kv::DriveTable(std::move(list)));
}

void TestPlatform::refreshDrives()
{
    if (!m_places.isEmpty())
        nyTabel(drives().medVolumener(m_places, m_letters));
}

QString TestPlatform::host(const QString& programPath) const
{
    return drives().toHost(programPath).value_or(QString());
}

QByteArray TestPlatform::hostBytes(const QString& programPath) const
{
    return drives().toHostBytes(programPath).value_or(QByteArray());
}

// Made through this platform's own drives, whichever platform is installed.
static void makeHostPath(const QByteArray& folder)
{
    for (qsizetype i = 1; i <= folder.size(); ++i)
        if (i == folder.size() || folder[i] == '/')
            ::mkdir(folder.left(i).constData(), 0777);
}

QString TestPlatform::makeFolder(const QString& programPath) const
{
    makeHostPath(hostBytes(programPath));
    return programPath;
}

QString TestPlatform::makeFile(const QString& programPath, const QByteArray& content) const
{
    const QByteArray h = hostBytes(programPath);
    makeHostPath(h.left(h.lastIndexOf('/')));
    const int fd = ::open(h.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        qWarning("makeFile: cannot create %s: %s", h.constData(), strerror(errno));
        return programPath;
    }
    if (::write(fd, content.constData(), size_t(content.size())) != content.size())
        qWarning("makeFile: short write");
    ::close(fd);
    return programPath;
}

} // namespace kvtest

namespace kvtest {

void TestPlatform::installProgramFiles(const QStringList& relativePaths) const
{
    for (const QString& rel : relativePaths) {
        const QString target = host(u"C:\\Kvistlund\\Program\\"_qs + rel);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(QStringLiteral(KV_SOURCE_DIR) + u"/program/"_qs + QString(rel).replace(u'\\', u'/'), target);
    }
}

} // namespace kvtest

namespace kvtest {

void TestPlatform::installStartFiles() const
{
    installProgramFiles({u"Egenskaber\\webliste Videnskab.txt"_qs, u"Egenskaber\\webliste Underholdning.txt"_qs,
                         u"Egenskaber\\webgruppe.txt"_qs});
}

} // namespace kvtest
