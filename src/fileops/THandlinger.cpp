#include "fileops/THandlinger.h"
#include "fileops/Kopijob.h"
#include "ui/Baggrundsjob.h"
#include "ui/Beskeder.h"
#include "fileops/Tdeleteform.h"
#include "fileops/Tkopieringsform.h"
#include "fileops/Tprogressform.h"
#include "ui/TspmForm.h"
#include "platform/FileSystem.h"
#include "platform/Papirkurv.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "ui/UdenAtStandse.h"

#include <algorithm>
#include <atomic>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace kv {

THandlinger::THandlinger(QObject* owner) : TKopierPaste(owner), m_findJob(new Baggrundsjob(this)) {}

int THandlinger::kopiering() const
{
    return FresultBox ? FresultBox->checkedId() : OverskrivIkke;
}

// ---- Copy lists ----

QString THandlinger::raekkeSti(const QTreeWidgetItem* raekke)
{
    QString sti = raekke->text(1);
    while (sti.endsWith(u'\n') || sti.endsWith(u'\r'))
        sti.chop(1);
    return sti;
}

void THandlinger::addListeElement(int kind, Billede billede, bool tick, const QString& sti)
{
    QTreeWidget* liste = kind == 1 ? FMappeList : FFilList;
    auto* raekke = new QTreeWidgetItem(liste);
    raekke->setFlags(raekke->flags() | Qt::ItemIsUserCheckable);
    raekke->setCheckState(0, tick ? Qt::Checked : Qt::Unchecked);
    raekke->setIcon(0, ikon(billede));
    raekke->setData(0, Qt::UserRole, int(billede));
    raekke->setText(1, sti);
    liste->resizeColumnToContents(1);
}

// A folder as the copy lists take it: a link to a folder is a link, listed with the files.
static bool erMappe(const QString& sti)
{
    const auto info = entryInfo(sti);
    return info && info->isDir && !info->isLink;
}

int THandlinger::CopyElementer()
{
    int antal = 0;
    if (AktiveStruktur() == 1) {
        if (const StrukturRec* rec = recAf(valgtNode(FStruktur1))) {
            addListeElement(erMappe(rec->mappe) ? 1 : 2, Billede::Mappe, true, rec->mappe);
            antal = 1;
        }
        return antal;
    }
    QTreeWidget* trae = aktivTrae();
    if (!trae)
        return 0;
    if (trae->topLevelItemCount() == 0) {
        visInformation(u"Der skal vælges elementer til kopiering."_qs);
        return 0;
    }
    for (QTreeWidgetItemIterator it(trae); *it; ++it) {
        if (!(*it)->isSelected())
            continue;
        const StrukturNode* node = nodeAf(*it);
        if (!node)
            continue;
        ++antal;
        if (!node->rec.filnavn.isEmpty())
            addListeElement(2, node->billede, true, node->rec.filnavn);
        else
            addListeElement(erMappe(node->rec.mappe) ? 1 : 2, Billede::Mappe, true, node->rec.mappe);
    }
    return antal;
}

bool THandlinger::RegisterElements(const QString& aElement)
{
    if (erMappe(aElement))
        addListeElement(1, Billede::Mappe, true, aElement);
    else if (entryInfo(aElement))
        addListeElement(2, Billede::Fil, true, aElement);
    else
        return false;
    return true;
}

QString THandlinger::elementTekst(qsizetype antal)
{
    return antal == 1 ? u"1 element"_qs : QLocale().toString(antal) + u" elementer"_qs;
}

void THandlinger::stopHandling()
{
    FProgress->FCancel = true;
    FSlet->FCancel = true;
}

void THandlinger::visFejlListe(const QString& indledning)
{
    visInformation(indledning + u"\r"_qs + m_fejl.mid(0, 5).join(u"\r"_qs) + (m_fejl.size() > 5 ? u"\r…"_qs : QString()));
}

QStringList THandlinger::tagRaekker(QList<QTreeWidgetItem*>& mapper, QList<QTreeWidgetItem*>& filer)
{
    QList<QTreeWidgetItem*> raekker;
    for (int i = FMappeList->topLevelItemCount() - 1; i >= 0; --i)
        raekker << FMappeList->topLevelItem(i);
    for (int i = 0; i < FFilList->topLevelItemCount(); ++i)
        raekker << FFilList->topLevelItem(i);
    QStringList forsvundne;
    for (QTreeWidgetItem* raekke : std::as_const(raekker)) {
        if (raekke->checkState(0) != Qt::Checked)
            continue;
        const QString sti = raekkeSti(raekke);
        const auto info = entryInfo(sti);
        if (!info) {
            forsvundne << sti;
            delete raekke;
        } else if (info->isDir && !info->isLink) {
            mapper << raekke;
        } else {
            filer << raekke;
        }
    }
    return forsvundne;
}

