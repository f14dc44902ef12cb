#include "app/Programmappe.h"
#include "platform/FileSystem.h"

#include <QHash>

namespace kv {

static void opdaterMappe(const QString& kilde, const QString& maal, QStringList& fejl)
{
    const auto indhold = listFolder(kilde);
    if (!indhold) {
        fejl << u"Mappen \"%1\" kunne ikke læses."_qs.arg(kilde);
        return;
    }
    QString grund;
    if (!folderExists(maal) && !createFolder(maal, &grund)) {
        fejl << u"Mappen \"%1\" kunne ikke oprettes:\r%2"_qs.arg(maal, grund);
        return;
    }
    QHash<QString, DirEntry> findes;
    if (const auto gamle = listFolder(maal))
        for (const DirEntry& e : *gamle)
            findes.insert(e.name, e);

    for (const DirEntry& e : *indhold) {
        const QString fra = kilde + u'\\' + e.name;
        const QString til = maal + u'\\' + e.name;
        // Only our own folders and plain files are installed; a link there is
        // none of ours and is never followed.
        if (e.isLink)
            continue;
        if (e.isDir) {
            opdaterMappe(fra, til, fejl);
            continue;
        }
        if (!e.regular)
            continue;
        const auto gammel = findes.constFind(e.name);
        if (gammel != findes.cend()) {
            if (gammel->isDir && !gammel->isLink) {
                fejl << u"Filen \"%1\" kunne ikke kopieres:\rDer ligger en mappe med samme navn."_qs.arg(til);
                continue;
            }
            if (gammel->regular && gammel->size == e.size && gammel->modifiedMs == e.modifiedMs)
                continue;
        }
        CopyOptions valg;
        valg.overwrite = true;
        const CopyResult r = copyFile(fra, til, valg);
        if (!r.ok())
            fejl << u"Filen \"%1\" kunne ikke kopieres:\r%2"_qs.arg(til, r.error);
    }
}

QStringList opdaterProgrammappe(const QString& kilde, const QString& maal)
{
    QStringList fejl;
    opdaterMappe(kilde, maal, fejl);
    return fejl;
}

} // namespace kv
