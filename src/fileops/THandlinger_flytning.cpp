// The delete of a move: exactly the files and links the paste copied, each
// only while it is unchanged since, then the folders that are then empty.
// What anyone added or changed meanwhile stays where it is.
#include "ui/Beskeder.h"
#include "fileops/THandlinger.h"
#include "fileops/Tdeleteform.h"
#include "fileops/Tkopieringsform.h"
#include "platform/FileSystem.h"
#include "platform/Papirkurv.h"
#include "platform/ProgramPath.h"

#include <QButtonGroup>
#include <QListWidget>
#include <QProgressBar>
#include <QSet>
#include <QTreeWidgetItem>

namespace kv {

namespace {

// True when a folder tree holds exactly what the paste copied of it, each file
// unchanged: only then may the bin take it whole.
bool somKopieret(const Flytning& f)
{
    QSet<QString> filer, mapper(f.mapper.cbegin(), f.mapper.cend());
    for (const KopieretFil& fil : f.filer) {
        if (!fileUnchanged(fil.sti, fil.stoerrelse, fil.mtimeNs))
            return false;
        filer.insert(fil.sti);
    }
    qsizetype fundne = 0;
    QStringList tilbage{f.kilde};
    while (!tilbage.isEmpty()) {
        const QString mappe = tilbage.takeLast();
        const auto indhold = listFolderKinds(mappe);
        if (!indhold)
            return false;
        for (const DirEntry& e : *indhold) {
            const QString sti = joinPath(mappe, e.name);
            const bool kendt = e.isDir && !e.isLink ? mapper.contains(sti) : filer.contains(sti);
            if (!kendt)
                return false;
            ++fundne;
            if (e.isDir && !e.isLink)
                tilbage << sti;
        }
    }
    return fundne == filer.size() + mapper.size();
}

} // namespace

bool THandlinger::sletKopieret(const KopieretFil& fil, bool tilPapirkurv)
{
    QString grund;
    bool ok;
    if (tilPapirkurv) {
        ok = fileUnchanged(fil.sti, fil.stoerrelse, fil.mtimeNs);
        if (!ok)
            grund = u"Filen er ændret, efter den blev kopieret, og er ikke slettet."_qs + u'\r' + fil.sti;
        else
            ok = moveToTrash(fil.sti, &grund);
    } else {
        ok = removeFileIfUnchanged(fil.sti, fil.stoerrelse, fil.mtimeNs, &grund);
    }
    if (!ok)
        m_fejl << grund;
    --antalFiler;
    posSize += std::max<qint64>(fil.stoerrelse, 1);
    if (visProgress(fil.stoerrelse))
        FSlet->proBar->setValue(deleteProgress());
    behandlBeskeder();
    return ok;
}

void THandlinger::sletFlytning(const Flytning& f, bool tilPapirkurv, QStringList& beholdt, QStringList& tomme)
{
    bool alt = true;
    if (!f.mappe) {
        alt = sletKopieret(f.filer.front(), tilPapirkurv);
    } else if (!f.saerfiler.isEmpty()) {
        // A FIFO or device was only made anew at the target: the folder that holds it stays whole.
        alt = false;
        m_fejl << u"Mappen indeholder en særlig fil (FIFO eller enhed), som kun er genskabt, ikke flyttet:"_qs
                      + u'\r' + f.saerfiler.first();
        antalFiler -= int(f.filer.size());
    } else if (tilPapirkurv) {
        QString grund;
        alt = somKopieret(f) && moveToTrash(f.kilde, &grund);
        if (!alt)
            m_fejl << (grund.isEmpty() ? u"Mappen er ændret, efter den blev kopieret, og er ikke flyttet til papirkurven."_qs
                                             + u'\r' + f.kilde
                                       : grund);
        antalFiler -= int(f.filer.size());
        for (const KopieretFil& fil : f.filer)
            posSize += std::max<qint64>(fil.stoerrelse, 1);
        FSlet->proBar->setValue(deleteProgress());
    } else {
        for (const KopieretFil& fil : f.filer) {
            if (FSlet->FCancel)
                break;
            alt = sletKopieret(fil, false) && alt;
        }
        // Deepest first; a folder that still holds something stays.
        QStringList mappeGrunde;
        for (const QString& mappe : f.mapper + QStringList{f.kilde}) {
            QString grund;
            if (!FSlet->FCancel && !removeEmptyFolder(mappe, &grund))
                mappeGrunde << grund;
        }
        // Everything in it moved, only emptied folders stayed (a parent that
        // cannot be written): the content went, and that is what the user hears.
        if (alt && !FSlet->FCancel && !mappeGrunde.isEmpty() && f.filer.size() > 0) {
            tomme << f.kilde + u'\r' + mappeGrunde.first();
            return;
        }
        m_fejl << mappeGrunde;
        alt = alt && mappeGrunde.isEmpty();
    }
    if (!alt || FSlet->FCancel)
        beholdt << f.kilde;
}

bool THandlinger::sletFlyttede(bool tilPapirkurv)
{
    const int aktiv = AktiveStruktur();
    m_fejl.clear();
    listeMapper.clear();
    listeFiler.clear();
    for (const Flytning& f : std::as_const(flytninger))
        (f.mappe ? listeMapper : listeFiler) << f.kilde;
    if (flytninger.isEmpty())
        return true;
    const int spm = FspmBox ? FspmBox->checkedId() : 0;
    if ((spm == 0 || (spm == 1 && !tilPapirkurv)) && !FKopiering->skalElementerSlettes(listeFiler, listeMapper, tilPapirkurv)) {
        for (const Flytning& f : std::as_const(flytninger))
            f.raekke->setCheckState(0, Qt::Unchecked);
        return false;
    }

    FSlet->FCancel = false;
    startSletning(tilPapirkurv ? u"Der slettes til Papirkurv"_qs : u"Sletningen er permanent"_qs);
    for (const Flytning& f : std::as_const(flytninger)) {
        antalFiler += int(f.filer.size());
        for (const KopieretFil& fil : f.filer)
            totalSize += std::max<qint64>(fil.stoerrelse, 1);
    }
    showCountInfo(false);
    FSlet->show();
    behandlBeskeder(true);
    QStringList beholdt, tomme;
    int mappeNr = 0;
    for (const Flytning& f : std::as_const(flytninger)) {
        if (FSlet->FCancel) {
            beholdt << f.kilde;
            f.raekke->setCheckState(0, Qt::Unchecked);
            continue;
        }
        const qsizetype foer = beholdt.size();
        sletFlytning(f, tilPapirkurv, beholdt, tomme);
        // A row whose source stays is unticked, so "Ryd" leaves it in the list.
        if (beholdt.size() > foer)
            f.raekke->setCheckState(0, Qt::Unchecked);
        if (f.mappe)
            FSlet->listbox->item(mappeNr++)->setCheckState(Qt::Checked);
    }
    efterSletning(aktiv);
    if (!beholdt.isEmpty()) {
        visFejlListe(elementTekst(beholdt.size()) + u" blev kun kopieret, ikke flyttet; kilden er ikke slettet:"_qs);
    }
    if (!tomme.isEmpty())
        visInformation(u"Indholdet blev flyttet, men "_qs
                       + (tomme.size() == 1 ? u"den tomme mappe kunne ikke slettes og står tilbage:"_qs
                                            : u"%1 tomme mapper kunne ikke slettes og står tilbage:"_qs.arg(tomme.size()))
                       + u'\r' + tomme.mid(0, 5).join(u'\r') + (tomme.size() > 5 ? u"\r…"_qs : QString()));
    return true;
}

} // namespace kv
