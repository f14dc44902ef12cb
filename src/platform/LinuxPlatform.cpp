#include "LinuxPlatform.h"
#include "FileSystem.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <pwd.h>
#include <unistd.h>

namespace kv {

LinuxPlatform::LinuxPlatform()
    : m_home(QDir::homePath()), m_drives(DriveTable::forHost(m_home))
{
}

QString LinuxPlatform::loginName() const
{
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name && *pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return QString();
}

QString readXdgUserDir(const QString& userDirsFile, const QString& home, const QString& key)
{
    QFile f(userDirsFile);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    static const QRegularExpression line(QStringLiteral(R"re(^\s*XDG_([A-Z]+)_DIR\s*=\s*"(.*)"\s*$)re"));
    QTextStream in(&f);
    while (!in.atEnd()) {
        const auto m = line.match(in.readLine());
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
        const auto pub = m_drives.toHost(publicFolder());
        static const char16_t* const names[] = {u"Documents", u"Music", u"Pictures", u"Videos"};
        const int i = int(folder) - int(SpecialFolder::CommonDocuments);
        host = pub ? *pub + u'/' + QString::fromUtf16(names[i]) : QString();
        break;
    }
    }
    // A user directory pointed at the home folder itself is switched off.
    if (host.isEmpty() || QDir::cleanPath(host) == QDir::cleanPath(m_home))
        return std::nullopt;
    const auto path = m_drives.toProgram(host);
    if (!path || !folderExists(*path))
        return std::nullopt;
    return path;
}

QString LinuxPlatform::profileFolder() const
{
    return m_drives.toProgram(m_home).value_or(u"C:"_qs);
}

QString LinuxPlatform::publicFolder() const
{
    const QString configHome = xdgHome("XDG_CONFIG_HOME", m_home + u"/.config"_qs);
    QString host = readXdgUserDir(configHome + u"/user-dirs.dirs"_qs, m_home, u"PUBLICSHARE"_qs);
    if (host.isEmpty())
        host = m_home + u"/Public"_qs;
    return m_drives.toProgram(host).value_or(profileFolder() + u"\\Public"_qs);
}

} // namespace kv
