// The main window driven as a user would: clicks, double clicks, keys and
// right clicks on the structures, the path tabs, the visited folders, the
// special folders, the column layout and the enabling of actions.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "ui/Handlingsbilleder.h"
#include "app/THandlingsliste.h"
#include "app/TStiTabs.h"
#include "app/Tmainform.h"
#include "ui/Faneraekker.h"
#include "lists/TReopenFilerX.h"
#include "lists/TInternetside.h"
#include "lists/TwmiSide.h"
#include "calendar/TDatopanel.h"
#include "calendar/TNotatpanel.h"
#include "platform/TextFile.h"
#include "fileops/THandlinger.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

using namespace kv;
using kvtest::TestPlatform;

class TstHovedvindue : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    std::unique_ptr<Tmainform> f;

    static QStringList captions(QTreeWidget* t)
    {
        QStringList r;
        for (int i = 0; i < t->topLevelItemCount(); ++i)
            r << t->topLevelItem(i)->text(0);
        return r;
    }
    static QTreeWidgetItem* find(QTreeWidget* t, const QString& caption)
    {
        const auto items = t->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        return items.isEmpty() ? nullptr : items.first();
    }
    QPoint punkt(QTreeWidget* t, QTreeWidgetItem* item)
    {
        t->scrollToItem(item);
        return t->visualItemRect(item).center();
    }
    void klik(QTreeWidget* t, const QString& caption, Qt::MouseButton knap = Qt::LeftButton,
              Qt::KeyboardModifiers mod = {})
    {
        QTreeWidgetItem* item = find(t, caption);
        QVERIFY2(item, qPrintable(caption));
        QTest::mouseClick(t->viewport(), knap, mod, punkt(t, item));
    }
    // The events a real double click brings: press, release, double click, release.
    void dobbeltklik(QTreeWidget* t, const QString& caption)
    {
        QTreeWidgetItem* item = find(t, caption);
        QVERIFY2(item, qPrintable(caption));
        const QPoint p = punkt(t, item);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(t->viewport(), Qt::LeftButton, {}, p);
    }
    // What the program does when it is idle, then the action.
    void udfoer(const char* navn)
    {
        f->handlinger->opdaterAlle();
        f->handling(navn)->trigger();
    }
    bool aktiv(const char* navn)
    {
        f->handlinger->opdaterAlle();
        return f->handling(navn)->isEnabled();
    }
    QStringList tabs()
    {
        QStringList r;
        for (int i = 0; i < f->stibox->count(); ++i)
            r << f->stibox->tabText(i);
        return r;
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install(u"Anna"_qs);
        for (const char16_t* p : {u"C:\\Data\\Fotos\\2024", u"C:\\Data\\Musik", u"C:\\.skjult", u"D:\\Film"})
            tp->makeFolder(QString::fromUtf16(p));
        for (const char16_t* p : {u"C:\\Data\\a.txt", u"C:\\Data\\b.jpg", u"C:\\Data\\.gemt.txt"})
            tp->makeFile(QString::fromUtf16(p));
        tp->installProgramFiles({u"Egenskaber\\webliste Videnskab.txt"_qs, u"Egenskaber\\webliste Underholdning.txt"_qs,
                                 u"Egenskaber\\webgruppe.txt"_qs});
        f = std::make_unique<Tmainform>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void cleanup() { f.reset(); }

    void startShowsDrivesAndDriveC()
    {
        QCOMPARE(captions(f->MappeStruktur), (QStringList{u"Hjem (C:)"_qs, u"System (D:)"_qs}));
        QStringList c = captions(f->FilStruktur);
        c.sort();
        QCOMPARE(c, (QStringList{u"Data"_qs, u"Kvistlund"_qs}));
        QVERIFY(!find(f->FilStruktur, u".skjult"_qs));
        QCOMPARE(f->historieDir->GetCaption(0), u"Drev C:"_qs);
        QCOMPARE(tabs(), QStringList{u"C:"_qs});
        QCOMPARE(f->stibox->currentIndex(), 0);
        QCOMPARE(f->EditSti->text(), u"C:"_qs);
        QCOMPARE(f->AktiveStrukturEdit->text(), u"Struktur 2"_qs);
        QCOMPARE(f->funkNo, 100);
        QCOMPARE(f->handling("Fokus2")->icon().cacheKey(), handlingsIkon(Handlingsbillede::FokusAktiv).cacheKey());
        QCOMPARE(f->handling("Fokus")->icon().cacheKey(), handlingsIkon(Handlingsbillede::FokusInaktiv).cacheKey());
    }

    void browsingWithClicksAndKeys()
    {
        dobbeltklik(f->MappeStruktur, u"Hjem (C:)"_qs);
        QVERIFY(find(f->MappeStruktur, u"Data"_qs));
        QVERIFY(!find(f->MappeStruktur, u".skjult"_qs));
        klik(f->MappeStruktur, u"Data"_qs);
        QCOMPARE(f->funk->AktiveStruktur(), 1);
        QCOMPARE(f->funk->FDirMappe, u"C:\\Data"_qs);
        QCOMPARE(f->funk->FFilMappe, u"C:\\Data"_qs);
        QCOMPARE(f->AktiveStrukturEdit->text(), u"Struktur 1"_qs);
        QCOMPARE(f->AktuelleElementEdit->text(), u"Mappe"_qs);
        QCOMPARE(f->NavnEdit->text(), u"Data"_qs);
        QCOMPARE(tabs(), (QStringList{u"C:"_qs, u"Data"_qs}));
        QCOMPARE(f->historieDir->GetCaption(0), u"Data"_qs);
        QCOMPARE(f->handling("Fokus")->icon().cacheKey(), handlingsIkon(Handlingsbillede::FokusAktiv).cacheKey());
        // Folders first, hidden entries left out.
        QCOMPARE(f->FilStruktur->topLevelItemCount(), 4);
        QCOMPARE(recAf(f->FilStruktur->topLevelItem(0))->ID, int(idMappe));
        QVERIFY(!find(f->FilStruktur, u".gemt.txt"_qs));

        klik(f->FilStruktur, u"a.txt"_qs);
        QCOMPARE(f->funk->AktiveStruktur(), 2);
        QCOMPARE(f->funkNo, int(idFil));
        QCOMPARE(f->funk->FFilnavn, u"C:\\Data\\a.txt"_qs);
        QCOMPARE(f->NavnEdit->text(), u"a.txt"_qs);

        dobbeltklik(f->FilStruktur, u"Fotos"_qs);
        QCOMPARE(f->funk->FFilMappe, u"C:\\Data\\Fotos"_qs);
        // Whatever lies under the pointer in the folder opened was never clicked.
        QVERIFY(f->FilStruktur->selectedItems().isEmpty());
        QVERIFY(f->funk->FFilnavn.isEmpty());
        QCOMPARE(tabs(), (QStringList{u"C:"_qs, u"Data"_qs, u"Fotos"_qs}));
        QCOMPARE(f->historieDir->GetCaption(0), u"Fotos"_qs);

        f->FilStruktur->setFocus();
        f->FilStruktur->setCurrentItem(find(f->FilStruktur, u"2024"_qs));
        QTest::keyClick(f->FilStruktur, Qt::Key_Return);
        QCOMPARE(f->funk->FFilMappe, u"C:\\Data\\Fotos\\2024"_qs);

        // Enter in Struktur 1 shows and expands the selected folder.
        f->MappeStruktur->setFocus();
        f->MappeStruktur->setCurrentItem(find(f->MappeStruktur, u"System (D:)"_qs));
        QTest::keyClick(f->MappeStruktur, Qt::Key_Return);
        QCOMPARE(f->funk->FFilMappe, u"D:"_qs);
        QVERIFY(find(f->MappeStruktur, u"Film"_qs));
        QCOMPARE(f->historieDir->GetCaption(0), u"Drev D:"_qs);
    }

    void expandingArrowListsOnce()
    {
        QTreeWidgetItem* d = find(f->MappeStruktur, u"System (D:)"_qs);
        QCOMPARE(d->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
        d->setExpanded(true);
        QCOMPARE(d->childCount(), 1);
        QTreeWidgetItem* film = d->child(0);
        film->setExpanded(true);  // no subfolders: the arrow goes away
        QCOMPARE(film->childCount(), 0);
        QCOMPARE(film->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicatorWhenChildless);
    }

    void rightClicksChooseTheMenu()
    {
        dobbeltklik(f->MappeStruktur, u"Hjem (C:)"_qs);
        const auto hoejreklik = [&](QTreeWidget* t, const QString& caption) -> QMenu* {
            if (caption.isEmpty())
                QTest::mousePress(t->viewport(), Qt::RightButton, {}, QPoint(10, t->viewport()->height() - 5));
            else
                QTest::mousePress(t->viewport(), Qt::RightButton, {}, punkt(t, find(t, caption)));
            for (QMenu* m : {f->PUdirbox, f->PUdirPrivate, f->PUdirboxDrev, f->PUfilbox, f->PUfilbox2}) {
                if (m->isVisible()) {
                    m->close();
                    return m;
                }
            }
            return nullptr;
        };
        QCOMPARE(hoejreklik(f->MappeStruktur, u"Data"_qs), f->PUdirbox);
        QCOMPARE(f->funk->FDirMappe, u"C:\\Data"_qs);
        QCOMPARE(hoejreklik(f->MappeStruktur, u"Hjem (C:)"_qs), f->PUdirboxDrev);
        QCOMPARE(hoejreklik(f->FilStruktur, u"Data"_qs), f->PUfilbox);
        QCOMPARE(f->funk->FFilMappeMappe, u"C:\\Data"_qs);
        QCOMPARE(hoejreklik(f->FilStruktur, QString()), f->PUfilbox2);
        QVERIFY(f->FilStruktur->selectedItems().isEmpty());
        QCOMPARE(f->funk->AktiveStruktur(), 2);
    }

    void selectionActions()
    {
        f->funk->makeStruktur2(u"C:\\Data"_qs, false);
        f->FilStruktur->setFocus();
        QCOMPARE(f->funk->AktiveStruktur(), 2);
        QVERIFY(aktiv("selectAlleElementer"));
        QVERIFY(!aktiv("deselectElementer"));
        QVERIFY(aktiv("inverterSelection"));
        QTest::keyClick(f.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f->FilStruktur->selectedItems().size(), 4);
        QVERIFY(!aktiv("selectAlleElementer"));
        udfoer("inverterSelection");
        QVERIFY(f->FilStruktur->selectedItems().isEmpty());
        klik(f->FilStruktur, u"a.txt"_qs);
        klik(f->FilStruktur, u"b.jpg"_qs, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f->FilStruktur->selectedItems().size(), 2);
        QTest::keyClick(f.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(f->FilStruktur->selectedItems().isEmpty());
        klik(f->MappeStruktur, u"Hjem (C:)"_qs);
        QVERIFY(!aktiv("selectAlleElementer") && !aktiv("inverterSelection"));
    }

    void pathTabs()
    {
        f->funk->setAktiveStruktur(2);
        f->funk->makeStruktur2(u"C:\\Data\\Fotos"_qs, true);
        f->DirectoryChange(true);
        QCOMPARE(tabs(), (QStringList{u"C:"_qs, u"Data"_qs, u"Fotos"_qs}));
        QCOMPARE(f->stibox->currentIndex(), 2);
        QCOMPARE(f->getStiTil(0), u"C:"_qs);
        QCOMPARE(f->getStiTil(1), u"C:\\Data"_qs);
        QCOMPARE(f->getStiTil(2), u"C:\\Data\\Fotos"_qs);

        // A selection in Struktur 2 is cleared before the tab changes.
        f->FilStruktur->setFocus();
        f->FilStruktur->topLevelItem(0)->setSelected(true);
        QTest::mouseClick(f->stibox->findChildren<QToolButton*>().first(), Qt::LeftButton);
        QCOMPARE(f->funk->FFilMappe, u"C:"_qs);
        QCOMPARE(tabs(), QStringList{u"C:"_qs});
        QCOMPARE(f->historieDir->GetCaption(0), u"Drev C:"_qs);

        f->AktuelleMappe = u"C:\\Data\\"_qs;
        f->makeStiTabs();
        QCOMPARE(tabs(), (QStringList{u"C:"_qs, u"Data"_qs}));
        QCOMPARE(f->stibox->currentIndex(), -1);
    }

    void visitedFoldersWrap()
    {
        f->historieDir->DeleteAlleItems();
        QVERIFY(!aktiv("Tilbage") && !aktiv("Frem"));
        for (const char16_t* p : {u"D:\\Film", u"C:\\Data\\Musik", u"C:\\Data"})
            f->funk->makeStruktur2(QString::fromUtf16(p), true);
        // Rows: Data, Musik, Film; the first is selected.
        QCOMPARE(f->HistorieListe->currentRow(), 0);
        QVERIFY(aktiv("Tilbage") && aktiv("Frem"));
        const auto trin = [&](const char* navn) {
            udfoer(navn);
            return f->HistorieListe->currentRow();
        };
        QCOMPARE(trin("Tilbage"), 1);
        QCOMPARE(f->funk->FFilMappe, u"C:\\Data\\Musik"_qs);
        QCOMPARE(trin("Tilbage"), 2);
        QCOMPARE(trin("Tilbage"), 0);
        QCOMPARE(trin("Frem"), 2);
        QCOMPARE(f->funk->FFilMappe, u"D:\\Film"_qs);
        // Stepping never reorders the list.
        QCOMPARE(f->historieDir->GetCaption(0), u"Data"_qs);

        // A visited folder that is gone is passed over silently.
        QDir(tp->host(u"C:\\Data\\Musik"_qs)).removeRecursively();
        f->HistorieListe->setCurrentRow(0);
        trin("Tilbage");
        QCOMPARE(f->funk->FFilMappe, u"D:\\Film"_qs);

        QTest::mouseClick(f->findChild<QToolButton*>(u"gemHistKnap"_qs), Qt::LeftButton);
        QCOMPARE(f->findChild<QLabel*>(u"infobarPanel2"_qs)->text(), u"Listen er gemt!"_qs);
        QCOMPARE(readTextLines(f->OptMappe + u"\\historiemapper.txt"_qs).value().size(), 6);
        f->historieDir->DeleteItemFile();
        f->historieDir->setItemfile(f->OptMappe + u"\\historiemapper.txt"_qs);
        QTest::mouseClick(f->findChild<QToolButton*>(u"hentHistKnap"_qs), Qt::LeftButton);
        QCOMPARE(f->HistorieListe->count(), 0);
        QCOMPARE(f->findChild<QLabel*>(u"infobarPanel2"_qs)->text(), u"Listen er hentet!"_qs);
    }

    void struktur3AndItsField()
    {
        // A folder path of exactly 34 characters is shown whole; 35 in short form.
        const QString kort = u"C:\\Data\\"_qs + QString(26, u'k');
        const QString lang = u"C:\\Data\\"_qs + QString(27, u'l');
        QCOMPARE(kort.size(), 34);
        tp->makeFolder(kort);
        tp->makeFolder(lang);
        f->funk->FDirMappe = kort;
        udfoer("LoadStruktur3");
        QCOMPARE(f->MappeEdit3->text(), kort);
        QCOMPARE(f->funk->AktiveStruktur(), 3);
        QVERIFY(aktiv("strukGem3"));
        udfoer("strukGem3");
        QCOMPARE(f->gemtMappe3, kort);
        QVERIFY(!aktiv("strukGem3") && !aktiv("strukHent3"));
        f->funk->FDirMappe = lang;
        udfoer("LoadStruktur3");
        QCOMPARE(f->MappeEdit3->text(), u"C:\\ ... "_qs + QString(27, u'l'));
        QCOMPARE(f->MappeEdit3->toolTip(), u"Aktuelle mappe for Struktur 3: "_qs + lang);
        QVERIFY(aktiv("strukHent3"));
        udfoer("strukHent3");
        QCOMPARE(f->funk->FMappe3, kort);

        // A double click on a folder in Struktur 3 shows it in Struktur 2.
        f->funk->makeStruktur3(u"C:\\Data"_qs);
        dobbeltklik(f->FilStruktur2, u"Musik"_qs);
        QCOMPARE(f->funk->AktiveStruktur(), 2);
        QCOMPARE(f->funk->FFilMappe, u"C:\\Data\\Musik"_qs);
        QCOMPARE(f->funk->FMappe3, u"C:\\Data"_qs);
    }

    void specialFolders()
    {
        tp->makeFolder(u"C:\\users\\Anna\\Documents"_qs);
        kvtest::DialogSvarer svar;
        QVERIFY(f->mappeBox2->isChecked() && !f->mappeBox->isChecked());
        udfoer("Adokudir");
        QCOMPARE(f->funk->FFilMappe, u"C:\\users\\Anna\\Documents"_qs);
        QCOMPARE(f->historieDir->GetCaption(0), u"Documents"_qs);

        QTest::keyClick(f.get(), Qt::Key_T, Qt::ControlModifier);
        f->topBog->setCurrentIndex(1);
        QTest::mouseClick(f->mappeBox, Qt::LeftButton);
        QVERIFY(f->mappeBox->isChecked() && !f->mappeBox2->isChecked());
        udfoer("Adokudir");
        QCOMPARE(captions(f->MappeStruktur), QStringList{u"Hjem (C:)"_qs});
        QCOMPARE(readTextLines(f->OptMappe + u"\\LastStruktur.txt"_qs).value(),
                 (QStringList{u"C:"_qs, u"C:\\users"_qs, u"C:\\users\\Anna"_qs, u"C:\\users\\Anna\\Documents"_qs}));
        QCOMPARE(f->funk->LastStrukturNo, 1);
        QVERIFY(svar.tekster.isEmpty());

        udfoer("Amusikdir");
        udfoer("aKontakter");
        udfoer("aKamBil");  // falls back to the pictures folder, which is missing too
        QCOMPARE(svar.tekster, (QStringList{u"Kunne ikke finde musikmappen."_qs, u"Mappen blev ikke fundet."_qs,
                                            u"Kunne ikke finde billedmappen."_qs}));
        // Without a shared folder "Alle brugere" opens drive C.
        udfoer("AallUsers");
        QCOMPARE(captions(f->MappeStruktur), QStringList{u"Hjem (C:)"_qs});
        QCOMPARE(f->funk->FDirMappe, u"C:\\"_qs);
    }

    void foldersBarSwitch()
    {
        const auto knapper = [&] {
            QStringList r;
            for (QAction* a : f->ToolbarMapper->actions())
                r << a->objectName();
            return r;
        };
        QVERIFY(knapper().startsWith(u"Adesktopdir"_qs));
        QCOMPARE(knapper().size(), 6);
        QVERIFY(!aktiv("aVisMapper") && aktiv("aVisSpecielleMapper"));
        udfoer("aVisSpecielleMapper");
        QCOMPARE(f->AMfunktionsNumber, 1);
        QCOMPARE(knapper().size(), 9);
        QVERIFY(aktiv("aVisMapper") && !aktiv("aVisSpecielleMapper"));
    }

    void columnLayout()
    {
        const auto tryk = [&](const QString& navn, int gange = 1) {
            for (int i = 0; i < gange; ++i)
                QTest::mouseClick(f->findChild<QToolButton*>(navn), Qt::LeftButton);
        };
        QCOMPARE(f->BleftPanel->width(), 330);
        tryk(u"idSizeNedKnap"_qs, 10);
        QCOMPARE(f->idSizeEdit->text(), u"10"_qs);
        tryk(u"pilVenstre1"_qs, 7);
        QCOMPARE(f->BleftPanel->minimumWidth(), 260);
        tryk(u"idSizeOpKnap"_qs, 10);
        tryk(u"pilVenstre1"_qs);
        QCOMPARE(f->BleftPanel->minimumWidth(), 250);  // not 240
        tryk(u"idSizeOpKnap"_qs, 100);
        QCOMPARE(f->idSize, 99);
        tryk(u"idSizeNedKnap"_qs, 100);
        QCOMPARE(f->idSize, 1);
        tryk(u"pilOp1"_qs, 80);
        QCOMPARE(f->HojdeMedit->text(), u"300"_qs);
        tryk(u"pilHojre3"_qs, 5);
        QCOMPARE(f->BrightPanel->minimumWidth(), 291);
        tryk(u"visSpalte2"_qs);
        QVERIFY(f->BleftPanel2->isHidden());

        f->resize(1200, 700);
        QTest::mouseClick(f->findChild<QPushButton*>(u"genskabKnap"_qs), Qt::LeftButton);
        QCOMPARE(f->geometry(), QRect(483, 71, 971, 902));
        QCOMPARE(f->BleftPanel->minimumWidth(), 330);
        QCOMPARE(f->HojdeMedit->text(), u"225"_qs);
        QVERIFY(f->BleftPanel2->isVisible());
    }

    void panelsAndShortcuts()
    {
        QVERIFY(f->infoPanel->isHidden());
        QTest::keyClick(f.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(f->infoPanel->isVisible());
        QTest::keyClick(f.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(f->infoPanel->isHidden());
        QTest::keyClick(f.get(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(f->topBog->isVisible());
        QCOMPARE(f->topBog->count(), 9);

        // The copy-list panels show exactly while "Kopilister" is ticked and their list has rows.
        new QTreeWidgetItem(f->Mappeliste, {QString(), u"C:\\Data"_qs});
        f->handlinger->opdaterAlle();
        QVERIFY(f->listePanel->isVisible());
        QVERIFY(f->listePanel2->isHidden());
        f->kopiCheck->setChecked(false);
        f->handlinger->opdaterAlle();
        QVERIFY(f->listePanel->isHidden());

        f->Bog->setCurrentIndex(4);
        QCOMPARE(f->bogTekstLabel->text(), u"Struktur 3: Mapper og filer"_qs);
    }

    void everyPageTabInReach()
    {
        // The right-hand panel keeps its width; its eight tabs wrap into rows instead of scrolling.
        for (const QSize vindue : {QSize(1024, 768), QSize(1600, 1000), QSize(971, 902)}) {
            f->resize(vindue);
            QCoreApplication::sendPostedEvents();
            QApplication::processEvents();
            QVERIFY(f->Bog->tabBar()->isHidden());
            QVERIFY(f->bogFaner->isVisible());
            const QList<QRect> felter = f->bogFaner->felter(f->bogFaner->width());
            QCOMPARE(felter.size(), 8);
            for (int i = 0; i < felter.size(); ++i) {
                QVERIFY2(f->bogFaner->rect().contains(felter[i]), qPrintable(f->Bog->tabText(i)));
                QVERIFY(felter[i].width() >= f->bogFaner->fontMetrics().horizontalAdvance(f->Bog->tabText(i)));
            }
        }
        const QList<QRect> felter = f->bogFaner->felter(f->bogFaner->width());
        QTest::mouseClick(f->bogFaner, Qt::LeftButton, {}, felter[4].center());
        QCOMPARE(f->Bog->currentIndex(), 4);
        QCOMPARE(f->bogTekstLabel->text(), u"Struktur 3: Mapper og filer"_qs);
        f->bogFaner->setFocus();
        QTest::keyClick(f->bogFaner, Qt::Key_Right);
        QCOMPARE(f->Bog->currentIndex(), 5);
        QTest::keyClick(f->bogFaner, Qt::Key_Left);
        QTest::keyClick(f->bogFaner, Qt::Key_Left);
        QCOMPARE(f->Bog->currentIndex(), 3);

        // On a side the page control's own tab bar serves, and back at the top the rows again.
        f->tabBox->button(1)->click();
        QCOMPARE(f->Bog->tabPosition(), QTabWidget::West);
        QVERIFY(f->Bog->tabBar()->isVisible());
        QVERIFY(f->bogFaner->isHidden());
        f->tabBox->button(0)->click();
        QVERIFY(f->Bog->tabBar()->isHidden());
        QVERIFY(f->bogFaner->isVisible());
    }

    // The pages "Internet", "WMI", "Datoer" and "Noter" are made when first
    // shown: whole, with their help button in its row and their actions usable.
    void pagesMadeWhenFirstShown()
    {
        QVERIFY(!f->findChild<TInternetside*>() && !f->findChild<TwmiSide*>());
        QVERIFY(!f->findChild<TDatopanel*>() && !f->findChild<TNotatpanel*>());

        if (f->topBog->isHidden())
            udfoer("aTopBog");
        QTest::mouseClick(f->topBog->tabBar(), Qt::LeftButton, {}, f->topBog->tabBar()->tabRect(4).center());
        QTRY_VERIFY(f->findChild<TwmiSide*>());
        auto* wmi = f->findChild<TwmiSide*>();
        QVERIFY(wmi->isVisible());
        auto* hjaelp = f->findChild<QToolButton*>(u"InfoSide5"_qs);
        QVERIFY(hjaelp && hjaelp->isVisible() && wmi->isAncestorOf(hjaelp));
        QCOMPARE(hjaelp->y(), 0);
        QVERIFY(f->handling("AloadListe")->isEnabled());

        QTest::mouseClick(f->topBog->tabBar(), Qt::LeftButton, {}, f->topBog->tabBar()->tabRect(3).center());
        QTRY_VERIFY(f->findChild<TInternetside*>());
        auto* web = f->findChild<TInternetside*>();
        QVERIFY(web->isVisible());
        QCOMPARE(web->gruppeBox->count(), 3);
        QVERIFY(f->handling("googleUrl")->isEnabled());

        const QList<QRect> felter = f->bogFaner->felter(f->bogFaner->width());
        QTest::mouseClick(f->bogFaner, Qt::LeftButton, {}, felter[6].center());
        auto* dato = f->findChild<TDatopanel*>();
        QVERIFY(dato && dato->isVisible());
        QCOMPARE(f->bogTekstLabel->text(), dato->DatoerCaption);
        QTest::mouseClick(f->bogFaner, Qt::LeftButton, {}, felter[7].center());
        QTRY_VERIFY(f->findChild<TNotatpanel*>());
        QVERIFY(f->findChild<TNotatpanel*>()->isVisible());
        QVERIFY(!dato->isVisible());
    }

    void drivesMenuAndPrivateFolders()
    {
        tp->makeFolder(u"C:\\users\\Anna\\Pictures"_qs);
        QMenu* drev = f->PUdrev;
        QVERIFY(QMetaObject::invokeMethod(drev, "aboutToShow"));
        QCOMPARE(f->funk->AktiveStruktur(), 2);
        QCOMPARE(drev->actions().size(), 2);
        drev->actions().at(1)->trigger();
        QCOMPARE(f->funk->FFilMappe, u"D:"_qs);
        QCOMPARE(tabs(), QStringList{u"D:"_qs});

        QTest::mouseClick(f->tbPrivatMapper, Qt::LeftButton);
        QVERIFY(f->medtagPrivatCheck->isChecked());
        QCOMPARE(captions(f->MappeStruktur), (QStringList{u"Anna"_qs, u"Hjem (C:)"_qs, u"System (D:)"_qs}));
        QCOMPARE(f->MappeStruktur->topLevelItem(0)->child(0)->text(0), u"Billeder"_qs);
        QCOMPARE(f->funk->AktiveStruktur(), 1);
    }

    void inPlaceEditing()
    {
        f->funk->makeStruktur2(u"C:\\Data"_qs, false);
        QTreeWidgetItem* a = find(f->FilStruktur, u"a.txt"_qs);
        f->FilStruktur->setCurrentItem(a);
        f->redigeringStarter(a);
        QVERIFY(!f->funkReady);
        QVERIFY(!aktiv("LoadStruktur3"));
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(editor));
        QTest::keyClicks(editor, u"nyt navn"_qs);
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(a->text(0), u"a.txt"_qs);
        QVERIFY(f->funkReady);
        QVERIFY(!(a->flags() & Qt::ItemIsEditable));

        QTest::qWait(10);  // the closed editor goes away
        f->redigeringStarter(a);
        editor = QApplication::focusWidget();
        QTest::keyClicks(editor, u"b"_qs);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::qWait(10);  // Return ends the edit once the key has been handled
        // The file gets the typed name with its old extension; the structures follow a second later.
        QCOMPARE(a->text(0), u"b.txt"_qs);
        QVERIFY(QFile::exists(tp->host(u"C:\\Data\\b.txt"_qs)));
        QVERIFY(!QFile::exists(tp->host(u"C:\\Data\\a.txt"_qs)));
        QTRY_VERIFY(f->funkReady);
    }
};

KV_TEST_MAIN(TstHovedvindue)
#include "tst_hovedvindue.moc"
