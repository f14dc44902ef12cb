#include "Programopslag.h"
#include "RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSet>

namespace kv {

Programopslag::Programopslag(QStringList configMapper, QStringList dataMapper)
    : m_config(std::move(configMapper)), m_data(std::move(dataMapper))
{
}

static QStringList miljoeMapper(const char* hjemNavn, const QString& hjemStd, const char* listeNavn, const QString& listeStd)
{
    QString hjem = qEnvironmentVariable(hjemNavn);
    if (hjem.isEmpty())
        hjem = QDir::homePath() + hjemStd;
    QString liste = qEnvironmentVariable(listeNavn);
    if (liste.isEmpty())
        liste = listeStd;
    return QStringList{hjem} + liste.split(u':', Qt::SkipEmptyParts);
}

Programopslag Programopslag::fraMiljoe()
{
    return Programopslag(miljoeMapper("XDG_CONFIG_HOME", u"/.config"_qs, "XDG_CONFIG_DIRS", u"/etc/xdg"_qs),
                         miljoeMapper("XDG_DATA_HOME", u"/.local/share"_qs, "XDG_DATA_DIRS",
                                      u"/usr/local/share:/usr/share"_qs));
}

QString Programopslag::filtype(const QString& vaertsti)
{
    // The start of the content, as far as the type rules look, read without
    // ever waiting on a special file: a FIFO or a device is judged by its name.
    RegularFileStream in(locateHostFile(vaertsti));
    const QByteArray start = in.isOpen() ? in.read(qint64(64) << 10).value_or(QByteArray()) : QByteArray();
    return QMimeDatabase().mimeTypeForFileNameAndData(QFileInfo(vaertsti).fileName(), start).name();
}

bool Programopslag::arver(const QString& type, const QString& forfader)
{
    return QMimeDatabase().mimeTypeForName(type).inherits(forfader);
}

bool Programopslag::koerbarType(const QString& type)
{
    // Programs built as position-independent code are shared libraries to the database.
    return arver(type, u"application/x-executable"_qs) || arver(type, u"application/x-sharedlib"_qs);
}

std::optional<DesktopEntry> Programopslag::program(const QString& type)
{
    if (const auto it = m_husk.constFind(type); it != m_husk.cend())
        return *it;
    const QMimeType mt = QMimeDatabase().mimeTypeForName(type);
    QStringList typer{mt.isValid() ? mt.name() : type};
    if (mt.isValid())
        typer += mt.allAncestors();
    std::optional<DesktopEntry> fundet;
    for (const QString& t : typer)
        if ((fundet = programForType(t)))
            break;
    m_husk.insert(type, fundet);
    return fundet;
}

QStringList Programopslag::mimeappsFiler() const
{
    QStringList filer;
    for (const QString& m : m_config)
        filer << m + u"/mimeapps.list"_qs;
    for (const QString& m : m_data)
        filer << m + u"/applications/mimeapps.list"_qs;
    return filer;
}

// The ids a group of an ini-like file gives the type: "a.desktop;b.desktop;".
static QStringList ids(const QString& fil, const QString& gruppe, const QString& type)
{
    const auto tekst = readRegularFile(locateHostFile(fil), maxSkrivebordsfil);
    if (!tekst)
        return {};
    bool iGruppe = false;
    for (const QByteArray& raa : tekst->split('\n')) {
        const QString linje = QString::fromUtf8(raa).trimmed();
        if (linje.startsWith(u'[')) {
            iGruppe = linje == u'[' + gruppe + u']';
        } else if (iGruppe && linje.startsWith(type + u'=')) {
            return linje.mid(type.size() + 1).split(u';', Qt::SkipEmptyParts);
        }
    }
    return {};
}

std::optional<DesktopEntry> Programopslag::installeret(const QString& id) const
{
    // "kde-foo.desktop" may also live as kde/foo.desktop.
    QStringList navne{id};
    if (id.contains(u'-'))
        navne << QString(id).replace(id.indexOf(u'-'), 1, u'/');
    for (const QString& m : m_data)
        for (const QString& n : navne)
            if (auto e = DesktopEntry::laes(m + u"/applications/"_qs + n); e && e->kanStartes())
                return e;
    return std::nullopt;
}

std::optional<DesktopEntry> Programopslag::programForType(const QString& type) const
{
    const QStringList lister = mimeappsFiler();
    for (const QString& fil : lister)
        for (const QString& id : ids(fil, u"Default Applications"_qs, type))
            if (auto e = installeret(id))
                return e;
    // Removed associations hide what less important lists and the caches add.
    QSet<QString> fjernet;
    for (const QString& fil : lister) {
        for (const QString& id : ids(fil, u"Removed Associations"_qs, type))
            fjernet.insert(id);
        for (const QString& id : ids(fil, u"Added Associations"_qs, type))
            if (!fjernet.contains(id))
                if (auto e = installeret(id))
                    return e;
    }
    for (const QString& m : m_data)
        for (const QString& id : ids(m + u"/applications/mimeinfo.cache"_qs, u"MIME Cache"_qs, type))
            if (!fjernet.contains(id))
                if (auto e = installeret(id))
                    return e;
    return std::nullopt;
}

} // namespace kv
