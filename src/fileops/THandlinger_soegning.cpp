// Find by name: folders and files whose names hold a text, under the
// selected folder. Links are never followed into folders (a link to one is
// found as a folder), a folder is
// entered once however it is reached, and the kernel's file systems are
// passed over. The search runs as a job on its own copy of the folder and
// the text, so clicks in the structures meanwhile change nothing it reads;
// its hits come in batches every 50 ms.
#include "ui/Baggrundsjob.h"
#include "ui/Beskeder.h"
#include "fileops/THandlinger.h"
#include "lists/TReopenFilerX.h"
#include "platform/Mappestempel.h"
#include "platform/ProgramPath.h"
#include "structures/StrukturRec.h"

#include <QSet>
#include <QTreeWidget>

namespace kv {

namespace {

struct Soegning {
    QString tekst;  // lower-cased, A to Z only
    int maks = 0;
    const std::function<bool()>& stop;
    const std::function<void(FindFund&, bool)>& lever;
    QSet<std::pair<quint64, quint64>> besoegt;
    FindFund nye;  // hits not delivered yet, in the order found
    quint32 sete = 0;
    FindResultat r;

    void soeg(const QString& mappe);
};

void Soegning::soeg(const QString& mappe)
{
    const auto stempel = mappestempel(mappe);
    if (stempel && (stempel->pseudo || besoegt.contains({stempel->enhed, stempel->inode})))
        return;
    if (stempel)
        besoegt.insert({stempel->enhed, stempel->inode});
    const auto indhold = listFolderKinds(mappe);
    if (!indhold) {
        if (r.ulaeselige++ == 0)
            r.foersteUlaeselige = mappe;
        return;
    }
    for (const DirEntry& e : *indhold) {
        // The clock is asked once in a while, not for every hit.
        if ((++sete & 63) == 0)
            lever(nye, false);
        if (!r.stoppet && stop())
            r.stoppet = true;
        if (r.stoppet || r.filerFundet >= maks || r.mapperFundet >= maks)
            return;
        const bool fund = !e.hidden && containsAZ(e.name, tekst);
        // Most entries are files not found: they need no path.
        if (!e.isDir && !e.isLink && !fund) {
            ++r.filerUndersoegt;
            continue;
        }
        const QString sti = joinPath(mappe, e.name);
        // A link to a folder is a folder found, but never entered.
        if ((e.isDir && !e.isLink) || (e.isLink && folderExists(sti))) {
            ++r.mapperUndersoegt;
            if (fund) {
                nye.mapper.append({TMakeStrukturer::mappeCaption(sti), sti});
                ++r.mapperFundet;
            }
            if (!e.isLink)
                soeg(sti);
        } else {
            ++r.filerUndersoegt;
            if (fund) {
                nye.filer.append({e.name, sti});
                ++r.filerFundet;
            }
        }
    }
}

} // namespace

FindResultat soegEfterNavne(const QString& mappe, const QString& tekst, int maks, const std::function<bool()>& stop,
                            const std::function<void(FindFund&, bool)>& lever)
{
    Soegning s{lowerAZ(tekst), maks, stop, lever, {}, {}, 0, {}};
    s.soeg(mappe);
    lever(s.nye, true);
    return s.r;
}

bool THandlinger::findElement(const QString& elementS, std::function<void(const FindResultat&)> faerdig)
{
    FFindDir->DeleteAlleItems();
    FFindFiler->DeleteAlleItems();
    if (AktiveStruktur() == 3)
        return false;
    const StrukturRec* rec = recAf(valgtNode(aktivTrae()));
    if (!rec || !folderExists(rec->mappe)) {
        visInformation(u"Vælg et drev eller en mappe,\rder skal søges i."_qs);
        return false;
    }
    // The job's own copies: the tree record may be gone before the search is.
    const QString mappe = rec->mappe;
    const int maks = FMaxElementer;
    auto resultat = std::make_shared<FindResultat>();
    m_findJob->start(
        [this, mappe, elementS, maks, resultat](Baggrundsjob::Kontekst& k) {
            *resultat = soegEfterNavne(mappe, elementS, maks, [&k] { return k.stoppet(); },
                                       [this, &k](FindFund& nye, bool sidste) {
                                           if ((nye.mapper.isEmpty() && nye.filer.isEmpty())
                                               || (!sidste && !k.tidTilLevering()))
                                               return;
                                           k.lever([this, fund = std::exchange(nye, {})] {
                                               FFindDir->InsertItems(fund.mapper);
                                               FFindFiler->InsertItems(fund.filer);
                                           });
                                       });
        },
        [resultat, faerdig = std::move(faerdig)](bool) {
            const FindResultat& r = *resultat;
            // One report for every folder that could not be read, not a box for each.
            if (r.ulaeselige > 0)
                visInformation(u"Der opstod en fejl.\rVælg eventuelt ny mappe, der skal søges i.\r"_qs
                               + (r.ulaeselige == 1 ? u"En mappe kunne ikke læses: "_qs
                                                    : u"%1 mapper kunne ikke læses, den første: "_qs.arg(r.ulaeselige))
                               + r.foersteUlaeselige);
            if (faerdig)
                faerdig(r);
        });
    return true;
}

void THandlinger::stopFind()
{
    m_findJob->stop();
}

bool THandlinger::findKoerer() const
{
    return m_findJob->koerer();
}

} // namespace kv
