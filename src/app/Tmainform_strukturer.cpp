// How the main window reacts to the three structures: clicks, double clicks,
// keys, right clicks, in-place editing, and the actions of their toolbars.
#include "ui/Handlingsbilleder.h"
#include "ui/UdenAtStandse.h"
#include "app/THandlingsliste.h"
#include "app/TStiTabs.h"
#include "app/Tmainform.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"
#include "fileops/THandlinger.h"
#include "structures/Levendemapper.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace kv {

int Tmainform::strukturNummer(QObject* obj) const
{
    const QTreeWidget* traeer[] = {MappeStruktur, FilStruktur, FilStruktur2};
    for (int i = 0; i < 3; ++i)
        if (obj == traeer[i] || obj == traeer[i]->viewport())
            return i + 1;
    return 0;
}

void Tmainform::visValgteMappe()
{
    funk->setAktiveStruktur(1);
    // A node whose folder went before the tree heard of it leaves; it never
    // stands for another folder.
    if (levende && levende->fjernHvisBorte(TFunktioner::valgtNode(MappeStruktur))) {
        UdskrivInfo(u"Mappen findes ikke længere"_qs);
        funk->getDirectory();
        DirectoryChange(true);
        return;
    }
    funk->getDirectory();
    funk->makeStruktur2(funk->FDirMappe, true);
    DirectoryChange(true);
}

void Tmainform::udfoldValgteMappe()
{
    funk->setAktiveStruktur(1);
    funk->udfoldDirectory();
}

void Tmainform::struktur2Klik()
{
    funk->setAktiveStruktur(2);
    funk->getDirectory();
    DirectoryChange(true);
}

void Tmainform::struktur2DobbeltKlik()
{
    funk->setAktiveStruktur(2);
    if (funk->udfoldFilDirectory())
        DirectoryChange(true);
    else if (!funk->FFilnavn.isEmpty())
        koerFil(0, funk->FFilnavn);
}

void Tmainform::struktur3Klik()
{
    funk->setAktiveStruktur(3);
    funk->getDirectory();
    DirectoryChange(true);
}

void Tmainform::struktur3DobbeltKlik()
{
    funk->setAktiveStruktur(3);
    if (funk->getDirectory() && folderExists(funk->FMappeValgt3)) {
        funk->setAktiveStruktur(2);
        funk->makeStruktur2(funk->FMappeValgt3, true);
        DirectoryChange(true);
    } else if (!funk->FFilnavn.isEmpty()) {
        koerFil(0, funk->FFilnavn);
    }
}