// ---- Paste ----

void THandlinger::visTal(qint64 iGang)
{
    // The bytes of the file being copied count as done while it goes.
    posSize += iGang;
    FProgress->LabelProcent->setText(QString::number(procent()) + u'%');
    FProgress->LabelResterende->setText(resterendeTekst());
    if (procent() != FProgress->pBarAll->value())
        FProgress->pBarAll->setValue(procent());
    viserFart();
    posSize -= iGang;
}

void THandlinger::viserFart()
{
    const qint64 ms = m_start.elapsed();
    if (ms < 500 || posSize <= 0)
        return;
    const double perSek = double(posSize) * 1000.0 / double(ms);
    const qint64 tilbage = qint64(double(totalSize - posSize) / perSek);
    FProgress->LabelFart->setText(u"Hastighed: "_qs + sizeText(qint64(perSek)) + u"/s   Resterende tid: "_qs
                                  + QString::asprintf("%lld:%02lld", tilbage / 60, tilbage % 60));
}

void THandlinger::opdaterStrukturer(const QString& mappe, bool struktur1)
{
    if (struktur1)
        udfoldStruktur1(mappe);
    makeStruktur3(FMappe3);
    makeStruktur2(mappe, false);
}

// Where a folder's copy would land on the folder itself, or on a folder that
// holds it, the copy would merge the source into itself and a move would then
// delete what it just wrote: refused before anything is copied.
static bool maalRammerKilden(const QString& maal, const QString& kilde)
{
    return entryInfo(maal) && (isInsideOrSame(maal, kilde) || isInsideOrSame(kilde, maal));
}

