// Building and walking the structures on temporary drives, without the main
// window: drive roots, listings, level structures, and the current element.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "lists/TReopenFilerX.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "structures/TFunktioner.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTreeWidget>

using namespace kv;
using kvtest::TestPlatform;

class TstStrukturer : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    QTreeWidget s1, s2, s3;
    QListWidget historieBoks;
    QLineEdit mappeEdit3;
    std::unique_ptr<TReopenFilerX> historie;
    std::unique_ptr<TFunktioner> f;

    static QStringList captions(QTreeWidget& t)
    {
        QStringList r;
        for (int i = 0; i < t.topLevelItemCount(); ++i)
            r << t.topLevelItem(i)->text(0);
        return r;
    }
    static QStringList boern(QTreeWidgetItem* n)
    {
        QStringList r;
        for (int i = 0; i < n->childCount(); ++i)
            r << n->child(i)->text(0);
        return r;
    }

private slots:
    void initTestCase()
    {
        s2.setSelectionMode(QAbstractItemView::ExtendedSelection);
        s3.setSelectionMode(QAbstractItemView::ExtendedSelection);
    }

    void init()
    {
        tp = &TestPlatform::install(u"Anna"_qs);
        s1.clear();
        s2.clear();
        s3.clear();
        historie = std::make_unique<TReopenFilerX>(nullptr);
        historie->setListeBoks(&historieBoks);
        f = std::make_unique<TFunktioner>(nullptr);
        f->FStruktur1 = &s1;
        f->FStruktur2 = &s2;
        f->FStruktur3 = &s3;
        f->FHistorieDir = historie.get();
        f->FMappeEdit3 = &mappeEdit3;
        f->FBrugernavn = u"Anna"_qs;
        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        f->FLastStruktur = u"C:\\Kvistlund\\Anna\\Egenskaber\\LastStruktur.txt"_qs;
        for (const char16_t* p : {u"C:\\Data\\Fotos\\2024", u"C:\\Data\\Musik", u"C:\\.cache", u"D:\\Film"})
            tp->makeFolder(QString::fromUtf16(p));
        for (const char16_t* p : {u"C:\\Data\\a.txt", u"C:\\Data\\b.JPG", u"C:\\Data\\.skjult", u"C:\\Data\\c"})
            tp->makeFile(QString::fromUtf16(p));
    }

    void driveRoots()
    {
        tp->addDrive(u'E', u"Backup (old)"_qs, DriveRemovable);
        tp->addDrive(u'F', QString(), DriveOptical);
        tp->addDrive(u'G', QString(), DriveOptical, false);  // no disc
        tp->addDrive(u'N', u"Net"_qs, DriveNetwork);
        tp->addDrive(u'R', u"Ram"_qs, DriveRam);
        tp->addDrive(u'U', QString(), DriveFixed);
        f->makeStruktur1();
        QCOMPARE(captions(s1), (QStringList{u"Hjem (C:)"_qs, u"System (D:)"_qs, u"Backup (old) (E:)"_qs,
                                            u"Diskdrev(F:)"_qs, u" (U:)"_qs}));
        const auto* c = nodeAf(s1.topLevelItem(0));
        QCOMPARE(c->rec.mappe, u"C:"_qs);
        QCOMPARE(c->rec.ID, int(idDrev));
        QCOMPARE(c->billede, Billede::SystemDrev);
        QCOMPARE(nodeAf(s1.topLevelItem(1))->billede, Billede::AndetDrev);
        QCOMPARE(nodeAf(s1.topLevelItem(3))->billede, Billede::OptiskDrev);
        QCOMPARE(f->FDirMappe, u"C:"_qs);

        // The drive menu carries the drive itself, so the label's parentheses do no harm.
        QMenu menu;
        f->makeDrevMenu(&menu);
        QCOMPARE(menu.actions().size(), 5);
        f->setAktiveStruktur(1);
        bool aendret = false;
        f->FonDirectoryChange = [&](bool) { aendret = true; };
        menu.actions().at(2)->trigger();
        QCOMPARE(captions(s1), QStringList{u"Backup (old) (E:)"_qs});
        QCOMPARE(f->LastStrukturNo, 3);
        QCOMPARE(readTextLines(f->FLastStruktur).value(), QStringList{u"E:"_qs});
        QVERIFY(aendret);
    }

    void emptyDiscIsMarkedOnce()
    {
        tp->addDrive(u'F', QString(), DriveOptical);
        f->makeStruktur1();
        s1.setCurrentItem(s1.topLevelItem(2));
        QCOMPARE(f->udfoldDirectory(), QString());
        QCOMPARE(s1.topLevelItem(2)->text(0), u"Diskdrev(F:) TOM"_qs);
        QVERIFY(s1.topLevelItem(2)->isDisabled());
        s1.setCurrentItem(s1.topLevelItem(2));
        f->udfoldDirectory();
        QCOMPARE(s1.topLevelItem(2)->text(0), u"Diskdrev(F:) TOM"_qs);

        // A disc with files and no folders is no empty disc.
        tp->addDrive(u'G', u"Fotos"_qs, DriveOptical);
        tp->makeFile(u"G:\\billede.jpg"_qs);
        f->makeStruktur1();
        QTreeWidgetItem* g = s1.topLevelItem(s1.topLevelItemCount() - 1);
        QVERIFY(g->text(0).contains(u"G:"_qs));
        s1.setCurrentItem(g);
        f->udfoldDirectory();
        QVERIFY(!g->text(0).contains(u"TOM"_qs));
        QVERIFY(!g->isDisabled());
    }

    void privateFolders()
    {
        tp->makeFolder(u"C:\\users\\Anna\\Music"_qs);
        tp->makeFolder(u"C:\\users\\Anna\\Desktop"_qs);
        f->FMedtagPrivat = true;
        f->FPrivatTop = false;
        f->makeStruktur1();
        QCOMPARE(captions(s1), (QStringList{u"Hjem (C:)"_qs, u"System (D:)"_qs, u"Anna"_qs}));
        QTreeWidgetItem* anna = s1.topLevelItem(2);
        QCOMPARE(recAf(anna)->mappe, u"C:\\users\\Anna"_qs);
        QCOMPARE(recAf(anna)->ID, int(idPrivat));
        QCOMPARE(boern(anna), (QStringList{u"Skrivebord"_qs, u"Musik"_qs}));
        QVERIFY(anna->isExpanded());

        // Without a profile folder the root still comes, pointing at C:.
        tp->setLoginName(u"Bo"_qs);
        f->FBrugernavn = u"Bo"_qs;
        f->FPrivatTop = true;
        f->makeStruktur1();
        QCOMPARE(s1.topLevelItem(0)->text(0), u"Bo"_qs);
        QCOMPARE(recAf(s1.topLevelItem(0))->mappe, u"C:"_qs);
        QCOMPARE(s1.topLevelItem(0)->childCount(), 0);
    }

    void linuxProfileAtTheDriveRoot()
    {
        // On Linux the private folders' root is C: itself; a folder of C: is
        // still found under the drive, not under the private root.
        tp->setProfileFolder(u"C:"_qs);
        tp->makeFolder(u"C:\\Desktop"_qs);
        tp->makeFolder(u"C:\\Data\\Dyb"_qs);
        f->FMedtagPrivat = true;
        f->FPrivatTop = true;
        QVERIFY(f->udfoldStruktur1(u"C:\\Data\\Dyb"_qs));
        QTreeWidgetItem* node = s1.currentItem();
        QCOMPARE(recAf(node)->mappe, u"C:\\Data\\Dyb"_qs);
        while (node->parent())
            node = node->parent();
        QCOMPARE(recAf(node)->ID, int(idDrev));
        QCOMPARE(recAf(s1.topLevelItem(0))->ID, int(idPrivat));
    }

    void listingsLeaveHiddenOut()
    {
        f->makeStruktur2(u"C:\\Data"_qs, true);
        QCOMPARE(s2.topLevelItemCount(), 5);
        QStringList mapper, filer;
        for (int i = 0; i < s2.topLevelItemCount(); ++i)
            (recAf(s2.topLevelItem(i))->ID == idMappe ? mapper : filer) << s2.topLevelItem(i)->text(0);
        mapper.sort();
        filer.sort();
        QCOMPARE(mapper, (QStringList{u"Fotos"_qs, u"Musik"_qs}));
        QCOMPARE(filer, (QStringList{u"a.txt"_qs, u"b.JPG"_qs, u"c"_qs}));
        // Folders come before files.
        QCOMPARE(recAf(s2.topLevelItem(1))->ID, int(idMappe));
        QCOMPARE(recAf(s2.topLevelItem(2))->ID, int(idFil));
        const auto* b = nodeAf(s2.findItems(u"b.JPG"_qs, Qt::MatchExactly).first());
        QCOMPARE(b->billede, Billede::Billedfil);
        QCOMPARE(b->rec.filnavn, u"C:\\Data\\b.JPG"_qs);
        QCOMPARE(b->rec.mappe, QString());
        QCOMPARE(historie->GetCaption(0), u"Data"_qs);

        f->makeStruktur2(u"C:"_qs, true);
        QCOMPARE(historie->GetCaption(0), u"Drev C:"_qs);
        QVERIFY(s2.findItems(u".cache"_qs, Qt::MatchExactly).isEmpty());

        // A folder that is gone gives Struktur 1's first folder.
        f->makeStruktur1();
        f->makeStruktur2(u"C:\\Væk"_qs, true);
        QCOMPARE(f->FFilMappe, u"C:"_qs);
        QCOMPARE(f->oldFilMappe, u"C:"_qs);
    }

    void levelStructure()
    {
        QStringList liste{u"D:\\Film"_qs, u"C:\\Data\\Fotos\\2024"_qs, u"C:\\Data\\Musik"_qs, u"C:\\Væk"_qs, u"C:\\"_qs};
        f->makeHistoryStruktur(liste);
        QCOMPARE(liste, (QStringList{u"D:\\Film"_qs, u"C:\\Data\\Fotos\\2024"_qs, u"C:\\Data\\Musik"_qs, u"C:"_qs}));
        QCOMPARE(captions(s1), (QStringList{u"Hjem (C:)"_qs, u"System (D:)"_qs}));
        QTreeWidgetItem* data = s1.topLevelItem(0)->child(0);
        QCOMPARE(data->text(0), u"Data"_qs);
        QCOMPARE(boern(data), (QStringList{u"Fotos"_qs, u"Musik"_qs}));
        QCOMPARE(recAf(data->child(0)->child(0))->mappe, u"C:\\Data\\Fotos\\2024"_qs);
        QVERIFY(data->child(0)->isExpanded());
        QCOMPARE(f->LastStrukturNo, 1);
        QCOMPARE(readTextLines(f->FLastStruktur).value(), liste);

        QStringList vaek{u"C:\\Væk"_qs};
        f->makeHistoryStruktur(vaek);
        QCOMPARE(f->LastStrukturNo, 0);
        QCOMPARE(captions(s1), (QStringList{u"Hjem (C:)"_qs, u"System (D:)"_qs}));
        QCOMPARE(readTextLines(f->FLastStruktur).value(), liste);  // not written
    }

    void openFolderChainAndWalk()
    {
        QCOMPARE(f->udfoldMappe(u"C:\\Data\\Fotos"_qs), u"C:\\Data\\Fotos\\"_qs);
        QCOMPARE(readTextLines(f->FLastStruktur).value(),
                 (QStringList{u"C:"_qs, u"C:\\Data"_qs, u"C:\\Data\\Fotos"_qs}));
        QCOMPARE(captions(s1), QStringList{u"Hjem (C:)"_qs});

        QVERIFY(f->udfoldStruktur1(u"c:\\Data\\Fotos\\2024\\"_qs));
        const StrukturRec* valgt = recAf(TMakeStrukturer::valgtNode(&s1));
        QCOMPARE(valgt->mappe, u"C:\\Data\\Fotos\\2024"_qs);
        QCOMPARE(f->FDirMappe, u"c:\\Data\\Fotos\\2024"_qs);
        QCOMPARE(captions(s1), (QStringList{u"Hjem (C:)"_qs, u"System (D:)"_qs}));
        // Each level was listed afresh: Data shows both its folders.
        QStringList data = boern(s1.topLevelItem(0)->child(0));
        data.sort();
        QCOMPARE(data, (QStringList{u"Fotos"_qs, u"Musik"_qs}));

        // A drive that is not a root of Struktur 1: the last root is expanded and the walk fails.
        tp->addDrive(u'N', u"Net"_qs, DriveNetwork);
        tp->makeFolder(u"N:\\Del"_qs);
        QVERIFY(!f->udfoldStruktur1(u"N:\\Del"_qs));
        QVERIFY(s1.topLevelItem(1)->isExpanded());
        QVERIFY(f->udfoldStruktur1(u"D:"_qs));
        QCOMPARE(TMakeStrukturer::valgtNode(&s1), s1.topLevelItem(1));
    }

    void currentElementAndSelection()
    {
        f->makeStruktur1();
        f->setAktiveStruktur(2);
        QCOMPARE(f->getNodeInfo(), u"Ingen valgte"_qs);
        QCOMPARE(f->getID(), 100);
        f->makeStruktur2(u"C:\\Data"_qs, false);
        QTreeWidgetItem* fil = s2.findItems(u"a.txt"_qs, Qt::MatchExactly).first();
        s2.setCurrentItem(fil);
        QCOMPARE(f->getID(), int(idFil));
        QCOMPARE(f->FFilnavn, u"C:\\Data\\a.txt"_qs);
        QCOMPARE(f->getNodeInfo(), u"Fil"_qs);
        QCOMPARE(f->getSelected(), u"a.txt"_qs);
        QVERIFY(!f->getDirectory());
        s2.setCurrentItem(s2.findItems(u"Fotos"_qs, Qt::MatchExactly).first());
        QVERIFY(f->getDirectory());
        QCOMPARE(f->FFilMappeMappe, u"C:\\Data\\Fotos"_qs);
        QString mappe;
        f->getMappe(mappe);
        QCOMPARE(mappe, u"C:\\Data\\Fotos"_qs);

        f->SelectMapperFiler(1);
        QCOMPARE(s2.selectedItems().size(), 5);
        // Only the files, each quoted, one blank between them.
        QStringList filer = f->makeParamString().split(u' ');
        filer.sort();
        QCOMPARE(filer, (QStringList{u"\"C:\\Data\\a.txt\""_qs, u"\"C:\\Data\\b.JPG\""_qs, u"\"C:\\Data\\c\""_qs}));
        f->SelectMapperFiler(3);  // inverting a full selection clears it
        QVERIFY(s2.selectedItems().isEmpty());
        fil->setSelected(true);
        f->SelectMapperFiler(3);
        QCOMPARE(s2.selectedItems().size(), 4);
        QVERIFY(!fil->isSelected());
        f->SelectMapperFiler(2);
        QVERIFY(s2.selectedItems().isEmpty());
        QCOMPARE(f->FFilnavn, QString());

        f->setAktiveStruktur(0);
        QCOMPARE(f->getNodeInfo(), u"Der er ikke valgt en struktur"_qs);
    }

    void struktur3Views()
    {
        QVERIFY(!f->makeStruktur3(u"C:\\Væk"_qs));
        QVERIFY(mappeEdit3.text().isEmpty());
        tp->makeFile(u"C:\\Data\\d.TXT"_qs);
        QVERIFY(f->makeStruktur3(u"C:\\Data"_qs));
        QCOMPARE(f->FMappe3LD, u"C:\\ ... Data"_qs);
        QCOMPARE(f->fremvisFiltype(u"txt"_qs), 2);
        QCOMPARE(nodeAf(s3.findItems(u"d.TXT"_qs, Qt::MatchExactly).first())->billede, Billede::Markering);
        QCOMPARE(f->makeStrukturFil(u".txt"_qs), 2);
        const StrukturRec* r = recAf(s3.topLevelItem(0));
        QCOMPARE(r->mappe, u"C:\\Data"_qs);
        QCOMPARE(r->ID, int(idFil));
        QCOMPARE(f->makeStrukturFil(QString()), 4);  // every visible file
    }

    void lastDirectory()
    {
        QCOMPARE(TMakeStrukturer::getLastDirectory(u"C:\\"_qs), u"C:"_qs);
        QCOMPARE(TMakeStrukturer::getLastDirectory(u"C:"_qs), u"C:"_qs);
        QCOMPARE(TMakeStrukturer::getLastDirectory(u"C:\\Data\\Fotos"_qs), u"Fotos"_qs);
        QCOMPARE(TMakeStrukturer::getLastDirectory(u"C:\\Data\\"_qs), QString());
        QCOMPARE(TMakeStrukturer::getLastDirectory(u"Datamappe"_qs), u"Datamappe"_qs);
    }
};

KV_TEST_MAIN(TstStrukturer)
#include "tst_strukturer.moc"
