// Drag and drop between the three structures, the path tabs and other
// desktop programs. A drop pastes exactly what was dragged, through the
// ordinary paste with its question, progress and conflict policy; the rows
// already waiting in the copy lists sit it out untouched.
#include "app/TStiTabs.h"
#include "app/Tmainform.h"
#include "ui/Traekmarkoer.h"
#include "fileops/THandlinger.h"
#include "platform/Filadresser.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"
#include "ui/Beskeder.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QCheckBox>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace kv {

namespace {

// Our own drags carry program paths, one a line (a line break in a name is escaped).
const QString stiType = u"application/x-kvistlund-stier"_qs;

// The root of a folder: "C:\" for "C:\Data", the bare drive for "C:".
QString drevRod(const QString& mappe)
{
    return mappe.size() <= 2 ? mappe : mappe.left(3);
}

QStringList draget(const QMimeData* data)
{
    if (data->hasFormat(stiType))
        return QString::fromUtf8(data->data(stiType)).split(u'\n', Qt::SkipEmptyParts);
    return programPaths(data->urls());
}

// Nothing is dropped where there is no folder (the empty part of the tab
// row or of Struktur 1), into its own folder, onto a dragged folder or inside one.
bool kanModtage(const QStringList& stier, const QString& mappe)
{
    if (mappe.isEmpty())
        return false;
    for (const QString& sti : stier)
        if (sameTextAZ(parentOf(sti), mappe) || sameTextAZ(sti, mappe)
            || (mappe.size() > sti.size() && mappe[sti.size()] == u'\\' && sameTextAZ(mappe.left(sti.size()), sti)))
            return false;
    return !stier.isEmpty();
}

void afkryds(const QList<QTreeWidgetItem*>& raekker, Qt::CheckState tilstand)
{
    for (QTreeWidgetItem* r : raekker)
        r->setCheckState(0, tilstand);
}

// Ends an open in-place edit as Enter would, so the typed name is kept.
void afslutRedigering(QTreeWidgetItem* node)
{
    QTreeWidget* trae = node->treeWidget();
    if (QWidget* editor = trae ? trae->itemWidget(node, 0) : nullptr) {
        QAbstractItemDelegate* d = trae->itemDelegate();
        emit d->commitData(editor);
        emit d->closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
    }
}

QList<QTreeWidgetItem*> afkrydsede(QTreeWidget* liste)
{
    QList<QTreeWidgetItem*> raekker;
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        if (liste->topLevelItem(i)->checkState(0) == Qt::Checked)
            raekker << liste->topLevelItem(i);
    return raekker;
}

} // namespace