bool THandlinger::PasteElementer()
{
    glemFortrydelse();
    listeMapper.clear();
    listeFiler.clear();
    ikkeKopieret.clear();
    flytninger.clear();
    m_fejl.clear();
    udfald = Udfald::Fejl;
    if (FMappeList->topLevelItemCount() == 0 && FFilList->topLevelItemCount() == 0) {
        visInformation(u"Der mangler elementer til funktionen."_qs);
        return false;
    }

    QString D;
    if (AktiveStruktur() == 1) {
        const StrukturRec* rec = recAf(valgtNode(FStruktur1));
        if (!rec) {
            visInformation(u"Der mangler en destination."_qs);
            return false;
        }
        D = rec->mappe;
    } else if (AktiveStruktur() == 2) {
        const StrukturRec* rec = recAf(valgtNode(FStruktur2));
        D = rec && rec->filnavn.isEmpty() ? rec->mappe : FFilMappe;
    } else {
        D = FMappe3;
    }
    if (D.isEmpty() || !folderExists(D)) {
        visInformation(u"Der mangler en destination."_qs);
        return false;
    }
    const auto politik = Kopiering(kopiering());

    QList<QTreeWidgetItem*> mappeRaekker, filRaekker;
    const QStringList forsvundne = tagRaekker(mappeRaekker, filRaekker);
    for (qsizetype i = 0; i < mappeRaekker.size(); ++i) {
        const QString P = raekkeSti(mappeRaekker[i]);
        const QString T = joinPath(D, getLastDirectory(P));
        const bool findes = entryInfo(T).has_value();
        if (findes && politik == OverskrivIkke) {
            ikkeKopieret << mappeRaekker.takeAt(i--);
            continue;
        }
        if (FKopiering && FKopiering->deleteAfterCopy && holderDatamappen(P)) {
            visInformation(u"Mappen:\r"_qs + P + u"\rmå ikke flyttes, da programmets data ligger i den. Intet blev flyttet."_qs);
            return false;
        }
        if (isInsideOrSame(D, P)) {
            visInformation(u"Destinationen ligger inde i en af de mapper, der skal kopieres:\r"_qs + P
                           + u"\rEn mappe kan ikke kopieres ind i sig selv. Intet blev kopieret."_qs);
            return false;
        }
        if (politik == Overskriv && maalRammerKilden(T, P)) {
            visInformation(u"Mappen kan ikke flettes sammen med sig selv eller med en mappe, den selv ligger i:\r"_qs
                           + P + u"\rDestination: "_qs + T + u"\rIntet blev kopieret."_qs);
            return false;
        }
        listeMapper << P;
    }
    for (qsizetype i = 0; i < filRaekker.size(); ++i) {
        const QString P = raekkeSti(filRaekker[i]);
        const QString T = joinPath(D, nameOf(P));
        const bool findes = entryInfo(T).has_value();
        // A file or link pasted where it already is stays as it is.
        if (findes && (politik == OverskrivIkke || (politik == Overskriv && (sameEntry(T, P) || sameFile(T, P))))) {
            ikkeKopieret << filRaekker.takeAt(i--);
            continue;
        }
        listeFiler << P;
    }
    if (listeMapper.isEmpty() && listeFiler.isEmpty()) {
        if (!forsvundne.isEmpty() && ikkeKopieret.isEmpty()) {
            udfald = Udfald::Forsvundet;
            visInformation(u"Elementerne findes ikke længere og blev fjernet fra kopilisten:\r"_qs
                           + forsvundne.mid(0, 5).join(u"\r"_qs));
        } else {
            visInformation(u"Der mangler elementer til kopiering.\rKilde og destination er muligvist den samme."_qs);
        }
        return false;
    }
    if (FspmBox && FspmBox->checkedId() == 0 && !FKopiering->skalElementerKopieres(D, listeFiler, listeMapper))
        return false;
    // Nothing to copy or delete when every element could simply be renamed into place.
    if (FKopiering && FKopiering->deleteAfterCopy && !flytVedOmdoebning(D, mappeRaekker, filRaekker)) {
        udfald = Udfald::Kopieret;
        opdaterStrukturer(D, AktiveStruktur() == 1);
        return true;
    }

    prepareCopy(D);
    FProgress->show();
    behandlBeskeder(true);
    const auto lukProgress = [this] {
        if (FLukCheck && FLukCheck->isChecked())
            FProgress->close();
    };
    if (const auto plads = drives().diskSpace(D); plads && plads->free < totalSize) {
        lukProgress();
        visInformation(u"Der er ikke plads nok på destinationen.\rDer skal bruges %1, men der er kun %2 ledig.\rIntet blev kopieret."_qs
                           .arg(sizeText(totalSize), sizeText(plads->free)));
        return false;
    }
    const auto stoppet = [&] {
        lukProgress();
        opdaterStrukturer(D, true);
        udfald = Udfald::Stoppet;
        visInformation(u"Kopieringen blev stoppet.\rDen fil, der var ved at blive kopieret, er fjernet igen, og intet er slettet."_qs);
        ikkeKopieret << mappeRaekker << filRaekker;
        flytninger.clear();
        return false;
    };
    const auto mislykket = [&](const QString& hvad, const QString& P, const QString& T, const QString& grund) {
        lukProgress();
        udfoldStruktur1(FFilMappe);
        makeStruktur2(FFilMappe, false);
        if (!entryInfo(P))
            udfald = Udfald::Forsvundet;
        visInformation(u"Der opstod en fejl. "_qs + hvad + u": \r"_qs + P + u"\rblev ikke kopieret til: \r"_qs + T
                       + u"\r"_qs + (grund.isEmpty() ? u"Måske mangler der rettigheder dertil."_qs : grund));
        ikkeKopieret << mappeRaekker << filRaekker;
        flytninger.clear();
        return false;
    };

    Kopijob job(D, politik, FProgress->FCancel);
    for (qsizetype i = 0; i < listeMapper.size(); ++i)
        job.tilfoejMappe(mappeRaekker[i], listeMapper[i], getLastDirectory(listeMapper[i]));
    for (qsizetype i = 0; i < listeFiler.size(); ++i)
        job.tilfoejFil(filRaekker[i], listeFiler[i]);
    // The window takes over what the job has done so far, and shows it a few
    // dozen times a second: each new text asks for a repaint.
    int filer = 0, mapper = 0;
    qint64 bytes = 0, vokset = 0;
    const auto vis = [&](bool altid) {
        const int nuFiler = job.filerFaerdige, nuMapper = job.mapperFaerdige;
        const qint64 nuBytes = job.bytesFaerdige, nuVokset = job.vokset;
        antalFiler -= nuFiler - std::exchange(filer, nuFiler);
        posSize += nuBytes - std::exchange(bytes, nuBytes);
        totalSize += nuVokset - std::exchange(vokset, nuVokset);
        for (; mapper < nuMapper; ++mapper)
            if (QListWidgetItem* raekke = FProgress->listbox->item(mapper))
                raekke->setCheckState(Qt::Checked);
        if (!altid && !visningKlar())
            return;
        visningGivet();
        if (FProgress->pBar->value() != job.filProcent)
            FProgress->pBar->setValue(job.filProcent);
        visTal(job.iGang);
    };
    const Kopijob::Slut slut = udenAtStandse([&] { return job.koer(); }, [&] { vis(false); });
    vis(true);
    flytninger = std::move(job.flytninger);
    ikkeKopieret << job.ikkeKopieret;
    m_fejl << job.fejl;
    // Folders that vanished while the paste ran: one message, however many.
    if (!job.forsvundne.isEmpty()) {
        QStringList linjer;
        for (const QString& mappe : job.forsvundne.mid(0, 5))
            linjer << u"Mappen "_qs + mappe + u" eksisterer ikke."_qs;
        visInformation(linjer.join(u'\r') + (job.forsvundne.size() > 5 ? u"\r…"_qs : QString()));
    }
    if (slut == Kopijob::Slut::Stoppet)
        return stoppet();
    if (slut == Kopijob::Slut::Mislykket)
        return mislykket(job.hvad, job.kilde, job.maal, job.grund);
    behandlBeskeder(true);
    lukProgress();
    opdaterStrukturer(D, AktiveStruktur() == 1 || (FopdaterCheck && FopdaterCheck->isChecked()));
    if (job.attributterTabt > 0)
        visInformation(elementTekst(job.attributterTabt)
                       + u" blev kopieret helt, men destinationens filsystem kunne ikke gemme alle udvidede"
                         u" attributter (brugerens egne og adgangslister)."_qs);
    if (!m_fejl.isEmpty()) {
        // Some files inside the folders could not be copied: that is no success.
        visFejlListe(elementTekst(m_fejl.size()) + u" i mapperne blev ikke kopieret:"_qs);
        return false;
    }
    udfald = Udfald::Kopieret;
    return true;
}

