// Function windows: docked in a tab beside the columns or outside in front
// of the main window; the room the main window makes for the first tab and
// the size it gets back, on a large screen and on a 1366x768 one.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "ui/TFunktionsform.h"
#include "app/Tmainform.h"
#include "platform/TextFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QLabel>
#include <QTabBar>
#include <QVBoxLayout>

using namespace kv;
using kvtest::TestPlatform;

namespace {

// The smallest function window there can be: a field to put the focus in.
class TProeveform : public TFunktionsform {
public:
    TProeveform(Tmainform* hoved, int nummer) : TFunktionsform(hoved, nummer, QString::fromUtf16(funktion(nummer).navn))
    {
        felt = new QLineEdit;
        felt->setObjectName(u"felt"_qs);
        (new QVBoxLayout(this))->addWidget(felt);
    }
    QLineEdit* felt;
};

const QRect stor(0, 0, 1920, 1200), lille(1920, 0, 1366, 768);

void slet() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

class TstFunktionsvinduer : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    std::unique_ptr<Tmainform> f;

    // The main window at this place and size, shown.
    void hovedvindue(const QRect& r, bool hpSynligt = true)
    {
        f = std::make_unique<Tmainform>();
        f->hpSynligtBox->setChecked(hpSynligt);
        f->setGeometry(r);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    QWidget* fritOmraade() const { return f->findChild<QWidget*>(u"fritOmraade"_qs); }
    // The window in front of the other docked ones.
    bool forrest(QWidget* w) const
    {
        while (w->parentWidget() != fritOmraade())
            w = w->parentWidget();
        return fritOmraade()->children().last() == w;
    }
    QSize plads() const
    {
        const QSize ramme = f->frameGeometry().size() - f->size();
        return QGuiApplication::screenAt(f->frameGeometry().center())->availableGeometry().size() - ramme;
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install(u"Anna"_qs);
        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
    }
    void cleanup()
    {
        f.reset();
        slet();
    }

    void screensAreThere()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
    }

    void roomForTheFirstTab_data()
    {
        QTest::addColumn<QRect>("skaerm");
        QTest::newRow("stor skærm") << stor;
        QTest::newRow("1366x768") << lille;
    }
    void roomForTheFirstTab()
    {
        QFETCH(QRect, skaerm);
        // Columns 330 and 330, the panel 286 kept visible: 330 + 330 + 586 + 286.
        hovedvindue(QRect(skaerm.topLeft() + QPoint(20, 20), QSize(971, 700)));
        const QSize foer = f->size();
        auto* w = new TProeveform(f.get(), 2);
        w->show();
        QCOMPARE(f->width(), qMin(1532, plads().width()));
        QCOMPARE(f->height(), qMin(841, plads().height()));
        QVERIFY(!f->BrightPanel->isHidden());
        QVERIFY(!f->tc->isHidden());
        QCOMPARE(f->tc->tabText(0), u"Kalender"_qs);
        QVERIFY(fritOmraade()->isAncestorOf(w));
        w->close();
        slet();
        QCOMPARE(f->size(), foer);
        QVERIFY(f->tc->isHidden());
        QVERIFY(!f->funktionsvindue(2));

        // Not kept visible, 1200 wide: widened to 1246 and the panel makes room.
        f->hpSynligtBox->setChecked(false);
        f->resize(1200, 700);
        (new TProeveform(f.get(), 2))->show();
        QCOMPARE(f->width(), qMin(1246, plads().width()));
        QVERIFY(f->BrightPanel->isHidden());
        f->funktionsvindue(2)->close();
        slet();
        QCOMPARE(f->width(), 1200);
        QVERIFY(!f->BrightPanel->isHidden());

        // A wider window is never made narrower.
        f->hpSynligtBox->setChecked(true);
        f->resize(qMin(1700, plads().width()), 900);
        const QSize bred = f->size();
        (new TProeveform(f.get(), 2))->show();
        QCOMPARE(f->width(), bred.width());
        // A size the user chose meanwhile is kept when the last tab closes.
        f->resize(1250, 700);
        f->funktionsvindue(2)->close();
        slet();
        QCOMPARE(f->size(), QSize(1250, 700));
    }

