#include "Programkatalog.h"
#include "Platform.h"
#include "Programfil.h"
#include "Programopslag.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>

namespace kv {

Programkatalog::Programkatalog(QStringList dataMapper) : m_data(std::move(dataMapper))
{
    QStringList temaer;
    for (const QString& m : std::as_const(m_data))
        temaer << m + u"/icons"_qs;
    QIcon::setThemeSearchPaths(temaer);
    QIcon::setFallbackThemeName(u"hicolor"_qs);
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(u"hicolor"_qs);
}

Programkatalog Programkatalog::fraMiljoe()
{
    QStringList data = Programopslag::fraMiljoe().dataMapper();
    data.insert(1, data.value(0) + u"/flatpak/exports/share"_qs);
    data << u"/var/lib/flatpak/exports/share"_qs;
    return Programkatalog(data);
}

QStringList Programkatalog::programMapper() const
{
    QStringList mapper;
    for (const QString& m : m_data)
        mapper << m + u"/applications"_qs;
    return mapper;
}

static QString programsti(const QString& vaertsti)
{
    return drives().toProgram(vaertsti).value_or(QString());
}

QString Programkatalog::find(const QString& id) const
{
    for (const QString& m : programMapper()) {
        const QString sti = programsti(m + u'/' + id);
        if (const auto e = skrivebordsfil(sti); e && e->kanStartes())
            return sti;
    }
    return {};
}

QList<InstalleretProgram> Programkatalog::installerede() const
{
    QList<InstalleretProgram> ud;
    QSet<QString> ids;
    for (const QString& m : programMapper()) {
        QDirIterator it(m, {u"*.desktop"_qs}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString vaert = it.next();
            // Entries in subfolders have ids with "-" for "/".
            const QString id = QDir(m).relativeFilePath(vaert).replace(u'/', u'-');
            if (ids.contains(id))
                continue;
            ids.insert(id);
            const QString sti = programsti(vaert);
            if (auto e = skrivebordsfil(sti); e && e->kanStartes() && !e->ikkeVist)
                ud.append({sti, *e});
        }
    }
    QCollator dansk{QLocale(u"da_DK"_qs)};
    dansk.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(ud.begin(), ud.end(), [&dansk](const InstalleretProgram& a, const InstalleretProgram& b) {
        return dansk.compare(a.entry.visningsnavn(), b.entry.visningsnavn()) < 0;
    });
    return ud;
}

QIcon Programkatalog::temaIkon(const QString& navn) const
{
    if (navn.isEmpty())
        return {};
    if (navn.startsWith(u'/'))
        return QFileInfo(navn).isFile() ? QIcon(navn) : QIcon();
    if (QIcon tema = QIcon::fromTheme(navn); !tema.isNull())
        return tema;
    for (const char16_t* endelse : {u".png", u".svg", u".xpm", u""}) {
        const QString fil = u"/usr/share/pixmaps/"_qs + navn + QString::fromUtf16(endelse);
        if (QFileInfo(fil).isFile())
            return QIcon(fil);
    }
    return {};
}

QString Programkatalog::execIkon(const QString& vaertsti)
{
    if (!m_execScannet) {
        m_execScannet = true;
        // The entries that name a program by TryExec or by the first word of
        // Exec, each program by its host path; the first entry wins.
        for (const InstalleretProgram& p : installerede()) {
            const auto exec = splitExec(p.entry.exec);
            for (const QString& navn : {p.entry.tryExec, exec && !exec->isEmpty() ? exec->first() : QString()}) {
                const QString fuld = navn.startsWith(u'/') ? navn : QStandardPaths::findExecutable(navn);
                if (!fuld.isEmpty() && !p.entry.ikon.isEmpty() && !m_execIkoner.contains(fuld))
                    m_execIkoner.insert(fuld, p.entry.ikon);
            }
        }
    }
    return m_execIkoner.value(vaertsti);
}

QIcon Programkatalog::ikon(const QString& programsti)
{
    // Never from inside an executable: only what the desktop says about it.
    if (const auto e = skrivebordsfil(programsti))
        return temaIkon(e->ikon);
    const auto vaert = drives().toHost(programsti);
    return vaert ? temaIkon(execIkon(*vaert)) : QIcon();
}

} // namespace kv
