// Start-up of the main window on an empty test drive: the data folder, the
// first-start copies, the caption, and the two ways to end the program.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "ui/Programfiler.h"
#include "app/TEgenskaber.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "lists/TReopenFilerX.h"
#include "platform/Fejl.h"
#include "platform/FileSystem.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

using namespace kv;
using kvtest::TestPlatform;

class TstOpstart : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

    void installerSkabeloner(const QStringList& navne)
    {
        QStringList stier;
        for (const QString& navn : navne)
            stier << u"Egenskaber\\"_qs + navn;
        tp->installProgramFiles(stier);
    }
    QStringList mapperI(const QString& sti)
    {
        return QDir(tp->host(sti)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
    QStringList filerI(const QString& sti)
    {
        return QDir(tp->host(sti)).entryList(QDir::Files, QDir::Name);
    }

private slots:
    void init() { tp = &TestPlatform::install(u"Anna"_qs); }

    void firstStartCreatesTheDataFolder()
    {
        installerSkabeloner(programfiler::webskabeloner);
        Tmainform f;
        QCOMPARE(f.windowTitle(), u"Kvistlund: Anna"_qs);
        QCOMPARE(mapperI(u"C:\\Kvistlund"_qs), (QStringList{u"Anna"_qs, u"Program"_qs}));
        QCOMPARE(mapperI(u"C:\\Kvistlund\\Anna"_qs),
                 (QStringList{u"Alarmer"_qs, u"Alarmtekster"_qs, u"Egenskaber"_qs, u"Kalender"_qs,
                              u"Mappestrukturer"_qs, u"Notater"_qs, u"Noter"_qs, u"WMI"_qs}));
        QCOMPARE(filerI(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs),
                 (QStringList{u"webgruppe.txt"_qs, u"webliste Underholdning.txt"_qs, u"webliste Videnskab.txt"_qs}));
        QCOMPARE(f.NotatMappe, u"C:\\Kvistlund\\Anna\\Noter\\"_qs);
        QCOMPARE(f.OptMappe, u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        QCOMPARE(f.ikonDir, u"C:\\Kvistlund\\Program\\Ikoner\\"_qs);
        QCOMPARE(f.wmiFile, u"C:\\Kvistlund\\Program\\Programfiler\\_wmiClasses.wsf"_qs);
        QCOMPARE(f.funkNo, 100);
        QVERIFY(f.funkReady && f.findOpstart && f.opstart);
        // The installed folders are not made by the program.
        QVERIFY(!folderExists(f.ikonDir));
        QVERIFY(!folderExists(f.wmidir));
    }

    void userFilesAreNeverOverwritten()
    {
        installerSkabeloner(programfiler::webskabeloner);
        { Tmainform f; }
        tp->makeFile(u"C:\\Kvistlund\\Anna\\Egenskaber\\webgruppe.txt"_qs, "Min gruppe\r\n");
        QFile::remove(tp->host(u"C:\\Kvistlund\\Anna\\Egenskaber\\webliste Videnskab.txt"_qs));
        { Tmainform f; }
        QCOMPARE(filerI(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs),
                 (QStringList{u"webgruppe.txt"_qs, u"webliste Underholdning.txt"_qs}));
        QFile g(tp->host(u"C:\\Kvistlund\\Anna\\Egenskaber\\webgruppe.txt"_qs));
        QVERIFY(g.open(QIODevice::ReadOnly));
        QCOMPARE(g.readAll(), QByteArray("Min gruppe\r\n"));

        // A second login name gets a folder and copies of its own.
        tp->setLoginName(u"Bo"_qs);
        Tmainform bo;
        QCOMPARE(bo.windowTitle(), u"Kvistlund: Bo"_qs);
        QCOMPARE(filerI(u"C:\\Kvistlund\\Bo\\Egenskaber"_qs).size(), 3);
        QCOMPARE(filerI(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs).size(), 2);
    }

    void missingTemplateIsReported()
    {
        installerSkabeloner({u"webgruppe.txt"_qs});
        kvtest::DialogSvarer svar;
        Tmainform f;
        QCOMPARE(svar.tekster.size(), 1);
        const QString besked = svar.tekster.first();
        QVERIFY2(besked.contains(u"webliste Videnskab.txt") && besked.contains(u"webliste Underholdning.txt"),
                 qPrintable(besked));
        QVERIFY(besked.contains(u"Systemet kan ikke finde den angivne fil."));
        QCOMPARE(filerI(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs), QStringList{u"webgruppe.txt"_qs});
        QVERIFY(f.funkReady);
    }

    void unknownLoginName()
    {
        tp->setLoginName(QString());
        kvtest::DialogSvarer svar;
        Tmainform f;
        QCOMPARE(f.windowTitle(), u"Kvistlund: Brugernavn"_qs);
        QVERIFY(folderExists(u"C:\\Kvistlund\\Brugernavn\\Egenskaber"_qs));
    }

    void firstShowingLoadsTheFavourites()
    {
        kvtest::DialogSvarer svar;
        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        tp->makeFile(u"C:\\Kvistlund\\Anna\\Egenskaber\\favoritmapper.txt"_qs, "Drev D:\r\nD:\r\n");
        tp->makeFile(u"C:\\Kvistlund\\Anna\\Egenskaber\\historiemapper.txt"_qs, "Drev D:\r\nD:\r\n");
        Tmainform f;
        QCOMPARE(f.favoritliste->count(), 0);
        f.show();
        QCOMPARE(f.favDir->Antal(), 1);
        QCOMPARE(f.favoritliste->item(0)->text(), u"Drev D:"_qs);
        // The visited folders are not loaded: only the folder shown at start is there.
        QCOMPARE(f.historieDir->Antal(), 1);
        QCOMPARE(f.historieDir->GetFilnavn(0), u"C:"_qs);
    }

    // The program's own start fills Struktur 2 once the window is shown, from
    // the event loop; a folder shown there before that is left as it is.
    void struktur2IsFilledOnceShown()
    {
        kvtest::DialogSvarer svar;
        for (const char* navn : {"a.txt", "b.txt", "c.txt"})
            tp->makeFile(u"C:\\Stor\\"_qs + QLatin1String(navn), "x");
        tp->makeFile(u"C:\\Andet\\d.txt"_qs, "x");
        TEgenskaber e;
        e.gemtFilMappe = u"C:\\Stor"_qs;
        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        QVERIFY(e.gem(u"C:\\Kvistlund\\Anna\\Egenskaber\\MainEgenskaber.txt"_qs));
        {
            Tmainform f(nullptr, Tmainform::Opstart::Struktur2Bagefter);
            QCOMPARE(f.FilStruktur->topLevelItemCount(), 0);
            QCOMPARE(f.EditSti->text(), u"C:\\Stor"_qs);
            f.show();
            QTRY_COMPARE(f.FilStruktur->topLevelItemCount(), 3);
            QCOMPARE(f.historieDir->GetFilnavn(0), u"C:\\Stor"_qs);
        }
        {
            Tmainform f(nullptr, Tmainform::Opstart::Struktur2Bagefter);
            f.show();
            f.funk->makeStruktur2(u"C:\\Andet"_qs, true);
            QTest::qWait(50);
            QCOMPARE(f.FilStruktur->topLevelItemCount(), 1);
            QCOMPARE(f.funk->FFilMappe, u"C:\\Andet"_qs);
        }
        Tmainform hel;
        QCOMPARE(hel.FilStruktur->topLevelItemCount(), 3);
    }

    void cameraFolders()
    {
        kvtest::DialogSvarer svar;
        Tmainform f;
        tp->makeFolder(u"C:\\users\\Anna\\Pictures"_qs);
        tp->makeFolder(u"C:\\users\\Anna\\Videos"_qs);
        QCOMPARE(f.getSpMappe(0), QString());
        QCOMPARE(f.getSpMappe(2), u"C:\\users\\Anna\\Pictures"_qs);
        QCOMPARE(f.getSpMappe(3), u"C:\\users\\Anna\\Videos"_qs);
        tp->makeFolder(u"C:\\users\\Anna\\Pictures\\Camera Roll"_qs);
        tp->makeFolder(u"C:\\users\\Anna\\Contacts"_qs);
        QCOMPARE(f.getSpMappe(2), u"C:\\users\\Anna\\Pictures\\Camera Roll"_qs);
        QCOMPARE(f.getSpMappe(3), u"C:\\users\\Anna\\Pictures\\Camera Roll"_qs);
        QCOMPARE(f.getSpMappe(0), u"C:\\users\\Anna\\Contacts"_qs);
    }

    void closingAndQuitting()
    {
        kvtest::DialogSvarer svar;
        Tmainform f;
        f.show();
        // Ctrl+Q ends the event loop at once; the close steps do not run.
        QTimer::singleShot(0, &f, [&] { f.handling("LukProgram")->trigger(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(f.funk && f.favDir);
        // Ending the program writes the layout of the three customisable toolbars.
        for (const char16_t* fil : {u"ActionHjem.txt", u"ActionMapper.txt", u"ActionFunktioner.txt"})
            QVERIFY(fileExists(f.OptMappe + u'\\' + QString::fromUtf16(fil)));
        QVERIFY(f.close());
        QVERIFY(!f.funk && !f.favDir);
        QVERIFY(f.historieDir);  // the visited folders live as long as the window
    }
};

KV_TEST_MAIN(TstOpstart)
#include "tst_opstart.moc"