    void aMaximisedWindowStaysMaximised()
    {
        hovedvindue(QRect(100, 100, 971, 700));
        f->showMaximized();
        QTRY_VERIFY(f->isMaximized());
        const QSize stoerrelse = f->size();
        auto* w = new TProeveform(f.get(), 2);
        w->show();
        QVERIFY(f->isMaximized());
        QCOMPARE(f->size(), stoerrelse);
        w->close();
        slet();
        QCOMPARE(f->size(), stoerrelse);
    }

    void twoDockedWindows()
    {
        kvtest::DialogSvarer svar;
        hovedvindue(QRect(100, 100, 971, 700));
        auto* kalender = new TProeveform(f.get(), 2);
        kalender->show();
        auto* genveje = new TProeveform(f.get(), 5);
        genveje->resize(580, 460);  // the size it has outside
        genveje->show();
        QCOMPARE(genveje->size(), fritOmraade()->size());
        QVERIFY(!genveje->visibleRegion().isEmpty());
        const QSize medTabs = f->size();
        QCOMPARE(f->tc->count(), 2);
        QCOMPARE(f->tc->currentIndex(), 1);
        QVERIFY(forrest(genveje));
        // The one in front hides the one behind.
        QVERIFY(genveje->autoFillBackground() && kalender->autoFillBackground());
        f->tc->setCurrentIndex(0);
        QVERIFY(forrest(kalender));

        // No change of style while a tab is open.
        const int lavendel = f->designBox->findText(u"Lavender Classico"_qs);
        f->designBox->setCurrentIndex(lavendel);
        emit f->designBox->activated(lavendel);
        QCOMPARE(f->designName, u"Sky"_qs);
        QCOMPARE(f->designBox->currentText(), u"Sky"_qs);
        QCOMPARE(svar.tekster, QStringList{u"Luk andre funktioner og prøv igen."_qs});

        kalender->close();
        slet();
        QCOMPARE(f->tc->count(), 1);
        QCOMPARE(f->tc->tabText(0), u"Genveje"_qs);
        QVERIFY(!f->tc->isHidden());
        QCOMPARE(f->size(), medTabs);

        // Closing the main window with a tab open saves the size without tabs.
        f->close();
        const auto linjer = readTextLines(f->optFilnavn);
        QVERIFY(linjer);
        QCOMPARE(linjer->at(3), u"971"_qs);
        QCOMPARE(linjer->at(4), u"700"_qs);
    }

    void theBoxIsLockedWhileTheWindowExists()
    {
        hovedvindue(QRect(100, 100, 971, 700));
        auto* boks = f->findChild<QCheckBox*>(u"CheckKalender"_qs);
        QVERIFY(boks->isEnabled());
        boks->setChecked(true);
        auto* w = new TProeveform(f.get(), 2);
        w->show();
        QVERIFY(!boks->isEnabled());
        QVERIFY(w->showType && w->isWindow());
        QCOMPARE(w->parentWidget(), f.get());
        QCOMPARE(w->width(), 580);
        QVERIFY((f->frameGeometry().center() - w->frameGeometry().center()).manhattanLength() < 4);
        QVERIFY(f->tc->isHidden());
        QCOMPARE(f->size(), QSize(971, 700));
        QCOMPARE(f->funktionsvindue(2), w);
        // Another function's box stays free.
        QVERIFY(f->findChild<QCheckBox*>(u"CheckOpret"_qs)->isEnabled());
        w->close();
        slet();
        QVERIFY(boks->isEnabled());
        QVERIFY(!f->funktionsvindue(2));

        // The next opening follows the box as it is then.
        boks->setChecked(false);
        auto* igen = new TProeveform(f.get(), 2);
        igen->show();
        QVERIFY(!igen->showType && !igen->isWindow());
        QCOMPARE(f->tc->count(), 1);
    }

