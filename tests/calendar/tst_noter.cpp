// Notes on the page "Noter": saving, loading, the questions before unsaved
// text is lost, refused headings and failed writes.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/Tmainform.h"
#include "calendar/TNotatpanel.h"
#include "fileops/THandlinger.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>
#include <cerrno>

using namespace kv;
using kvtest::TestPlatform;

namespace {

QStringList raekker(const QListWidget* box)
{
    QStringList r;
    for (int i = 0; i < box->count(); ++i)
        r << box->item(i)->text();
    return r;
}

} // namespace

class TstNoter : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    std::unique_ptr<Tmainform> f;

    TNotatpanel& panel() { return *f->notatpanel(); }
    void skriv(const QString& overskrift, const QString& tekst)
    {
        panel().notatEdit->setText(overskrift);
        panel().notatMemo->setPlainText(tekst);
        panel().notatMemo->document()->setModified(true);
    }
    void vaelg(const QString& overskrift)
    {
        const auto fundet = panel().notatBox->findItems(overskrift, Qt::MatchExactly);
        QVERIFY(!fundet.isEmpty());
        panel().notatBox->setCurrentItem(fundet.first());
    }
    QString fil(const QString& overskrift) const { return f->NotatMappe + overskrift + u".txt"_qs; }

private slots:
    void init()
    {
        tp = &TestPlatform::install();
        tp->installStartFiles();
        f = std::make_unique<Tmainform>();
        f->Bog->setCurrentIndex(7);
    }
    void cleanup()
    {
        saetFejlKrog({});
        f.reset();
    }

    void gemHentOgNyt()
    {
        TNotatpanel& p = panel();
        p.notatMemo->setPlainText(u"mælk"_qs);
        p.notatMemo->document()->setModified(true);
        QVERIFY(!p.kanGemme());
        skriv(u"Indkøb"_qs, u"mælk\nbrød"_qs);
        QVERIFY(p.kanGemme());
        p.aGemNotatExecute();
        QCOMPARE(*readTextLines(fil(u"Indkøb"_qs)), (QStringList{u"mælk"_qs, u"brød"_qs}));
        p.notatMemo->appendPlainText(u"ost"_qs);
        p.aGemNotatExecute();
        QCOMPARE(raekker(p.notatBox), QStringList{u"Indkøb"_qs});
        QCOMPARE(readTextLines(fil(u"Indkøb"_qs))->size(), 3);
        QVERIFY(!p.kanGemme());

        // Leaving the page and coming back: the heading is empty, nothing to save.
        f->Bog->setCurrentIndex(0);
        f->Bog->setCurrentIndex(7);
        QVERIFY(p.notatEdit->text().isEmpty());
        p.notatMemo->document()->setModified(true);
        QVERIFY(!p.kanGemme());

        // "Hent" and "Nyt" with unsaved text ask; "Nej" keeps it.
        skriv(u"Andet"_qs, u"ufærdigt"_qs);
        vaelg(u"Indkøb"_qs);
        for (bool ja : {false, true}) {
            kvtest::DialogSvarer svar(ja);
            p.aHentNotatExecute();
            QCOMPARE(svar.tekster.size(), 1);
            QVERIFY(svar.tekster[0].contains(u"Skal der åbnes et nyt notat alligevel?"_qs));
            QCOMPARE(p.notatEdit->text(), ja ? u"Indkøb"_qs : u"Andet"_qs);
        }
        QCOMPARE(p.notatMemo->toPlainText(), u"mælk\nbrød\nost"_qs);
        QVERIFY(!p.kanGemme());
        p.notatMemo->appendPlainText(u"smør"_qs);
        {
            kvtest::DialogSvarer svar(false);
            p.notatNytKnap->click();
            QVERIFY(svar.tekster.value(0).contains(u"Skal der startes et nyt notat alligevel?"_qs));
            QCOMPARE(p.notatEdit->text(), u"Indkøb"_qs);
        }
        {
            kvtest::DialogSvarer svar(true);
            p.notatNytKnap->click();
            QVERIFY(p.notatEdit->text().isEmpty() && p.notatMemo->toPlainText().isEmpty());
        }

        // A note deleted elsewhere stays listed until the list is refreshed.
        QVERIFY(removeFile(fil(u"Indkøb"_qs)));
        vaelg(u"Indkøb"_qs);
        {
            kvtest::DialogSvarer svar;
            p.aHentNotatExecute();
            QCOMPARE(svar.tekster, QStringList{u"Filen blev ikke fundet."_qs});
        }
        p.noteOpdaterKnap->click();
        QVERIFY(raekker(p.notatBox).isEmpty());

        // Notes survive a restart; only .txt files are notes.
        skriv(u"Huskeliste"_qs, u"a"_qs);
        p.aGemNotatExecute();
        tp->makeFolder(f->NotatMappe + u"mappe.txt"_qs);
        tp->makeFile(f->NotatMappe + u"billede.png"_qs);
        f = std::make_unique<Tmainform>();
        f->Bog->setCurrentIndex(7);
        QCOMPARE(raekker(panel().notatBox), QStringList{u"Huskeliste"_qs});

        // Enter in the heading moves on to the text.
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        panel().notatEdit->setFocus();
        QTest::keyClick(panel().notatEdit, Qt::Key_Return);
        QVERIFY(panel().notatMemo->hasFocus());
    }

    void afvisteOverskrifter()
    {
        const auto indhold = [this] {
            return QStringList{raekker(panel().notatBox).join(u'|'), QDir(tp->host(f->NotatMappe)).entryList().join(u'|'),
                               QDir(tp->host(f->OptMappe)).entryList().join(u'|')};
        };
        const QStringList foer = indhold();
        for (const QString& overskrift : {u"..\\Egenskaber\\MainEgenskaber"_qs, u"a/b"_qs, u".."_qs, u"   "_qs,
                                          QString(260, u'x'), u"\uF02E\uF02E\uF02FEgenskaber\uF02FMainEgenskaber"_qs,
                                          u"a\uF000b"_qs, u"a\u0007b"_qs}) {
            skriv(overskrift, u"tekst"_qs);
            kvtest::DialogSvarer svar;
            panel().aGemNotatExecute();
            QCOMPARE(svar.tekster.size(), 1);
            QCOMPARE(indhold(), foer);
            QVERIFY(panel().notatMemo->document()->isModified());
        }
    }

    void erstatAndetNotat()
    {
        TNotatpanel& p = panel();
        skriv(u"Plan"_qs, u"første"_qs);
        p.aGemNotatExecute();
        {
            kvtest::DialogSvarer svar;
            p.notatNytKnap->click();
        }
        for (bool ja : {false, true}) {
            skriv(u"Plan"_qs, u"anden"_qs);
            kvtest::DialogSvarer svar(ja);
            p.aGemNotatExecute();
            QCOMPARE(svar.tekster.size(), 1);
            QVERIFY(svar.tekster[0].contains(u"\"Plan\""_qs));
            QCOMPARE(*readTextLines(fil(u"Plan"_qs)), QStringList{ja ? u"anden"_qs : u"første"_qs});
        }
        QCOMPARE(raekker(p.notatBox), QStringList{u"Plan"_qs});
        // The note that was loaded is saved without a question.
        vaelg(u"Plan"_qs);
        p.aHentNotatExecute();
        p.notatMemo->setPlainText(u"tredje"_qs);
        p.notatMemo->document()->setModified(true);
        kvtest::DialogSvarer svar;
        p.aGemNotatExecute();
        QVERIFY(svar.tekster.isEmpty());
        QCOMPARE(*readTextLines(fil(u"Plan"_qs)), QStringList{u"tredje"_qs});
    }

    void fejlendeSkrivning()
    {
        // A notes folder that cannot be written leaves no row behind.
        saetFejlKrog([](FejlPunkt punkt, const QByteArray&, qint64) { return punkt == FejlPunkt::AabnSkrivning ? EACCES : 0; });
        skriv(u"Fantom"_qs, u"tekst"_qs);
        {
            kvtest::DialogSvarer svar;
            panel().aGemNotatExecute();
            QCOMPARE(svar.tekster.size(), 1);
        }
        QVERIFY(raekker(panel().notatBox).isEmpty());
        QVERIFY(!fileExists(fil(u"Fantom"_qs)));
        QVERIFY(panel().kanGemme());
        // A folder that cannot be listed: the message, an empty list.
        saetFejlKrog({});
        QVERIFY(removeTree(f->NotatMappe.chopped(1)));
        kvtest::DialogSvarer svar;
        panel().noteOpdaterKnap->click();
        QCOMPARE(svar.tekster, QStringList{u"Der opstod en fejl i forbindelse\nmed indlæsningen af notatfiler."_qs});
    }

    void notatmappeIStruktur2()
    {
        panel().notatMappeVisKnap->click();
        QCOMPARE(f->funk->AktiveStruktur(), 2);
        QCOMPARE(f->funk->FFilMappe, f->NotatMappe.chopped(1));
    }

    // The memo's right-click menu, its hints, and its Ctrl+Alt keys at work.
    void memoensMenu()
    {
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QPlainTextEdit* m = panel().notatMemo;
        m->setPlainText(u"en to tre"_qs);
        m->setFocus();
        QGuiApplication::clipboard()->setText(u"x"_qs);
        emit m->customContextMenuRequested(QPoint(5, 5));
        auto* menu = m->findChild<QMenu*>(u"tekstmenu"_qs);
        QVERIFY(menu);
        QStringList poster;
        for (const QAction* a : menu->actions())
            if (!a->isSeparator())
                poster << a->text() + u" | "_qs + a->toolTip() + u" | "_qs + a->shortcut().toString()
                              + (a->isEnabled() ? QString() : u" (-)"_qs);
        QCOMPARE(poster, (QStringList{u"Annuller | Annuller handling: Ctrl+Alt+Z | Ctrl+Alt+Z (-)"_qs,
                                      u"Klip | Klip valgte tekst: Ctrl+Alt+X | Ctrl+Alt+X (-)"_qs,
                                      u"Kopier | Kopier valgte tekst: Ctrl+Alt+C | Ctrl+Alt+C (-)"_qs,
                                      u"Sæt ind | Indsæt tekst fra klipbord: Ctrl+Alt+V | Ctrl+Alt+V"_qs,
                                      u"Slet | Slet valgte tekst: Del | Del (-)"_qs,
                                      u"Vælg alt | Vælg alt: Ctrl+Alt+A | Ctrl+Alt+A"_qs}));
        menu->close();

        const auto ctrlAlt = [m](Qt::Key k) { QTest::keyClick(m, k, Qt::ControlModifier | Qt::AltModifier); };
        ctrlAlt(Qt::Key_A);
        QCOMPARE(m->textCursor().selectedText(), u"en to tre"_qs);
        ctrlAlt(Qt::Key_X);
        QVERIFY(m->toPlainText().isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), u"en to tre"_qs);
        ctrlAlt(Qt::Key_V);
        ctrlAlt(Qt::Key_V);
        QCOMPARE(m->toPlainText(), u"en to treen to tre"_qs);
        ctrlAlt(Qt::Key_Z);
        QCOMPARE(m->toPlainText(), u"en to tre"_qs);
        ctrlAlt(Qt::Key_A);
        ctrlAlt(Qt::Key_C);
        m->findChild<QAction*>(u"aSlet"_qs)->trigger();
        QVERIFY(m->toPlainText().isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), u"en to tre"_qs);
    }
};

KV_TEST_MAIN(TstNoter)
#include "tst_noter.moc"
