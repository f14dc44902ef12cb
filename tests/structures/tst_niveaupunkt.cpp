// Level and point structures built from lists of folders on temporary drives:
// the order of roots, shared parents, cleaning, and what the last-structure
// file keeps when folders are gone or only unavailable now.
#include "TestMain.h"
#include "TestPlatform.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "structures/TFunktioner.h"

#include <QDir>
#include <QTreeWidget>
#include <sys/stat.h>

using namespace kv;
using kvtest::TestPlatform;

class TstNiveauPunkt : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    QTreeWidget s1, s2, s3;
    std::unique_ptr<TFunktioner> f;
    const QString sidste = u"C:\\Kvistlund\\Anna\\Egenskaber\\LastStruktur.txt"_qs;

    QStringList roedder()
    {
        QStringList r;
        for (int i = 0; i < s1.topLevelItemCount(); ++i)
            r << s1.topLevelItem(i)->text(0);
        return r;
    }
    static QStringList boern(const QTreeWidgetItem* n)
    {
        QStringList r;
        for (int i = 0; i < n->childCount(); ++i)
            r << n->child(i)->text(0);
        return r;
    }
    QStringList gemt() { return readTextLines(sidste).value_or(QStringList{u"(ingen fil)"_qs}); }

private slots:
    void init()
    {
        tp = &TestPlatform::install(u"Anna"_qs);
        s1.clear();
        f = std::make_unique<TFunktioner>(nullptr);
        f->FStruktur1 = &s1;
        f->FStruktur2 = &s2;
        f->FStruktur3 = &s3;
        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        f->FLastStruktur = sidste;
        for (const char16_t* p : {u"C:\\Data\\Fotos", u"C:\\A\\B", u"C:\\A\\C", u"D:\\Musik\\Jazz", u"D:\\Film"})
            tp->makeFolder(QString::fromUtf16(p));
    }

    void levelStructure()
    {
        QStringList liste{u"D:\\Musik\\Jazz"_qs, u"C:\\Data\\"_qs, u"C:\\A\\B"_qs, u"c:\\A\\C"_qs};
        f->makeHistoryStruktur(liste);
        // Drives come from the end of the list: C first, then D.
        QCOMPARE(roedder(), (QStringList{u"Hjem (C:)"_qs, u"System (D:)"_qs}));
        QTreeWidgetItem* c = s1.topLevelItem(0);
        QCOMPARE(boern(c), (QStringList{u"Data"_qs, u"A"_qs}));
        QCOMPARE(boern(c->child(1)), (QStringList{u"B"_qs, u"C"_qs}));
        QCOMPARE(recAf(c->child(1)->child(1))->mappe, u"C:\\A\\C"_qs);
        QVERIFY(c->isExpanded() && c->child(1)->isExpanded() && s1.topLevelItem(1)->child(0)->isExpanded());
        QCOMPARE(boern(s1.topLevelItem(1)->child(0)), QStringList{u"Jazz"_qs});
        QCOMPARE(f->LastStrukturNo, 1);
        QCOMPARE(f->FDirMappe, u"C:"_qs);
        // The list is written cleaned: no trailing backslash.
        QCOMPARE(gemt(), (QStringList{u"D:\\Musik\\Jazz"_qs, u"C:\\Data"_qs, u"C:\\A\\B"_qs, u"c:\\A\\C"_qs}));

        // Each start restores the structure from the file: the same lines are
        // not written again, and a list with a folder gone is.
        const auto fil = [&] {
            struct stat st {};
            return ::stat(tp->hostBytes(sidste).constData(), &st) == 0 ? st.st_ino : ino_t(0);
        };
        const ino_t foer = fil();
        QStringList igen = gemt();
        f->makeHistoryStruktur(igen);
        QCOMPARE(fil(), foer);
        QVERIFY(QDir(tp->host(u"C:\\A\\C"_qs)).removeRecursively());
        igen = gemt();
        f->makeHistoryStruktur(igen);
        QVERIFY(fil() != foer);
        QCOMPARE(gemt(), (QStringList{u"D:\\Musik\\Jazz"_qs, u"C:\\Data"_qs, u"C:\\A\\B"_qs}));
    }

    void siblingsDifferingOnlyInCase()
    {
        tp->makeFolder(u"C:\\Data\\fotos"_qs);
        QStringList liste{u"C:\\Data\\Fotos"_qs, u"C:\\Data\\fotos"_qs, u"C:\\Data\\FOTOS"_qs};
        f->makeHistoryStruktur(liste);
        QTreeWidgetItem* data = s1.topLevelItem(0)->child(0);
        QCOMPARE(boern(data), (QStringList{u"Fotos"_qs, u"fotos"_qs}));
        QCOMPARE(recAf(data->child(1))->mappe, u"C:\\Data\\fotos"_qs);
        QCOMPARE(liste.size(), 2);  // "FOTOS" is not there
    }

    void pointStructure()
    {
        QStringList liste{u"C:\\"_qs, u"C:\\Data\\Fotos"_qs, u"D:\\Film"_qs};
        f->makePunktStruktur(liste);
        QCOMPARE(roedder(), (QStringList{u"Hjem (C:)"_qs, u"Fotos"_qs, u"Film"_qs}));
        QCOMPARE(recAf(s1.topLevelItem(2))->mappe, u"D:\\Film"_qs);
        QCOMPARE(s1.topLevelItem(1)->childCount(), 0);
        QCOMPARE(f->LastStrukturNo, 2);
        QCOMPARE(gemt(), (QStringList{u"C:"_qs, u"C:\\Data\\Fotos"_qs, u"D:\\Film"_qs}));

        QStringList drev{u"D:"_qs, u"C:"_qs};
        f->makePunktStruktur(drev);
        QCOMPARE(roedder(), (QStringList{u"System (D:)"_qs, u"Hjem (C:)"_qs}));
        QCOMPARE(f->FDirMappe, u"D:"_qs);

        // A drive that is not shown is a root like any folder when no drive is.
        tp->addDrive(u'N', u"Net"_qs, DriveNetwork);
        tp->makeFolder(u"N:\\Delt"_qs);
        QStringList net{u"N:"_qs, u"N:\\Delt"_qs};
        f->makePunktStruktur(net);
        QCOMPARE(roedder(), (QStringList{u"N:"_qs, u"Delt"_qs}));
    }

    void nothingToShowGivesTheDrives_data()
    {
        QTest::addColumn<bool>("punkt");
        QTest::newRow("niveau") << false;
        QTest::newRow("punkt") << true;
    }
    void nothingToShowGivesTheDrives()
    {
        QFETCH(bool, punkt);
        tp->addDrive(u'N', u"Net"_qs, DriveNetwork);
        tp->makeFolder(u"N:\\Delt"_qs);
        QVERIFY(writeTextLines(sidste, {u"før"_qs}));
        const QList<QStringList> lister{
            {u"C:\\Findes\\Ikke"_qs, u"C:\\Data\\..\\Data"_qs, u"C:\\Data\\.."_qs},
            {u"N:"_qs},
            {},
        };
        for (QStringList liste : lister) {
            f->LastStrukturNo = 2;
            punkt ? f->makePunktStruktur(liste) : f->makeHistoryStruktur(liste);
            QCOMPARE(roedder(), (QStringList{u"Hjem (C:)"_qs, u"System (D:)"_qs}));
            QCOMPARE(f->LastStrukturNo, 0);
            QCOMPARE(f->FDirMappe, u"C:"_qs);
            QCOMPARE(gemt(), QStringList{u"før"_qs});
        }
        // Only network folders: the level structure has no root to put them under.
        if (!punkt) {
            QStringList liste{u"N:\\Delt"_qs};
            f->makeHistoryStruktur(liste);
            QCOMPARE(roedder(), (QStringList{u"Hjem (C:)"_qs, u"System (D:)"_qs}));
            QCOMPARE(gemt(), QStringList{u"før"_qs});
        }
    }

    void unpluggedDriveKeepsItsFolders()
    {
        tp->addDrive(u'E', u"Usb"_qs, DriveRemovable, false);  // no medium now
        QStringList liste{u"E:\\Ferie"_qs, u"C:\\Data\\Fotos"_qs, u"C:\\Væk"_qs};
        f->makePunktStruktur(liste);
        QCOMPARE(roedder(), QStringList{u"Fotos"_qs});
        QCOMPARE(gemt(), (QStringList{u"E:\\Ferie"_qs, u"C:\\Data\\Fotos"_qs}));
        // Only the unplugged drive's folders: the drives, and the file stays as it was.
        QStringList kunE{u"E:\\Ferie"_qs, u"F:\\Andet"_qs};
        f->makeHistoryStruktur(kunE);
        QCOMPARE(f->LastStrukturNo, 0);
        QCOMPARE(gemt(), (QStringList{u"E:\\Ferie"_qs, u"C:\\Data\\Fotos"_qs}));
    }
};

KV_TEST_MAIN(TstNiveauPunkt)
#include "tst_niveaupunkt.moc"