// ---- Delete ----

bool THandlinger::visProgress(qint64 size) const
{
    const int n = antalFiler;
    if (n < 10 || size > 1048576)
        return true;
    if (n <= 100)
        return n % (n / 10) == 0;
    return n % (n / 20) == 0;
}

int THandlinger::deleteProgress()
{
    const int p = procent();
    FSlet->LabelProcent->setText(QString::number(p) + u'%');
    FSlet->LabelResterende->setText(resterendeTekst());
    behandlBeskeder();
    return p;
}

bool THandlinger::sletEt(const QString& sti, bool tilPapirkurv, bool mappe)
{
    QString grund;
    const bool ok = tilPapirkurv ? moveToTrash(sti, &grund) : mappe ? removeTree(sti, &grund) : removeFile(sti, &grund);
    if (!ok)
        m_fejl << grund;
    return ok;
}

void THandlinger::deleteMappeFiles(const Slettetrae& trae)
{
    // Links go as links; the delete never goes through one. The removal runs on
    // a thread of its own, for one unlink can wait long on the disk's journal;
    // the window shows how far it got and passes Stop on.
    std::atomic<int> fjernet = 0;
    std::atomic<qint64> bytes = 0;
    std::atomic<bool> stop = false;
    QStringList fejl;  // the worker's own until it has ended
    int vist = 0;
    qint64 vistBytes = 0;
    const auto vis = [&] {
        const int n = fjernet;
        const qint64 b = bytes;
        antalFiler -= n - vist;
        posSize += b - vistBytes;
        vist = n;
        vistBytes = b;
        FSlet->proBar->setValue(deleteProgress());
        stop = FSlet->FCancel;
    };
    udenAtStandse(
        [&] {
            trae.fjern([&](qint64 stoerrelse, const QString& f) {
                if (!f.isEmpty())
                    fejl << f;
                bytes += stoerrelse;
                ++fjernet;
                return !stop;
            });
        },
        vis);
    vis();
    m_fejl << fejl;
}

