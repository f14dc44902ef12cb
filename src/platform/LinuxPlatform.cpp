#include "LinuxPlatform.h"
#include "FileSystem.h"
#include "HostName.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

// Read as bytes, so a home folder with any name is the home drive's root.
static QString hjemmemappe()
{
    const QByteArray home = qgetenv("HOME");
    return home.startsWith('/') ? QDir::cleanPath(decodeHostName(home)) : QDir::homePath();
}

LinuxPlatform::LinuxPlatform()
    : m_home(hjemmemappe())
{
    refreshDrives();
}

void LinuxPlatform::refreshDrives()
{
    m_tabeller.push_back(std::make_unique<const DriveTable>(DriveTable::forHost(m_home, &m_bogstaver)));
    m_drives.store(m_tabeller.back().get(), std::memory_order_release);
}

QString LinuxPlatform::loginName() const
{
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return QString();
}

QString readXdgUserDir(const QString& userDirsFile, const QString& home, const QString& key)
{
    const auto tekst = readRegularFile(locateHostFile(userDirsFile), maxSkrivebordsfil);
    if (!tekst)
        return QString();
    static const QRegularExpression line(QStringLiteral(R"re(^\s*XDG_([A-Z]+)_DIR\s*=\s*"(.*)"\s*$)re"));
    for (const QByteArray& raa : tekst->split('\n')) {
        const auto m = line.match(QString::fromUtf8(raa));
        if (!m.hasMatch() || m.captured(1) != key)
            continue;
        QString value = m.captured(2);
        value.replace(u"\\\""_qs, u"\""_qs);
        if (value.startsWith(u"$HOME"))
            value = home + value.mid(5);
        else if (!value.startsWith(u'/'))
            return QString();
        return QDir::cleanPath(value);
    }
    return QString();
}

static QString xdgHome(const char* variable, const QString& fallback)
{
    const QString v = qEnvironmentVariable(variable);
    return v.startsWith(u'/') ? QDir::cleanPath(v) : fallback;
}

std::optional<QString> LinuxPlatform::specialFolder(SpecialFolder folder) const
{
    const QString configHome = xdgHome("XDG_CONFIG_HOME", m_home + u"/.config"_qs);
    const QString dataHome = xdgHome("XDG_DATA_HOME", m_home + u"/.local/share"_qs);
    const auto userDir = [&](const QString& key, const QString& fallbackName) {
        const QString configured = readXdgUserDir(configHome + u"/user-dirs.dirs"_qs, m_home, key);
        return configured.isEmpty() ? m_home + u'/' + fallbackName : configured;
    };
    QString host;
    switch (folder) {
    case SpecialFolder::Desktop: host = userDir(u"DESKTOP"_qs, u"Desktop"_qs); break;
    case SpecialFolder::Documents: host = userDir(u"DOCUMENTS"_qs, u"Documents"_qs); break;
    case SpecialFolder::Music: host = userDir(u"MUSIC"_qs, u"Music"_qs); break;
    case SpecialFolder::Pictures: host = userDir(u"PICTURES"_qs, u"Pictures"_qs); break;
    case SpecialFolder::Videos: host = userDir(u"VIDEOS"_qs, u"Videos"_qs); break;
    case SpecialFolder::Favorites: host = m_home + u"/Favorites"_qs; break;
    case SpecialFolder::Downloads: host = userDir(u"DOWNLOAD"_qs, u"Downloads"_qs); break;
    case SpecialFolder::LocalAppData: host = dataHome; break;
    case SpecialFolder::StartMenuPrograms: host = dataHome + u"/applications"_qs; break;
    case SpecialFolder::CommonDocuments:
    case SpecialFolder::CommonMusic:
    case SpecialFolder::CommonPictures:
    case SpecialFolder::CommonVideos: {
        const auto pub = drives().toHost(publicFolder());
        static const char16_t* const names[] = {u"Documents", u"Music", u"Pictures", u"Videos"};
        const int i = int(folder) - int(SpecialFolder::CommonDocuments);
        host = pub ? *pub + u'/' + QString::fromUtf16(names[i]) : QString();
        break;
    }
    }
    // A user directory pointed at the home folder itself is switched off.
    if (host.isEmpty() || QDir::cleanPath(host) == QDir::cleanPath(m_home))
        return std::nullopt;
    const auto path = drives().toProgram(host);
    if (!path || !folderExists(*path))
        return std::nullopt;
    return path;
}

