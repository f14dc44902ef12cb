// Find by name: folders and files whose names hold a text, under the
// selected folder. Links are never followed into folders, a folder is
// entered once however it is reached, and the kernel's file systems are
// passed over. Events run every 50 ms, so the hits show and Stop answers.
#include "ui/Beskeder.h"
#include "fileops/THandlinger.h"
#include "lists/TReopenFilerX.h"
#include "platform/Mappestempel.h"
#include "platform/ProgramPath.h"
#include "structures/StrukturRec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QTreeWidget>

namespace kv {

struct Soegning {
    QString tekst;  // lower-cased, A to Z only
    QSet<std::pair<quint64, quint64>> besoegt;
    TReopen mapper, filer;  // hits not shown yet, in the order found
    QElapsedTimer sidst;
};

void THandlinger::soegMappe(const QString& mappe, FindResultat& r, Soegning& s)
{
    const auto stempel = mappestempel(mappe);
    if (stempel && (stempel->pseudo || s.besoegt.contains({stempel->enhed, stempel->inode})))
        return;
    if (stempel)
        s.besoegt.insert({stempel->enhed, stempel->inode});
    const auto indhold = listFolderKinds(mappe);
    if (!indhold) {
        if (r.ulaeselige++ == 0)
            r.foersteUlaeselige = mappe;
        return;
    }
    for (const DirEntry& e : *indhold) {
        if (s.sidst.elapsed() >= FFindInterval) {
            FFindDir->InsertItems(std::exchange(s.mapper, {}));
            FFindFiler->InsertItems(std::exchange(s.filer, {}));
            QCoreApplication::processEvents();
            s.sidst.restart();
        }
        if (FStopFind)
            r.stoppet = true;
        if (r.stoppet || r.filerFundet >= FMaxElementer || r.mapperFundet >= FMaxElementer)
            return;
        const QString sti = joinPath(mappe, e.name);
        const bool fund = !e.hidden && lowerAZ(e.name).contains(s.tekst);
        // A link is examined by its own name, as a file: never entered.
        if (e.isDir && !e.isLink) {
            ++r.mapperUndersoegt;
            if (fund) {
                s.mapper.append({TMakeStrukturer::mappeCaption(sti), sti});
                ++r.mapperFundet;
            }
            soegMappe(sti, r, s);
        } else {
            ++r.filerUndersoegt;
            if (fund) {
                s.filer.append({e.name, sti});
                ++r.filerFundet;
            }
        }
    }
}

std::optional<FindResultat> THandlinger::findElement(const QString& elementS)
{
    FFindDir->DeleteAlleItems();
    FFindFiler->DeleteAlleItems();
    if (AktiveStruktur() == 3)
        return std::nullopt;
    const StrukturRec* rec = recAf(valgtNode(aktivTrae()));
    if (!rec || !folderExists(rec->mappe)) {
        visInformation(u"Vælg et drev eller en mappe,\rder skal søges i."_qs);
        return std::nullopt;
    }
    FindResultat r;
    Soegning s;
    s.tekst = lowerAZ(elementS);
    s.sidst.start();
    FStopFind = false;
    soegMappe(rec->mappe, r, s);
    FFindDir->InsertItems(s.mapper);
    FFindFiler->InsertItems(s.filer);
    // One report for every folder that could not be read, not a box for each.
    if (r.ulaeselige > 0)
        visInformation(u"Der opstod en fejl.\rVælg eventuelt ny mappe, der skal søges i.\r"_qs
                       + (r.ulaeselige == 1 ? u"En mappe kunne ikke læses: "_qs
                                            : u"%1 mapper kunne ikke læses, den første: "_qs.arg(r.ulaeselige))
                       + r.foersteUlaeselige);
    return r;
}

} // namespace kv
