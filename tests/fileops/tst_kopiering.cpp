// Copy lists, paste and delete through the real main window on temporary
// drives: the conflict policy, copy names, questions, moves that must keep
// their sources, injected faults, links and the recycle bin.
#include "DialogSvarer.h"
#include "KopieringsTest.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "fileops/Tdeleteform.h"
#include "fileops/Tprogressform.h"
#include <QDeadlineTimer>
#include <QProgressBar>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <QFileInfo>
#include <utility>
#include <sys/xattr.h>
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QDateTime>
#include <QTreeWidget>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

class TstKopiering : public kvtest::KopieringsTest {
    Q_OBJECT

private slots:
    void init()
    {
        startVindue([this] {
            tp->makeFile(u"C:\\Kilde\\Album\\a.txt"_qs, "a");
            tp->makeFile(u"C:\\Kilde\\Album\\Under\\b.txt"_qs, "b");
            tp->makeFile(u"C:\\Kilde\\Brev.txt"_qs, "brev");
            tp->makeFolder(u"D:\\Maal"_qs);
        });
    }
    void cleanup() { slutVindue(); }

    void sizeTexts()
    {
        QCOMPARE(TKopierPaste::sizeText(999), u"999 bytes"_qs);
        QCOMPARE(TKopierPaste::sizeText(1000), u"0,98 KB"_qs);
        QCOMPARE(TKopierPaste::sizeText(1000000), u"0,95 MB"_qs);
        QCOMPARE(TKopierPaste::sizeText(1073741824), u"1,00 GB"_qs);
        QCOMPARE(TKopierPaste::sizeText(1649267441664), u"1.536,00 GB"_qs);
        QCOMPARE(TKopierPaste::sizeText(0), u"0 bytes"_qs);
    }

    void copyNames()
    {
        tp->makeFolder(u"C:\\Mus\\Album"_qs);
        tp->makeFolder(u"C:\\Mus\\Album Kopi (1)"_qs);
        QCOMPARE(Kopijob::getNewDirectoryName(u"C:\\Mus\\Album"_qs, u"Kopi"_qs), u"C:\\Mus\\Album Kopi (2)"_qs);
        QCOMPARE(Kopijob::getNewDirectoryName(u"  C:\\Mus\\Album kopi (7) "_qs, u"Kopi"_qs), u"C:\\Mus\\Album Kopi (2)"_qs);
        QCOMPARE(Kopijob::getNewDirectoryName(u"C:\\Mus\\Ny"_qs, u"Kopi"_qs), u"C:\\Mus\\Ny"_qs);
        QCOMPARE(Kopijob::getNewDirectoryName(u"C:\\Mus\\Album"_qs, QString()), u"C:\\Mus\\Album  (1)"_qs);
        // "Kopi" in the parent's name plays no part.
        tp->makeFolder(u"D:\\Foto Kopi 2\\Album"_qs);
        QCOMPARE(Kopijob::getNewDirectoryName(u"D:\\Foto Kopi 2\\Album"_qs, u"Kopi"_qs),
                 u"D:\\Foto Kopi 2\\Album Kopi (1)"_qs);

        tp->makeFile(u"C:\\Mus\\Brev.txt"_qs);
        QCOMPARE(Kopijob::getNewCopyFilename(u"C:\\Mus\\Brev.txt"_qs, u"Kopi"_qs), u"C:\\Mus\\Brev Kopi (1).txt"_qs);
        tp->makeFile(u"C:\\Mus\\Brev Kopi (1).txt"_qs);
        QCOMPARE(Kopijob::getNewCopyFilename(u"C:\\Mus\\Brev Kopi (1).txt"_qs, u"Kopi"_qs),
                 u"C:\\Mus\\Brev Kopi (2).txt"_qs);
        QCOMPARE(Kopijob::getNewCopyFilename(u"C:\\Mus\\README"_qs, u"Kopi"_qs), u"C:\\Mus\\README"_qs);

        // A name that begins with the sub-text keeps it: never an empty or hidden name.
        tp->makeFile(u"C:\\Mus\\Kopi af rapport.txt"_qs);
        QCOMPARE(Kopijob::getNewCopyFilename(u"C:\\Mus\\Kopi af rapport.txt"_qs, u"Kopi"_qs),
                 u"C:\\Mus\\Kopi af rapport Kopi (1).txt"_qs);
        tp->makeFile(u"C:\\Mus\\Kopi"_qs);
        QCOMPARE(Kopijob::getNewCopyFilename(u"C:\\Mus\\Kopi"_qs, u"Kopi"_qs), u"C:\\Mus\\Kopi Kopi (1)"_qs);
        tp->makeFile(u"C:\\Mus\\.profil"_qs);
        QCOMPARE(Kopijob::getNewCopyFilename(u"C:\\Mus\\.profil"_qs, u"Kopi"_qs), u"C:\\Mus\\.profil Kopi (1)"_qs);
        tp->makeFolder(u"C:\\Mus\\Kopi (3)"_qs);
        QCOMPARE(Kopijob::getNewDirectoryName(u"C:\\Mus\\Kopi (3)"_qs, u"Kopi"_qs), u"C:\\Mus\\Kopi (3) Kopi (1)"_qs);
    }