    void noRoomBesideTheColumnsOpensOutside()
    {
        // Wide columns and the panel kept visible leave a 1366 screen too little room beside them.
        hovedvindue(QRect(lille.topLeft() + QPoint(20, 20), QSize(971, 700)));
        f->BleftPanel->setMinimumWidth(600);
        QTRY_VERIFY(f->BleftPanel->width() >= 600);
        QVERIFY(f->dokBredde() < TFunktionsform::mindsteDokBredde);
        auto* w = new TProeveform(f.get(), 2);
        w->show();
        QVERIFY(w->showType);
        QVERIFY(w->isWindow());
        QVERIFY(f->tc->isHidden());
        QVERIFY(!f->funktionsBoks(2)->isChecked());
        QVERIFY(f->findChild<QLabel*>(u"infobarPanel2"_qs)->text().contains(u"uden for hovedvinduet"_qs));
        QVERIFY(f->BleftPanel->width() >= 600);
        w->close();
        slet();

        // With the panel free to go, the same window docks in the room it leaves.
        f->hpSynligtBox->setChecked(false);
        QVERIFY(f->dokBredde() >= TFunktionsform::mindsteDokBredde);
        w = new TProeveform(f.get(), 2);
        w->show();
        QVERIFY(!w->showType);
        QVERIFY(fritOmraade()->isAncestorOf(w));
        QTRY_VERIFY(fritOmraade()->width() >= TFunktionsform::mindsteDokBredde);
        QCOMPARE(fritOmraade()->width(), f->dokBredde());
        w->close();
        slet();
    }

    void aNarrowFreeAreaScrolls()
    {
        // On 1366x768 with the panel kept visible the free area is some 400 wide.
        hovedvindue(QRect(lille.topLeft() + QPoint(20, 20), QSize(971, 700)));
        auto* w = new TProeveform(f.get(), 2);
        w->felt->setMinimumWidth(800);
        w->show();
        QWidget* omraade = fritOmraade();
        QVERIFY(omraade->width() < 800);
        QVERIFY(w->width() >= 800 + w->layout()->contentsMargins().left());
        auto* rulle = qobject_cast<QScrollArea*>(w->parentWidget()->parentWidget());
        QVERIFY(rulle);
        QCOMPARE(rulle->parentWidget(), omraade);
        QCOMPARE(rulle->geometry(), omraade->rect());
        QTRY_VERIFY(rulle->horizontalScrollBar()->isVisible());
        QVERIFY(!rulle->verticalScrollBar()->isVisible());
        QVERIFY(w->felt->visibleRegion().boundingRect().right() < w->felt->width() - 1);
        // Scrolled to the end, the right edge is in sight.
        rulle->horizontalScrollBar()->setValue(rulle->horizontalScrollBar()->maximum());
        QCOMPARE(w->geometry().right(), rulle->viewport()->rect().right());
        QCOMPARE(w->felt->visibleRegion().boundingRect().right(), w->felt->width() - 1);

        // Room enough again: no bars, and the window fills the free area.
        f->setGeometry(QRect(10, 10, 1900, 900));
        QTRY_VERIFY(omraade->width() > 820);
        QCOMPARE(rulle->geometry(), omraade->rect());
        QTRY_VERIFY(!rulle->horizontalScrollBar()->isVisible());
        QCOMPARE(w->size(), omraade->size());
        QCOMPARE(w->pos(), QPoint());

        // The scroll area goes with the window.
        QPointer<QScrollArea> weg = rulle;
        w->close();
        slet();
        QTRY_VERIFY(!weg);
        QVERIFY(omraade->children().isEmpty());
    }

