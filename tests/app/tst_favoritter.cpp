// Running files from the structures and the favourite files, the shell's
// error texts, and the favourite and visited lists with their actions.
#include "DialogSvarer.h"
#include "FakeSkal.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "lists/TReopenFilerX.h"
#include "platform/FileSystem.h"
#include "platform/RegularFile.h"

#include <QAction>
#include <QImage>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>

using namespace kv;
using kvtest::FakeSkal;
using kvtest::TestPlatform;

class TstFavoritter : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    FakeSkal* skal = nullptr;
    std::unique_ptr<Tmainform> f;

    void udfoer(const char* navn)
    {
        f->handlinger->opdaterAlle();
        QVERIFY2(f->handling(navn)->isEnabled(), navn);
        f->handling(navn)->trigger();
    }
    bool aktiv(const char* navn)
    {
        f->handlinger->opdaterAlle();
        return f->handling(navn)->isEnabled();
    }
    void vaelg(QTreeWidget* t, const QString& caption)
    {
        const auto items = t->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY2(!items.isEmpty(), qPrintable(caption));
        t->setCurrentItem(items.first());
        f->funk->setAktiveStruktur(t == f->FilStruktur ? 2 : 3);
        f->funk->getDirectory();
        f->DirectoryChange(true);
    }
    void aabnMappe(const QString& mappe)
    {
        f->aabnIStruktur2(mappe, true);
    }
    QString listefil(const char* navn) const
    {
        return QString::fromUtf8(*readRegularFile(f->OptMappe + u'\\' + QString::fromLatin1(navn), maxTekstfil));
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install(u"Anna"_qs);
        for (const char16_t* p : {u"C:\\Data\\Fotos", u"C:\\Data\\Musik", u"C:\\Andet"})
            tp->makeFolder(QString::fromUtf16(p));
        for (const char16_t* p : {u"C:\\Data\\a.txt", u"C:\\Data\\b:c.jpg"})
            tp->makeFile(QString::fromUtf16(p));
        tp->installStartFiles();
        skal = static_cast<FakeSkal*>(&Skal::instance());
        f = std::make_unique<Tmainform>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void cleanup() { f.reset(); }

    void runningAndEditingFiles()
    {
        // One action only answers Ctrl+K and F9, or the keys would do nothing.
        for (const char* tast : {"Ctrl+K", "F9"}) {
            int n = 0;
            for (QAction* a : f->findChildren<QAction*>())
                n += a->shortcuts().contains(QKeySequence(QString::fromLatin1(tast)));
            QCOMPARE(n, 1);
        }
        aabnMappe(u"C:\\Data"_qs);
        QVERIFY(!aktiv("OpenFil2"));
        vaelg(f->FilStruktur, u"a.txt"_qs);
        udfoer("OpenFil2");
        udfoer("OpenFil2Edit");
        QCOMPARE(skal->kald, (QStringList{u"aabn C:\\Data\\a.txt"_qs, u"rediger C:\\Data\\a.txt"_qs}));
        QCOMPARE(f->ErrorNumber, skalUdfoert);
        // Enter on a file runs it; a file that vanished is passed over.
        skal->kald.clear();
        QTest::keyClick(f->FilStruktur, Qt::Key_Return);
        QCOMPARE(skal->kald, QStringList{u"aabn C:\\Data\\a.txt"_qs});
        QVERIFY(removeFile(u"C:\\Data\\a.txt"_qs));
        udfoer("OpenFil2");
        QCOMPARE(skal->kald.size(), 1);

        // No program for the type: the code-31 text, and the "Mapper" page.
        vaelg(f->FilStruktur, u"b:c.jpg"_qs);
        skal->svar = 31;
        f->topBog->setCurrentIndex(0);
        {
            kvtest::DialogSvarer svar;
            udfoer("OpenFil2");
            QCOMPARE(svar.tekster.size(), 1);
            QVERIFY(svar.tekster[0].startsWith(u"Der er ikke associeret noget program til givne filefternavn."_qs));
        }
        QCOMPARE(f->topBog->currentIndex(), 1);
        QCOMPARE(Tmainform::fejltekst(4), u"Meningsløs operation eller ukendt fejl."_qs);
    }

    void favouritesByCtrlN()
    {
        aabnMappe(u"C:\\Data\\Fotos"_qs);
        udfoer("aInsertFavoritmappe");
        QVERIFY(!aktiv("aInsertFavoritmappe"));
        aabnMappe(u"C:\\Data\\Fotos"_qs);
        udfoer("aInsertFavoritmappe");
        QCOMPARE(f->favDir->Antal(), 1);
        QCOMPARE(f->favDir->GetCaption(0), u"Fotos"_qs);
        QCOMPARE(f->Bog->currentIndex(), 1);
        aabnMappe(u"D:"_qs);
        udfoer("aInsertFavoritmappe");
        QCOMPARE(f->favDir->GetCaption(0), u"Drev D:"_qs);

        // A selected file that exists goes to the favourite files, caption cut at the backslash only.
        aabnMappe(u"C:\\Data"_qs);
        vaelg(f->FilStruktur, u"b:c.jpg"_qs);
        udfoer("aInsertFavoritmappe");
        QCOMPARE(f->favFiler->GetCaption(0), u"b:c.jpg"_qs);
        QCOMPARE(f->Bog->currentIndex(), 2);
        QVERIFY(listefil("favoritfiler.txt").contains(u"C:\\Data\\b:c.jpg"_qs));
        // A current file removed meanwhile: its folder is inserted instead.
        QVERIFY(removeFile(u"C:\\Data\\b:c.jpg"_qs));
        f->DirectoryChange(false);
        udfoer("aInsertFavoritmappe");
        QCOMPARE(f->favDir->GetFilnavn(0), u"C:\\Data"_qs);
        QCOMPARE(f->favFiler->Antal(), 1);

        // The favourite files run from their list.
        tp->makeFile(u"C:\\Data\\b:c.jpg"_qs);
        f->favfilerListe->setCurrentRow(0);
        udfoer("FLopenEdit");
        QCOMPARE(skal->kald, QStringList{u"rediger C:\\Data\\b:c.jpg"_qs});
    }

    void orderIsSavedAndStructuresBuilt()
    {
        for (const char16_t* m : {u"C:\\Data\\Musik", u"C:\\Data\\Fotos", u"C:\\Andet"}) {
            aabnMappe(QString::fromUtf16(m));
            udfoer("aInsertFavoritmappe");
        }
        f->favoritliste->setCurrentRow(0);
        QVERIFY(!aktiv("fOp"));
        udfoer("fNed");
        QCOMPARE(f->favoritliste->currentRow(), 1);
        // Written at once, so the order survives a restart.
        const QString fil = listefil("favoritmapper.txt");
        QVERIFY(fil.indexOf(u"C:\\Data\\Fotos"_qs) < fil.indexOf(u"C:\\Andet"_qs));

        udfoer("fStruktur1");
        QCOMPARE(f->funk->AktiveStruktur(), 1);
        QVERIFY(f->MappeStruktur->topLevelItemCount() > 0);
        // The visited list is written only when saved: a move leaves the file as it was.
        f->HistorieListe->setCurrentRow(0);
        udfoer("hNed");
        QVERIFY(!fileExists(f->OptMappe + u"\\historiemapper.txt"_qs));

        // Every folder gone: a message, and Struktur 1 as it was.
        const int foer = f->MappeStruktur->topLevelItemCount();
        QVERIFY(removeTree(u"C:\\Data"_qs));
        QVERIFY(removeTree(u"C:\\Andet"_qs));
        kvtest::DialogSvarer svar;
        udfoer("fStruktur");
        QCOMPARE(svar.tekster, QStringList{u"Der blev ikke fundet eksisterende emner i favoritlisten."_qs});
        QCOMPARE(f->MappeStruktur->topLevelItemCount(), foer);

        udfoer("aOpenMappeSF");
        QVERIFY(skal->kald.last().startsWith(u"mappe "_qs));
    }

    // Each of the five lists draws its rows: 19 pixels high, filled with the
    // normal or the selection colour, the marker money green for folders and
    // sky blue for files, a silver line along the bottom.
    void rowsDrawnByTheLists()
    {
        f->historieDir->InsertItem(u"C:\\Andet"_qs, u"a"_qs);
        f->favDir->InsertItem(u"C:\\Andet"_qs, u"a"_qs);
        f->favFiler->InsertItem(u"C:\\Data\\a.txt"_qs, u"a"_qs);
        f->findDir->InsertItem(u"C:\\Andet"_qs, u"a"_qs);
        f->findFiler->InsertItem(u"C:\\Data\\a.txt"_qs, u"a"_qs);
        const QRgb groen = qRgb(0xc0, 0xdc, 0xc0), blaa = qRgb(0xa6, 0xca, 0xf0);
        const struct {
            QListWidget* liste;
            int side;
            QRgb markoer;
        } lister[] = {{f->HistorieListe, 0, groen}, {f->favoritliste, 1, groen}, {f->favfilerListe, 2, blaa},
                      {f->mappeBoxen, 5, groen}, {f->filBoxen, 5, blaa}};
        for (const auto& [l, side, markoer] : lister) {
            f->Bog->setCurrentIndex(side);
            QVERIFY(QTest::qWaitForWindowExposed(f.get()));
            l->clearSelection();
            const QRect r = l->visualItemRect(l->item(0));
            QCOMPARE(r.height(), 19);
            QImage bild = l->viewport()->grab().toImage();
            QCOMPARE(bild.pixel(r.left() + 7, r.top() + 9), markoer);
            QCOMPARE(bild.pixel(r.left() + 60, r.bottom()), qRgb(0xc0, 0xc0, 0xc0));
            QCOMPARE(bild.pixel(r.right() - 4, r.top() + 4), l->palette().color(QPalette::Base).rgb());
            l->setCurrentRow(0);
            bild = l->viewport()->grab().toImage();
            const QRgb valgt = bild.pixel(r.right() - 4, r.top() + 4);
            QVERIFY(valgt == l->palette().color(QPalette::Active, QPalette::Highlight).rgb()
                    || valgt == l->palette().color(QPalette::Inactive, QPalette::Highlight).rgb());
            QCOMPARE(bild.pixel(r.left() + 7, r.top() + 9), markoer);
        }
    }
};

KV_TEST_MAIN(TstFavoritter)
#include "tst_favoritter.moc"