    void conflictPolicy_data()
    {
        QTest::addColumn<int>("kopiering");
        QTest::newRow("Overskriv ikke") << int(OverskrivIkke);
        QTest::newRow("Overskriv") << int(Overskriv);
        QTest::newRow("Opret kopi") << int(OpretKopi);
    }

    void conflictPolicy()
    {
        QFETCH(int, kopiering);
        tp->makeFile(u"D:\\Maal\\Album\\a.txt"_qs, "gammel a");
        tp->makeFile(u"D:\\Maal\\Album\\Under\\x.txt"_qs, "x");
        tp->makeFile(u"D:\\Maal\\Brev.txt"_qs, "gammelt brev");
        tp->makeFile(u"C:\\Kilde\\Ny.txt"_qs, "ny");
        politik(kopiering);
        saetInd({u"C:\\Kilde\\Album"_qs, u"C:\\Kilde\\Brev.txt"_qs, u"C:\\Kilde\\Ny.txt"_qs}, u"D:\\Maal"_qs);
        QCOMPARE(indhold(u"D:\\Maal\\Ny.txt"_qs), QByteArray("ny"));  // no conflict: always copied
        switch (kopiering) {
        case OverskrivIkke:
            QCOMPARE(indhold(u"D:\\Maal\\Album\\a.txt"_qs), QByteArray("gammel a"));
            QCOMPARE(indhold(u"D:\\Maal\\Brev.txt"_qs), QByteArray("gammelt brev"));
            QVERIFY(!findes(u"D:\\Maal\\Album\\Under\\b.txt"_qs));
            break;
        case Overskriv:
            // Merged: files of equal name replaced, the others left.
            QCOMPARE(indhold(u"D:\\Maal\\Album\\a.txt"_qs), QByteArray("a"));
            QCOMPARE(indhold(u"D:\\Maal\\Album\\Under\\b.txt"_qs), QByteArray("b"));
            QCOMPARE(indhold(u"D:\\Maal\\Album\\Under\\x.txt"_qs), QByteArray("x"));
            QCOMPARE(indhold(u"D:\\Maal\\Brev.txt"_qs), QByteArray("brev"));
            break;
        case OpretKopi:
            QCOMPARE(indhold(u"D:\\Maal\\Album Kopi (1)\\Under\\b.txt"_qs), QByteArray("b"));
            QCOMPARE(indhold(u"D:\\Maal\\Album\\a.txt"_qs), QByteArray("gammel a"));
            QCOMPARE(indhold(u"D:\\Maal\\Brev Kopi (1).txt"_qs), QByteArray("brev"));
            break;
        }
        QCOMPARE(status(), u"Der blev kopieret til destinationen"_qs);
        // "Ryd": the ticked rows are gone.
        QCOMPARE(f->Mappeliste->topLevelItemCount() + f->Filliste->topLevelItemCount(), 0);
        QVERIFY(findes(u"C:\\Kilde\\Brev.txt"_qs));
    }

    void pastingIntoOwnFolder()
    {
        kvtest::DialogSvarer svar;
        saetInd({u"C:\\Kilde\\Album"_qs}, u"C:\\Kilde"_qs);
        QCOMPARE(svar.tekster, QStringList{u"Der mangler elementer til kopiering.\nKilde og destination er muligvist den samme."_qs});
        QCOMPARE(status(), u"Processen blev afbrudt, da der opstod en fejl."_qs);

        // Under "Overskriv" a folder merged with itself is passed over too, and a file never overwrites itself.
        politik(Overskriv);
        saetInd({u"C:\\Kilde\\Album"_qs, u"C:\\Kilde\\Brev.txt"_qs}, u"C:\\Kilde"_qs);
        QCOMPARE(svar.tekster.size(), 2);
        QCOMPARE(indhold(u"C:\\Kilde\\Brev.txt"_qs), QByteArray("brev"));

        politik(OpretKopi);
        f->handling("lukKopilister")->trigger();
        saetInd({u"C:\\Kilde\\Album"_qs, u"C:\\Kilde\\Brev.txt"_qs}, u"C:\\Kilde"_qs);
        QCOMPARE(indhold(u"C:\\Kilde\\Album Kopi (1)\\a.txt"_qs), QByteArray("a"));
        QCOMPARE(indhold(u"C:\\Kilde\\Brev Kopi (1).txt"_qs), QByteArray("brev"));
        saetInd({u"C:\\Kilde\\Brev Kopi (1).txt"_qs}, u"C:\\Kilde"_qs);
        QVERIFY(findes(u"C:\\Kilde\\Brev Kopi (2).txt"_qs));

        // The destination itself is never copied, under any policy.
        saetInd({u"C:\\Kilde"_qs, u"C:\\Kilde\\Brev.txt"_qs}, u"C:\\Kilde"_qs);
        QVERIFY(!findes(u"C:\\Kilde\\Kilde"_qs));
    }

