#include "structures/TMakeStrukturer.h"
#include "ui/Beskeder.h"
#include "lists/TReopenFilerX.h"
#include "platform/Fejl.h"
#include "platform/FileSystem.h"
#include "platform/Listning.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"
#include "platform/TextFile.h"
#include "ui/UdenAtStandse.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QScopeGuard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTreeWidget>
#include <malloc.h>

namespace kv {

TMakeStrukturer::TMakeStrukturer(QObject* owner) : TMapper(owner) {}

TMakeStrukturer::~TMakeStrukturer()
{
    if (m_frigiv.joinable())
        m_frigiv.join();
}

void TMakeStrukturer::setAktiveStruktur(int n)
{
    if (n == FAktiveStruktur)
        return;
    FAktiveStruktur = n;
    if (FonAktivStruktur)
        FonAktivStruktur(n);
}

QTreeWidget* TMakeStrukturer::aktivTrae() const
{
    switch (FAktiveStruktur) {
    case 1: return FStruktur1;
    case 2: return FStruktur2;
    case 3: return FStruktur3;
    default: return nullptr;
    }
}

QTreeWidgetItem* TMakeStrukturer::valgtNode(QTreeWidget* trae)
{
    if (!trae)
        return nullptr;
    QTreeWidgetItem* c = trae->currentItem();
    if (c && c->isSelected())
        return c;
    const auto valgte = trae->selectedItems();
    return valgte.isEmpty() ? nullptr : valgte.first();
}

void TMakeStrukturer::addSL(const QString& mappe)
{
    // A folder that cannot be listed simply shows fewer entries.
    const auto indhold = listSubfolders(mappe);
    if (!indhold)
        return;
    for (const DirEntry& e : *indhold)
        if (!e.hidden)
            SL.push_back({e.name, joinPath(mappe, e.name), QString(), idMappe});
}

QString TMakeStrukturer::getLastDirectory(const QString& sti)
{
    if (sti.size() > 3)
        return nameOf(sti);
    return sti.left(2);
}

QString TMakeStrukturer::drevCaption(QChar bogstav, int type)
{
    const QString drev = QString(bogstav) + u':';
    switch (type) {
    case DriveRemovable:
    case DriveFixed: return drives().volumeLabel(bogstav) + u" ("_qs + drev + u')';
    case DriveOptical: return u"Diskdrev("_qs + drev + u')';
    default: return QString();
    }
}

Billede TMakeStrukturer::drevBillede(QChar bogstav, int type)
{
    if (type == DriveOptical)
        return Billede::OptiskDrev;
    return type == DriveFixed && bogstav == u'C' ? Billede::SystemDrev : Billede::AndetDrev;
}

void TMakeStrukturer::tilfoejRod(QTreeWidgetItem* node)
{
    if (StartNo == 0)
        FStruktur1->clear();
    FStruktur1->addTopLevelItem(node);
    ++StartNo;
}

StrukturNode* TMakeStrukturer::nyStruktur1Node(const QString& caption, Billede billede, StrukturRec rec)
{
    // Folders of Struktur 1 are listed when opened; until then they offer to open.
    auto* node = new StrukturNode(caption, billede, std::move(rec));
    node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return node;
}

void TMakeStrukturer::saetBoern(QTreeWidgetItem* node)
{
    StrukturNode* n = nodeAf(node);
    n->listet = true;
    QList<QTreeWidgetItem*> boern;
    boern.reserve(qsizetype(SL.size()));
    for (const SLElement& e : SL)
        boern << nyStruktur1Node(e.caption, Billede::Mappe, {e.mappe, QString(), idMappe});
    node->addChildren(boern);
    node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void TMakeStrukturer::udfoldAlle(QTreeWidget* trae)
{
    QList<QTreeWidgetItem*> stak;
    for (int i = 0; i < trae->topLevelItemCount(); ++i)
        stak << trae->topLevelItem(i);
    while (!stak.isEmpty()) {
        QTreeWidgetItem* n = stak.takeLast();
        if (n->childCount() == 0)
            continue;
        n->setExpanded(true);
        for (int c = 0; c < n->childCount(); ++c)
            stak << n->child(c);
    }
}

std::vector<TMakeStrukturer::VistDrev> TMakeStrukturer::visteDrev()
{
    std::vector<VistDrev> r;
    for (const QString& rod : drives().logicalDriveStrings()) {
        if (!drives().rootExists(rod[0]))
            continue;
        const int type = drives().driveType(rod);
        const QString caption = drevCaption(rod[0], type);
        if (!caption.isEmpty())
            r.push_back({rod.left(2), caption, drevBillede(rod[0], type)});
    }
    return r;
}

void TMakeStrukturer::makePreDrives()
{
    LastStrukturNo = 0;
    Platform::instance().refreshDrives();
    for (const VistDrev& d : visteDrev())
        tilfoejRod(nyStruktur1Node(d.caption, d.billede, {d.drev, QString(), idDrev}));
}

void TMakeStrukturer::makePreStruktur()
{
    LastStrukturNo = 0;
    const QString profil = Platform::instance().profileFolder();
    auto* rod = nyStruktur1Node(FBrugernavn, Billede::Bruger,
                                 {folderExists(profil) ? profil : u"C:"_qs, QString(), idPrivat});
    tilfoejRod(rod);
    const std::pair<SpecialFolder, std::pair<const char16_t*, Billede>> private_[] = {
        {SpecialFolder::Desktop, {u"Skrivebord", Billede::Skrivebord}},
        {SpecialFolder::Documents, {u"Dokumenter", Billede::Dokumenter}},
        {SpecialFolder::Pictures, {u"Billeder", Billede::Billeder}},
        {SpecialFolder::Music, {u"Musik", Billede::Musik}},
        {SpecialFolder::Videos, {u"Videoer", Billede::Videoer}},
        {SpecialFolder::Favorites, {u"Favoritter", Billede::Favoritter}},
    };
    for (const auto& [mappe, visning] : private_)
        if (const auto sti = Platform::instance().specialFolder(mappe))
            rod->addChild(nyStruktur1Node(QString::fromUtf16(visning.first), visning.second, {*sti, QString(), idPrivat}));
    rod->setExpanded(true);
}

QString TMakeStrukturer::makeStruktur1()
{
    LastStrukturNo = 0;
    StartNo = 0;
    FStruktur1->clear();
    if (!FMedtagPrivat) {
        makePreDrives();
    } else if (FPrivatTop) {
        makePreStruktur();
        makePreDrives();
    } else {
        makePreDrives();
        makePreStruktur();
    }
    if (QTreeWidgetItem* forste = FStruktur1->topLevelItem(0)) {
        FStruktur1->setCurrentItem(forste);
        FDirMappe = recAf(forste)->mappe;
    } else {
        FDirMappe.clear();
    }
    return FDirMappe;
}

// Nothing in it, or nothing that can be read (a drive without a disc).
static bool tomMappe(const QString& mappe)
{
    const auto indhold = listFolderKinds(mappe);
    return !indhold || indhold->empty();
}

QString TMakeStrukturer::udfoldDirectory()
{
    FFilnavn.clear();
    if (FStruktur1->topLevelItemCount() == 0)
        return QString();
    if (!valgtNode(FStruktur1))
        FStruktur1->setCurrentItem(FStruktur1->topLevelItem(0));
    StrukturNode* node = nodeAf(valgtNode(FStruktur1));
    if (!node) {
        visInformation(u"Der opstod en ukendt fejl."_qs);
        return QString();
    }
    qDeleteAll(node->takeChildren());
    SL.clear();
    addSL(node->rec.mappe);
    if (SL.empty() && drives().driveType(node->rec.mappe + u'\\') == DriveOptical && tomMappe(node->rec.mappe)) {
        // An empty disc is marked once and stays disabled; one with only files is no empty disc.
        if (!node->isDisabled()) {
            node->setText(0, node->text(0) + u" TOM"_qs);
            node->setDisabled(true);
        }
        return QString();
    }
    saetBoern(node);
    node->setExpanded(true);
    return node->rec.mappe;
}

std::optional<int> TMakeStrukturer::fillListe(QTreeWidget* trae, const QString& mappe, const Raekke& raekke)
{
    SL.clear();
    const quint64 denne = toemListe(trae);
    ++m_fylderNu;
    QPointer<TMakeStrukturer> selv(this);
    const auto faerdig = qScopeGuard([&] {
        if (selv)
            --m_fylderNu;
    });
    QPointer<QTreeWidget> vagt(trae);
    const auto gyldig = [&] { return selv && vagt && m_fyldninger.value(trae) == denne; };
    // A folder that cannot be listed simply shows fewer entries. A newer fill
    // of the list, or the window closing, stops the reading of a big folder.
    std::stop_source stop;
    auto indhold = udenAtStandse([laes = folderShownLister(mappe), t = stop.get_token()] { return laes(t); },
                                 [&] {
                                     if (!gyldig())
                                         stop.request_stop();
                                 });
    if (!gyldig())
        return std::nullopt;
    if (!indhold)
        return 0;
    // Folders first, then files. A big folder comes in parts of about 15 ms'
    // work each, the window answering between them; a newer fill of the list
    // ends this one. The view lays out all its rows again whenever rows come,
    // so they go to it once an eighth more than it shows has been made: all
    // those passes then cost about as much as nine at the end, however big
    // the folder.
    constexpr qsizetype stor = 50000;
    QList<QTreeWidgetItem*> noder;
    noder.reserve(std::min(qsizetype(indhold->size()), qsizetype(16384)));
    int antal = 0;
    QElapsedTimer portion;
    portion.start();
    for (const bool mapper : {true, false}) {
        for (const DirEntry& e : *indhold) {
            if (e.hidden || e.isDir != mapper)
                continue;
            const QString sti = joinPath(mappe, e.name);
            QTreeWidgetItem* node = raekke        ? raekke(e, sti)
                                    : mapper      ? new StrukturNode(Billede::Mappe, {sti, QString(), idMappe})
                                                  : new StrukturNode(filBillede(extensionOf(e.name)), {QString(), sti, idFil});
            if (!node)
                continue;
            noder << node;
            ++antal;
            if (noder.size() % 1024 != 0 || portion.elapsed() < 15)
                continue;
            ladHaendelserKoere();
            if (gyldig() && noder.size() >= trae->topLevelItemCount() / 8) {
                trae->addTopLevelItems(noder);
                noder.clear();
                // The view's pass over the rows runs in the first turn, after
                // what waited; the second lets what came meanwhile run before
                // more work.
                ladHaendelserKoere();
                ladHaendelserKoere();
            }
            if (!gyldig()) {
                qDeleteAll(noder);
                return std::nullopt;
            }
            portion.restart();
        }
    }
    trae->addTopLevelItems(noder);
    if (qsizetype(indhold->size()) >= stor) {
        // The listing's many small names leave holes among the rows: freed and
        // given back to the system off the window's thread, for it takes a while.
        if (m_frigiv.joinable())
            m_frigiv.join();  // long done, unless two such folders came in a row
        m_frigiv = std::thread([weg = std::move(*indhold)]() mutable {
            std::vector<DirEntry>().swap(weg);
            ::malloc_trim(0);
        });
    }
    return antal;
}

void TMakeStrukturer::stopFyldninger()
{
    for (quint64& fyldning : m_fyldninger)
        ++fyldning;
}

quint64 TMakeStrukturer::toemListe(QTreeWidget* trae)
{
    trae->clear();
    return ++m_fyldninger[trae];
}

void TMakeStrukturer::makeStruktur2(QString mappe, bool insert, bool fyld)
{
    oldFilMappe = FFilMappe;
    FFilnavn.clear();
    FFilMappeMappe.clear();
    FFilMappe = mappe;
    if (!folderExists(FFilMappe)) {
        // Struktur 1's first folder stands in; with no Struktur 1 there is nothing to show.
        const StrukturRec* forste = recAf(FStruktur1->topLevelItem(0));
        FFilMappe = forste ? forste->mappe : QString();
    }
    if (FFilMappe.isEmpty()) {
        SL.clear();
        toemListe(FStruktur2);
        return;
    }
    if (insert && FHistorieDir) {
        FHistorieDir->InsertItem(FFilMappe, mappeCaption(FFilMappe));
        if (FHistorieDir->ListeBoks())
            FHistorieDir->ListeBoks()->setCurrentRow(0);
    }
    if (fyld)
        fillListe(FStruktur2, FFilMappe);
}

QString TMakeStrukturer::mappeCaption(const QString& mappe)
{
    const QString caption = nameOf(mappe);
    return caption.size() >= 2 && caption[1] == u':' ? u"Drev "_qs + caption : caption;
}

bool TMakeStrukturer::makeStruktur3(QString mappe)
{
    FMappe3.clear();
    FStruktur3Udsnit = false;
    SLfil.clear();
    SL.clear();
    toemListe(FStruktur3);
    if (!folderExists(mappe)) {
        if (FMappeEdit3) {
            FMappeEdit3->clear();
            FMappeEdit3->setToolTip(QString());
        }
        return false;
    }
    FMappe3 = mappe;
    FMappe3LD = mappe.left(3) + u" ... "_qs + getLastDirectory(mappe);
    fillListe(FStruktur3, FMappe3);
    return true;
}

void TMakeStrukturer::makeDrive(const QString& drev)
{
    for (int i = 0; i < FStruktur1->topLevelItemCount(); ++i)
        if (sameTextAZ(recAf(FStruktur1->topLevelItem(i))->mappe, drev))
            return;
    for (const QString& rod : drives().logicalDriveStrings()) {
        if (!sameTextAZ(rod, drev + u'\\') || !drives().rootExists(rod[0]))
            continue;
        const int type = drives().driveType(rod);
        const QString caption = drevCaption(rod[0], type);
        if (!caption.isEmpty())
            tilfoejRod(nyStruktur1Node(caption, drevBillede(rod[0], type), {rod.left(2), QString(), idDrev}));
        return;
    }
}

void TMakeStrukturer::makeDrevMenu(QMenu* menu)
{
    menu->clear();
    Platform::instance().refreshDrives();
    for (const VistDrev& d : visteDrev()) {
        // The entry carries its drive, so labels with parentheses are no trouble.
        QAction* a = menu->addAction(ikon(d.billede), d.caption);
        connect(a, &QAction::triggered, this, [this, drev = d.drev] { drevMenuKlik(drev); });
    }
}

void TMakeStrukturer::drevMenuKlik(const QString& drev)
{
    try {
        if (FAktiveStruktur == 1) {
            FStruktur1->clear();
            StartNo = 0;
            makeDrive(drev);
            gemLastStruktur({drev});
            LastStrukturNo = 3;
            udfoldDirectory();
            if (FonDirectoryChange)
                FonDirectoryChange(true);
        } else if (FAktiveStruktur == 2) {
            makeStruktur2(drev, true);
            if (FonDirectoryChange)
                FonDirectoryChange(true);
        }
    } catch (const Fejl& f) {
        visInformation(u"Der opstod en ukendt fejl.\r"_qs + f.tekst());
    }
}

void TMakeStrukturer::gemLastStruktur(const QStringList& liste)
{
    if (FLastStruktur.isEmpty())
        return;
    // Each start restores the structure it finds there: the same lines are
    // not written and flushed to the disk again.
    if (readTextLines(FLastStruktur) == liste)
        return;
    QString fejl;
    if (!writeTextLines(FLastStruktur, liste, &fejl))
        throw Fejl(fejl);
}

void TMakeStrukturer::vaelgFoersteRod()
{
    if (QTreeWidgetItem* forste = FStruktur1->topLevelItem(0)) {
        FStruktur1->setCurrentItem(forste);
        FDirMappe = recAf(forste)->mappe;
    }
}

void TMakeStrukturer::drevListeAlene()
{
    FStruktur1->clear();
    StartNo = 0;
    makePreDrives();
    vaelgFoersteRod();
    LastStrukturNo = 0;
}

QStringList TMakeStrukturer::rensListe(QStringList& liste)
{
    Platform::instance().refreshDrives();
    QStringList vis;
    for (qsizetype i = liste.size() - 1; i >= 0; --i) {
        QString& sti = liste[i];
        while (sti.size() > 2 && sti.endsWith(u'\\'))
            sti.chop(1);
        if (folderExists(sti)) {
            vis.prepend(sti);
            continue;
        }
        // An unplugged drive comes back; its folders are kept for then.
        const bool drevNede = isProgramPath(sti) && !drives().rootExists(sti[0].toUpper());
        if (!drevNede)
            liste.removeAt(i);
    }
    return vis;
}

void TMakeStrukturer::makeHistoryStruktur(QStringList& liste)
{
    const QStringList vis = rensListe(liste);
    try {
        FStruktur1->clear();
        StartNo = 0;
        for (qsizetype i = vis.size() - 1; i >= 0; --i)
            makeDrive(vis[i].left(2));
        // Nothing to show (gone, or only on drives that are not shown): the drives alone.
        if (FStruktur1->topLevelItemCount() == 0) {
            drevListeAlene();
            return;
        }
        // Built apart from the view, with every node found by its path: the
        // host tells "Foto" from "foto", so names match exactly.
        const QList<QTreeWidgetItem*> roedder = FStruktur1->invisibleRootItem()->takeChildren();
        QHash<QString, QTreeWidgetItem*> noder;
        noder.reserve(vis.size() * 2);
        for (QTreeWidgetItem* rod : roedder)
            noder.insert(recAf(rod)->mappe, rod);
        for (const QString& sti : vis) {
            const qsizetype drev = sti.indexOf(u'\\');
            QTreeWidgetItem* node = drev < 0 ? nullptr : noder.value(sti.left(drev).toUpper());
            if (!node)
                continue;
            // Each folder on the way by its path, the drive as its root names it.
            const QString rod = recAf(node)->mappe;
            for (qsizetype start = drev + 1; start <= sti.size();) {
                qsizetype slut = sti.indexOf(u'\\', start);
                if (slut < 0)
                    slut = sti.size();
                QString vej;
                vej.reserve(rod.size() + slut - drev);
                vej.append(rod).append(QStringView(sti).mid(drev, slut - drev));
                QTreeWidgetItem*& barn = noder[vej];
                if (!barn) {
                    barn = nyStruktur1Node(sti.mid(start, slut - start), Billede::Mappe, {vej, QString(), idMappe});
                    node->addChild(barn);
                }
                node = barn;
                start = slut + 1;
            }
        }
        FStruktur1->addTopLevelItems(roedder);
        udfoldAlle(FStruktur1);
        gemLastStruktur(liste);
        vaelgFoersteRod();
        LastStrukturNo = 1;
    } catch (const Fejl& f) {
        visInformation(u"Det lykkedes ikke at fremstille strukturen.\r"_qs + f.tekst());
        LastStrukturNo = 0;
    }
}

void TMakeStrukturer::makePunktStruktur(QStringList& liste)
{
    const QStringList vis = rensListe(liste);
    try {
        StartNo = 0;
        FStruktur1->clear();
        bool kunDrev = true;
        for (const QString& sti : vis) {
            if (sti.size() == 2)
                makeDrive(sti);
            else
                kunDrev = false;
        }
        const bool medDrev = FStruktur1->topLevelItemCount() > 0;
        if (vis.isEmpty() || (kunDrev && !medDrev)) {
            drevListeAlene();
            return;
        }
        if (!kunDrev) {
            // Without a drive shown, a listed drive is a root like any folder.
            for (const QString& sti : vis)
                if (!medDrev || sti.size() != 2)
                    tilfoejRod(nyStruktur1Node(getLastDirectory(sti), Billede::Mappe, {sti, QString(), idMappe}));
        }
        vaelgFoersteRod();
        gemLastStruktur(liste);
        LastStrukturNo = 2;
    } catch (const Fejl& f) {
        visInformation(u"Det lykkedes ikke at fremstille strukturen.\r"_qs + f.tekst());
        LastStrukturNo = 0;
    }
}

} // namespace kv
