// The structure files in the main window: their menu under Struktur 1, the
// structure editor with its folder dialog, and the last structure at start.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "lists/TFolderDialog.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"
#include "platform/TextFile.h"
#include "structures/Tmappestrukturform.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

using namespace kv;
using kvtest::TestPlatform;

class TstMappestrukturform : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    std::unique_ptr<Tmainform> f;
    const QString strukturer = u"C:\\Kvistlund\\Anna\\Mappestrukturer\\"_qs;

    static QStringList roedder(QTreeWidget* t)
    {
        QStringList r;
        for (int i = 0; i < t->topLevelItemCount(); ++i)
            r << t->topLevelItem(i)->text(0);
        return r;
    }
    static QStringList raekker(QListWidget* l)
    {
        QStringList r;
        for (int i = 0; i < l->count(); ++i)
            r << l->item(i)->text();
        return r;
    }
    // The structure-file entries of the menu, after the submenu and its separator.
    QList<QAction*> filpunkter() { return f->PuMappeStruk->actions().mid(2); }
    Tmappestrukturform* aabnEditor()
    {
        f->handlinger->opdaterAlle();
        f->handling("OpretSmappe")->trigger();
        return f->mappestrukturform;
    }
    // Answers the folder dialog, once it is up, with folder.
    static void vaelgIDialog(const QString& mappe)
    {
        QTimer::singleShot(0, [mappe] {
            auto* d = qobject_cast<TFolderDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->visDrev(mappe);
            mappe.isEmpty() ? d->reject() : d->accept();
        });
    }
    static void udfoer(QAction* a)
    {
        QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        a->trigger();
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install(u"Anna"_qs);
        for (const char16_t* p : {u"C:\\Data\\Fotos", u"C:\\Data\\Musik", u"D:\\Film", u"C:\\Kvistlund\\Anna\\Egenskaber"})
            tp->makeFolder(QString::fromUtf16(p));
        f = std::make_unique<Tmainform>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    }
    void cleanup()
    {
        if (f && f->mappestrukturform)
            f->mappestrukturform->redigeret = false;
        f.reset();
    }

    void menuOfStructureFiles()
    {
        QVERIFY(writeTextLines(strukturer + u"Foto & Film.txt"_qs, {u"C:\\Data\\Fotos"_qs, u"D:\\Film"_qs}));
        QVERIFY(writeTextLines(strukturer + u"Arbejde.TXT"_qs, {u"C:\\Data\\Musik"_qs}));
        tp->makeFolder(strukturer + u"Mappe.txt"_qs);
        tp->makeFile(strukturer + u"noter.md"_qs);
        f->loadMappeStruktur(false);
        QStringList captions, data;
        for (QAction* a : filpunkter()) {
            captions << a->text();
            data << a->data().toString();
        }
        QCOMPARE(captions, (QStringList{u"Arbejde.TXT"_qs, u"Foto && Film.txt"_qs}));
        QCOMPARE(data, (QStringList{u"Arbejde.TXT"_qs, u"Foto & Film.txt"_qs}));

        filpunkter()[1]->trigger();
        QCOMPARE(roedder(f->MappeStruktur), (QStringList{u"System (D:)"_qs, u"Hjem (C:)"_qs}));
        QCOMPARE(f->funk->LastStrukturNo, 1);
        QCOMPARE(f->funk->AktiveStruktur(), 1);
        f->hsMenuPunkt->setChecked(true);
        QVERIFY(!f->hsMenuNiveau->isChecked());
        filpunkter()[1]->trigger();
        QCOMPARE(roedder(f->MappeStruktur), (QStringList{u"Fotos"_qs, u"Film"_qs}));
        QCOMPARE(f->funk->LastStrukturNo, 2);
        // Loading again leaves one entry a file.
        f->loadMappeStruktur(false);
        QCOMPARE(filpunkter().size(), 2);
    }

    void specialFolderStructures()
    {
        // Only these exist; the pictures stand in for camera pictures and are not repeated,
        // and no missing folder brings in drive C instead.
        for (const char16_t* p : {u"C:\\users\\Anna\\Desktop", u"C:\\users\\Anna\\Documents", u"C:\\users\\Anna\\Pictures"})
            tp->makeFolder(QString::fromUtf16(p));
        auto* punkt = f->findChild<QToolButton*>(u"ksmPunktstruktur"_qs);
        QVERIFY(punkt->isEnabled());
        punkt->click();
        QCOMPARE(roedder(f->MappeStruktur), (QStringList{u"Desktop"_qs, u"Documents"_qs, u"Pictures"_qs}));
        QCOMPARE(f->funk->LastStrukturNo, 2);
        f->findChild<QToolButton*>(u"ksmNiveaustruktur"_qs)->click();
        QCOMPARE(f->funk->LastStrukturNo, 1);
        QVERIFY(f->MappeStruktur->topLevelItem(0)->childCount() > 0);
    }

    void makeAndSaveAStructure()
    {
        Tmappestrukturform* e = aabnEditor();
        QVERIFY(e && e->isVisible());
        QVERIFY(e->windowTitle() == u"Mappestrukturer");
        f->handlinger->opdaterAlle();
        QVERIFY(!f->handling("OpretSmappe")->isEnabled());
        QVERIFY(!e->aDoBefore->isEnabled() && !e->aGem->isEnabled());

        for (const char16_t* m : {u"D:\\Film", u"C:\\Data\\Musik", u"C:\\Data\\Fotos"}) {
            vaelgIDialog(QString::fromUtf16(m));
            e->insertMappeKnap->click();
        }
        vaelgIDialog(QString());  // cancelled: nothing added
        e->insertMappeKnap->click();
        QCOMPARE(raekker(e->strukturListeMapper), (QStringList{u"D:\\Film"_qs, u"C:\\Data\\Musik"_qs, u"C:\\Data\\Fotos"_qs}));
        QVERIFY(e->redigeret);
        e->strukturListeMapper->setCurrentRow(2);
        udfoer(e->aOp);
        QCOMPARE(e->strukturListeMapper->currentRow(), 1);
        e->strukturListeMapper->setCurrentRow(0);
        QVERIFY(!e->aOp->isEnabled());
        udfoer(e->aSlet);
        QCOMPARE(raekker(e->strukturListeMapper), (QStringList{u"C:\\Data\\Fotos"_qs, u"C:\\Data\\Musik"_qs}));

        // Names that would leave the structure folder or are no names are refused.
        kvtest::DialogSvarer svar;
        for (const char16_t* navn : {u"..", u"a\\b", u"../ud", u"x/y", u" ", u"..txt"}) {
            e->EditGem->setText(QString::fromUtf16(navn));
            e->aGem->trigger();
        }
        QCOMPARE(svar.tekster.size(), 6);
        QCOMPARE(e->strukturListeMapper->count(), 2);
        QVERIFY(listFolder(strukturer)->empty());
        QVERIFY(!fileExists(u"C:\\Kvistlund\\Anna\\ud.txt"_qs));

        e->EditGem->setText(u"Ferie 2024.06"_qs);
        udfoer(e->aGem);
        QCOMPARE(readTextLines(strukturer + u"Ferie 2024.06.txt"_qs),
                 (QStringList{u"C:\\Data\\Fotos"_qs, u"C:\\Data\\Musik"_qs}));
        QVERIFY(!e->redigeret);
        QCOMPARE(e->sider->currentIndex(), 1);
        QCOMPARE(raekker(e->strukturListe), QStringList{u"Ferie 2024.06.txt"_qs});
        QCOMPARE(filpunkter().size(), 1);

        // Choosing it shows its folders; with two, both kinds can be built.
        e->strukturListe->setCurrentRow(0);
        QCOMPARE(raekker(e->strukturMappeListe), (QStringList{u"C:\\Data\\Fotos"_qs, u"C:\\Data\\Musik"_qs}));
        QVERIFY(e->aStrukturmappe1->isEnabled());
        udfoer(e->aStrukturmappe);
        QCOMPARE(roedder(f->MappeStruktur), (QStringList{u"Fotos"_qs, u"Musik"_qs}));

        // Edited again and saved as "….txt" under the same name: asked, "Nej" keeps both.
        udfoer(e->aRedigerMappestruktur);
        QCOMPARE(e->EditGem->text(), u"Ferie 2024.06"_qs);
        QCOMPARE(e->sider->currentIndex(), 0);
        e->strukturListeMapper->setCurrentRow(1);
        udfoer(e->aSlet);
        e->EditGem->setText(u"Ferie 2024.06.txt"_qs);
        svar.ja = false;
        udfoer(e->aGem);
        QVERIFY(svar.tekster.last().contains(u"overskrives?"_qs));
        QCOMPARE(readTextLines(strukturer + u"Ferie 2024.06.txt"_qs)->size(), 2);
        QCOMPARE(e->strukturListeMapper->count(), 1);
        svar.ja = true;
        udfoer(e->aGem);
        QCOMPARE(readTextLines(strukturer + u"Ferie 2024.06.txt"_qs), QStringList{u"C:\\Data\\Fotos"_qs});
        QVERIFY(!fileExists(strukturer + u"Ferie 2024.06.txt.txt"_qs));

        // One folder: a point structure, no level structure.
        e->strukturListe->setCurrentRow(0);
        QVERIFY(e->aStrukturmappe->isEnabled());
        QVERIFY(!e->aStrukturmappe1->isEnabled());

        udfoer(e->aDelete);
        QVERIFY(!fileExists(strukturer + u"Ferie 2024.06.txt"_qs));
        QCOMPARE(e->strukturListe->count(), 0);
        QCOMPARE(filpunkter().size(), 0);
    }

    void unsavedEditsAreAskedAbout()
    {
        QVERIFY(writeTextLines(strukturer + u"Gammel.txt"_qs, {u"D:\\Film"_qs, u"E:\\Ferie"_qs}));
        Tmappestrukturform* e = aabnEditor();
        // A folder on a drive that is not there now is shown as missing, and kept.
        e->strukturListe->setCurrentRow(0);
        QCOMPARE(raekker(e->strukturMappeListe), (QStringList{u"D:\\Film"_qs, u"E:\\Ferie"_qs}));
        QCOMPARE(e->strukturMappeListe->item(1)->toolTip(), u"Mappen findes ikke lige nu"_qs);
        QVERIFY(e->strukturMappeListe->item(0)->toolTip().isEmpty());
        vaelgIDialog(u"C:\\Data"_qs);
        e->insertMappeKnap->click();
        kvtest::DialogSvarer svar(false);
        QVERIFY(!e->close());
        QVERIFY(e->isVisible());
        QCOMPARE(svar.tekster.size(), 1);
        QVERIFY(svar.tekster[0].contains(u"Der er rediget i strukturen!"_qs));
        // "Rediger valgte" and "Klargør" ask too, and "Nej" keeps the edits.
        e->strukturListe->setCurrentRow(0);
        udfoer(e->aRedigerMappestruktur);
        udfoer(e->aDoBefore);
        QCOMPARE(raekker(e->strukturListeMapper), QStringList{u"C:\\Data"_qs});
        // Closing the main window asks as well and stays open on "Nej".
        QVERIFY(!f->close());
        QCOMPARE(svar.tekster.size(), 4);
        // Typing a name counts as an edit only while there are folders.
        svar.ja = true;
        udfoer(e->aDoBefore);
        QTest::keyClicks(e->EditGem, u"Ny"_qs);
        QVERIFY(!e->redigeret);
        QVERIFY(e->close());
        QTRY_VERIFY(!f->mappestrukturform);
        f->handlinger->opdaterAlle();
        QVERIFY(f->handling("OpretSmappe")->isEnabled());
    }

    void folderDialogShowsProgramPaths()
    {
        tp->addDrive(u'E', u"Usb"_qs, DriveRemovable);
        TFolderDialog d;
        d.visDrev();
        QCOMPARE(roedder(d.trae), (QStringList{u"Hjem (C:)"_qs, u"System (D:)"_qs, u"Usb (E:)"_qs}));
        QTreeWidgetItem* c = d.trae->topLevelItem(0);
        QCOMPARE(c->childCount(), 0);  // listed when opened
        c->setExpanded(true);
        QVERIFY(c->childCount() > 0);
        d.visDrev(u"C:\\Data\\Fotos\\Findes ikke"_qs);
        QCOMPARE(d.valgtMappe(), u"C:\\Data\\Fotos"_qs);
        QCOMPARE(d.stiFelt->text(), u"C:\\Data\\Fotos"_qs);
    }

    // "Rediger valgte" writes back to the file it took in, whatever its case or
    // second ".txt"; a name that would hide its file is refused.
    void editedStructuresGoBackToTheirFile()
    {
        QVERIFY(writeTextLines(strukturer + u"Store.TXT"_qs, {u"D:\\Film"_qs}));
        QVERIFY(writeTextLines(strukturer + u"Dobbelt.txt.txt"_qs, {u"D:\\Film"_qs}));
        Tmappestrukturform* e = aabnEditor();
        kvtest::DialogSvarer svar;
        for (const QString& fil : {u"Store.TXT"_qs, u"Dobbelt.txt.txt"_qs}) {
            e->strukturListe->setCurrentItem(e->strukturListe->findItems(fil, Qt::MatchExactly).value(0));
            udfoer(e->aRedigerMappestruktur);
            vaelgIDialog(u"C:\\Data\\Musik"_qs);
            e->insertMappeKnap->click();
            udfoer(e->aGem);
            QCOMPARE(readTextLines(strukturer + fil), (QStringList{u"D:\\Film"_qs, u"C:\\Data\\Musik"_qs}));
        }
        QCOMPARE(listFolder(strukturer)->size(), size_t(2));

        vaelgIDialog(u"C:\\Data\\Musik"_qs);
        e->insertMappeKnap->click();
        const qsizetype foer = svar.tekster.size();
        e->EditGem->setText(u".skjult"_qs);
        e->aGem->trigger();
        QCOMPARE(svar.tekster.size(), foer + 1);
        QVERIFY(svar.tekster.last().contains(u"punktum"_qs));
        QCOMPARE(listFolder(strukturer)->size(), size_t(2));
    }

    // A folder name that is no text is shown with the replacement mark, and chosen as it is.
    void folderDialogShowsNamesAsText()
    {
        const QString raa = u"C:\\Data\\M\xF0E6l"_qs;  // the host byte 0xE6 alone
        tp->makeFolder(raa);
        TFolderDialog d;
        d.visDrev(raa);
        QCOMPARE(d.valgtMappe(), raa);
        QCOMPARE(d.trae->currentItem()->text(0), visningsnavn(u"M\xF0E6l"_qs));
        QVERIFY(!d.trae->currentItem()->text(0).contains(QChar(0xF0E6)));
        QVERIFY(!d.stiFelt->text().contains(QChar(0xF0E6)));
    }

    void lastStructureAtStart()
    {
        const QString sidste = u"C:\\Kvistlund\\Anna\\Egenskaber\\LastStruktur.txt"_qs;
        QVERIFY(writeTextLines(sidste, {u"D:"_qs}));
        f->funk->LastStrukturNo = 3;
        f->makeStartStrukturer();
        QCOMPARE(roedder(f->MappeStruktur), QStringList{u"System (D:)"_qs});
        QCOMPARE(f->funk->LastStrukturNo, 3);
        QVERIFY(f->MappeStruktur->topLevelItem(0)->childCount() > 0);

        QVERIFY(writeTextLines(sidste, {u"C:\\Data\\Fotos"_qs, u"D:\\Film"_qs}));
        f->funk->LastStrukturNo = 2;
        f->makeStartStrukturer();
        QCOMPARE(roedder(f->MappeStruktur), (QStringList{u"Fotos"_qs, u"Film"_qs}));

        // Every folder gone: the drives, and the file is kept for later.
        QVERIFY(writeTextLines(sidste, {u"C:\\Væk"_qs}));
        f->funk->LastStrukturNo = 1;
        f->makeStartStrukturer();
        QCOMPARE(roedder(f->MappeStruktur), (QStringList{u"Hjem (C:)"_qs, u"System (D:)"_qs}));
        QCOMPARE(f->funk->LastStrukturNo, 0);
        QCOMPARE(readTextLines(sidste), QStringList{u"C:\\Væk"_qs});
    }
};

KV_TEST_MAIN(TstMappestrukturform)
#include "tst_mappestrukturform.moc"