    void destinationInsideSourceIsRefused()
    {
        kvtest::DialogSvarer svar;
        saetInd({u"C:\\Kilde"_qs}, u"C:\\Kilde\\Album\\Under"_qs);
        QCOMPARE(svar.tekster.size(), 1);
        QVERIFY2(svar.tekster[0].startsWith(u"Destinationen ligger inde i en af de mapper"), qPrintable(svar.tekster[0]));
        QVERIFY(!findes(u"C:\\Kilde\\Album\\Under\\Kilde"_qs));
    }

    void destinationByStructure()
    {
        // Struktur 2 with a folder selected: into that folder.
        f->funk->RegisterElements(u"C:\\Kilde\\Brev.txt"_qs);
        tp->makeFolder(u"D:\\Maal\\Inde"_qs);
        vis(u"D:\\Maal"_qs);
        f->FilStruktur->setCurrentItem(f->FilStruktur->topLevelItem(0));
        QVERIFY(udfoer("Paste"));
        QVERIFY(findes(u"D:\\Maal\\Inde\\Brev.txt"_qs));
        // Struktur 3: its folder.
        f->funk->RegisterElements(u"C:\\Kilde\\Brev.txt"_qs);
        f->funk->setAktiveStruktur(3);
        f->funk->makeStruktur3(u"D:\\Maal"_qs);
        QVERIFY(udfoer("Paste"));
        QVERIFY(findes(u"D:\\Maal\\Brev.txt"_qs));
        // Struktur 1 without a selection: no destination.
        kvtest::DialogSvarer svar;
        f->funk->RegisterElements(u"C:\\Kilde\\Brev.txt"_qs);
        f->funk->setAktiveStruktur(1);
        f->MappeStruktur->clearSelection();
        f->funkNo = 0;
        f->funk->PasteElementer();
        QCOMPARE(svar.tekster, QStringList{u"Der mangler en destination."_qs});
    }

    void vanishedRowsAreRemoved()
    {
        kvtest::DialogSvarer svar;
        tp->makeFile(u"C:\\Kilde\\Vaek.txt"_qs);
        f->funk->RegisterElements(u"C:\\Kilde\\Vaek.txt"_qs);
        QFile::remove(tp->host(u"C:\\Kilde\\Vaek.txt"_qs));
        vis(u"D:\\Maal"_qs);
        QVERIFY(udfoer("Paste"));
        QCOMPARE(f->Filliste->topLevelItemCount(), 0);
        QCOMPARE(svar.tekster, QStringList{u"Elementerne findes ikke længere og blev fjernet fra kopilisten:\nC:\\Kilde\\Vaek.txt"_qs});
        QCOMPARE(status(), u"Kopieringen blev afbrudt, da kilden ikke findes længere."_qs);
    }

    void questionPolicy()
    {
        kvtest::DialogSvarer nej(false);
        politik(OverskrivIkke, 0);
        saetInd({u"C:\\Kilde\\Brev.txt"_qs}, u"D:\\Maal"_qs);
        QCOMPARE(nej.tekster, QStringList{u"Skal valgte elementer kopieres?"_qs});
        QVERIFY(!findes(u"D:\\Maal\\Brev.txt"_qs));
        f->handling("lukKopilister")->trigger();

        // "Kun før slet permanent": Ctrl+D asks nothing, Shift+Del asks.
        politik(OverskrivIkke, 1);
        nej.tekster.clear();
        vis(u"C:\\Kilde"_qs);
        f->FilStruktur->setFocus();
        f->FilStruktur->setCurrentItem(f->FilStruktur->findItems(u"Brev.txt"_qs, Qt::MatchExactly).first());
        QVERIFY(udfoer("DeletePermanent"));
        QCOMPARE(nej.tekster, QStringList{u"Skal udvalgte elementer Slettes?"_qs});
        QVERIFY(findes(u"C:\\Kilde\\Brev.txt"_qs));
        f->FilStruktur->setCurrentItem(f->FilStruktur->findItems(u"Brev.txt"_qs, Qt::MatchExactly).first());
        QVERIFY(udfoer("DeleteToPapirkurv"));
        QCOMPARE(nej.tekster.size(), 1);
        QVERIFY(!findes(u"C:\\Kilde\\Brev.txt"_qs));
        QCOMPARE(status(), u"Der blev slettet til papirkurv"_qs);
        QCOMPARE(f->Filliste->topLevelItemCount(), 0);  // registered, then cleared by "Ryd"
    }