QMimeData* Tmainform::traekData(int s)
{
    QTreeWidget* trae = s == 1 ? MappeStruktur : s == 2 ? FilStruktur : FilStruktur2;
    QStringList stier;
    if (s == 1) {
        // Drives cannot be dragged.
        if (const StrukturRec* rec = recAf(TMakeStrukturer::valgtNode(trae)); rec && rec->mappe.size() > 2)
            stier << rec->mappe;
    } else {
        for (QTreeWidgetItemIterator it(trae, QTreeWidgetItemIterator::Selected); *it; ++it)
            if (const StrukturRec* rec = recAf(*it); rec && rec->ID <= idFil)
                stier << (rec->filnavn.isEmpty() ? rec->mappe : rec->filnavn);
    }
    if (stier.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(stiType, stier.join(u'\n').toUtf8());
    QList<QUrl> urls;
    for (const QString& sti : std::as_const(stier))
        if (const QUrl url = fileUrl(sti); url.isValid())
            urls << url;
    data->setUrls(urls);
    return data;
}

void Tmainform::startTraek(int s)
{
    // Clicks act on the release, which a drag never has: Struktur 2 still shows its folder.
    QMimeData* data = traekData(s);
    if (!data)
        return;
    const bool flere = draget(data).size() > 1;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setDragCursor(traekMarkoer(flere, false), Qt::MoveAction);
    drag->setDragCursor(traekMarkoer(flere, true), Qt::CopyAction);
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    m_svaever = nullptr;
}

QString Tmainform::slipMappe(int maal, QPoint punkt) const
{
    switch (maal) {
    case 1: {
        const StrukturRec* rec = recAf(MappeStruktur->itemAt(punkt));
        return rec && folderExists(rec->mappe) ? rec->mappe : QString();
    }
    case 2: {
        const StrukturRec* rec = recAf(FilStruktur->itemAt(punkt));
        return rec && rec->filnavn.isEmpty() && folderExists(rec->mappe) ? rec->mappe : funk->FFilMappe;
    }
    case 3: return funk->FMappe3;
    case 4: {
        const int tab = stibox->tabAt(punkt);
        return tab < 0 ? QString() : getStiTil(tab);
    }
    default: return QString();
    }
}

bool Tmainform::slip(int maal, QPoint punkt, const QMimeData* data)
{
    const QStringList stier = draget(data);
    if (m_optaget || !kanModtage(stier, slipMappe(maal, punkt)))
        return false;
    switch (maal) {
    case 1:
        funk->setAktiveStruktur(1);
        funk->getFocusDirectory(punkt);
        DrevDest = drevRod(funk->FDirMappe);
        break;
    case 2:
        funk->setAktiveStruktur(2);
        DrevDest = drevRod(funk->FFilMappe);
        funk->getFocusFilDirectory(punkt);
        break;
    case 3:
        funk->setAktiveStruktur(3);
        DrevDest = drevRod(funk->FMappe3);
        break;
    default: {
        const int tab = stibox->tabAt(punkt);
        const QString mappe = getStiTil(tab);
        stibox->setCurrentIndex(tab);
        stiTabSkift(tab);
        funk->setAktiveStruktur(1);
        const bool naaet = funk->udfoldStruktur1(funk->FFilMappe);
        MappeStruktur->setFocus();
        // Struktur 1 may not reach the tab's folder (a hidden one): then the
        // drop goes nowhere rather than into the node it stopped at.
        const StrukturRec* rec = recAf(TMakeStrukturer::valgtNode(MappeStruktur));
        if (!naaet || !rec || !sameTextAZ(rec->mappe, mappe)) {
            visInformation(u"Fanebladets mappe:\r"_qs + mappe + u"\rkan ikke vises i Struktur 1. Intet blev indsat."_qs);
            return false;
        }
        DrevDest = drevRod(funk->FDirMappe);
        break;
    }
    }
    DrevSource = drevRod(stier.first());
    // Only our own drags move; what another program drops is copied.
    const bool flyt = data->hasFormat(stiType) && !DragDropCheck->isChecked() && sameTextAZ(DrevSource, DrevDest);
    saetIndKun(stier, flyt);
    DrevSource.clear();
    DrevDest.clear();
    return true;
}

void Tmainform::saetIndKun(const QStringList& stier, bool flyt)
{
    const bool klip = DelAfterPasteCheck->isChecked();
    const QList<QTreeWidgetItem*> ventende = afkrydsede(Mappeliste) + afkrydsede(Filliste);
    afkryds(ventende, Qt::Unchecked);
    const int foerMapper = Mappeliste->topLevelItemCount();
    const int foerFiler = Filliste->topLevelItemCount();
    for (const QString& sti : stier)
        funk->RegisterElements(sti);
    DelAfterPasteCheck->setChecked(flyt);
    PasteExecute();
    // The dropped rows leave the lists again; the waiting ones are as they were.
    for (auto [liste, foer] : {std::pair{Mappeliste, foerMapper}, std::pair{Filliste, foerFiler}})
        while (liste->topLevelItemCount() > foer)
            delete liste->topLevelItem(liste->topLevelItemCount() - 1);
    afkryds(ventende, Qt::Checked);
    DelAfterPasteCheck->setChecked(klip);
}

bool Tmainform::traekHaendelse(int maal, QEvent* event)
{
    auto* e = static_cast<QDropEvent*>(event);
    const QPoint punkt = e->position().toPoint();
    if (event->type() == QEvent::DragLeave) {
        m_svaever = nullptr;
        m_udfoldTimer->stop();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        m_udfoldTimer->stop();
        // The rename goes first; the trees change with it, so the place under
        // the pointer may be another folder now: the drop is not carried out.
        if (m_redigeret) {
            afslutRedigering(m_redigeret);
            UdskrivInfo(u"Navnet blev gemt, før der blev sluppet. Træk elementerne igen."_qs);
            e->ignore();
            return true;
        }
        if (slip(maal, punkt, e->mimeData()))
            e->acceptProposedAction();
        else
            e->ignore();
        return true;
    }
    const bool kan = !m_optaget && kanModtage(draget(e->mimeData()), slipMappe(maal, punkt));
    if (maal <= 3) {
        // The tree scrolls near its edges; a Struktur 1 node held under the pointer opens.
        QTreeWidget* trae = maal == 1 ? MappeStruktur : maal == 2 ? FilStruktur : FilStruktur2;
        QScrollBar* bar = trae->verticalScrollBar();
        if (punkt.y() < 16)
            bar->setValue(bar->value() - 1);
        else if (punkt.y() > trae->viewport()->height() - 16)
            bar->setValue(bar->value() + 1);
        QTreeWidgetItem* node = maal == 3 ? nullptr : trae->itemAt(punkt);
        if (kan && node && recAf(node) && recAf(node)->filnavn.isEmpty()) {
            trae->selectionModel()->clearSelection();
            node->setSelected(true);
        }
        if (maal == 1 && node != m_svaever) {
            m_svaever = node;
            m_udfoldTimer->start();
        }
    }
    // The enter is always taken, so a refused drag never falls through to the
    // window behind; the move that follows it at once shows whether it may drop.
    if (kan || event->type() == QEvent::DragEnter)
        e->acceptProposedAction();
    else
        e->ignore();
    return true;
}

void Tmainform::bindTraek()
{
    m_udfoldTimer = new QTimer(this);
    m_udfoldTimer->setSingleShot(true);
    m_udfoldTimer->setInterval(700);
    connect(m_udfoldTimer, &QTimer::timeout, this, [this] {
        if (m_svaever && m_svaever->treeWidget() == MappeStruktur) {
            struktur1Udfoldet(m_svaever);
            m_svaever->setExpanded(true);
        }
    });
    for (QTreeWidget* t : {MappeStruktur, FilStruktur, FilStruktur2})
        t->viewport()->setAcceptDrops(true);
    stibox->setAcceptDrops(true);
    stibox->installEventFilter(this);
}

} // namespace kv
