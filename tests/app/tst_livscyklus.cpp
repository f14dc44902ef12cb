// Closing the program with unsaved work: every open function window and the
// notes page is asked in the order they were opened, docked or outside;
// "Annuller" keeps everything as it was, "Nej" lets go, "Ja" saves, and a
// save that fails keeps the program open with the text where it was typed.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/Tmainform.h"
#include "calendar/TNotatpanel.h"
#include "calendar/Tkalenderform.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "structures/Levendemapper.h"
#include "ui/UdenAtStandse.h"
#include "fileops/THandlinger.h"
#include "structures/Tmappestrukturform.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>

using namespace kv;
using kvtest::TestPlatform;

class TstLivscyklus : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    std::unique_ptr<Tmainform> f;

    // The calendar, docked or outside, with a changed memo for its day.
    Tkalenderform* kalenderMedNotat(bool udenfor, const QString& tekst)
    {
        f->findChild<QCheckBox*>(u"CheckKalender"_qs)->setChecked(udenfor);
        f->aabnKalenderform();
        Tkalenderform* k = f->kalenderform;
        k->notatMemo->setPlainText(tekst);
        k->notatMemo->document()->setModified(true);
        return k;
    }
    QString memo() const { return f->kalenderform->memoFil(f->kalenderform->kalender->selectedDate()); }
    // Closes the main window, answering every question with the button named.
    bool luk(const QString& knap, QStringList* spoergsmaal = nullptr)
    {
        kvtest::DialogSvarer svar;
        svar.knapper = QStringList(10, knap);
        const bool lukket = f->close();
        if (spoergsmaal)
            *spoergsmaal = svar.tekster;
        return lukket;
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install(u"Anna"_qs);
        tp->installStartFiles();
        f = std::make_unique<Tmainform>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void cleanup() { f.reset(); }

    void theDayMemoIsAskedAbout_data()
    {
        QTest::addColumn<bool>("udenfor");
        QTest::newRow("docked") << false;
        QTest::newRow("outside") << true;
    }
    void theDayMemoIsAskedAbout()
    {
        QFETCH(bool, udenfor);
        kalenderMedNotat(udenfor, u"husk mælk"_qs);
        QStringList spoergsmaal;
        QVERIFY(!luk(u"annullerKnap"_qs, &spoergsmaal));
        QCOMPARE(spoergsmaal.size(), 1);
        QVERIFY(spoergsmaal[0].contains(u"er ændret"_qs));
        QVERIFY(f->kalenderform);
        QCOMPARE(f->kalenderform->notatMemo->toPlainText(), u"husk mælk"_qs);
        QVERIFY(!fileExists(memo()));

        const QString fil = memo();
        QVERIFY(luk(u"jaKnap"_qs));
        QCOMPARE(*readTextLines(fil), QStringList{u"husk mælk"_qs});
    }

    void nejLetsGoAndAsksNoMore()
    {
        kalenderMedNotat(false, u"kladde"_qs);
        const QString fil = memo();
        QStringList spoergsmaal;
        QVERIFY(luk(u"nejKnap"_qs, &spoergsmaal));
        // One question only: the calendar's own close does not ask again.
        QCOMPARE(spoergsmaal.size(), 1);
        QVERIFY(!fileExists(fil));
    }

    // A heading typed in the alarm editor is work; a choice of sound alone is not.
    void theAlarmEditor()
    {
        f->aabnKalenderform();
        Tkalenderform* k = f->kalenderform;
        k->cbLydfiler->setCurrentIndex(3);
        emit k->cbLydfiler->activated(3);
        QVERIFY(k->ugemt().isEmpty());
        QTest::keyClicks(k->EditOverskrift, u"Tandlæge"_qs);
        QStringList spoergsmaal;
        QVERIFY(!luk(u"annullerKnap"_qs, &spoergsmaal));
        QCOMPARE(spoergsmaal.size(), 1);
        QVERIFY(spoergsmaal[0].contains(u"Alarmen"_qs));
        QVERIFY(luk(u"nejKnap"_qs));
    }

    // "Annuller" on the second question leaves the first window's text too.
    void annullerOnAnyQuestionKeepsEverything()
    {
        kalenderMedNotat(false, u"første"_qs);
        TNotatpanel* p = f->notatpanel();
        p->notatEdit->setText(u"Plan"_qs);
        p->notatMemo->setPlainText(u"anden"_qs);
        p->notatMemo->document()->setModified(true);
        // Nej to the calendar, Annuller to the notes.
        kvtest::DialogSvarer svar;
        svar.knapper = {u"nejKnap"_qs, u"annullerKnap"_qs};
        QVERIFY(!f->close());
        QCOMPARE(svar.tekster.size(), 2);
        QCOMPARE(f->kalenderform->notatMemo->toPlainText(), u"første"_qs);
        QVERIFY(f->kalenderform->notatMemo->document()->isModified());
        QVERIFY(p->notatMemo->document()->isModified());
    }

    // Refreshing the list empties the heading but keeps the text, which is
    // still unsaved: "Nyt" and closing ask, and a save without a heading
    // cannot be made, so the program stays open.
    void theNotesPageAfterARefresh()
    {
        TNotatpanel* p = f->notatpanel();
        p->notatEdit->setText(u"Indkøb"_qs);
        p->notatMemo->setPlainText(u"æbler"_qs);
        p->notatMemo->document()->setModified(true);
        p->opdaterListe();
        QVERIFY(p->notatEdit->text().isEmpty());
        {
            kvtest::DialogSvarer nej(false);
            p->notatNytKnapClick();
            QCOMPARE(nej.tekster.size(), 1);
            QCOMPARE(p->notatMemo->toPlainText(), u"æbler"_qs);
        }
        QStringList spoergsmaal;
        QVERIFY(!luk(u"jaKnap"_qs, &spoergsmaal));
        QCOMPARE(spoergsmaal.size(), 2);
        QVERIFY(spoergsmaal[1].contains(u"overskrift"_qs));
        QCOMPARE(p->notatMemo->toPlainText(), u"æbler"_qs);
        p->notatEdit->setText(u"Indkøb"_qs);
        QVERIFY(luk(u"jaKnap"_qs));
        QCOMPARE(*readTextLines(f->NotatMappe + u"Indkøb.txt"_qs), QStringList{u"æbler"_qs});
    }

    // A memo whose file cannot be written stays in its window, and the
    // program stays open; a day change keeps the memo with its own day.
    void aFailedWriteLosesNothing()
    {
        Tkalenderform* k = kalenderMedNotat(false, u"vigtigt"_qs);
        const QDate dag = k->kalender->selectedDate();
        // A folder where the memo's file should be: the write must fail.
        QVERIFY(createFolder(memo()));
        QStringList beskeder;
        QVERIFY(!luk(u"jaKnap"_qs, &beskeder));
        QVERIFY(beskeder.size() >= 2);
        QVERIFY(f->kalenderform);
        QCOMPARE(k->notatMemo->toPlainText(), u"vigtigt"_qs);
        {
            kvtest::DialogSvarer ja(true);
            k->kalender->setSelectedDate(dag.addDays(1));
        }
        QCOMPARE(k->kalender->selectedDate(), dag);
        QCOMPARE(k->notatMemo->toPlainText(), u"vigtigt"_qs);
        QVERIFY(luk(u"nejKnap"_qs));
    }

    // Ctrl+Q ends at once without the close steps, but asks about unsaved
    // structure edits first; "Slet valgte" of another structure keeps them.
    void theStructureEditor()
    {
        QVERIFY(writeTextLines(f->mappestrukturDir + u"Andet.txt"_qs, {u"C:"_qs}));
        f->aabnMappestrukturform();
        Tmappestrukturform* e = f->mappestrukturform;
        e->EditGem->setText(u"Ny"_qs);
        auto* raekke = new QListWidgetItem(u"Kvistlund"_qs, e->strukturListeMapper);
        raekke->setData(Qt::UserRole, u"C:\\Kvistlund"_qs);
        e->redigeret = true;
        e->visStrukturfiler({u"Andet.txt"_qs});
        e->strukturListe->setCurrentRow(0);
        {
            kvtest::DialogSvarer ja(true);
            e->aDelete->trigger();
        }
        QVERIFY(!fileExists(f->mappestrukturDir + u"Andet.txt"_qs));
        QCOMPARE(e->strukturListeMapper->count(), 1);
        QCOMPARE(e->EditGem->text(), u"Ny"_qs);

        {
            kvtest::DialogSvarer svar;
            svar.knapper = {u"annullerKnap"_qs};
            f->handling("LukProgram")->trigger();
            QCOMPARE(svar.tekster.size(), 1);
        }
        QVERIFY(f->mappestrukturform);
        QVERIFY(e->redigeret);
        QVERIFY(luk(u"jaKnap"_qs));
        QCOMPARE(*readTextLines(f->mappestrukturDir + u"Ny.txt"_qs), QStringList{u"C:\\Kvistlund"_qs});
    }

    void nothingReachesTheStructuresAfterTheClose()
    {
        // The close lets go of the structures; a change on disk heard just
        // before it, and a timer of the window, must find nothing to call.
        f->levende->synk();
        const QStringList vogtede = f->levende->vogtede();
        QVERIFY(!vogtede.isEmpty());
        for (const QString& mappe : vogtede)
            tp->makeFile(mappe + u"\\ny.txt"_qs);
        f->Timer->start(0);
        QVERIFY(luk(u"jaKnap"_qs));
        QTest::qWait(1500);  // past the watches' gathering wait
        QVERIFY(!f->isVisible());
    }

    void aCloseWhileWorkLetsEventsRunWaitsForIt()
    {
        // The desktop's close comes while work of the window lets events run:
        // what that work uses stays until it has returned, then the window closes.
        QMetaObject::invokeMethod(f.get(), &QWidget::close, Qt::QueuedConnection);
        ladHaendelserKoere();
        QVERIFY(f->funk);
        QVERIFY(f->isVisible());
        QTRY_VERIFY(!f->isVisible());
        QVERIFY(!f->funk);
    }
};

KV_TEST_MAIN(TstLivscyklus)
#include "tst_livscyklus.moc"