    // Outside on the 1366x768 screen: a tall window fits, scrolls and can be sized;
    // its hints reach the main status line.
    void outsideOnAShortScreen()
    {
        hovedvindue(QRect(lille.topLeft() + QPoint(20, 20), QSize(971, 700)));
        f->findChild<QCheckBox*>(QString::fromUtf16(funktion(2).boks))->setChecked(true);
        auto* w = new TProeveform(f.get(), 2);
        w->felt->setMinimumHeight(1000);
        w->felt->setStatusTip(u"Skriv her"_qs);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(w->isWindow());
        QVERIFY2(lille.contains(w->frameGeometry()), qPrintable(QDebug::toString(w->frameGeometry()) + QDebug::toString(f->frameGeometry())));
        QVERIFY(w->minimumHeight() < w->maximumHeight());
        auto* rulle = w->findChild<QScrollArea*>();
        QVERIFY(rulle && rulle->isAncestorOf(w->felt));
        QTRY_VERIFY(rulle->verticalScrollBar()->isVisible());

        QStatusTipEvent tip(w->felt->statusTip());
        QApplication::sendEvent(w->felt, &tip);
        QCOMPARE(f->findChild<QLabel*>(u"infobarPanel2"_qs)->text(), u"Skriv her"_qs);
        w->close();
        slet();

        // A low window keeps its fixed size and needs no scrolling.
        auto* lav = new TProeveform(f.get(), 2);
        lav->show();
        QCOMPARE(lav->minimumSize(), lav->maximumSize());
        QVERIFY(!lav->findChild<QScrollArea*>());
        lav->close();
        slet();
    }

    // A close while a docked window's tab hides the panel and widens the window
    // saves the panel and the size as they were before the tab.
    void theTabsChangesAreNotSaved()
    {
        hovedvindue(QRect(100, 100, 1200, 700), false);
        (new TProeveform(f.get(), 2))->show();
        QVERIFY(f->BrightPanel->isHidden());
        QVERIFY(f->height() > 700);
        f->gemEgenskaber();
        const auto linjer = readTextLines(u"C:\\Kvistlund\\Anna\\Egenskaber\\MainEgenskaber.txt"_qs);
        QVERIFY(linjer);
        QCOMPARE(linjer->at(4), u"700"_qs);
        QCOMPARE(linjer->at(23), u"1"_qs);
    }

    // Windows closed but not yet deleted go before the main window is taken apart.
    void closedWindowsGoWithTheMainWindow()
    {
        hovedvindue(QRect(100, 100, 971, 700));
        QPointer<TProeveform> a = new TProeveform(f.get(), 2);
        QPointer<TProeveform> b = new TProeveform(f.get(), 8);
        a->show();
        b->show();
        a->close();
        b->close();
        QVERIFY(a && b);  // waiting for the event loop
        f.reset();
        QVERIFY(!a && !b);
    }

    void focusSelectsTheTab()
    {
        hovedvindue(QRect(100, 100, 971, 700));
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        auto* kalender = new TProeveform(f.get(), 2);
        kalender->show();
        auto* soeg = new TProeveform(f.get(), 8);
        soeg->show();
        QCOMPARE(f->tc->tabText(f->tc->currentIndex()), u"Søg"_qs);
        kalender->felt->setFocus();
        QCOMPARE(f->tc->tabText(f->tc->currentIndex()), u"Kalender"_qs);
        QVERIFY(forrest(kalender));
        // The tab's close button closes its window.
        emit f->tc->tabCloseRequested(f->tc->currentIndex());
        slet();
        QVERIFY(!f->funktionsvindue(2));
        QCOMPARE(f->tc->count(), 1);
    }
};

int main(int argc, char** argv)
{
    kvtest::prepareEnvironment();
    // A large screen and a 1366x768 one beside it.
    const QString sti = qEnvironmentVariable("HOME") + u"/skaerme.json"_qs;
    QFile fil(sti);
    if (!fil.open(QIODevice::WriteOnly))
        return 1;
    fil.write(R"({"screens": [
        {"name": "stor", "x": 0, "y": 0, "width": 1920, "height": 1200, "logicalDpi": 96},
        {"name": "lille", "x": 1920, "y": 0, "width": 1366, "height": 768, "logicalDpi": 96}]})");
    fil.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + sti.toUtf8());
    QApplication app(argc, argv);
    kv::brugDansk();
    TstFunktionsvinduer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_funktionsvinduer.moc"
