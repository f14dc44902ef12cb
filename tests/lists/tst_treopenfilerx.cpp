// The persisted caption-and-path list: insert rule, deletes, the list file
// and its lenient reading, and the list box it mirrors into.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "lists/TReopenFilerX.h"
#include "platform/Fejl.h"

#include <QFile>
#include <QListWidget>
#include <QSignalSpy>
#include <sys/stat.h>

using namespace kv;
using kvtest::TestPlatform;

class TstReopenFilerX : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    QString fil;

    QByteArray filIndhold()
    {
        QFile f(tp->host(fil));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mangler>");
    }
    static QStringList raekker(QListWidget& boks)
    {
        QStringList r;
        for (int i = 0; i < boks.count(); ++i)
            r << boks.item(i)->text();
        return r;
    }
    static QStringList stier(const TReopenFilerX& l)
    {
        QStringList r;
        for (const TReopenRec& e : l.entries())
            r << e.Filnavn;
        return r;
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install();
        tp->makeFolder(u"C:\\Opt"_qs);
        fil = u"C:\\Opt\\favoritmapper.txt"_qs;
    }

    void insertMovesToTopAndComparesAtoZOnly()
    {
        QListWidget boks;
        TReopenFilerX l(nullptr);
        l.setListeBoks(&boks);
        l.InsertItem(u"c:\\data"_qs, u"data"_qs);
        l.InsertItem(u"C:\\Fotos"_qs, u"Fotos"_qs);
        l.InsertItem(u"C:\\Ø"_qs, u"Ø"_qs);
        l.InsertItem(u"C:\\Data"_qs, u"Data"_qs);
        QCOMPARE(stier(l), (QStringList{u"C:\\Data"_qs, u"C:\\Ø"_qs, u"C:\\Fotos"_qs}));
        QCOMPARE(raekker(boks), (QStringList{u"Data"_qs, u"Ø"_qs, u"Fotos"_qs}));
        // Only A to Z ignore case: ø is another path than Ø.
        l.InsertItem(u"C:\\ø"_qs, u"ø"_qs);
        QCOMPARE(l.Antal(), 4);
        QVERIFY(!QFile::exists(tp->host(fil)));  // inserting never writes
    }

    void fileListsNeedExistingFiles()
    {
        TReopenFilerX l(nullptr);
        l.setItemtype(itFil);
        l.InsertItem(u"C:\\mangler.txt"_qs, u"mangler.txt"_qs);
        QCOMPARE(l.Antal(), 0);
        tp->makeFile(u"C:\\findes.txt"_qs);
        l.InsertItem(u"C:\\findes.txt"_qs, u"findes.txt"_qs);
        QCOMPARE(l.Antal(), 1);
    }

    void saveAndLoadRoundTrip()
    {
        TReopenFilerX l(nullptr);
        l.setItemfile(fil);
        l.InsertItem(u"C:\\Users\\Public\\Pictures"_qs, u"Billeder"_qs);
        l.InsertItem(u"D:"_qs, u"Drev D:"_qs);
        l.InsertItem(u"C:\\Blåbær"_qs, QString());
        l.GemReopenFiler();
        QCOMPARE(filIndhold(), QByteArray("\r\nC:\\Bl\xe5\x62\xe6r\r\nDrev D:\r\nD:\r\nBilleder\r\nC:\\Users\\Public\\Pictures\r\n"));

        QListWidget boks;
        TReopenFilerX igen(nullptr);
        igen.setItemfile(fil);
        igen.setListeBoks(&boks);
        igen.HentReopenFiler();
        QCOMPARE(stier(igen), (QStringList{u"C:\\Blåbær"_qs, u"D:"_qs, u"C:\\Users\\Public\\Pictures"_qs}));
        QCOMPARE(raekker(boks), (QStringList{QString(), u"Drev D:"_qs, u"Billeder"_qs}));

        // Characters outside Windows-1252 survive too.
        igen.InsertItem(u"C:\\Фото 📷"_qs, u"Фото 📷"_qs);
        igen.GemReopenFiler();
        TReopenFilerX tredje(nullptr);
        tredje.setItemfile(fil);
        tredje.HentReopenFiler();
        QCOMPARE(tredje.GetCaption(0), u"Фото 📷"_qs);
        QCOMPARE(tredje.GetFilnavn(0), u"C:\\Фото 📷"_qs);
        QCOMPARE(tredje.Antal(), 4);
    }

    void lenientAndOddFiles()
    {
        TReopenFilerX l(nullptr);
        l.setItemfile(fil);
        tp->makeFile(fil, "\xef\xbb\xbf" "Et\nC:\\Et\rTo\r\nC:\\To\r\nTre");
        l.HentReopenFiler();
        QCOMPARE(l.Antal(), 3);
        QCOMPARE(l.GetFilnavn(1), u"C:\\To"_qs);
        QCOMPARE(l.GetCaption(2), u"Tre"_qs);
        QCOMPARE(l.GetFilnavn(2), QString());
        QCOMPARE(l.GetCaption(7), QString());

        // An empty list is a 0-byte file and loads back empty.
        l.DeleteAlleItems();
        QCOMPARE(filIndhold(), QByteArray());
        l.HentReopenFiler();
        QCOMPARE(l.Antal(), 0);

        // Loading after the file is gone empties list and list box.
        QListWidget boks;
        l.setListeBoks(&boks);
        l.InsertItem(u"C:\\x"_qs, u"x"_qs);
        QFile::remove(tp->host(fil));
        l.HentReopenFiler();
        QCOMPARE(l.Antal(), 0);
        QCOMPARE(boks.count(), 0);
    }

    void mixedEncodingsSurviveASave()
    {
        // Another editor added a UTF-8 entry to a Windows-1252 file.
        tp->makeFile(fil, "S\xf8ren\r\nC:\\S\xf8ren\r\n\xc3\x86" "ble\r\nC:\\\xc3\x86" "ble\r\n");
        TReopenFilerX l(nullptr);
        l.setItemfile(fil);
        l.HentReopenFiler();
        l.GemReopenFiler();
        l.HentReopenFiler();
        QCOMPARE(stier(l), (QStringList{u"C:\\Søren"_qs, u"C:\\Æble"_qs}));
        QCOMPARE(filIndhold(), QByteArray("S\xf8ren\r\nC:\\S\xf8ren\r\n\xc6" "ble\r\nC:\\\xc6" "ble\r\n"));
    }

    void longCaptionsAreShownCut()
    {
        tp->makeFolder(u"C:\\Lang"_qs);
        tp->makeFolder(u"C:\\Kort"_qs);
        const QString lang = QString(999, u'x') + u"😀"_qs + QString(100000, u'y');
        QListWidget boks;
        TReopenFilerX l(nullptr);
        l.setItemfile(fil);
        l.setListeBoks(&boks);
        QStringList klik;
        l.setOnListeKlik([&](const QString& c, const QString& f) { klik << c << f; });
        l.InsertItem(u"C:\\Lang"_qs, lang);
        l.InsertItem(u"C:\\Kort"_qs, u"Kort"_qs);
        // The emoji would be cut in two at 1,000: it is left out whole.
        QCOMPARE(raekker(boks), (QStringList{u"Kort"_qs, QString(999, u'x') + u'…'}));
        boks.setCurrentRow(1);
        emit boks.itemClicked(boks.item(1));
        QCOMPARE(klik, (QStringList{lang, u"C:\\Lang"_qs}));

        l.GemReopenFiler();
        l.HentReopenFiler();
        QCOMPARE(l.GetCaption(1), lang);
        QCOMPARE(boks.item(1)->text().size(), 1000);
    }

    void searchHitsInBatchesAndTheEmptyFile()
    {
        // A search empties its list, then hands its hits over in batches: the
        // box shows them newest first, long captions cut, and is made anew
        // when it was out of step with the list.
        QListWidget boks;
        TReopenFilerX l(nullptr);
        l.setItemfile(fil);
        l.setListeBoks(&boks);
        tp->makeFile(fil, "a\r\nC:\\a\r\n");
        l.DeleteAlleItems();
        QCOMPARE(filIndhold(), QByteArray());
        const QString lang = QString(1200, u'x');
        l.InsertItems({{u"a"_qs, u"C:\\a"_qs}, {u"b"_qs, u"C:\\b"_qs}});
        l.InsertItems({{lang, u"C:\\c"_qs}});
        QCOMPARE(stier(l), (QStringList{u"C:\\c"_qs, u"C:\\b"_qs, u"C:\\a"_qs}));
        QCOMPARE(raekker(boks), (QStringList{QString(1000, u'x') + u'…', u"b"_qs, u"a"_qs}));
        l.DeleteItem(u"C:\\b"_qs, false);
        l.InsertItems({{u"d"_qs, u"C:\\d"_qs}});
        QCOMPARE(raekker(boks), (QStringList{u"d"_qs, QString(1000, u'x') + u'…', u"a"_qs}));
        // Big batches on a long list, where the box is made whole instead.
        for (int runde = 0; runde < 2; ++runde) {
            TReopen mange;
            for (int i = 0; i < 3000; ++i)
                mange.append({u"r%1 %2"_qs.arg(runde).arg(i), u"C:\\r%1\\%2"_qs.arg(runde).arg(i)});
            l.InsertItems(mange);
        }
        QCOMPARE(boks.count(), 6003);
        QCOMPARE(boks.item(0)->text(), u"r1 2999"_qs);
        QCOMPARE(boks.item(2999)->text(), u"r1 0"_qs);
        QCOMPARE(boks.item(3000)->text(), u"r0 2999"_qs);
        QCOMPARE(boks.item(6002)->text(), u"a"_qs);

        // The next search finds the file empty already and leaves it be.
        struct stat foer, efter;
        QVERIFY(::stat(QFile::encodeName(tp->host(fil)).constData(), &foer) == 0);
        l.DeleteAlleItems();
        QVERIFY(::stat(QFile::encodeName(tp->host(fil)).constData(), &efter) == 0);
        QCOMPARE(efter.st_ino, foer.st_ino);
        QCOMPARE(boks.count(), 0);
        QCOMPARE(l.Antal(), 0);
        // A link to an empty file is replaced by the list's own empty file.
        const QString maal = tp->makeFile(u"C:\\Opt\\andet.txt"_qs, {});
        QFile::remove(tp->host(fil));
        QVERIFY(QFile::link(tp->host(maal), tp->host(fil)));
        l.DeleteAlleItems();
        QVERIFY(::lstat(QFile::encodeName(tp->host(fil)).constData(), &efter) == 0);
        QVERIFY(S_ISREG(efter.st_mode));
        QCOMPARE(filIndhold(), QByteArray());
    }

    void unreadableAndUnwritableFiles()
    {
        if (::geteuid() == 0)
            QSKIP("root may read and write every file");
        tp->makeFile(fil, "a\r\nC:\\a\r\n");
        ::chmod(QFile::encodeName(tp->host(fil)).constData(), 0);
        TReopenFilerX l(nullptr);
        l.setItemfile(fil);
        QVERIFY_THROWS_EXCEPTION(Fejl, l.HentReopenFiler());
        ::chmod(QFile::encodeName(tp->host(u"C:\\Opt"_qs)).constData(), 0555);
        l.InsertItem(u"C:\\b"_qs, u"b"_qs);
        QVERIFY_THROWS_EXCEPTION(Fejl, l.GemReopenFiler());
        QCOMPARE(l.Antal(), 1);
        ::chmod(QFile::encodeName(tp->host(u"C:\\Opt"_qs)).constData(), 0755);
    }

    void writeFailureNamesTheFile()
    {
        TReopenFilerX l(nullptr);
        l.setItemfile(u"C:\\Mangler\\liste.txt"_qs);
        l.InsertItem(u"C:\\a"_qs, u"a"_qs);
        try {
            l.GemReopenFiler();
            QFAIL("no error");
        } catch (const Fejl& f) {
            QVERIFY2(f.tekst().contains(u"C:\\Mangler\\liste.txt"), qPrintable(f.tekst()));
        }
        QCOMPARE(l.Antal(), 1);
    }

    void deletesWriteTheFile()
    {
        QListWidget boks;
        TReopenFilerX l(nullptr);
        l.setItemfile(fil);
        l.setListeBoks(&boks);
        for (const char16_t* p : {u"C:\\A", u"C:\\B", u"C:\\C", u"C:\\D"})
            l.InsertItem(QString::fromUtf16(p), QString::fromUtf16(p).mid(3));
        // D C B A
        l.DeleteItem(u"c:\\c"_qs, false);
        QVERIFY(!QFile::exists(tp->host(fil)));
        QCOMPARE(boks.count(), 4);  // not rebuilt either
        l.DeleteItemCaption(u"d"_qs);
        QCOMPARE(stier(l), (QStringList{u"C:\\B"_qs, u"C:\\A"_qs}));
        QCOMPARE(filIndhold(), QByteArray("B\r\nC:\\B\r\nA\r\nC:\\A\r\n"));
        QCOMPARE(raekker(boks), (QStringList{u"B"_qs, u"A"_qs}));
        l.DeleteItem(5);
        QCOMPARE(l.Antal(), 2);
        l.DeleteItem(1);
        QCOMPARE(stier(l), QStringList{u"C:\\B"_qs});
        // A path that matches nothing still writes the list.
        QFile::remove(tp->host(fil));
        l.DeleteItem(u"C:\\Z"_qs);
        QCOMPARE(filIndhold(), QByteArray("B\r\nC:\\B\r\n"));
    }

    void moveUpAndDown()
    {
        TReopenFilerX l(nullptr);
        l.InsertItem(u"C:\\1"_qs, u"1"_qs);
        l.InsertItem(u"C:\\0"_qs, u"0"_qs);
        QVERIFY(!l.flytOp(0));
        QVERIFY(!l.flytNed(1));
        QVERIFY(l.flytNed(0));
        QCOMPARE(l.GetCaption(0), u"1"_qs);
        QVERIFY(l.flytOp(1));
        QCOMPARE(l.GetCaption(0), u"0"_qs);
    }

    void deleteAllAsksFirst()
    {
        TReopenFilerX l(nullptr);
        l.setItemfile(fil);
        l.InsertItem(u"C:\\A"_qs, u"A"_qs);
        l.GemReopenFiler();
        {
            kvtest::DialogSvarer nej(false);
            l.SletAlleItems();
            QCOMPARE(nej.tekster, QStringList{u"\nSkal alle indførte elementer i listen slettes?"_qs});
        }
        QCOMPARE(l.Antal(), 1);
        QCOMPARE(filIndhold(), QByteArray("A\r\nC:\\A\r\n"));
        kvtest::DialogSvarer ja(true);
        l.SletAlleItems();
        QCOMPARE(l.Antal(), 0);
        QCOMPARE(filIndhold(), QByteArray());
    }

    void deleteItemFileStopsSaving()
    {
        TReopenFilerX l(nullptr);
        l.setItemfile(fil);
        l.InsertItem(u"C:\\A"_qs, u"A"_qs);
        l.GemReopenFiler();
        l.DeleteItemFile();
        QVERIFY(!QFile::exists(tp->host(fil)));
        QCOMPARE(l.Antal(), 0);
        l.InsertItem(u"C:\\B"_qs, u"B"_qs);
        l.GemReopenFiler();
        QCOMPARE(l.Antal(), 1);
        QVERIFY(!QFile::exists(tp->host(fil)));
    }

    void clicksTestTheEntry()
    {
        tp->makeFolder(u"C:\\Findes"_qs);
        QListWidget boks;
        TReopenFilerX l(nullptr);
        l.setListeBoks(&boks);
        QStringList klik, dobbelt;
        l.setOnListeKlik([&](const QString& c, const QString& f) { klik << c + u'=' + f; });
        l.setOnDblListeKlik([&](const QString& c, const QString&) { dobbelt << c; });
        l.InsertItem(u"C:\\Mangler"_qs, u"Mangler"_qs);
        l.InsertItem(u"C:\\Findes"_qs, u"Findes"_qs);

        boks.setCurrentRow(0);
        emit boks.itemClicked(boks.item(0));
        emit boks.itemDoubleClicked(boks.item(0));
        QCOMPARE(klik, QStringList{u"Findes=C:\\Findes"_qs});
        QCOMPARE(dobbelt, QStringList{u"Findes"_qs});

        kvtest::DialogSvarer svar;
        boks.setCurrentRow(1);
        emit boks.itemClicked(boks.item(1));
        QCOMPARE(klik.size(), 1);
        QCOMPARE(svar.tekster, QStringList{u"Mappen blev ikke fundet.\nSlet eventuelt elementet fra listen."_qs});
        QCOMPARE(l.Antal(), 2);
    }
};

KV_TEST_MAIN(TstReopenFilerX)
#include "tst_treopenfilerx.moc"
