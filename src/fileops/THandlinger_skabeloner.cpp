// New files from templates and the HTML play lists of Struktur 2's selection.
#include "fileops/Spilleliste.h"
#include "fileops/THandlinger.h"
#include "ui/TspmForm.h"
#include "platform/Omdoebning.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "structures/StrukturRec.h"
#include "ui/Beskeder.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace kv {

QStringList THandlinger::spillelisteNavne() const
{
    QStringList navne;
    for (QTreeWidgetItemIterator it(FStruktur2, QTreeWidgetItemIterator::Selected); *it; ++it) {
        const StrukturRec* rec = recAf(*it);
        if (!rec)
            continue;
        const QString navn = nameOf(rec->ID == idFil ? rec->filnavn : rec->mappe);
        // Any entry with a dot in its name, a folder "Ferie.2020" too.
        if (navn.contains(u'.'))
            navne << navn;
    }
    return navne;
}

bool THandlinger::SkrivTekstfil(const QString& aFilename, int aFiltype)
{
    glemFortrydelse();
    const QString X = extensionOf(aFilename);
    const QString B = aFilename.left(aFilename.size() - X.size());
    static const QStringList billeder = {u".jpg"_qs, u".png"_qs, u".bmp"_qs, u".ico"_qs, u".gif"_qs};
    if (billeder.contains(X.toLower())) {
        visInformation(u"Der kan ikke oprettes billedfiler."_qs);
        return false;
    }
    if (const QString fejl = checkTypedName(aFilename); !fejl.isEmpty()) {
        visInformation(fejl);
        return false;
    }
    if (!folderExists(FFilMappe)) {
        visInformation(u"Mappen blev ikke fundet."_qs + u'\r' + FFilMappe);
        return false;
    }
    QByteArray data;
    if (aFiltype != Tekstdokument) {
        const QStringList navne = spillelisteNavne();
        const auto vaert = drives().toHostBytes(FFilMappe);
        if (navne.isEmpty() || !vaert) {
            visInformation(u"Der er ikke valgt nogen filer til listen."_qs);
            return false;
        }
        data = spilleliste(Dokumentart(aFiltype), mappeUrl(*vaert), navne);
    } else {
        data = skabelon(X);
        if (data.isEmpty() && !erDetEnTekstfil(X)
            && !spmForm().spoerg({u"Filen er ikke genkendt som en tekstfil."_qs, u"Skal den laves alligevel?"_qs}))
            return false;
    }
    // Any entry counts as taken, and the file is made only where none is.
    QString sti = joinPath(FFilMappe, aFilename);
    for (int k = 1;; ++k) {
        QString fejl;
        if (!entryInfo(sti)) {
            const NyMappeStatus s = createFileOnce(sti, data, &fejl);
            if (s == NyMappeStatus::Oprettet)
                break;
            if (s == NyMappeStatus::Fejl) {
                visInformation(u"Filen kunne ikke oprettes.\r"_qs + fejl);
                return false;
            }
        }
        sti = joinPath(FFilMappe, B + u" ("_qs + QString::number(k) + u')' + X);
    }
    setAktiveStruktur(2);
    makeStruktur2(FFilMappe, false);
    FFilnavn = sti;
    SelectFil(sti);
    return true;
}

} // namespace kv