    void moveKeepsWhatWasNotCopied()
    {
        tp->makeFile(u"D:\\Maal\\Brev.txt"_qs, "andet brev");
        f->DelAfterPasteCheck->setChecked(true);
        f->papirkurvCheck->setChecked(false);
        kvtest::DialogSvarer svar;
        saetInd({u"C:\\Kilde\\Album"_qs, u"C:\\Kilde\\Brev.txt"_qs}, u"D:\\Maal"_qs);
        // The folder moved; the file whose target existed stayed where it was.
        QVERIFY(findes(u"D:\\Maal\\Album\\Under\\b.txt"_qs));
        QVERIFY(!findes(u"C:\\Kilde\\Album"_qs));
        QCOMPARE(indhold(u"C:\\Kilde\\Brev.txt"_qs), QByteArray("brev"));
        QCOMPARE(indhold(u"D:\\Maal\\Brev.txt"_qs), QByteArray("andet brev"));
        QCOMPARE(f->Filliste->topLevelItemCount(), 1);
        QCOMPARE(f->Filliste->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QVERIFY(svar.tekster.last().startsWith(u"1 element blev ikke flyttet"));
        QVERIFY(!f->DelAfterPasteCheck->isChecked());
    }

    void diskFullInTheMiddleOfAFile()
    {
        tp->makeFile(u"C:\\Kilde\\Stor.bin"_qs, QByteArray(40 << 20, 's'));
        tp->makeFile(u"D:\\Maal\\Stor.bin"_qs, "gammel");
        saetFejlKrog([](FejlPunkt p, const QByteArray& sti, qint64 skrevet) {
            return p == FejlPunkt::Skriv && sti.endsWith("Stor.bin") && skrevet > 0 ? ENOSPC : 0;
        });
        politik(Overskriv);
        f->DelAfterPasteCheck->setChecked(true);
        kvtest::DialogSvarer svar;
        saetInd({u"C:\\Kilde\\Stor.bin"_qs}, u"D:\\Maal"_qs);
        QCOMPARE(svar.tekster.size(), 1);
        QVERIFY2(svar.tekster[0].contains(u"Der er ikke nok plads på disken."), qPrintable(svar.tekster[0]));
        QCOMPARE(indhold(u"D:\\Maal\\Stor.bin"_qs), QByteArray("gammel"));
        QCOMPARE(QDir(tp->host(u"D:\\Maal"_qs)).entryList(QDir::Files | QDir::Hidden), QStringList{u"Stor.bin"_qs});
        QCOMPARE(indhold(u"C:\\Kilde\\Stor.bin"_qs).size(), 40 << 20);
        QVERIFY(f->DelAfterPasteCheck->isChecked());  // nothing was moved
        QCOMPARE(status(), u"Processen blev afbrudt, da der opstod en fejl."_qs);
    }

    void accessDeniedInsideAFolder()
    {
        tp->makeFile(u"C:\\Kilde\\Album\\laast.txt"_qs, "hemmelig");
        saetFejlKrog([](FejlPunkt p, const QByteArray& sti, qint64) {
            return p == FejlPunkt::AabnLaesning && sti.endsWith("laast.txt") ? EACCES : 0;
        });
        f->DelAfterPasteCheck->setChecked(true);
        kvtest::DialogSvarer svar;
        saetInd({u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        QCOMPARE(indhold(u"D:\\Maal\\Album\\Under\\b.txt"_qs), QByteArray("b"));
        QVERIFY(!findes(u"D:\\Maal\\Album\\laast.txt"_qs));
        QCOMPARE(svar.tekster.size(), 1);
        QVERIFY2(svar.tekster[0].startsWith(u"1 element i mapperne blev ikke kopieret") && svar.tekster[0].contains(u"Adgang nægtet."),
                 qPrintable(svar.tekster[0]));
        QVERIFY(findes(u"C:\\Kilde\\Album\\laast.txt"_qs));
        QVERIFY(findes(u"C:\\Kilde\\Album\\a.txt"_qs));
    }

    // Making a file can wait long on a slow or busy disk: the window goes on
    // answering meanwhile, in a folder and at the top of the lists alike.
    void theWindowAnswersWhileAFileIsMade()
    {
        tp->makeFile(u"C:\\Kilde\\enkelt.txt"_qs, "e");
        QList<bool> svarede;
        saetFejlKrog([&](FejlPunkt p, const QByteArray& sti, qint64) {
            if (p != FejlPunkt::AabnSkrivning || !(sti.endsWith("a.txt") || sti.endsWith("enkelt.txt")))
                return 0;
            // Waits until the window's thread has run an event of its own.
            std::atomic<bool> koert = false;
            QMetaObject::invokeMethod(qApp, [&koert] { koert = true; }, Qt::QueuedConnection);
            QDeadlineTimer frist(10000);
            while (!koert && !frist.hasExpired())
                QThread::msleep(1);
            svarede << koert;
            return 0;
        });
        saetInd({u"C:\\Kilde\\Album"_qs, u"C:\\Kilde\\enkelt.txt"_qs}, u"D:\\Maal"_qs);
        saetFejlKrog({});
        QCOMPARE(svarede, (QList<bool>{true, true}));
        QCOMPARE(indhold(u"D:\\Maal\\Album\\a.txt"_qs), QByteArray("a"));
        QCOMPARE(indhold(u"D:\\Maal\\enkelt.txt"_qs), QByteArray("e"));
    }

    // Folders deleted by someone else while a paste copies their parent are
    // told once at the end, not in a message each.
    void foldersThatVanishMeanwhileAreToldOnce()
    {
        for (int i = 0; i < 8; ++i)
            tp->makeFile(u"C:\\Kilde\\Mange\\Del%1\\f.txt"_qs.arg(i), "f");
        bool foerste = true;
        QString denne;
        saetFejlKrog([&](FejlPunkt p, const QByteArray& sti, qint64) {
            if (p != FejlPunkt::AabnLaesning || !sti.endsWith("/f.txt") || !std::exchange(foerste, false))
                return 0;
            // All but the folder being read go.
            const QString mange = tp->host(u"C:\\Kilde\\Mange"_qs);
            denne = QFileInfo(QString::fromLocal8Bit(sti)).dir().dirName();
            for (const QString& del : QDir(mange).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                if (del != denne)
                    QDir(mange + u'/' + del).removeRecursively();
            return 0;
        });
        kvtest::DialogSvarer svar;
        saetInd({u"C:\\Kilde\\Mange"_qs}, u"D:\\Maal"_qs);
        saetFejlKrog({});
        QCOMPARE(svar.tekster.size(), 1);
        QCOMPARE(svar.tekster[0].count(u"eksisterer ikke."_qs), 5);
        QVERIFY2(svar.tekster[0].startsWith(u"Mappen C:\\Kilde\\Mange\\Del") && svar.tekster[0].endsWith(u"…"_qs),
                 qPrintable(svar.tekster[0]));
        QCOMPARE(indhold(u"D:\\Maal\\Mange\\"_qs + denne + u"\\f.txt"_qs), QByteArray("f"));
    }

    void stopInTheMiddleOfAFile()
    {
        tp->makeFile(u"C:\\Kilde\\Stor.bin"_qs, QByteArray(40 << 20, 's'));
        // The user presses "Stop" while the file is being written.
        Tprogressform* vindue = f->progressform;
        saetFejlKrog([vindue](FejlPunkt p, const QByteArray& sti, qint64 skrevet) {
            if (p == FejlPunkt::Skriv && sti.contains("Stor.bin") && skrevet > 0)
                vindue->FCancel = true;
            return 0;
        });
        f->DelAfterPasteCheck->setChecked(true);
        kvtest::DialogSvarer svar;
        saetInd({u"C:\\Kilde\\Stor.bin"_qs, u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        QVERIFY(vindue->stopButton->isVisible() || !vindue->isVisible());
        QCOMPARE(svar.tekster.size(), 1);
        QVERIFY(svar.tekster[0].startsWith(u"Kopieringen blev stoppet."));
        QVERIFY(!findes(u"D:\\Maal\\Stor.bin"_qs));
        QCOMPARE(QDir(tp->host(u"D:\\Maal"_qs)).entryList(QDir::Files | QDir::Hidden), QStringList{});
        QVERIFY(findes(u"C:\\Kilde\\Stor.bin"_qs) && findes(u"C:\\Kilde\\Album\\a.txt"_qs));
    }

    // The main bar shows the share of the bytes done while a big file is copied,
    // also when it lies in a pasted folder.
    void theMainBarFollowsTheBytes()
    {
        tp->makeFile(u"C:\\Kilde\\Stor.bin"_qs, QByteArray(40 << 20, 's'));
        tp->makeFile(u"C:\\Kilde\\lille.txt"_qs, "l");
        Tprogressform* vindue = f->progressform;
        QList<int> undervejs;
        saetFejlKrog([&](FejlPunkt p, const QByteArray& sti, qint64 skrevet) {
            if (p == FejlPunkt::Skriv && sti.contains("Stor.bin")) {
                iVinduet([&] { undervejs << int(skrevet * 100 / (40 << 20)) << vindue->pBarAll->value(); });
                QThread::msleep(45);  // a slow disk, so the bars are drawn between the pieces
            }
            return 0;
        });
        saetInd({u"C:\\Kilde\\lille.txt"_qs, u"C:\\Kilde\\Stor.bin"_qs}, u"D:\\Maal"_qs);
        QVERIFY(findes(u"D:\\Maal\\Stor.bin"_qs));
        QVERIFY(QFile::rename(tp->host(u"C:\\Kilde\\Stor.bin"_qs), tp->host(u"C:\\Kilde\\Album\\Stor.bin"_qs)));
        saetInd({u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        QVERIFY(findes(u"D:\\Maal\\Album\\Stor.bin"_qs));
        QVERIFY(undervejs.size() >= 4);
        // Never ahead of the bytes written (it may lag by the moments between repaints).
        const auto aldrigForan = [&] {
            for (qsizetype i = 0; i + 1 < undervejs.size(); i += 2)
                QVERIFY2(undervejs[i + 1] <= undervejs[i] + 1,
                         qPrintable(u"%1% skrevet, baren viste %2%"_qs.arg(undervejs[i]).arg(undervejs[i + 1])));
            QVERIFY2(undervejs.last() > 0, qPrintable(QDebug::toString(undervejs)));
        };
        aldrigForan();

        // A file that grows to ten times its size while it is copied (a download
        // still running): the bar shows the share of what it has become.
        tp->makeFile(u"C:\\Kilde\\Vokser.bin"_qs, QByteArray(4 << 20, 'v'));
        undervejs.clear();
        bool voks = true;
        saetFejlKrog([&](FejlPunkt p, const QByteArray& sti, qint64 skrevet) {
            if (p != FejlPunkt::Skriv || !sti.contains("Vokser.bin"))
                return 0;
            if (std::exchange(voks, false)) {
                QFile fil(tp->host(u"C:\\Kilde\\Vokser.bin"_qs));
                if (fil.open(QIODevice::Append))
                    fil.write(QByteArray(36 << 20, 'w'));
            }
            iVinduet([&] { undervejs << int(skrevet * 100 / (40 << 20)) << vindue->pBarAll->value(); });
            QThread::msleep(45);
            return 0;
        });
        saetInd({u"C:\\Kilde\\Vokser.bin"_qs}, u"D:\\Maal"_qs);
        saetFejlKrog({});
        QCOMPARE(QFileInfo(tp->host(u"D:\\Maal\\Vokser.bin"_qs)).size(), qint64(40 << 20));
        aldrigForan();
    }

    // Extended attributes go with the copy, of files and of folders, as with cp -a.
    void extendedAttributesAreKept()
    {
        const QByteArray fil = tp->hostBytes(u"C:\\Kilde\\Album\\a.txt"_qs);
        const QByteArray mappe = tp->hostBytes(u"C:\\Kilde\\Album"_qs);
        if (::setxattr(fil.constData(), "user.kilde", "kamera", 6, 0) != 0)
            QSKIP("this file system keeps no user attributes");
        QVERIFY(::setxattr(mappe.constData(), "user.farve", "blå", 4, 0) == 0);
        kvtest::DialogSvarer svar;
        saetInd({u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        QVERIFY(svar.tekster.isEmpty());
        char buf[16] = {};
        QCOMPARE(::getxattr(tp->hostBytes(u"D:\\Maal\\Album\\a.txt"_qs).constData(), "user.kilde", buf, sizeof buf), 6);
        QCOMPARE(QByteArray(buf), QByteArray("kamera"));
        QCOMPARE(::getxattr(tp->hostBytes(u"D:\\Maal\\Album"_qs).constData(), "user.farve", buf, sizeof buf), 4);
    }

    void linksAreCopiedAndDeletedAsLinks()
    {
        // A link back to its own folder: a loop that must not be followed.
        QVERIFY(QFile::link(tp->host(u"C:\\Kilde\\Album"_qs), tp->host(u"C:\\Kilde\\Album\\Under\\tilbage"_qs)));
        saetInd({u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        const auto link = entryInfo(u"D:\\Maal\\Album\\Under\\tilbage"_qs);
        QVERIFY(link && link->isLink);
        QCOMPARE(QFile::symLinkTarget(tp->host(u"D:\\Maal\\Album\\Under\\tilbage"_qs)), tp->host(u"C:\\Kilde\\Album"_qs));

        politik(OverskrivIkke, 2);
        f->funk->RegisterElements(u"D:\\Maal\\Album"_qs);
        vis(u"D:\\Maal"_qs);
        f->handling("lukKopilister")->trigger();
        f->FilStruktur->setFocus();
        f->FilStruktur->setCurrentItem(f->FilStruktur->findItems(u"Album"_qs, Qt::MatchExactly).first());
        QVERIFY(udfoer("DeletePermanent"));
        QVERIFY(!findes(u"D:\\Maal\\Album"_qs));
        QVERIFY(findes(u"C:\\Kilde\\Album\\a.txt"_qs));  // the link's target is untouched
    }

    void aPermanentDeleteStopsAndTellsWhatStayed()
    {
        // The removal runs beside the window: a file that cannot go is told, and Stop reaches it.
        for (int i = 0; i < 10; ++i)
            tp->makeFile(u"C:\\Slet\\f%1.txt"_qs.arg(i));
        tp->makeFile(u"C:\\Laast\\a.txt"_qs);
        tp->makeFile(u"C:\\Laast\\laast.txt"_qs);
        politik(OverskrivIkke, 2);
        saetFejlKrog([](FejlPunkt p, const QByteArray& sti, qint64) {
            return p == FejlPunkt::Slet && sti.endsWith("laast.txt") ? EACCES : 0;
        });
        kvtest::DialogSvarer svar;
        f->funk->RegisterElements(u"C:\\Laast"_qs);
        QVERIFY(!f->funk->DeleteElementer(false));
        QVERIFY(!findes(u"C:\\Laast\\a.txt"_qs));
        QCOMPARE(svar.tekster.size(), 1);
        QVERIFY2(svar.tekster[0].contains(u"laast.txt"_qs), qPrintable(svar.tekster[0]));
        f->handling("lukKopilister")->trigger();

        // The first removal waits until Stop was pressed; each after it takes a while.
        std::atomic<bool> stoppet = false;
        std::atomic<int> kald = 0;
        saetFejlKrog([&](FejlPunkt p, const QByteArray&, qint64) {
            if (p != FejlPunkt::Slet)
                return 0;
            if (kald++ == 0)
                while (!stoppet)
                    QThread::msleep(1);
            else
                QThread::msleep(50);
            return 0;
        });
        QTimer::singleShot(0, f.get(), [&] {
            f->funk->FSlet->FCancel = true;
            stoppet = true;
        });
        f->funk->RegisterElements(u"C:\\Slet"_qs);
        QVERIFY(!f->funk->DeleteElementer(false));
        saetFejlKrog({});
        QVERIFY(findes(u"C:\\Slet"_qs));
        QVERIFY(QDir(tp->host(u"C:\\Slet"_qs)).entryList(QDir::Files).size() >= 7);
    }

    void deleteToTheRecycleBin()
    {
        tp->makeFile(u"C:\\Kilde\\Tre\\1.txt"_qs);
        tp->makeFile(u"C:\\Kilde\\Tre\\2.txt"_qs);
        tp->makeFile(u"C:\\Kilde\\Tre\\3 æ%.txt"_qs);
        f->funk->RegisterElements(u"C:\\Kilde\\Tre"_qs);
        vis(u"C:\\Kilde"_qs);
        QVERIFY(!udfoer("DeleteToPapirkurv"));  // rows wait in the copy list
        f->handling("lukKopilister")->trigger();
        f->FilStruktur->setFocus();
        f->FilStruktur->setCurrentItem(f->FilStruktur->findItems(u"Tre"_qs, Qt::MatchExactly).first());
        QVERIFY(udfoer("DeleteToPapirkurv"));
        // The folder goes as one item, so the desktop restores it whole.
        QCOMPARE(papirkurv(), QStringList{u"Tre"_qs});
        QFile info(tp->trashDir() + u"/info/Tre.trashinfo"_qs);
        QVERIFY(info.open(QIODevice::ReadOnly));
        const QList<QByteArray> linjer = info.readAll().split('\n');
        QCOMPARE(linjer[0], QByteArray("[Trash Info]"));
        QCOMPARE(linjer[1], "Path=" + QUrl::toPercentEncoding(tp->host(u"C:\\Kilde\\Tre"_qs), "/"));
        QVERIFY(QDateTime::fromString(QString::fromLatin1(linjer[2].mid(13)), Qt::ISODate).isValid());
        QVERIFY(QDir().rename(tp->trashDir() + u"/files/Tre"_qs, tp->host(u"C:\\Kilde\\Tre"_qs)));
        QCOMPARE(QDir(tp->host(u"C:\\Kilde\\Tre"_qs)).entryList(QDir::Files),
                 (QStringList{u"1.txt"_qs, u"2.txt"_qs, u"3 æ%.txt"_qs}));
        QFile::remove(tp->trashDir() + u"/info/Tre.trashinfo"_qs);

        // A second element of the same name gets a name of its own in the bin.
        for (int gang = 0; gang < 2; ++gang) {
            tp->makeFile(u"C:\\Kilde\\1.txt"_qs);
            f->funk->RegisterElements(u"C:\\Kilde\\1.txt"_qs);
            f->funk->DeleteElementer(true);
            f->handling("lukKopilister")->trigger();
        }
        QVERIFY(papirkurv().contains(u"1.2.txt"_qs));

        // Emptying the bin of the drive.
        f->funkNo = 4;
        f->EditSti->setText(u"C:"_qs);
        kvtest::DialogSvarer ja;
        QVERIFY(udfoer("aEmptyRB"));
        QVERIFY(papirkurv().isEmpty());
        QCOMPARE(f->handling("aEmptyRB")->toolTip(), u"Tøm papirkurv på valgte drev"_qs);
        f->funkNo = 4;
        QVERIFY(udfoer("aEmptyRB"));
        QCOMPARE(f->handling("aEmptyRB")->toolTip(), u"Der blev ikke tømt nogen elementer"_qs);
    }

    void deletingTheShownFolderShowsItsParent()
    {
        f->funk->setAktiveStruktur(1);
        f->funk->udfoldStruktur1(u"C:\\Kilde\\Album\\Under"_qs);
        f->funk->getDirectory();
        f->funk->makeStruktur2(u"C:\\Kilde\\Album\\Under"_qs, false);
        f->MappeStruktur->setCurrentItem(f->MappeStruktur->findItems(u"Album"_qs, Qt::MatchExactly | Qt::MatchRecursive).first());
        f->DirectoryChange(true);
        QVERIFY(udfoer("DeletePermanent"));
        QVERIFY(!findes(u"C:\\Kilde\\Album"_qs));
        QCOMPARE(f->funk->FFilMappe, u"C:\\Kilde"_qs);
        QCOMPARE(status(), u"Der blev slettet permanent"_qs);
    }

    void progressThrottle()
    {
        THandlinger& h = *f->funk;
        h.antalFiler = 1000;
        int opdateringer = 0;
        while (h.antalFiler > 0) {
            --h.antalFiler;
            opdateringer += h.visProgress(10);
        }
        QCOMPARE(opdateringer, 109);
        h.antalFiler = 500;
        QVERIFY(h.visProgress(2 << 20));  // a file over 1 MiB always updates
    }

    void copyListActions()
    {
        for (const char16_t* s : {u"C:\\Kilde\\Album", u"C:\\Kilde\\Brev.txt", u"C:\\Kilde\\Brev.txt"})
            f->funk->RegisterElements(QString::fromUtf16(s));
        QVERIFY(!f->funk->RegisterElements(u"C:\\Findes ikke"_qs));
        QCOMPARE(f->Filliste->topLevelItemCount(), 2);  // no duplicate test
        f->handlinger->opdaterAlle();
        QVERIFY(f->listePanel->isVisible() && f->listePanel2->isVisible());
        f->handling("selectIngen2")->trigger();
        f->handling("sletValgteFraListe2")->trigger();
        QCOMPARE(f->Filliste->topLevelItemCount(), 2);
        f->handling("selectAlle2")->trigger();
        f->handling("sletValgteFraListe2")->trigger();
        QCOMPARE(f->Filliste->topLevelItemCount(), 0);

        // Three files and a folder selected in Struktur 2.
        vis(u"C:\\Kilde"_qs);
        tp->makeFile(u"C:\\Kilde\\To.txt"_qs);
        tp->makeFile(u"C:\\Kilde\\Tre.txt"_qs);
        vis(u"C:\\Kilde"_qs);
        f->FilStruktur->setFocus();
        f->FilStruktur->selectAll();
        QTest::keyClick(f.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(status(), u"Der blev kopieret 4 elementer"_qs);
        QCOMPARE(f->Mappeliste->topLevelItemCount(), 2);
        QCOMPARE(f->Filliste->topLevelItemCount(), 3);
        QCOMPARE(THandlinger::raekkeSti(f->Filliste->topLevelItem(0)).startsWith(u"C:\\Kilde\\"), true);
        QTest::keyClick(f.get(), Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(f->Mappeliste->topLevelItemCount() + f->Filliste->topLevelItemCount(), 0);

        // "Klip" ticks the box; nothing selected in Struktur 1 gives 0 elements.
        f->funk->setAktiveStruktur(1);
        f->MappeStruktur->clearSelection();
        QCOMPARE(f->funk->CopyElementer(), 0);
        vis(u"C:\\Kilde"_qs);
        f->FilStruktur->setFocus();
        f->FilStruktur->topLevelItem(0)->setSelected(true);
        QVERIFY(udfoer("Cut"));
        QVERIFY(f->DelAfterPasteCheck->isChecked());
    }

    void confirmationWindowKeepsItsSize()
    {
        QVERIFY(f->close());
        const auto linjer = readTextLines(f->OptMappe + u"\\Spm_kopiering.txt"_qs);
        QVERIFY(linjer && linjer->size() == 2);
        QVERIFY(linjer->at(0).toInt() > 300);
    }

    void filesDroppedFromTheDesktop()
    {
        vis(u"D:\\Maal"_qs);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(tp->host(u"C:\\Kilde\\Brev.txt"_qs)),
                      QUrl::fromLocalFile(tp->host(u"C:\\Kilde\\Album"_qs))});
        QDragEnterEvent ind(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.get(), &ind);
        QVERIFY(ind.isAccepted());
        QDropEvent slip(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.get(), &slip);
        QVERIFY(findes(u"D:\\Maal\\Brev.txt"_qs));
        QVERIFY(findes(u"D:\\Maal\\Album\\a.txt"_qs));
    }
};

KV_TEST_MAIN(TstKopiering)
#include "tst_kopiering.moc"
