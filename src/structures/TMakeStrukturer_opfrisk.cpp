// Bringing a shown folder's nodes up to what is on disk now, node by node, so
// the nodes that are still there keep their selection, expansion and place.
#include "structures/TMakeStrukturer.h"
#include "platform/FileSystem.h"
#include "platform/Listning.h"
#include "platform/Platform.h"
#include "platform/ProgramPath.h"

#include <QHash>
#include <QSet>
#include <QTreeWidget>

namespace kv {

// True when noget is node or lies under it.
static bool indeholder(QTreeWidgetItem* node, QTreeWidgetItem* noget)
{
    for (QTreeWidgetItem* a = noget; a; a = a->parent())
        if (a == node)
            return true;
    return false;
}

static QString noegle(const StrukturRec& rec)
{
    return rec.ID == idFil ? u'1' + rec.filnavn : u'0' + rec.mappe;
}

static QString noegle(const SLElement& e)
{
    return e.ID == idFil ? u'1' + e.filnavn : u'0' + e.mappe;
}

bool TMakeStrukturer::opfriskBoern(QTreeWidgetItem* forael, const QString& mappe, bool medFiler)
{
    QTreeWidget* trae = forael->treeWidget();
    // The folder as it is now, folders first, in the order a listing shows
    // them; one that cannot be listed simply shows fewer entries.
    std::vector<SLElement> ny, filer;
    if (const auto indhold = medFiler ? listFolderShown(mappe) : listSubfolders(mappe)) {
        for (const DirEntry& e : *indhold) {
            if (e.hidden)
                continue;
            if (e.isDir)
                ny.push_back({e.name, joinPath(mappe, e.name), QString(), idMappe});
            else if (medFiler)
                filer.push_back({e.name, QString(), joinPath(mappe, e.name), idFil});
        }
    }
    ny.insert(ny.end(), std::make_move_iterator(filer.begin()), std::make_move_iterator(filer.end()));
    QHash<QString, qsizetype> plads;
    plads.reserve(qsizetype(ny.size()));
    for (size_t i = 0; i < ny.size(); ++i)
        plads.insert(noegle(ny[i]), qsizetype(i));

    // The row at the top of the view stays there when rows come or go above it.
    QTreeWidgetItem* oeverst = trae ? trae->itemAt(0, 0) : nullptr;
    QTreeWidgetItem* aktuel = trae ? trae->currentItem() : nullptr;
    bool aktuelFjernet = false;
    // What is gone goes first; what stays keeps its order, as the listing's order is fixed.
    std::vector<bool> findes(ny.size(), false);
    qsizetype forrige = -1;
    bool iOrden = true;
    for (int i = forael->childCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* barn = forael->child(i);
        const StrukturRec* rec = recAf(barn);
        const auto it = rec ? plads.constFind(noegle(*rec)) : plads.constEnd();
        if (it == plads.constEnd() || findes[size_t(*it)]) {
            aktuelFjernet = aktuelFjernet || indeholder(barn, aktuel);
            if (indeholder(barn, oeverst))
                oeverst = nullptr;
            delete forael->takeChild(i);
            continue;
        }
        findes[size_t(*it)] = true;
    }
    for (int i = 0; i < forael->childCount(); ++i) {
        const qsizetype p = plads.value(noegle(*recAf(forael->child(i))));
        iOrden = iOrden && p > forrige;
        forrige = p;
    }
    const auto nyNode = [&](const SLElement& e) -> QTreeWidgetItem* {
        // The lists' rows take their captions from their paths when shown.
        if (e.ID == idFil)
            return new StrukturNode(filBillede(extensionOf(e.caption)), {QString(), e.filnavn, idFil});
        if (medFiler)
            return new StrukturNode(Billede::Mappe, {e.mappe, QString(), idMappe});
        return nyStruktur1Node(e.caption, Billede::Mappe, {e.mappe, QString(), idMappe});
    };
    if (iOrden) {
        // New rows go in between, a run of them at a time.
        int c = 0;
        QList<QTreeWidgetItem*> loeb;
        for (size_t j = 0; j <= ny.size(); ++j) {
            if (j < ny.size() && !findes[j]) {
                loeb << nyNode(ny[j]);
                continue;
            }
            if (!loeb.isEmpty()) {
                forael->insertChildren(c, loeb);
                c += int(loeb.size());
                loeb.clear();
            }
            ++c;
        }
    } else {
        // Rows that were put out of order by hand: the whole row set in the listing's order.
        QHash<QString, QTreeWidgetItem*> gamle;
        QList<QTreeWidgetItem*> udfoldet;
        const QList<QTreeWidgetItem*> boern = forael->takeChildren();
        for (QTreeWidgetItem* b : boern) {
            gamle.insert(noegle(*recAf(b)), b);
            if (b->isExpanded())
                udfoldet << b;
        }
        QList<QTreeWidgetItem*> alle;
        alle.reserve(qsizetype(ny.size()));
        for (const SLElement& e : ny)
            alle << (findes[size_t(plads.value(noegle(e)))] ? gamle.value(noegle(e)) : nyNode(e));
        forael->addChildren(alle);
        for (QTreeWidgetItem* b : udfoldet)
            b->setExpanded(true);
        if (trae && aktuel && !aktuelFjernet)
            trae->setCurrentItem(aktuel, 0, QItemSelectionModel::NoUpdate);
    }
    if (StrukturNode* n = nodeAf(forael); n && !medFiler)
        n->listet = true;
    if (trae && oeverst)
        trae->scrollToItem(oeverst, QAbstractItemView::PositionAtTop);
    return aktuelFjernet;
}

bool TMakeStrukturer::opfriskDrev()
{
    Platform::instance().refreshDrives();
    if (LastStrukturNo != 0 || FStruktur1->topLevelItemCount() == 0)
        return false;
    const std::vector<VistDrev> vist = visteDrev();
    QSet<QString> skal;
    for (const VistDrev& d : vist)
        skal.insert(d.drev);
    QTreeWidgetItem* aktuel = FStruktur1->currentItem();
    bool fjernet = false;
    for (int i = FStruktur1->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* rod = FStruktur1->topLevelItem(i);
        if (recAf(rod)->ID != idDrev || skal.contains(recAf(rod)->mappe))
            continue;
        fjernet = fjernet || indeholder(rod, aktuel);
        delete FStruktur1->takeTopLevelItem(i);
    }
    for (const VistDrev& d : vist) {
        // After the last drive root with a lower letter, else before the first drive root.
        int foer = -1, efter = -1;
        bool findes = false;
        for (int i = 0; i < FStruktur1->topLevelItemCount(); ++i) {
            const StrukturRec* rec = recAf(FStruktur1->topLevelItem(i));
            if (rec->ID != idDrev)
                continue;
            findes = findes || rec->mappe == d.drev;
            if (rec->mappe < d.drev)
                efter = i + 1;
            else if (foer < 0)
                foer = i;
        }
        if (findes)
            continue;
        const int plads = efter >= 0 ? efter : foer >= 0 ? foer : FStruktur1->topLevelItemCount();
        FStruktur1->insertTopLevelItem(plads, nyStruktur1Node(d.caption, d.billede, {d.drev, QString(), idDrev}));
    }
    StartNo = FStruktur1->topLevelItemCount();
    return fjernet;
}

} // namespace kv