QString LinuxPlatform::profileFolder() const
{
    return drives().toProgram(m_home).value_or(u"C:"_qs);
}

QString LinuxPlatform::publicFolder() const
{
    const QString configHome = xdgHome("XDG_CONFIG_HOME", m_home + u"/.config"_qs);
    QString host = readXdgUserDir(configHome + u"/user-dirs.dirs"_qs, m_home, u"PUBLICSHARE"_qs);
    if (host.isEmpty())
        host = m_home + u"/Public"_qs;
    return drives().toProgram(host).value_or(profileFolder() + u"\\Public"_qs);
}

} // namespace kv

namespace kv {

namespace {

bool enhed(const QString& sti, dev_t& ud, bool foelgLink = true)
{
    struct stat st;
    const QByteArray s = encodeHostName(sti);
    if ((foelgLink ? ::stat(s.constData(), &st) : ::lstat(s.constData(), &st)) != 0)
        return false;
    ud = st.st_dev;
    return true;
}

// The top folder of the volume a host path lies on.
QString volumetsTop(QString sti, dev_t dev)
{
    while (sti != u"/") {
        const QString op = QFileInfo(sti).path();
        dev_t d;
        if (!enhed(op, d) || d != dev)
            break;
        sti = op;
    }
    return sti;
}

// The bins a volume's top may hold for this user: an administrator's ".Trash"
// (a sticky folder, not a link) with a folder per user, or ".Trash-<uid>".
QStringList topKurve(const QString& top)
{
    const QString uid = QString::number(::getuid());
    QStringList kurve;
    struct stat st;
    const QString admin = top + u"/.Trash"_qs;
    if (::lstat(encodeHostName(admin).constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX))
        kurve << admin + u'/' + uid;
    kurve << (top == u"/" ? QString() : top) + u"/.Trash-"_qs + uid;
    return kurve;
}

} // namespace

QString LinuxPlatform::homeTrash() const
{
    return xdgHome("XDG_DATA_HOME", m_home + u"/.local/share"_qs) + u"/Trash"_qs;
}

QString LinuxPlatform::trashDirFor(const QString& hostPath) const
{
    dev_t fil, hjem;
    if (!enhed(hostPath, fil, false))
        return QString();
    QDir().mkpath(homeTrash());
    if (enhed(homeTrash(), hjem) && hjem == fil)
        return homeTrash();
    for (const QString& kurv : topKurve(volumetsTop(QFileInfo(hostPath).path(), fil))) {
        struct stat st;
        const QByteArray k = encodeHostName(kurv);
        if (::lstat(k.constData(), &st) != 0 && ::mkdir(k.constData(), 0700) != 0)
            continue;
        if (::lstat(k.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid())
            return kurv;
    }
    return QString();
}

QStringList LinuxPlatform::trashDirsOfDrive(QChar letter) const
{
    const Drive* d = drives().find(letter);
    dev_t rod;
    if (!d || !enhed(d->hostRoot, rod))
        return {};
    // The home bin takes what is deleted anywhere on its volume, which may
    // hold more than one drive; the info files tell which drive each came from.
    QStringList kurve;
    if (QFileInfo(homeTrash()).isDir())
        kurve << homeTrash();
    for (const QString& kurv : topKurve(volumetsTop(d->hostRoot, rod)))
        if (QFileInfo(kurv).isDir())
            kurve << kurv;
    return kurve;
}

std::optional<QString> LinuxPlatform::installedProgramFolder() const
{
    // An installed program lies in <prefix>/bin with its content in
    // <prefix>/share/kvistlund; a build folder has no such neighbour.
    const QString mappe = QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(KV_INDHOLD_RELATIVT));
    if (!QFileInfo(mappe).isDir())
        return std::nullopt;
    return drives().toProgram(mappe);
}

} // namespace kv