static bool erNavigationstast(int tast)
{
    switch (tast) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

bool Tmainform::eventFilter(QObject* obj, QEvent* event)
{
    if (obj == HistorieListe && event->type() == QEvent::KeyPress && funk) {
        const int tast = static_cast<QKeyEvent*>(event)->key();
        if ((tast == Qt::Key_Return || tast == Qt::Key_Enter || tast == Qt::Key_Space) && HistorieListe->currentItem()) {
            visHistorieMappe();
            return true;
        }
    }
    const int s = funk ? strukturNummer(obj) : 0;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        if (funk && (s != 0 || obj == stibox))
            return traekHaendelse(s != 0 ? s : 4, event);
        break;
    default:
        break;
    }
    if (s == 0)
        return QMainWindow::eventFilter(obj, event);
    QTreeWidget* trae = s == 1 ? MappeStruktur : s == 2 ? FilStruktur : FilStruktur2;
    switch (event->type()) {
    case QEvent::FocusIn:
        funk->setAktiveStruktur(s);
        break;
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(event);
        m_efterDobbeltKlik = false;
        m_trykPunkt = m->button() == Qt::LeftButton ? m->position().toPoint() : QPoint();
        if (m->button() != Qt::RightButton || s == 3)
            break;
        funk->setAktiveStruktur(s);
        const QPoint punkt = m->position().toPoint();
        QMenu* menu = nullptr;
        if (s == 1) {
            funk->getFocusDirectory(punkt);
            DirectoryChange(true);
            menu = funk->FMenu1 == Kontekstmenu::PUdirbox       ? PUdirbox
                 : funk->FMenu1 == Kontekstmenu::PUdirPrivate   ? PUdirPrivate
                 : funk->FMenu1 == Kontekstmenu::PUdirboxDrev   ? PUdirboxDrev
                                                                : nullptr;
        } else {
            funk->getFocusFilDirectory(punkt);
            DirectoryChange(true);
            menu = funk->FMenu2 == Kontekstmenu::PUfilbox ? PUfilbox : PUfilbox2;
        }
        if (menu) {
            handlinger->opdaterAlle();
            menu->popup(m->globalPosition().toPoint());
        }
        return true;
    }
    case QEvent::MouseMove: {
        // A press that moves far enough becomes a drag.
        auto* m = static_cast<QMouseEvent*>(event);
        if (obj == trae->viewport() && (m->buttons() & Qt::LeftButton) && !m_trykPunkt.isNull()
            && (m->position().toPoint() - m_trykPunkt).manhattanLength() >= QApplication::startDragDistance()) {
            m_trykPunkt = QPoint();
            startTraek(s);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (obj != trae->viewport())
            break;
        // The release that ends a double click is no click of its own.
        const bool klik = m->button() == Qt::LeftButton && !m_efterDobbeltKlik;
        if (klik) {
            if (s == 1)
                visValgteMappe();
            else if (s == 2)
                struktur2Klik();
            else
                struktur3Klik();
        }
        // The folder a double click opened has nothing under the mouse that was clicked.
        if (m_efterDobbeltKlik) {
            m_efterDobbeltKlik = false;
            return true;
        }
        // Ctrl and Shift clicks build a selection; a plain click takes the element under the mouse.
        if (s == 2 && m->button() != Qt::RightButton && !(m->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier))) {
            funk->getFocusFilDirectory(m->position().toPoint());
            DirectoryChange(true);
        }
        break;
    }
    case QEvent::MouseButtonDblClick: {
        if (obj != trae->viewport() || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            break;
        m_efterDobbeltKlik = true;
        if (s == 1)
            udfoldValgteMappe();
        else if (s == 2)
            struktur2DobbeltKlik();
        else
            struktur3DobbeltKlik();
        return true;
    }
    case QEvent::KeyPress: {
        // Enter in a caption being edited ends the edit and opens nothing.
        if (m_redigeret)
            break;
        const auto* k = static_cast<QKeyEvent*>(event);
        const int tast = k->key();
        // Backspace and Alt+Up go up one folder, as in other file managers.
        if ((tast == Qt::Key_Backspace && k->modifiers() == Qt::NoModifier)
            || (tast == Qt::Key_Up && k->modifiers() == Qt::AltModifier)) {
            aabnForaeldermappe();
            return true;
        }
        if (tast != Qt::Key_Return && tast != Qt::Key_Enter)
            break;
        if (s == 1) {
            visValgteMappe();
            udfoldValgteMappe();
            DirectoryChange(true);
        } else if (s == 2) {
            struktur2DobbeltKlik();
        } else {
            struktur3Klik();
            if (funkNo == 1)
                koerFil(0, funk->FFilnavn);
        }
        return true;
    }
    case QEvent::KeyRelease:
        if (erNavigationstast(static_cast<QKeyEvent*>(event)->key()))
            DirectoryChange(true);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(obj, event);
}

void Tmainform::struktur1Udfoldet(QTreeWidgetItem* node)
{
    // Opening a folder by its arrow lists it the first time.
    StrukturNode* n = nodeAf(node);
    if (n && !n->listet && n->childCount() == 0 && funk)
        funk->udfoldNode(n);
}

void Tmainform::redigeringStarter(QTreeWidgetItem* node)
{
    if (!funkReady || !node)
        return;
    funkReady = false;
    m_redigeret = node;
    OldNodeTekst = node->text(0);
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    node->treeWidget()->editItem(node);
}

void Tmainform::redigeringSlutter(bool fortrudt)
{
    QTreeWidgetItem* node = std::exchange(m_redigeret, nullptr);
    if (funkReady || !node)
        return;
    node->setFlags(node->flags() & ~Qt::ItemIsEditable);
    const StrukturRec* rec = recAf(node);
    const QString nytNavn = rec ? fraVisning(node->text(0), nameOf(rec->filnavn.isEmpty() ? rec->mappe : rec->filnavn))
                                : node->text(0);
    if (fortrudt || nytNavn == OldNodeTekst || !rec) {
        node->setText(0, OldNodeTekst);
        ladHaendelserKoere(QEventLoop::ExcludeUserInputEvents);
        funkReady = true;
        return;
    }
    const int s = strukturNummer(node->treeWidget());
    funk->setAktiveStruktur(s);
    QString tekst;
    if (rec->filnavn.isEmpty())
        funk->RenameMappe(OldNodeTekst, nytNavn, tekst, node);
    else
        funk->RenameFil(OldNodeTekst, nytNavn, tekst, node);
    // A folder renamed in Struktur 2 or 3 leaves Struktur 2 where it was.
    (s == 1 ? Timer : TimerFil)->start();
    node->setText(0, tekst);
    ladHaendelserKoere(QEventLoop::ExcludeUserInputEvents);
}

void Tmainform::TimerTimer()
{
    funk->udfoldStruktur1(funk->FDirMappe);
    ladHaendelserKoere();
    funk->setAktiveStruktur(2);
    funk->makeStruktur2(funk->FDirMappe, false);
    DirectoryChange(true);
    ladHaendelserKoere();
    funk->makeStruktur3(funk->FMappe3);
    ladHaendelserKoere();
    funkReady = true;
}

void Tmainform::TimerFilTimer()
{
    funk->udfoldStruktur1(funk->FDirMappe);
    funk->makeStruktur3(funk->FMappe3);
    ladHaendelserKoere();
    funk->setAktiveStruktur(2);
    funk->makeStruktur2(funk->FFilMappe, false);
    DirectoryChange(true);
    ladHaendelserKoere();
    funkReady = true;
}

void Tmainform::visMappe3Felt()
{
    if (funk->FMappe3.size() > 34) {
        MappeEdit3->setText(funk->FMappe3LD);
        MappeEdit3->setToolTip(u"Aktuelle mappe for Struktur 3: "_qs + funk->FMappe3);
    } else {
        MappeEdit3->setText(funk->FMappe3);
        MappeEdit3->setToolTip(u"Aktuelle mappe for Struktur 3"_qs);
    }
}

void Tmainform::privatMapperKlik()
{
    funk->FMedtagPrivat = !funk->FMedtagPrivat;
    medtagPrivatCheck->setChecked(funk->FMedtagPrivat);
    tbPrivatMapper->setIcon(handlingsIkon(funk->FMedtagPrivat ? Handlingsbillede::PrivatMed : Handlingsbillede::PrivatUden));
    funk->FPrivatTop = placerPrivatCheck->isChecked();
    funk->setAktiveStruktur(1);
    funk->makeStruktur1();
    DirectoryChange(false);
}

void Tmainform::bindStrukturHandlinger()
{
    for (QTreeWidget* t : {MappeStruktur, FilStruktur, FilStruktur2}) {
        t->installEventFilter(this);
        t->viewport()->installEventFilter(this);
        // A delegate of its own, so an edit's end is told to this tree only.
        auto* delegat = new QStyledItemDelegate(t);
        t->setItemDelegate(delegat);
        connect(delegat, &QAbstractItemDelegate::closeEditor, this,
                [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                    redigeringSlutter(hint == QAbstractItemDelegate::RevertModelCache);
                });
    }
    connect(MappeStruktur, &QTreeWidget::itemExpanded, this, &Tmainform::struktur1Udfoldet);
    connect(Timer, &QTimer::timeout, this, &Tmainform::TimerTimer);
    connect(TimerFil, &QTimer::timeout, this, &Tmainform::TimerFilTimer);
    connect(tbPrivatMapper, &QToolButton::clicked, this, &Tmainform::privatMapperKlik);
    connect(PUdrev1, &QMenu::aboutToShow, this, [this] {
        funk->setAktiveStruktur(1);
        funk->makeDrevMenu(PUdrev1);
    });
    connect(PUdrev, &QMenu::aboutToShow, this, [this] {
        funk->setAktiveStruktur(2);
        funk->makeDrevMenu(PUdrev);
    });

    THandlingsliste& h = *handlinger;
    const auto harTekst = [](const QString& t) { return [&t] { return !t.isEmpty(); }; };
    h.bind("OpdaterStruktur", [this] {
        funk->setAktiveStruktur(1);
        funk->udfoldStruktur1(funk->FDirMappe);
        DirectoryChange(false);
    }, harTekst(funk->FDirMappe));
    h.bind("KunDrev", [this] {
        funk->setAktiveStruktur(1);
        funk->makeStruktur1();
        DirectoryChange(false);
    });
    h.bind("UdfoldValgte", [this] {
        funk->setAktiveStruktur(1);
        funk->udfoldDirectory();
        DirectoryChange(false);
    }, [this] { return TFunktioner::valgtNode(MappeStruktur) != nullptr; });
    const auto harNoder = [this] { return MappeStruktur->topLevelItemCount() > 0; };
    h.bind("UdfoldStruktur", [this] { TMakeStrukturer::udfoldAlle(MappeStruktur); }, harNoder);
    h.bind("SammenfoldStruktur", [this] { MappeStruktur->collapseAll(); }, harNoder);
    h.bind("aMappeRegu", [this] {
        funk->setAktiveStruktur(1);
        funk->udfoldStruktur1(funk->FFilMappe);
        DirectoryChange(false);
    }, harTekst(funk->FFilMappe));
    h.bind("opdater2", [this] {
        funk->setAktiveStruktur(2);
        funk->makeStruktur2(funk->FFilMappe, false);
        DirectoryChange(true);
    });
    const auto aktiv23 = [this] { return funk->AktiveStruktur() == 2 || funk->AktiveStruktur() == 3; };
    h.bind("selectAlleElementer", [this] { funk->SelectMapperFiler(1); }, [this, aktiv23] {
        return aktiv23() && funk->aktivTrae()->selectedItems().size() < funk->aktivTrae()->topLevelItemCount();
    });
    h.bind("deselectElementer", [this] { funk->SelectMapperFiler(2); },
           [this, aktiv23] { return aktiv23() && funk->aktivTrae()->selectionModel()->hasSelection(); });
    h.bind("inverterSelection", [this] { funk->SelectMapperFiler(3); },
           [this, aktiv23] { return aktiv23() && funk->aktivTrae()->topLevelItemCount() > 0; });
    h.bind("opdaterBegge", [this] {
        funk->udfoldStruktur1(funk->FDirMappe);
        funk->setAktiveStruktur(2);
        funk->makeStruktur2(funk->FFilMappe, false);
        DirectoryChange(true);
    }, harTekst(funk->FDirMappe));
    h.bind("aMappeRegu2", [this] { funk->udfoldStruktur1(funk->FMappe3); }, harTekst(funk->FMappe3));
    h.bind("aMappeRegu3", [this] {
        funk->setAktiveStruktur(2);
        funk->makeStruktur2(funk->FMappe3, false);
        DirectoryChange(true);
    }, harTekst(funk->FMappe3));
    const auto visIStruktur3 = [this](const QString& mappe) {
        funk->setAktiveStruktur(3);
        funk->makeStruktur3(mappe);
        visMappe3Felt();
        DirectoryChange(false);
    };
    h.bind("LoadStruktur3", [this, visIStruktur3] { visIStruktur3(funk->FDirMappe); },
           [this] { return funkReady && !funk->FDirMappe.isEmpty(); });
    h.bind("LoadStruktur32", [this, visIStruktur3] {
        visIStruktur3(funk->FFilMappeMappe.isEmpty() ? funk->FFilMappe : funk->FFilMappeMappe);
    }, [this] { return funkReady && !funk->FFilMappe.isEmpty(); });
    h.bind("opdater3", [this] {
        funk->setAktiveStruktur(3);
        funk->makeStruktur3(funk->FMappe3);
        DirectoryChange(false);
    }, harTekst(funk->FMappe3));
    h.bind("strukGem3", [this] { gemtMappe3 = funk->FMappe3; },
           [this] { return !funk->FMappe3.isEmpty() && !sameTextAZ(funk->FMappe3, gemtMappe3); });
    h.bind("strukHent3", [this, visIStruktur3] { visIStruktur3(gemtMappe3); },
           [this] { return !gemtMappe3.isEmpty() && !sameTextAZ(gemtMappe3, funk->FMappe3); });
}

} // namespace kv
