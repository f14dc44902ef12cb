// Find by name on the page "Søg efter": case rules, hidden entries, the
// limit, links that loop or lead to "/", unreadable folders reported once,
// kernel file systems left alone, odd names, and Stop keeping the hits.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "lists/TReopenFilerX.h"
#include "platform/LinuxPlatform.h"
#include "platform/Mappestempel.h"
#include "structures/StrukturRec.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

class TstSoegning : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    std::unique_ptr<Tmainform> f;

    // Selects a folder of C: in Struktur 2 and searches it for the text.
    void soeg(const QString& mappe, const QString& tekst)
    {
        f->aabnIStruktur2(u"C:"_qs, false);
        const auto items = f->FilStruktur->findItems(mappe.mid(3), Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        f->FilStruktur->setCurrentItem(items.first());
        f->funk->getDirectory();
        f->findTekstEdit->setText(tekst);
        kvtest::DialogSvarer svar;
        f->findTekstKnapClick();
        // The search is a job: its end enables nothing and disables Stop.
        QTRY_VERIFY_WITH_TIMEOUT(!f->funk->findKoerer() && !f->findStopKnap->isEnabled(), 30000);
        beskeder = svar.tekster;
    }
    QStringList captions(const TReopenFilerX* l) const
    {
        QStringList r;
        for (const TReopenRec& e : l->entries())
            r << e.Caption;
        return r;
    }
    QStringList beskeder;

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

    void namesMatchAsTheRulesSay()
    {
        tp->makeFolder(u"C:\\S\\Ferie foto 2020"_qs);
        tp->makeFile(u"C:\\S\\Ferie foto 2020\\fotoalbum.jpg"_qs);
        tp->makeFile(u"C:\\S\\æble.txt"_qs);
        tp->makeFile(u"C:\\S\\.Foto\\foto.jpg"_qs);
        tp->makeFile(u"C:\\S\\noter.txt.bak"_qs);
        QFile::link(tp->host(u"C:\\S"_qs), tp->host(u"C:\\S\\Ferie foto 2020\\rundt"_qs));
        QFile::link(u"/"_qs, tp->host(u"C:\\S\\rod"_qs));
        QFile::link(tp->host(u"C:\\S\\Ferie foto 2020"_qs), tp->host(u"C:\\S\\fotolink"_qs));
        ::mkfifo(tp->hostBytes(u"C:\\S\\fotofifo"_qs).constData(), 0600);
        const QByteArray ulige = tp->hostBytes(u"C:\\S"_qs) + "/foto\xff.txt";
        QVERIFY(::close(::open(ulige.constData(), O_CREAT | O_WRONLY, 0600)) == 0);

        soeg(u"C:\\S"_qs, u"FOTO"_qs);
        // Four letters ask first.
        QCOMPARE(beskeder.size(), 1);
        QVERIFY(beskeder[0].contains(u"tusindevist"_qs));
        // The hidden folder is not listed, a file in it is; the last hit first.
        QCOMPARE(captions(f->findDir), (QStringList{u"fotolink"_qs, u"Ferie foto 2020"_qs}));
        QStringList filer = captions(f->findFiler);
        filer.sort();
        QCOMPARE(filer.size(), 4);
        QCOMPARE(filer.mid(0, 3), (QStringList{u"foto.jpg"_qs, u"fotoalbum.jpg"_qs, u"fotofifo"_qs}));
        QVERIFY(filer[3].startsWith(u"foto"_qs));  // the name that is not UTF-8
        QVERIFY(std::any_of(f->findFiler->entries().cbegin(), f->findFiler->entries().cend(),
                            [](const TReopenRec& e) { return e.Filnavn == u"C:\\S\\.Foto\\foto.jpg"; }));
        // Links to folders are folders, never entered: the loop and "/" add nothing.
        QCOMPARE(f->mapperOverskrift->text(), u"Der er undersøgt 5:2 mappenavne"_qs);
        QVERIFY(f->filerOverskrift->text().startsWith(u"Der er undersøgt 6:4"_qs));
        // A found link opens as the folder it is.
        f->mappeBoxen->setCurrentRow(0);
        emit f->mappeBoxen->itemDoubleClicked(f->mappeBoxen->item(0));
        QCOMPARE(f->funk->FFilMappe, u"C:\\S\\fotolink"_qs);
        QVERIFY(f->FilStruktur->findItems(u"fotoalbum.jpg"_qs, Qt::MatchExactly).size() == 1);

        soeg(u"C:\\S"_qs, u"Æble1"_qs);
        QVERIFY(f->findFiler->entries().isEmpty());
        soeg(u"C:\\S"_qs, u".txt.b"_qs);
        QCOMPARE(captions(f->findFiler), QStringList{u"noter.txt.bak"_qs});
        // A double click on a found file opens its folder, records it and selects the file.
        f->filBoxen->setCurrentRow(0);
        emit f->filBoxen->itemDoubleClicked(f->filBoxen->item(0));
        QCOMPARE(f->funk->FFilMappe, u"C:\\S"_qs);
        QCOMPARE(f->historieDir->GetFilnavn(0), u"C:\\S"_qs);
        QCOMPARE(recAf(f->FilStruktur->currentItem())->filnavn, u"C:\\S\\noter.txt.bak"_qs);
        // Enter does the same.
        f->Bog->setCurrentIndex(f->Bog->indexOf(f->filBoxen->parentWidget()->parentWidget()));
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        f->aabnIStruktur2(u"C:"_qs, false);
        f->filBoxen->setFocus();
        f->filBoxen->setCurrentRow(0);
        f->filBoxen->item(0)->setSelected(true);
        QTest::keyClick(f->filBoxen, Qt::Key_Return);
        QCOMPARE(f->funk->FFilMappe, u"C:\\S"_qs);
        QCOMPARE(recAf(f->FilStruktur->currentItem())->filnavn, u"C:\\S\\noter.txt.bak"_qs);
    }

    // The folder list takes half the page's height less 103; the file list the rest.
    void theListsShareThePage()
    {
        QWidget* side = f->mappeBoxen->parentWidget()->parentWidget();
        f->Bog->setCurrentIndex(f->Bog->indexOf(side));
        for (int hoejde : {700, 1000}) {
            f->resize(1200, hoejde);
            QTRY_COMPARE(f->mappeBoxen->height(), (side->height() - 103) / 2);
            QVERIFY(f->filBoxen->geometry().bottom() > f->mappeBoxen->geometry().bottom() + 50);
        }
    }

    void limitAndOneReportForUnreadableFolders()
    {
        for (int i = 0; i < 50; ++i)
            tp->makeFile(u"C:\\T\\foto%1.jpg"_qs.arg(i));
        f->maxElementer = 10;
        soeg(u"C:\\T"_qs, u"foto"_qs);
        QCOMPARE(f->findFiler->Antal(), 10);
        QCOMPARE(f->filerOverskrift->text(), u"Der er undersøgt 10:10 filnavne"_qs);

        if (::geteuid() == 0)
            QSKIP("root reads every folder");
        for (int i = 0; i < 500; ++i)
            ::chmod(tp->hostBytes(tp->makeFolder(u"C:\\U\\m%1"_qs.arg(i))).constData(), 0);
        soeg(u"C:\\U"_qs, u"fotos"_qs);
        for (int i = 0; i < 500; ++i)
            ::chmod(tp->hostBytes(u"C:\\U\\m%1"_qs.arg(i)).constData(), 0700);
        QCOMPARE(beskeder.size(), 1);
        QVERIFY(beskeder[0].contains(u"500 mapper kunne ikke læses"_qs));
    }

    // Stop ends the job at once; what was found stays, shown and listed alike.
    // A click in Struktur 1 meanwhile rebuilds Struktur 2 and frees the
    // record the search started from: the search goes on in its own folder.
    void stopAndClicksDuringTheSearch()
    {
        for (int d = 0; d < 200; ++d)
            for (int i = 0; i < 50; ++i)
                tp->makeFile(u"C:\\V\\m%1\\fotos%2"_qs.arg(d).arg(i));
        f->aabnIStruktur2(u"C:"_qs, false);
        const auto items = f->FilStruktur->findItems(u"V"_qs, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        f->FilStruktur->setCurrentItem(items.first());
        f->funk->getDirectory();
        f->findTekstEdit->setText(u"fotos"_qs);
        f->maxElementer = 100000;
        f->findTekstKnapClick();
        QVERIFY(f->findStopKnap->isEnabled());
        // Struktur 2 shows another folder: the tree records are made anew.
        f->aabnIStruktur2(u"C:\\V\\m0"_qs, false);
        QTRY_VERIFY_WITH_TIMEOUT(!f->funk->findKoerer(), 30000);
        QTRY_VERIFY(!f->findStopKnap->isEnabled());
        QCOMPARE(f->findFiler->Antal(), 10000);
        QCOMPARE(f->filBoxen->count(), 10000);

        f->aabnIStruktur2(u"C:"_qs, false);
        f->FilStruktur->setCurrentItem(f->FilStruktur->findItems(u"V"_qs, Qt::MatchExactly).first());
        f->funk->getDirectory();
        f->findTekstKnapClick();
        f->findStopKnap->click();
        QVERIFY(!f->funk->findKoerer());
        QTRY_VERIFY(!f->findStopKnap->isEnabled());
        QVERIFY(f->findFiler->Antal() <= 10000);
        QCOMPARE(f->filBoxen->count(), f->findFiler->Antal());
    }

    // Closing the program during a search stops it: nothing waits for the walk.
    void closeDuringTheSearch()
    {
        for (int d = 0; d < 100; ++d)
            tp->makeFile(u"C:\\W\\m%1\\fotos"_qs.arg(d));
        f->aabnIStruktur2(u"C:"_qs, false);
        f->FilStruktur->setCurrentItem(f->FilStruktur->findItems(u"W"_qs, Qt::MatchExactly).first());
        f->funk->getDirectory();
        f->findTekstEdit->setText(u"fotos"_qs);
        f->findTekstKnapClick();
        QVERIFY(f->close());
        f.reset();
    }

    void kernelFileSystemsAreLeftAlone()
    {
        // Only looks at the real "/": the window goes first, so nothing of it writes there.
        f.reset();
        Platform::install(std::make_unique<LinuxPlatform>());
        const auto proc = mappestempel(u"D:\\proc"_qs);
        QVERIFY(proc && proc->pseudo);
        const auto sys = mappestempel(u"D:\\sys"_qs);
        QVERIFY(!sys || sys->pseudo);
        const auto usr = mappestempel(u"D:\\usr"_qs);
        QVERIFY(usr && !usr->pseudo);
        TestPlatform::install(u"Anna"_qs);
    }
};

KV_TEST_MAIN(TstSoegning)
#include "tst_soegning.moc"
