// Renaming in place and by window, the extension rename, new folders, undo,
// and drag and drop, through the real main window on temporary drives.
#include "DialogSvarer.h"
#include "KopieringsTest.h"
#include "platform/ProgramPath.h"
#include <unistd.h>
#include <fcntl.h>
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/TStiTabs.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "platform/Filadresser.h"
#include "platform/FileSystem.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>
#include <QTreeWidget>
#include <sys/stat.h>

using namespace kv;
using kvtest::TestPlatform;

class TstOmdoebning : public kvtest::KopieringsTest {
    Q_OBJECT

    QStringList navne(const QString& mappe)
    {
        return QDir(tp->host(mappe)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                               QDir::Name);
    }
    QTreeWidgetItem* node(QTreeWidget* trae, const QString& caption)
    {
        const auto fundne = trae->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
        return fundne.isEmpty() ? nullptr : fundne.first();
    }
    // F2 on a node of Struktur 2, the text typed and Enter pressed; waits for the refresh.
    void omdoebIStruktur2(const QString& caption, const QString& nyt, QString* filnavnEfter = nullptr)
    {
        vis(u"C:\\M"_qs);
        QTreeWidgetItem* n = node(f->FilStruktur, caption);
        QVERIFY2(n, qPrintable(caption));
        f->FilStruktur->setFocus();
        f->FilStruktur->setCurrentItem(n);
        f->funk->setAktiveStruktur(2);
        QVERIFY(udfoer("Rename2"));
        auto* editor = f->FilStruktur->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText(nyt);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        if (filnavnEfter)
            *filnavnEfter = f->funk->FFilnavn;
        QTRY_VERIFY(f->funkReady);
    }
    // Enter, move and drop as a drag brings them: the move and the drop only
    // reach the target that took the enter.
    void slipPaa(QWidget* paa, QPoint punkt, const QMimeData* data, bool* taget = nullptr)
    {
        const auto handlinger = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent ind(punkt, handlinger, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(paa, &ind);
        QDragMoveEvent over(punkt, handlinger, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(paa, &over);
        QDropEvent slip(punkt, handlinger, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(paa, &slip);
        if (taget)
            *taget = over.isAccepted() && slip.isAccepted();
    }

private slots:
    void init()
    {
        startVindue([this] {
            tp->makeFile(u"C:\\M\\a.txt"_qs, "a");
            tp->makeFile(u"C:\\M\\b.txt"_qs, "b");
            tp->makeFile(u"C:\\M\\C.txt"_qs, "c");
            tp->makeFolder(u"C:\\M\\Foto"_qs);
            tp->makeFolder(u"C:\\M\\Album"_qs);
            tp->makeFolder(u"C:\\M\\d.txt"_qs);
            tp->makeFolder(u"C:\\N\\Under"_qs);
        });
    }
    void cleanup() { slutVindue(); }

    void inPlaceRenameKeepsTheExtensionAndNeverReplaces()
    {
        QString filnavn;
        omdoebIStruktur2(u"a.txt"_qs, u"e.doc"_qs, &filnavn);
        QVERIFY(navne(u"C:\\M"_qs).contains(u"e.txt"_qs));
        QCOMPARE(filnavn, u"C:\\M\\e.txt"_qs);  // a full path, not a bare name
        // Taken by a file, by a folder of the other kind, by a case variant; its
        // own name without the extension changes nothing; a folder onto a
        // sibling gets two blanks before the number; a case-only rename goes through.
        const QString trin[][3] = {{u"e.txt"_qs, u"b"_qs, u"b (1).txt"_qs},
                                   {u"b (1).txt"_qs, u"d"_qs, u"d (1).txt"_qs},
                                   {u"d (1).txt"_qs, u"c"_qs, u"c (1).txt"_qs},
                                   {u"c (1).txt"_qs, u"c (1)"_qs, u"c (1).txt"_qs},
                                   {u"Album"_qs, u"Foto"_qs, u"Foto  (1)"_qs},
                                   {u"Foto"_qs, u"FOTO"_qs, u"FOTO"_qs}};
        for (const auto& [fra, nyt, bliver] : trin) {
            omdoebIStruktur2(fra, nyt);
            QVERIFY2(navne(u"C:\\M"_qs).contains(bliver), qPrintable(bliver));
        }
        QVERIFY(!navne(u"C:\\M"_qs).contains(u"Foto"_qs));
        QCOMPARE(navne(u"C:\\M"_qs).size(), 6);

        // Undo gives the last rename back.
        QVERIFY(udfoer("Fortryd"));
        QVERIFY(navne(u"C:\\M"_qs).contains(u"Foto"_qs));
        QVERIFY(status().contains(u"fortrudt"_qs));
        // And the one before it next.
        QVERIFY(udfoer("Fortryd"));
        QVERIFY(navne(u"C:\\M"_qs).contains(u"Album"_qs));
    }

    void inPlaceRenameKeepsBytesThatAreNoText()
    {
        // "s\xf8ren.txt" is shown as "s\uFFFDren.txt"; changing the rest keeps the byte.
        const int fd = ::open((tp->hostBytes(u"C:\\M"_qs) + "/s\xf8ren.txt").constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
        omdoebIStruktur2(u"s\uFFFDren.txt"_qs, u"S\uFFFDren.txt"_qs);
        QCOMPARE(::access((tp->hostBytes(u"C:\\M"_qs) + "/S\xf8ren.txt").constData(), F_OK), 0);
        QCOMPARE(fraVisning(u"ny"_qs, u"s\uF0F8"_qs), u"ny"_qs);
        QCOMPARE(fraVisning(u"a\\b\uFFFD"_qs, u"x\uF05Cy\uF0F8"_qs), u"a\uF05Cb\uF0F8"_qs);
    }

    void typedNamesThatLeaveTheFolderMoveNothing()
    {
        kvtest::DialogSvarer svar;
        vis(u"C:\\M"_qs);
        f->funk->setAktiveStruktur(2);
        const QStringList foer = navne(u"C:\\M"_qs);
        const QStringList navneC = navne(u"C:"_qs);
        const QStringList forkerte{u"..\\Arkiv"_qs, u"x\\y"_qs, u"x/y"_qs, u".."_qs, u"   "_qs, QString(128, u'æ'),
                                   u"\uF02E\uF02E\uF02Fy"_qs, u"a\uF000b"_qs, u"a\tb"_qs};
        for (const QString& navn : forkerte) {
            QVERIFY(f->funk->omdoeb(u"C:\\M\\Foto"_qs, navn, true).isEmpty());
            QVERIFY(f->funk->omdoeb(u"C:\\M\\a.txt"_qs, navn, false).isEmpty());
            QVERIFY(f->funk->NyMappe(navn).isEmpty());
        }
        QCOMPARE(svar.tekster.size(), 3 * forkerte.size());
        QCOMPARE(navne(u"C:\\M"_qs), foer);
        QCOMPARE(navne(u"C:"_qs), navneC);
        // The data folder and its parents keep their names.
        QVERIFY(f->funk->omdoeb(f->hovedmappe, u"Andet"_qs, true).isEmpty());
        QVERIFY(folderExists(f->hovedmappe));
    }

    void extensionRenameCountsAndNeverRepeatsItself()
    {
        tp->makeFile(u"C:\\T\\x.htm"_qs);
        tp->makeFile(u"C:\\T\\Sub\\y.htm"_qs);
        tp->makeFile(u"C:\\T\\Sub\\y.html"_qs, "findes");
        tp->makeFile(u"C:\\T\\.skjult\\z.htm"_qs);
        tp->makeFile(u"C:\\T\\uden"_qs);
        QVERIFY(QFile::link(tp->host(u"C:\\T\\x.htm"_qs), tp->host(u"C:\\T\\link.htm"_qs)));
        qsizetype spurgt = -1;
        ExtResultat r = f->funk->RenameFilExt(u"C:\\T"_qs, u".HTM"_qs, u".html"_qs, [&](qsizetype n) {
            spurgt = n;
            return false;
        });
        QCOMPARE(spurgt, 2);
        QCOMPARE(r.omdoebt + r.forbigaaet, 0);
        QVERIFY(navne(u"C:\\T"_qs).contains(u"x.htm"_qs));

        r = f->funk->RenameFilExt(u"C:\\T"_qs, u".htm"_qs, u".html"_qs, [](qsizetype) { return true; });
        QCOMPARE(r.omdoebt, 1);
        QCOMPARE(r.forbigaaet, 1);
        QCOMPARE(r.fejlet, 0);
        QCOMPARE(navne(u"C:\\T"_qs), (QStringList{u".skjult"_qs, u"Sub"_qs, u"link.htm"_qs, u"uden"_qs, u"x.html"_qs}));
        QCOMPARE(navne(u"C:\\T\\.skjult"_qs), QStringList{u"z.htm"_qs});
        QCOMPARE(indhold(u"C:\\T\\Sub\\y.html"_qs), QByteArray("findes"));

        // Renamed once each, whatever the new extension holds.
        r = f->funk->RenameFilExt(u"C:\\T"_qs, u".html"_qs, u".htm.html"_qs, [](qsizetype) { return true; });
        QCOMPARE(r.omdoebt, 2);
        QCOMPARE(navne(u"C:\\T\\Sub"_qs), (QStringList{u"y.htm"_qs, u"y.htm.html"_qs}));
        // No old extension: only the files without one.
        r = f->funk->RenameFilExt(u"C:\\T"_qs, QString(), u".txt"_qs, [](qsizetype) { return true; });
        QCOMPARE(r.omdoebt, 1);
        QVERIFY(navne(u"C:\\T"_qs).contains(u"uden.txt"_qs));
        QVERIFY(navne(u"C:\\T"_qs).contains(u"x.htm.html"_qs));
    }

    void newFoldersTakeFreeNamesAndOpenForRenaming()
    {
        tp->makeFolder(u"C:\\M\\Foto Kopi 2"_qs);
        vis(u"C:\\M\\Foto Kopi 2"_qs);
        QCOMPARE(f->funk->NyMappe(QString()), u"C:\\M\\Foto Kopi 2\\Ny mappe"_qs);
        QCOMPARE(f->funk->NyMappe(QString()), u"C:\\M\\Foto Kopi 2\\Ny mappe Kopi (1)"_qs);
        tp->makeFile(u"C:\\M\\Foto Kopi 2\\ny mappe kopi (2)"_qs);
        QCOMPARE(f->funk->NyMappe(QString()), u"C:\\M\\Foto Kopi 2\\Ny mappe Kopi (3)"_qs);

        // Deep in Struktur 1, the new folder's own node is the one edited.
        tp->makeFolder(u"C:\\M\\Foto\\Dybt\\Nede"_qs);
        f->funk->setAktiveStruktur(1);
        QVERIFY(f->funk->udfoldStruktur1(u"C:\\M\\Foto\\Dybt\\Nede"_qs));
        f->DirectoryChange(true);
        QVERIFY(udfoer("NyMappe"));
        QVERIFY(folderExists(u"C:\\M\\Foto\\Dybt\\Nede\\Ny mappe"_qs));
        const StrukturRec* rec = recAf(f->MappeStruktur->currentItem());
        QVERIFY(rec);
        QCOMPARE(rec->mappe, u"C:\\M\\Foto\\Dybt\\Nede\\Ny mappe"_qs);
        auto* editor = f->MappeStruktur->findChild<QLineEdit*>();
        QVERIFY(editor && editor->isVisible());
        editor->setText(u"Navngivet"_qs);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(f->funkReady);
        QCOMPARE(navne(u"C:\\M\\Foto\\Dybt\\Nede"_qs), QStringList{u"Navngivet"_qs});
        // Undo twice: the rename, then nothing more (only the last one is kept).
        QVERIFY(udfoer("Fortryd"));
        QCOMPARE(navne(u"C:\\M\\Foto\\Dybt\\Nede"_qs), QStringList{u"Ny mappe"_qs});
    }

    void moveRenamesWithinOneFileSystem()
    {
        tp->makeFile(u"C:\\M\\Foto\\billede.jpg"_qs, "jpg");
        tp->makeFile(u"C:\\N\\a.txt"_qs, "gammel");
        struct stat foer;
        QCOMPARE(::stat(tp->hostBytes(u"C:\\M\\Foto"_qs).constData(), &foer), 0);
        politik(Overskriv);
        f->papirkurvCheck->setChecked(true);
        vis(u"C:\\M"_qs);
        f->FilStruktur->clearSelection();
        node(f->FilStruktur, u"a.txt"_qs)->setSelected(true);
        node(f->FilStruktur, u"Foto"_qs)->setSelected(true);
        QVERIFY(udfoer("Cut"));
        vis(u"C:\\N"_qs);
        f->FilStruktur->clearSelection();
        QVERIFY(udfoer("Paste"));
        // The folder was renamed (the same inode), the taken file went through the copy.
        struct stat efter;
        QCOMPARE(::stat(tp->hostBytes(u"C:\\N\\Foto"_qs).constData(), &efter), 0);
        QCOMPARE(efter.st_ino, foer.st_ino);
        QCOMPARE(indhold(u"C:\\N\\a.txt"_qs), QByteArray("a"));
        QVERIFY(!findes(u"C:\\M\\a.txt"_qs) && !findes(u"C:\\M\\Foto"_qs));
        QCOMPARE(papirkurv(), QStringList{u"a.txt"_qs});

        // Undo puts the renamed folder back.
        QVERIFY(udfoer("Fortryd"));
        QCOMPARE(indhold(u"C:\\M\\Foto\\billede.jpg"_qs), QByteArray("jpg"));
        QVERIFY(!findes(u"C:\\N\\Foto"_qs));
    }

    void dropsPasteExactlyWhatWasDragged()
    {
        kvtest::DialogSvarer svar;
        // A row waiting in the file list with "Klip" must sit the drop out.
        QVERIFY(f->funk->RegisterElements(u"C:\\M\\b.txt"_qs));
        f->DelAfterPasteCheck->setChecked(true);
        vis(u"C:\\M"_qs);
        f->funk->makeStruktur3(u"C:\\N"_qs);
        f->FilStruktur->clearSelection();
        node(f->FilStruktur, u"a.txt"_qs)->setSelected(true);
        node(f->FilStruktur, u"Foto"_qs)->setSelected(true);
        std::unique_ptr<QMimeData> data(f->traekData(2));
        QVERIFY(data);
        // Starting a drag registers nothing, so a cancelled one leaves the lists as they were.
        QCOMPARE(f->Mappeliste->topLevelItemCount() + f->Filliste->topLevelItemCount(), 1);
        QCOMPARE(data->urls().size(), 2);
        QCOMPARE(programPathOf(data->urls().last()), std::optional<QString>(u"C:\\M\\a.txt"_qs));
        // Only this computer's files: no other host's path is taken as ours.
        const QByteArray sti = tp->hostBytes(u"C:\\M\\a.txt"_qs);
        QVERIFY(!programPathOf(QUrl::fromEncoded("file://andenvaert" + sti)));
        QCOMPARE(programPathOf(QUrl::fromEncoded("file://LocalHost" + sti)), std::optional<QString>(u"C:\\M\\a.txt"_qs));

        // Onto its own folder, onto a dragged folder: no drop.
        bool taget = true;
        slipPaa(f->FilStruktur->viewport(), QPoint(5, f->FilStruktur->viewport()->height() - 5), data.get(), &taget);
        QVERIFY(!taget);
        slipPaa(f->FilStruktur->viewport(), f->FilStruktur->visualItemRect(node(f->FilStruktur, u"Foto"_qs)).center(),
                data.get(), &taget);
        QVERIFY(!taget);
        QCOMPARE(navne(u"C:\\N"_qs), QStringList{u"Under"_qs});

        // Into Struktur 3 on the same drive: a move of the two, nothing else.
        slipPaa(f->FilStruktur2->viewport(), QPoint(5, 5), data.get(), &taget);
        QVERIFY2(svar.tekster.isEmpty(), qPrintable(svar.tekster.join(u'|')));
        QVERIFY(taget);
        QCOMPARE(navne(u"C:\\N"_qs), (QStringList{u"Foto"_qs, u"Under"_qs, u"a.txt"_qs}));
        QVERIFY(!findes(u"C:\\M\\a.txt"_qs) && !findes(u"C:\\M\\Foto"_qs));
        QVERIFY(findes(u"C:\\M\\b.txt"_qs));
        QCOMPARE(f->Filliste->topLevelItemCount(), 1);
        QCOMPARE(f->Filliste->topLevelItem(0)->checkState(0), Qt::Checked);
        QVERIFY(f->DelAfterPasteCheck->isChecked());

        // "Slet ikke": the same drive copies, onto a path tab too.
        f->DragDropCheck->setChecked(true);
        vis(u"C:\\N\\Under"_qs);
        QCoreApplication::processEvents();  // the tabs of the old path go, the new ones are laid out
        QToolButton* tab = nullptr;
        for (QToolButton* b : f->stibox->findChildren<QToolButton*>())
            if (b->text() == u"N"_qs && b->isVisible())
                tab = b;
        QVERIFY(tab);
        QMimeData fraN;
        fraN.setData(u"application/x-kvistlund-stier"_qs, QString(u"C:\\M\\C.txt"_qs).toUtf8());
        slipPaa(f->stibox, tab->geometry().center(), &fraN, &taget);
        QVERIFY2(svar.tekster.isEmpty(), qPrintable(svar.tekster.join(u'|')));
        QVERIFY(taget);
        QVERIFY(findes(u"C:\\N\\C.txt"_qs) && findes(u"C:\\M\\C.txt"_qs));

        // From another program: a copy onto the node under the pointer.
        tp->makeFile(u"D:\\Ude\\ekstern.txt"_qs, "e");
        QMimeData ude;
        ude.setUrls({QUrl::fromLocalFile(tp->host(u"D:\\Ude\\ekstern.txt"_qs))});
        f->DragDropCheck->setChecked(false);
        f->funk->setAktiveStruktur(1);
        QVERIFY(f->funk->udfoldStruktur1(u"C:\\N\\Under"_qs));
        QTreeWidgetItem* under = f->MappeStruktur->currentItem();
        f->MappeStruktur->scrollToItem(under);
        slipPaa(f->MappeStruktur->viewport(), f->MappeStruktur->visualItemRect(under).center(), &ude, &taget);
        QVERIFY2(svar.tekster.isEmpty(), qPrintable(svar.tekster.join(u'|')));
        QVERIFY(taget);
        QCOMPARE(indhold(u"C:\\N\\Under\\ekstern.txt"_qs), QByteArray("e"));
        QVERIFY(findes(u"D:\\Ude\\ekstern.txt"_qs));
        QCOMPARE(f->Mappeliste->topLevelItemCount() + f->Filliste->topLevelItemCount(), 1);

        // Onto the window itself: a copy into the current folder of exactly what was dropped.
        vis(u"D:\\Ude"_qs);
        ude.setUrls({QUrl::fromLocalFile(tp->host(u"C:\\N\\a.txt"_qs))});
        slipPaa(f.get(), QPoint(5, 5), &ude);
        QCOMPARE(navne(u"D:\\Ude"_qs), (QStringList{u"a.txt"_qs, u"ekstern.txt"_qs}));
        QVERIFY(findes(u"C:\\N\\a.txt"_qs));
        QCOMPARE(f->Filliste->topLevelItemCount(), 1);
    }

    // A drop while a name is being typed keeps the name: the rename goes
    // first, and the drop, whose target may have moved, is not carried out.
    void aDropDuringAnEditKeepsTheTypedName()
    {
        vis(u"C:\\M"_qs);
        f->FilStruktur->setFocus();
        f->FilStruktur->setCurrentItem(node(f->FilStruktur, u"b.txt"_qs));
        f->funk->setAktiveStruktur(2);
        QVERIFY(udfoer("Rename2"));
        auto* editor = f->FilStruktur->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText(u"skrevet"_qs);
        QMimeData data;
        data.setData(u"application/x-kvistlund-stier"_qs, QString(u"C:\\N\\Under"_qs).toUtf8());
        bool taget = true;
        slipPaa(f->FilStruktur2->viewport(), QPoint(5, 5), &data, &taget);
        QVERIFY(!taget);
        QTRY_VERIFY(f->funkReady);
        QVERIFY(findes(u"C:\\M\\skrevet.txt"_qs) && !findes(u"C:\\M\\b.txt"_qs));
        QVERIFY(findes(u"C:\\N\\Under"_qs));
        QVERIFY(status().contains(u"Træk elementerne igen"_qs));
    }

    // A drop needs a folder under it: the empty part of Struktur 1 and of the
    // tab row take nothing, and a tab whose folder Struktur 1 cannot show refuses.
    void dropsNeedARealTarget()
    {
        tp->makeFolder(u"C:\\.skjult\\inde"_qs);
        QMimeData data;
        data.setData(u"application/x-kvistlund-stier"_qs, QString(u"C:\\M\\a.txt"_qs).toUtf8());
        vis(u"C:\\N"_qs);
        f->funk->setAktiveStruktur(1);
        QVERIFY(f->funk->udfoldStruktur1(u"C:\\N"_qs));
        bool taget = true;
        const QString foer = status();
        {
            kvtest::DialogSvarer ingen;
            slipPaa(f->MappeStruktur->viewport(), QPoint(5, f->MappeStruktur->viewport()->height() - 3), &data, &taget);
            QVERIFY(ingen.tekster.isEmpty());
        }
        QVERIFY(!taget);
        QCOMPARE(status(), foer);
        QCoreApplication::processEvents();
        slipPaa(f->stibox, QPoint(f->stibox->width() - 3, f->stibox->height() / 2), &data, &taget);
        QVERIFY(!taget);
        QCOMPARE(navne(u"C:\\N"_qs), QStringList{u"Under"_qs});

        vis(u"C:\\.skjult\\inde"_qs);
        QCoreApplication::processEvents();
        QToolButton* tab = nullptr;
        for (QToolButton* b : f->stibox->findChildren<QToolButton*>())
            if (b->text() == u".skjult"_qs && b->isVisible())
                tab = b;
        QVERIFY(tab);
        kvtest::DialogSvarer svar;
        slipPaa(f->stibox, tab->geometry().center(), &data, &taget);
        QVERIFY(!taget);
        QCOMPARE(svar.tekster.size(), 1);
        QVERIFY(svar.tekster[0].contains(u"C:\\.skjult"_qs));
        QVERIFY(findes(u"C:\\M\\a.txt"_qs));
        QCOMPARE(navne(u"C:\\.skjult"_qs), QStringList{u"inde"_qs});
        QVERIFY(!findes(u"C:\\a.txt"_qs) && !findes(u"C:\\M\\Foto\\a.txt"_qs));
    }

    // Undo renames back only the very entry it renamed, unchanged; another
    // operation meanwhile ends it.
    void undoActsOnlyOnTheEntryItMade()
    {
        kvtest::DialogSvarer svar;
        omdoebIStruktur2(u"a.txt"_qs, u"x"_qs);
        // Another file saved under the new name, as an editor replaces a file.
        tp->makeFile(u"C:\\M\\ny.tmp"_qs, "ny");
        QCOMPARE(::rename(tp->hostBytes(u"C:\\M\\ny.tmp"_qs).constData(), tp->hostBytes(u"C:\\M\\x.txt"_qs).constData()), 0);
        udfoer("Fortryd");
        QVERIFY(findes(u"C:\\M\\x.txt"_qs) && !findes(u"C:\\M\\a.txt"_qs));
        QCOMPARE(indhold(u"C:\\M\\x.txt"_qs), QByteArray("ny"));
        QCOMPARE(svar.tekster.size(), 1);

        // Written into in place: the same inode, but changed.
        omdoebIStruktur2(u"b.txt"_qs, u"y"_qs);
        QFile y(tp->host(u"C:\\M\\y.txt"_qs));
        QVERIFY(y.open(QIODevice::Append));
        y.write("mere");
        y.close();
        udfoer("Fortryd");
        QVERIFY(findes(u"C:\\M\\y.txt"_qs) && !findes(u"C:\\M\\b.txt"_qs));

        // A new folder stays when something else holds its name now.
        vis(u"C:\\N"_qs);
        const QString ny = f->funk->NyMappe(u"Tom"_qs);
        QCOMPARE(ny, u"C:\\N\\Tom"_qs);
        QVERIFY(::rename(tp->hostBytes(ny).constData(), tp->hostBytes(u"C:\\N\\Gammel"_qs).constData()) == 0);
        QVERIFY(::mkdir(tp->hostBytes(ny).constData(), 0700) == 0);
        udfoer("Fortryd");
        QVERIFY(findes(ny));

        // Unchanged it goes back; a paste meanwhile ends it.
        omdoebIStruktur2(u"C.txt"_qs, u"z"_qs);
        QVERIFY(f->funk->kanFortryde());
        QVERIFY(f->funk->RegisterElements(u"C:\\M\\y.txt"_qs));
        vis(u"C:\\N"_qs);
        QVERIFY(udfoer("Paste"));
        QVERIFY(!f->funk->kanFortryde());
        QVERIFY(findes(u"C:\\M\\z.txt"_qs));
    }

    // Ctrl+Z goes back step by step, newest first, through the last 20 renames and new folders.
    void undoGoesBackStepByStep()
    {
        vis(u"C:\\M"_qs);
        QCOMPARE(f->funk->omdoeb(u"C:\\M\\a.txt"_qs, u"x"_qs, false), u"C:\\M\\x.txt"_qs);
        QCOMPARE(f->funk->omdoeb(u"C:\\M\\x.txt"_qs, u"y"_qs, false), u"C:\\M\\y.txt"_qs);
        QCOMPARE(f->funk->NyMappe(u"Tom"_qs), u"C:\\M\\Tom"_qs);
        QCOMPARE(f->funk->omdoeb(u"C:\\M\\Foto"_qs, u"Billeder"_qs, true), u"C:\\M\\Billeder"_qs);
        QVERIFY(udfoer("Fortryd"));
        QVERIFY(findes(u"C:\\M\\Foto"_qs) && findes(u"C:\\M\\Tom"_qs));
        QVERIFY(udfoer("Fortryd"));
        QVERIFY(!findes(u"C:\\M\\Tom"_qs) && findes(u"C:\\M\\y.txt"_qs));
        QVERIFY(udfoer("Fortryd"));
        QVERIFY(findes(u"C:\\M\\x.txt"_qs));
        QVERIFY(udfoer("Fortryd"));
        QVERIFY(findes(u"C:\\M\\a.txt"_qs) && !findes(u"C:\\M\\x.txt"_qs));
        QVERIFY(!f->funk->kanFortryde());

        // 25 renames: the last 20 go back, the first 5 stay.
        QString navn = u"C:\\M\\b.txt"_qs;
        for (int i = 1; i <= 25; ++i)
            navn = f->funk->omdoeb(navn, u"n"_qs + QString::number(i), false);
        int gange = 0;
        while (f->funk->kanFortryde() && gange < 30) {
            QVERIFY(!f->funk->fortryd().isEmpty());
            ++gange;
        }
        QCOMPARE(gange, 20);
        QVERIFY(findes(u"C:\\M\\n5.txt"_qs));
    }

    // Neither "Klip" nor a drag moves the data folder or a folder that holds it.
    void theDataFolderNeverMoves()
    {
        kvtest::DialogSvarer svar;
        const QString data = f->funk->FHovedmappe;
        QVERIFY(findes(data));
        QVERIFY(f->funk->RegisterElements(data));
        f->DelAfterPasteCheck->setChecked(true);
        vis(u"C:\\N"_qs);
        QVERIFY(udfoer("Paste"));
        QVERIFY(svar.tekster.join(u'|').contains(u"må ikke flyttes"_qs));
        QVERIFY(findes(data) && !findes(u"C:\\N\\"_qs + data.section(u'\\', -1)));
        f->DelAfterPasteCheck->setChecked(false);
        QMimeData slip;
        slip.setData(u"application/x-kvistlund-stier"_qs, data.toUtf8());
        f->funk->makeStruktur3(u"C:\\N"_qs);
        slipPaa(f->FilStruktur2->viewport(), QPoint(5, 5), &slip);
        QVERIFY(findes(data));
    }

    void aDropWhileAPasteRunsIsRefused()
    {
        tp->makeFile(u"C:\\M\\Stor.bin"_qs, QByteArray(1 << 20, 'x'));
        f->funk->makeStruktur3(u"C:\\N"_qs);
        QMimeData data;
        data.setData(u"application/x-kvistlund-stier"_qs, QByteArray("C:\\M\\a.txt"));
        bool taget = true, foerste = true;
        saetFejlKrog([&](FejlPunkt p, const QByteArray& sti, qint64) {
            if (p == FejlPunkt::Skriv && sti.contains("Stor.bin") && std::exchange(foerste, false))
                iVinduet([&] { slipPaa(f->FilStruktur2->viewport(), QPoint(5, 5), &data, &taget); });
            return 0;
        });
        saetInd({u"C:\\M\\Stor.bin"_qs}, u"D:"_qs);
        QVERIFY(!foerste);
        QVERIFY(!taget);
        QVERIFY(findes(u"C:\\M\\a.txt"_qs) && !findes(u"C:\\N\\a.txt"_qs));
        QVERIFY(findes(u"D:\\Stor.bin"_qs));
    }
};

KV_TEST_MAIN(TstOmdoebning)
#include "tst_omdoebning.moc"
