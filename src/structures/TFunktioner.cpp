#include "structures/TFunktioner.h"
#include "ui/Beskeder.h"
#include "platform/FileSystem.h"
#include "platform/Listning.h"
#include "platform/ProgramPath.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace kv {

TFunktioner::TFunktioner(QObject* owner) : TMakeStrukturer(owner) {}

int TFunktioner::getID(QString* fil)
{
    const StrukturRec* rec = recAf(valgtNode(aktivTrae()));
    if (!rec)
        return 100;
    if (AktiveStruktur() == 2)
        FFilnavn = rec->filnavn;
    if (fil && AktiveStruktur() != 1)
        *fil = rec->filnavn;
    return rec->ID;
}

QString TFunktioner::getNodeInfo()
{
    if (!aktivTrae())
        return u"Der er ikke valgt en struktur"_qs;
    const StrukturRec* rec = recAf(valgtNode(aktivTrae()));
    if (!rec)
        return u"Ingen valgte"_qs;
    switch (rec->ID) {
    case idMappe: return u"Mappe"_qs;
    case idFil: return u"Fil"_qs;
    case idPrivat: return u"Brugermappe"_qs;
    case idDrev: return u"Drev"_qs;
    default: return QString();
    }
}

bool TFunktioner::getDirectory()
{
    FFilnavn.clear();
    FFilMappeMappe.clear();
    const StrukturRec* rec = recAf(valgtNode(aktivTrae()));
    if (!rec)
        return false;
    switch (AktiveStruktur()) {
    case 1:
        if (!folderExists(rec->mappe))
            return false;
        FDirMappe = rec->mappe;
        return true;
    case 2:
    case 3:
        if (folderExists(rec->mappe)) {
            (AktiveStruktur() == 2 ? FFilMappeMappe : FMappeValgt3) = rec->mappe;
            return true;
        }
        if (fileExists(rec->filnavn))
            FFilnavn = rec->filnavn;
        return false;
    default:
        return false;
    }
}

QString TFunktioner::getFocusDirectory(QPoint punkt)
{
    FFilnavn.clear();
    FFilMappeMappe.clear();
    QTreeWidgetItem* node = FStruktur1->itemAt(punkt);
    const StrukturRec* rec = recAf(node);
    if (!rec || !folderExists(rec->mappe)) {
        FStruktur1->clearSelection();
        FMenu1 = Kontekstmenu::Ingen;
        return QString();
    }
    FStruktur1->setCurrentItem(node);
    FDirMappe = rec->mappe;
    switch (rec->ID) {
    case idMappe: FMenu1 = Kontekstmenu::PUdirbox; break;
    case idPrivat: FMenu1 = Kontekstmenu::PUdirPrivate; break;
    case idDrev: FMenu1 = Kontekstmenu::PUdirboxDrev; break;
    default: FMenu1 = Kontekstmenu::Ingen; return QString();
    }
    return FDirMappe;
}

QString TFunktioner::getFocusFilDirectory(QPoint punkt)
{
    FFilnavn.clear();
    FFilMappeMappe.clear();
    QTreeWidgetItem* node = FStruktur2->itemAt(punkt);
    const StrukturRec* rec = recAf(node);
    if (!rec) {
        FMenu2 = Kontekstmenu::PUfilbox2;
        FStruktur2->clearSelection();
        return FFilMappe;
    }
    if (folderExists(rec->mappe)) {
        FMenu2 = Kontekstmenu::PUfilbox;
        if (!node->isSelected())
            FStruktur2->setCurrentItem(node);
        FFilMappeMappe = rec->mappe;
        return rec->mappe;
    }
    if (fileExists(rec->filnavn)) {
        if (!node->isSelected())
            FStruktur2->setCurrentItem(node);
        FMenu2 = Kontekstmenu::PUfilbox;
        FFilnavn = rec->filnavn;
        return FFilMappe;
    }
    return QString();
}

bool TFunktioner::udfoldFilDirectory()
{
    FFilnavn.clear();
    FFilMappeMappe.clear();
    const StrukturRec* rec = recAf(valgtNode(FStruktur2));
    if (!rec)
        return false;
    if (folderExists(rec->mappe)) {
        FFilMappeMappe = rec->mappe;
        makeStruktur2(FFilMappeMappe, true);
        return true;
    }
    if (fileExists(rec->filnavn)) {
        FFilnavn = rec->filnavn;
        FFilMappe = parentOf(rec->filnavn);
    }
    return false;
}

bool TFunktioner::udfoldNode(QTreeWidgetItem* node)
{
    qDeleteAll(node->takeChildren());
    SL.clear();
    addSL(recAf(node)->mappe);
    saetBoern(node);
    if (SL.empty())
        return false;
    node->setExpanded(true);
    return true;
}

QTreeWidgetItem* TFunktioner::findDrevNode(int forsteRod, const QString& drev)
{
    // The drive's own node wins over the private folders' root, which on
    // Linux is the home drive's root too.
    QTreeWidgetItem* node = nullptr;
    for (int i = forsteRod; i < FStruktur1->topLevelItemCount(); ++i) {
        node = FStruktur1->topLevelItem(i);
        if (recAf(node)->ID != idPrivat && sameTextAZ(recAf(node)->mappe, drev))
            break;
    }
    if (node)
        udfoldNode(node);
    return node;
}