void THandlinger::efterSletning(int aktiv)
{
    behandlBeskeder(true);
    if (FLukCheck && FLukCheck->isChecked())
        FSlet->close();
    while (!FFilMappe.isEmpty() && !folderExists(FFilMappe) && FFilMappe.contains(u'\\'))
        FFilMappe = parentOf(FFilMappe);
    if (folderExists(FFilMappe)) {
        udfoldStruktur1(FFilMappe);
        setAktiveStruktur(aktiv);
        makeStruktur3(FMappe3);
        makeStruktur2(FFilMappe, false);
    }
}

bool THandlinger::DeleteElementer(bool tilPapirkurv)
{
    glemFortrydelse();
    const int aktiv = AktiveStruktur();
    listeMapper.clear();
    listeFiler.clear();
    m_fejl.clear();
    if (FMappeList->topLevelItemCount() == 0 && FFilList->topLevelItemCount() == 0)
        CopyElementer();
    if (FMappeList->topLevelItemCount() == 0 && FFilList->topLevelItemCount() == 0) {
        visInformation(u"Der mangler elementer til funktionen."_qs);
        return false;
    }
    QList<QTreeWidgetItem*> mappeRaekker, filRaekker;
    tagRaekker(mappeRaekker, filRaekker);
    for (const QTreeWidgetItem* raekke : std::as_const(mappeRaekker))
        listeMapper << raekkeSti(raekke);
    for (const QTreeWidgetItem* raekke : std::as_const(filRaekker))
        listeFiler << raekkeSti(raekke);
    if (listeMapper.isEmpty() && listeFiler.isEmpty()) {
        visInformation(u"Der mangler elementer til sletning."_qs);
        return false;
    }
    const int spm = FspmBox ? FspmBox->checkedId() : 0;
    if ((spm == 0 || (spm == 1 && !tilPapirkurv)) && !FKopiering->skalElementerSlettes(listeFiler, listeMapper, tilPapirkurv))
        return false;

    FSlet->FCancel = false;
    prepareDelete(tilPapirkurv ? u"Der slettes til Papirkurv"_qs : u"Sletningen er permanent"_qs);
    behandlBeskeder(true);
    FSlet->show();
    for (qsizetype i = 0; i < listeMapper.size() && !FSlet->FCancel; ++i) {
        if (!folderExists(listeMapper[i]))
            continue;
        // The bin takes a folder whole, as one item the desktop restores as it was.
        if (tilPapirkurv) {
            sletEt(listeMapper[i], true, true);
            antalFiler -= mappeTraeer[size_t(i)].filer();
            posSize += mappeTraeer[size_t(i)].bytes();
            FSlet->proBar->setValue(deleteProgress());
        } else
            deleteMappeFiles(mappeTraeer[size_t(i)]);
        behandlBeskeder();
        FSlet->listbox->item(int(i))->setCheckState(Qt::Checked);
    }
    for (const QString& fil : std::as_const(listeFiler)) {
        if (FSlet->FCancel)
            break;
        --antalFiler;
        const qint64 stoerrelse = fileSize(fil);
        posSize += stoerrelse;
        QString grund;
        if (!tilPapirkurv && !removeFile(fil, &grund)) {
            // A listed file that cannot go stops the delete; the rest stays.
            visInformation(u"Der opstod en fejl, og sletningen blev standset:\r"_qs + grund);
            return false;
        }
        if (tilPapirkurv)
            sletEt(fil, true, false);
        if (visProgress(stoerrelse))
            FSlet->proBar->setValue(deleteProgress());
        behandlBeskeder();
    }
    if (!tilPapirkurv)
        for (const QString& mappe : std::as_const(listeMapper))
            if (!FSlet->FCancel && entryInfo(mappe))
                sletEt(mappe, false, true);
    efterSletning(aktiv);
    if (!m_fejl.isEmpty()) {
        visFejlListe(elementTekst(m_fejl.size()) + u" kunne ikke slettes:"_qs);
        return false;
    }
    return !FSlet->FCancel;
}

int THandlinger::EmptyRecycleBin(bool Confirm, const QString& aDrive)
{
    if (aDrive.isEmpty() || !isProgramPath(aDrive))
        return -1;
    if (Confirm && !spmForm().spoerg({QString(), u"Skal alle elementer i papirkurven på drev "_qs + aDrive.left(2)
                                                     + u" slettes permanent?"_qs}))
        return -1;
    QString fejl;
    const int fjernet = emptyTrash(aDrive[0], &fejl);
    if (!fejl.isEmpty())
        visInformation(u"Papirkurven kunne ikke tømmes helt:\r"_qs + fejl);
    return fjernet;
}

} // namespace kv
