// The keys of other file managers and the host's own paths in the main
// window: Delete to the bin, Alt+Up, F6, places typed in the path field as
// host paths, home paths and file URLs, the clipboard, and the status bar.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

using namespace kv;
using kvtest::TestPlatform;

class TstTaster : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    std::unique_ptr<Tmainform> f;

    QTreeWidgetItem* find(QTreeWidget* t, const QString& caption)
    {
        const auto items = t->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        return items.isEmpty() ? nullptr : items.first();
    }
    void klik(QTreeWidget* t, const QString& caption)
    {
        QTreeWidgetItem* item = find(t, caption);
        QVERIFY2(item, qPrintable(caption));
        t->scrollToItem(item);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(item).center());
    }
    void skrivSti(const QString& tekst)
    {
        f->EditSti->setText(tekst);
        QTest::keyClick(f->EditSti, Qt::Key_Return);
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install(u"Anna"_qs);
        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        tp->makeFolder(u"C:\\Data\\Fotos"_qs);
        for (const char16_t* p : {u"C:\\Data\\a.txt", u"C:\\Data\\b.jpg", u"C:\\Data\\c #1 (ny).txt"})
            tp->makeFile(QString::fromUtf16(p));
        f = std::make_unique<Tmainform>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        f->aabnIStruktur2(u"C:\\Data"_qs, false);
    }
    void cleanup() { f.reset(); }

    void deleteSendsToTheBinOnlyInAStructure()
    {
        kvtest::DialogSvarer svar;
        QVERIFY(f->handling("DeleteToPapirkurv")->toolTip().contains(u"Del"_qs));
        klik(f->FilStruktur, u"a.txt"_qs);
        QTest::keyClick(f->FilStruktur, Qt::Key_Delete);
        QTRY_VERIFY(!QFile::exists(tp->host(u"C:\\Data\\a.txt"_qs)));
        QVERIFY(QFile::exists(tp->trashDir() + u"/files/a.txt"_qs));

        // Delete typed in a text field edits the text; the selection stays on disk.
        klik(f->FilStruktur, u"b.jpg"_qs);
        f->EditSti->setText(u"abc"_qs);
        f->EditSti->setCursorPosition(0);
        QTest::keyClick(f->EditSti, Qt::Key_Delete);
        QCOMPARE(f->EditSti->text(), u"bc"_qs);
        QVERIFY(QFile::exists(tp->host(u"C:\\Data\\b.jpg"_qs)));
        QVERIFY(!QFile::exists(tp->trashDir() + u"/files/b.jpg"_qs));
    }

    void altUpAndF6()
    {
        f->aabnIStruktur2(u"C:\\Data\\Fotos"_qs, false);
        QTest::keyClick(f->FilStruktur, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(f->funk->FFilMappe, u"C:\\Data"_qs);
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        f->FilStruktur->setFocus();
        QTest::keyClick(f.get(), Qt::Key_F6);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->EditSti));
        QVERIFY(f->EditSti->toolTip().contains(u"F6"_qs));
    }

    void placesTypedInThePathField()
    {
        kvtest::DialogSvarer svar;
        skrivSti(tp->host(u"C:\\Data\\Fotos"_qs));
        QCOMPARE(f->funk->FFilMappe, u"C:\\Data\\Fotos"_qs);
        QCOMPARE(f->funk->AktiveStruktur(), 2);

        // A file URL, escaped as other programs escape it: its folder, the file selected.
        skrivSti(QString::fromUtf8(QUrl::fromLocalFile(tp->host(u"C:\\Data\\c #1 (ny).txt"_qs)).toEncoded()));
        QCOMPARE(f->funk->FFilMappe, u"C:\\Data"_qs);
        QCOMPARE(recAf(f->FilStruktur->currentItem())->filnavn, u"C:\\Data\\c #1 (ny).txt"_qs);

        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(tp->host(u"C:"_qs)));
        skrivSti(u"~/Data/Fotos"_qs);
        qputenv("HOME", home);
        QCOMPARE(f->funk->FFilMappe, u"C:\\Data\\Fotos"_qs);
        skrivSti(u"C:\\Data"_qs);
        QCOMPARE(f->funk->FFilMappe, u"C:\\Data"_qs);
        QVERIFY(svar.tekster.isEmpty());

        // A place on no drive, and one that is not there: said plainly, nothing moves.
        skrivSti(u"/etc/ikke-paa-et-drev"_qs);
        QTRY_COMPARE(svar.tekster.size(), 1);
        QVERIFY(svar.tekster[0].contains(u"drev"_qs));
        skrivSti(u"C:\\Data\\Findes ikke"_qs);
        QTRY_COMPARE(svar.tekster.size(), 2);
        QVERIFY(svar.tekster[1].contains(u"findes ikke"_qs));
        skrivSti(u"C:\\..\\Data"_qs);
        QTRY_COMPARE(svar.tekster.size(), 3);
        QCOMPARE(f->funk->FFilMappe, u"C:\\Data"_qs);
    }

    void hostPathOnTheClipboardAndInTheStatusBar()
    {
        f->EditSti->setText(u"C:\\Data"_qs);
        f->findChild<QToolButton*>(u"klipbordStiKnap"_qs)->click();
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), tp->host(u"C:\\Data"_qs));
        QCOMPARE(data->urls(), QList<QUrl>{QUrl::fromLocalFile(tp->host(u"C:\\Data"_qs))});

        // Off by default; on, it names the current element's host path.
        QVERIFY(!f->vaertsstiBox->isChecked());
        QVERIFY(f->vaertsstiPanel->isHidden());
        klik(f->FilStruktur, u"b.jpg"_qs);
        f->vaertsstiBox->setChecked(true);
        QVERIFY(!f->vaertsstiPanel->isHidden());
        QCOMPARE(f->vaertsstiPanel->text(), tp->host(u"C:\\Data\\b.jpg"_qs));
        // Kept for the next start.
        f.reset();
        f = std::make_unique<Tmainform>();
        QVERIFY(f->vaertsstiBox->isChecked());
    }
};

KV_TEST_MAIN(TstTaster)
#include "tst_taster.moc"