bool TFunktioner::udfoldStruktur1(QString mappe)
{
    if (!folderExists(mappe)) {
        const StrukturRec* rec = recAf(valgtNode(FStruktur1));
        if (!rec || !folderExists(rec->mappe))
            return false;
        mappe = rec->mappe;
    }
    FFilnavn.clear();
    makeStruktur1();
    if (mappe.endsWith(u'\\') && mappe.size() > 3)
        mappe.chop(1);
    FDirMappe = mappe;
    const QStringList dele = mappe.split(u'\\', Qt::SkipEmptyParts);
    if (FStruktur1->topLevelItemCount() == 0 || dele.isEmpty())
        return false;
    // Private folders may come first; the drives follow them.
    QTreeWidgetItem* rod = findDrevNode(0, dele[0]);
    if (!rod)
        return false;
    if (dele.size() == 1) {
        FStruktur1->setCurrentItem(rod);
        return true;
    }
    int del = 1;
    QTreeWidgetItem* parent = rod;
    int i = 0;
    while (parent && i < parent->childCount()) {
        QTreeWidgetItem* barn = parent->child(i);
        if (!sameTextAZ(nameOf(recAf(barn)->mappe), dele[del])) {
            ++i;
            continue;
        }
        if (del == dele.size() - 1) {
            FStruktur1->setCurrentItem(barn);
            udfoldNode(barn);
            return true;
        }
        if (!udfoldNode(barn))
            return false;
        parent = barn;
        i = 0;
        ++del;
    }
    return false;
}

QString TFunktioner::udfoldMappe(QString mappe)
{
    FStruktur1->clear();
    if (!folderExists(mappe)) {
        drevListeAlene();
        return QString();
    }
    if (mappe.endsWith(u'\\') && mappe.size() > 3)
        mappe.chop(1);
    QStringList kaede;
    for (const QString& del : mappe.split(u'\\', Qt::SkipEmptyParts))
        kaede << (kaede.isEmpty() ? del : kaede.last() + u'\\' + del);
    makeHistoryStruktur(kaede);
    if (kaede.isEmpty())
        return QString();
    FDirMappe = kaede.last() + u'\\';
    return FDirMappe;
}

QString TFunktioner::getSelected()
{
    const StrukturRec* rec = recAf(valgtNode(aktivTrae()));
    if (!rec)
        return QString();
    if (AktiveStruktur() == 1)
        return getLastDirectory(rec->mappe);
    if (fileExists(rec->filnavn)) {
        FFilnavn = rec->filnavn;
        return nameOf(rec->filnavn);
    }
    return rec->mappe.isEmpty() ? QString() : getLastDirectory(rec->mappe);
}

void TFunktioner::getMappe(QString& mappe)
{
    if (AktiveStruktur() != 2 && AktiveStruktur() != 3)
        return;
    const QString& basis = AktiveStruktur() == 2 ? FFilMappe : FMappe3;
    FFilnavn.clear();
    const StrukturRec* rec = recAf(valgtNode(aktivTrae()));
    if (!rec) {
        mappe = basis;
    } else if (!rec->filnavn.isEmpty()) {
        FFilnavn = rec->filnavn;
        mappe = basis;
    } else {
        mappe = rec->mappe;
    }
}

void TFunktioner::SelectMapperFiler(int n)
{
    if (AktiveStruktur() != 2 && AktiveStruktur() != 3)
        return;
    QTreeWidget* trae = aktivTrae();
    if (trae->topLevelItemCount() == 0)
        return;
    trae->setFocus();
    const auto ingen = [&] {
        trae->clearSelection();
        FFilnavn.clear();
    };
    if (n == 1) {
        trae->selectAll();
    } else if (n == 2) {
        ingen();
    } else if (n == 3) {
        if (trae->selectedItems().size() == trae->topLevelItemCount()) {
            ingen();
        } else {
            for (QTreeWidgetItemIterator it(trae); *it; ++it)
                (*it)->setSelected(!(*it)->isSelected());
        }
    }
}

static QString medPunktum(QString ext)
{
    if (!ext.isEmpty() && !ext.startsWith(u'.'))
        ext.prepend(u'.');
    return ext;
}

int TFunktioner::fremvisFiltype(QString ext)
{
    ext = medPunktum(ext);
    int antal = 0;
    for (QTreeWidgetItemIterator it(FStruktur3); *it; ++it) {
        (*it)->setSelected(false);
        StrukturNode* node = nodeAf(*it);
        if (node && !node->rec.filnavn.isEmpty() && sameTextAZ(extensionOf(node->rec.filnavn), ext)) {
            node->setBillede(Billede::Markering);
            ++antal;
        }
    }
    return antal;
}

std::optional<int> TFunktioner::makeStrukturFil(QString ext)
{
    ext = medPunktum(ext);
    SLfil.clear();
    FStruktur3Udsnit = true;
    // A big folder fills in parts, the window answering, as Struktur 2 does.
    const QString mappe = FMappe3;
    return fillListe(FStruktur3, mappe, [&ext, &mappe](const DirEntry& e, const QString& sti) -> QTreeWidgetItem* {
        if (e.isDir || (!ext.isEmpty() && !sameTextAZ(extensionOf(e.name), ext)))
            return nullptr;
        return new StrukturNode(e.name, filBillede(extensionOf(e.name)), {mappe, sti, idFil});
    });
}

QStringList TFunktioner::valgteFiler()
{
    if (AktiveStruktur() != 2 && AktiveStruktur() != 3)
        return {};
    const QString& basis = AktiveStruktur() == 2 ? FFilMappe : FMappe3;
    QStringList stier;
    for (QTreeWidgetItemIterator it(aktivTrae()); *it; ++it) {
        const StrukturRec* rec = recAf(*it);
        if (!(*it)->isSelected() || !rec || rec->filnavn.isEmpty())
            continue;
        const QString sti = joinPath(basis, nameOf(rec->filnavn));
        if (fileExists(sti))
            stier << sti;
    }
    return stier;
}

QString TFunktioner::makeParamString()
{
    QStringList stier = valgteFiler();
    for (QString& s : stier)
        s = u'"' + s + u'"';
    return stier.join(u' ');
}

} // namespace kv
