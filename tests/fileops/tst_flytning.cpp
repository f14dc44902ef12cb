// Moves, links and re-entrance through the real main window on temporary
// drives, with the data that once lost files: a link to a folder, a file
// saved into a source during the delete question, a move into the source's
// own parent, and a second paste, a drop or a close while a paste runs.
#include "DialogSvarer.h"
#include "KopieringsTest.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "fileops/Tprogressform.h"
#include "platform/FileSystem.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTreeWidget>
#include <QUrl>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utime.h>

using namespace kv;
using kvtest::TestPlatform;

class TstFlytning : public kvtest::KopieringsTest {
    Q_OBJECT

    void flyt(bool tilPapirkurv)
    {
        f->DelAfterPasteCheck->setChecked(true);
        f->papirkurvCheck->setChecked(tilPapirkurv);
    }
    // Selects one element of Struktur 2 by its caption.
    void vaelg(const QString& caption)
    {
        f->FilStruktur->setFocus();
        f->FilStruktur->clearSelection();
        const auto fundne = f->FilStruktur->findItems(caption, Qt::MatchExactly);
        QVERIFY2(!fundne.isEmpty(), qPrintable(caption));
        f->FilStruktur->setCurrentItem(fundne.first());
        f->funk->setAktiveStruktur(2);
    }
private slots:
    void init()
    {
        startVindue([this] {
            tp->makeFile(u"C:\\Kilde\\Album\\a.txt"_qs, "a");
            tp->makeFile(u"C:\\Kilde\\Album\\Under\\b.txt"_qs, "b");
            tp->makeFile(u"C:\\Kilde\\Album\\Under\\c.txt"_qs, "c");
            tp->makeFolder(u"D:\\Maal"_qs);
        });
    }
    void cleanup() { slutVindue(); }

    void linkToAFolderIsALinkEverywhere()
    {
        const QString album = tp->host(u"C:\\Kilde\\Album"_qs);
        const QString genvej = tp->host(u"C:\\Kilde\\Genvej"_qs);
        const auto albumUroert = [&] {
            return indhold(u"C:\\Kilde\\Album\\a.txt"_qs) == "a" && indhold(u"C:\\Kilde\\Album\\Under\\b.txt"_qs) == "b";
        };
        QVERIFY(QFile::link(album, genvej));

        // Deleted permanently, then to the bin: the link goes, its target stays.
        vis(u"C:\\Kilde"_qs);
        vaelg(u"Genvej"_qs);
        QVERIFY(udfoer("DeletePermanent"));
        QVERIFY(!QFileInfo(genvej).isSymLink());
        QVERIFY(albumUroert());
        QVERIFY(QFile::link(album, genvej));
        vis(u"C:\\Kilde"_qs);
        vaelg(u"Genvej"_qs);
        QVERIFY(udfoer("DeleteToPapirkurv"));
        QCOMPARE(papirkurv(), QStringList{u"Genvej"_qs});
        QVERIFY(QFileInfo(tp->trashDir() + u"/files/Genvej"_qs).isSymLink());
        QVERIFY(albumUroert());

        // Moved: the link arrives as a link and leaves its source; the target stays whole.
        QVERIFY(QFile::link(album, genvej));
        vis(u"C:\\Kilde"_qs);
        vaelg(u"Genvej"_qs);
        QVERIFY(udfoer("Cut"));
        QCOMPARE(f->Filliste->topLevelItemCount(), 1);  // a link is listed with the files
        f->papirkurvCheck->setChecked(false);
        vis(u"D:\\Maal"_qs);
        QVERIFY(udfoer("Paste"));
        QCOMPARE(QFileInfo(tp->host(u"D:\\Maal\\Genvej"_qs)).symLinkTarget(), album);
        QVERIFY(!QFileInfo(genvej).exists() && !QFileInfo(genvej).isSymLink());
        QVERIFY(albumUroert());
    }

    void moveDeletesExactlyWhatItCopied()
    {
        politik(OverskrivIkke, 1);
        flyt(false);
        // While the delete question is on screen, a file is saved into the
        // source and another one is changed.
        kvtest::DialogSvarer svar;
        svar.foerSvar = [&] {
            tp->makeFile(u"C:\\Kilde\\Album\\ny.txt"_qs, "ny");
            QFile b(tp->host(u"C:\\Kilde\\Album\\Under\\b.txt"_qs));
            QVERIFY(b.open(QIODevice::Append));
            b.write("mere");
        };
        saetInd({u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        QCOMPARE(indhold(u"D:\\Maal\\Album\\Under\\b.txt"_qs), QByteArray("b"));
        QCOMPARE(indhold(u"D:\\Maal\\Album\\Under\\c.txt"_qs), QByteArray("c"));
        // Copied and unchanged: gone. New or changed: kept, with the folders that hold them.
        QVERIFY(!findes(u"C:\\Kilde\\Album\\a.txt"_qs));
        QVERIFY(!findes(u"C:\\Kilde\\Album\\Under\\c.txt"_qs));
        QCOMPARE(indhold(u"C:\\Kilde\\Album\\ny.txt"_qs), QByteArray("ny"));
        QCOMPARE(indhold(u"C:\\Kilde\\Album\\Under\\b.txt"_qs), QByteArray("bmere"));
        QVERIFY2(svar.tekster.last().startsWith(u"1 element blev kun kopieret, ikke flyttet")
                     && svar.tekster.last().contains(u"b.txt"),
                 qPrintable(svar.tekster.last()));
        QCOMPARE(f->Mappeliste->topLevelItemCount(), 1);
        QCOMPARE(f->Mappeliste->topLevelItem(0)->checkState(0), Qt::Unchecked);

        // To the bin, a folder changed since its copy stays whole; an unchanged one goes as one item.
        f->handling("lukKopilister")->trigger();
        tp->makeFile(u"C:\\Kilde\\Rent\\x.txt"_qs, "x");
        flyt(true);
        svar.foerSvar = [&] {
            if (svar.tekster.last() == u"Skal udvalgte elementer Slettes?")
                tp->makeFile(u"C:\\Kilde\\Album\\senere.txt"_qs, "senere");
        };
        politik(Overskriv, 0);
        saetInd({u"C:\\Kilde\\Album"_qs, u"C:\\Kilde\\Rent"_qs}, u"D:\\Maal"_qs);
        QCOMPARE(papirkurv(), QStringList{u"Rent"_qs});
        QCOMPARE(indhold(u"D:\\Maal\\Rent\\x.txt"_qs), QByteArray("x"));
        QCOMPARE(indhold(u"D:\\Maal\\Album\\ny.txt"_qs), QByteArray("ny"));
        QCOMPARE(indhold(u"C:\\Kilde\\Album\\ny.txt"_qs), QByteArray("ny"));
        QCOMPARE(indhold(u"C:\\Kilde\\Album\\senere.txt"_qs), QByteArray("senere"));
    }

    void moveIntoTheSourcesOwnParentIsRefused()
    {
        tp->makeFile(u"C:\\M\\M\\fil.txt"_qs, "f");
        tp->makeFile(u"C:\\M\\M\\M\\dyb.txt"_qs, "d");
        QVERIFY(QFile::link(tp->host(u"C:\\M"_qs), tp->host(u"C:\\Genvej"_qs)));
        politik(Overskriv);
        for (const QString& destination : {u"C:"_qs, u"C:\\Genvej"_qs}) {
            flyt(false);
            kvtest::DialogSvarer svar;
            saetInd({u"C:\\M\\M"_qs}, destination);
            QCOMPARE(svar.tekster.size(), 1);
            QVERIFY2(svar.tekster[0].startsWith(u"Mappen kan ikke flettes sammen med sig selv"), qPrintable(svar.tekster[0]));
            QCOMPARE(indhold(u"C:\\M\\M\\fil.txt"_qs), QByteArray("f"));
            QCOMPARE(indhold(u"C:\\M\\M\\M\\dyb.txt"_qs), QByteArray("d"));
            QVERIFY(!findes(u"C:\\M\\fil.txt"_qs));
            QVERIFY(f->DelAfterPasteCheck->isChecked());
            f->handling("lukKopilister")->trigger();
        }
    }

    void nothingEntersARunningPaste()
    {
        tp->makeFile(u"C:\\Kilde\\Stor.bin"_qs, QByteArray(4 << 20, 's'));
        flyt(false);
        bool andenPaste = true, lukListe = true, slipTaget = true, lukket = true, foersteGang = true;
        Tmainform* vindue = f.get();
        kvtest::DialogSvarer nej(false);
        saetFejlKrog([&](FejlPunkt p, const QByteArray& sti, qint64) {
            if (p != FejlPunkt::Skriv || !sti.contains("Stor.bin") || !foersteGang)
                return 0;
            foersteGang = false;
            // A second Ctrl+V, "Luk og annuller kopilisterne", a drop and a close, while the paste runs.
            iVinduet([&] {
                vindue->handlinger->opdaterAlle();
                andenPaste = vindue->handling("Paste")->isEnabled();
                lukListe = vindue->handling("lukKopilister")->isEnabled();
                vindue->PasteExecute();
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(tp->host(u"C:\\Kilde\\Album"_qs))});
                QDragEnterEvent ind(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(vindue, &ind);
                QDropEvent slip(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(vindue, &slip);
                slipTaget = ind.isAccepted() || slip.isAccepted();
                lukket = vindue->close();  // asks, and "Nej" lets the paste go on
            });
            return 0;
        });
        saetInd({u"C:\\Kilde\\Stor.bin"_qs}, u"D:\\Maal"_qs);
        QVERIFY(!foersteGang);
        QVERIFY(!andenPaste && !lukListe && !slipTaget && !lukket);
        QCOMPARE(nej.tekster.size(), 1);
        QCOMPARE(indhold(u"D:\\Maal\\Stor.bin"_qs).size(), 4 << 20);
        QVERIFY(!findes(u"C:\\Kilde\\Stor.bin"_qs));
        QVERIFY(!findes(u"D:\\Maal\\Album"_qs));  // the drop was refused, not queued
        QVERIFY(f->isVisible());
        QVERIFY(!f->optaget());
    }

    void closingDuringAPasteStopsItThenCloses()
    {
        tp->makeFile(u"C:\\Kilde\\Stor.bin"_qs, QByteArray(4 << 20, 's'));
        flyt(false);
        Tmainform* vindue = f.get();
        kvtest::DialogSvarer ja;
        saetFejlKrog([&](FejlPunkt p, const QByteArray& sti, qint64) {
            if (p == FejlPunkt::Skriv && sti.contains("Stor.bin") && !vindue->progressform->FCancel)
                iVinduet([&] {
                    if (vindue->isVisible())
                        vindue->close();
                });
            return 0;
        });
        saetInd({u"C:\\Kilde\\Stor.bin"_qs, u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        QTRY_VERIFY(!f->isVisible());
        // Stopped cleanly: no partial target, and a move that stopped deletes nothing.
        QVERIFY(!findes(u"D:\\Maal\\Stor.bin"_qs));
        QCOMPARE(indhold(u"C:\\Kilde\\Stor.bin"_qs).size(), 4 << 20);
        QCOMPARE(indhold(u"C:\\Kilde\\Album\\a.txt"_qs), QByteArray("a"));
    }

    void oddNamesAreMovedByteExact()
    {
        // Names that a program path once could not carry: a backslash, CR, LF,
        // Latin-1 bytes and a real character of U+F000-U+F0FF.
        const QByteArray kilde = tp->hostBytes(u"C:\\Kilde\\Album"_qs);
        const QList<QByteArray> navne{"back\\slash", "cr\rnavn", "lf\nnavn", "s\xf8.txt", "\xef\x80\x81rigtig"};
        for (const QByteArray& navn : navne) {
            const int fd = ::open((kilde + '/' + navn).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            QVERIFY(fd >= 0 && ::write(fd, navn.constData(), size_t(navn.size())) == navn.size());
            ::close(fd);
        }
        flyt(false);
        saetInd({u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        QVERIFY(!findes(u"C:\\Kilde\\Album"_qs));
        const QByteArray maal = tp->hostBytes(u"D:\\Maal\\Album"_qs);
        for (const QByteArray& navn : navne) {
            char buf[64] = {};
            const int fd = ::open((maal + '/' + navn).constData(), O_RDONLY);
            QVERIFY2(fd >= 0, navn.constData());
            QCOMPARE(QByteArray(buf, int(::read(fd, buf, sizeof buf))), navn);
            ::close(fd);
        }
        // Listed, each with a caption a person can read.
        vis(u"D:\\Maal\\Album"_qs);
        QStringList captions;
        for (int i = 0; i < f->FilStruktur->topLevelItemCount(); ++i)
            captions << f->FilStruktur->topLevelItem(i)->text(0);
        QVERIFY2(captions.contains(u"s\uFFFD.txt"_qs) && captions.contains(u"back\\slash"_qs), qPrintable(captions.join(u'|')));
        QCOMPARE(captions.size(), navne.size() + 2);  // with "a.txt" and "Under"
    }

    void specialFilesInAMovedFolderStay()
    {
        const QByteArray kilde = tp->hostBytes(u"C:\\Kilde\\Album"_qs);
        QCOMPARE(::mkfifo((kilde + "/roer").constData(), 0640), 0);
        const int sokkel = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un adr{};
        adr.sun_family = AF_UNIX;
        qstrncpy(adr.sun_path, (kilde + "/sok").constData(), sizeof adr.sun_path);
        QCOMPARE(::bind(sokkel, reinterpret_cast<sockaddr*>(&adr), sizeof adr), 0);
        flyt(false);
        kvtest::DialogSvarer svar;
        saetInd({u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        ::close(sokkel);
        // The paste ends; the FIFO arrives as a FIFO, the socket is reported,
        // and the move keeps its source.
        struct stat st;
        QCOMPARE(::lstat((tp->hostBytes(u"D:\\Maal\\Album"_qs) + "/roer").constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
        QCOMPARE(indhold(u"D:\\Maal\\Album\\Under\\b.txt"_qs), QByteArray("b"));
        QVERIFY(svar.tekster.first().startsWith(u"1 element i mapperne blev ikke kopieret")
                && svar.tekster.first().contains(u"Sokler kan ikke kopieres."));
        QCOMPARE(::lstat((kilde + "/roer").constData(), &st), 0);
        QCOMPARE(::lstat((kilde + "/sok").constData(), &st), 0);
        QCOMPARE(indhold(u"C:\\Kilde\\Album\\a.txt"_qs), QByteArray("a"));
        QVERIFY(f->DelAfterPasteCheck->isChecked());

        // Without the socket the paste succeeds, and the move keeps the folder that holds the FIFO.
        QVERIFY(QFile::remove(QFile::decodeName(kilde + "/sok")));
        f->handling("lukKopilister")->trigger();
        politik(Overskriv);
        saetInd({u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        QVERIFY2(svar.tekster.last().contains(u"som kun er genskabt, ikke flyttet"), qPrintable(svar.tekster.last()));
        QCOMPARE(indhold(u"C:\\Kilde\\Album\\a.txt"_qs), QByteArray("a"));
        QCOMPARE(::lstat((kilde + "/roer").constData(), &st), 0);
    }

    void aFileThatGrowsDuringAMoveArrivesWhole()
    {
        tp->makeFile(u"C:\\Kilde\\Vokser.log"_qs, QByteArray(3 << 20, 'v'));
        const QString kilde = tp->host(u"C:\\Kilde\\Vokser.log"_qs);
        bool foerste = true;
        saetFejlKrog([&](FejlPunkt p, const QByteArray& sti, qint64) {
            if (p == FejlPunkt::Skriv && sti.endsWith("Vokser.log") && foerste) {
                foerste = false;
                QFile fil(kilde);
                if (fil.open(QIODevice::Append))
                    fil.write(QByteArray(1000, 'h'));
            }
            return 0;
        });
        flyt(false);
        saetInd({u"C:\\Kilde\\Vokser.log"_qs}, u"D:\\Maal"_qs);
        const QByteArray kopi = indhold(u"D:\\Maal\\Vokser.log"_qs);
        QCOMPARE(kopi.size(), (3 << 20) + 1000);
        QVERIFY(kopi.endsWith(QByteArray(1000, 'h')));
        QVERIFY(!findes(u"C:\\Kilde\\Vokser.log"_qs));
    }

    // A folder whose parent cannot be written: its files move, the emptied
    // folder stays, and the message says just that.
    void theEmptiedFolderThatCannotGoIsToldAsSuch()
    {
        saetFejlKrog([](FejlPunkt p, const QByteArray& sti, qint64) {
            return p == FejlPunkt::Slet && sti.endsWith("Kilde/Album") ? EACCES : 0;
        });
        flyt(false);
        kvtest::DialogSvarer svar;
        saetInd({u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        saetFejlKrog({});
        QVERIFY(findes(u"D:\\Maal\\Album\\Under\\c.txt"_qs));
        QVERIFY(findes(u"C:\\Kilde\\Album"_qs));
        QVERIFY(!findes(u"C:\\Kilde\\Album\\a.txt"_qs) && !findes(u"C:\\Kilde\\Album\\Under"_qs));
        QCOMPARE(svar.tekster.size(), 1);
        QVERIFY2(svar.tekster[0].startsWith(u"Indholdet blev flyttet, men den tomme mappe"_qs), qPrintable(svar.tekster[0]));
        QVERIFY(svar.tekster[0].contains(u"C:\\Kilde\\Album"_qs));
        QVERIFY(!svar.tekster[0].contains(u"ikke slettet"_qs));
    }

    void foldersKeepModeAndTime()
    {
        const QByteArray album = QFile::encodeName(tp->host(u"C:\\Kilde\\Album"_qs));
        QCOMPARE(::chmod(album.constData(), 0700), 0);
        const struct utimbuf gammel{1000000000, 1000000000};
        QCOMPARE(::utime(album.constData(), &gammel), 0);
        saetInd({u"C:\\Kilde\\Album"_qs}, u"D:\\Maal"_qs);
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(tp->host(u"D:\\Maal\\Album"_qs)).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0700));
        QCOMPARE(qint64(st.st_mtime), qint64(1000000000));
    }

    void keysAndTheKlipBox()
    {
        // "Kopier" chosen by the user never leaves a move ticked from before.
        f->DelAfterPasteCheck->setChecked(true);
        vis(u"C:\\Kilde"_qs);
        vaelg(u"Album"_qs);
        QVERIFY(udfoer("Copy"));
        QVERIFY(!f->DelAfterPasteCheck->isChecked());
        QCOMPARE(status(), u"Der blev kopieret 1 element"_qs);

        // Backspace and Alt+Up open the parent folder in Struktur 2.
        vis(u"C:\\Kilde\\Album\\Under"_qs);
        f->FilStruktur->setFocus();
        QTest::keyClick(f->FilStruktur, Qt::Key_Backspace);
        QCOMPARE(f->funk->FFilMappe, u"C:\\Kilde\\Album"_qs);
        QTest::keyClick(f->FilStruktur, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(f->funk->FFilMappe, u"C:\\Kilde"_qs);
    }
};

KV_TEST_MAIN(TstFlytning)
#include "tst_flytning.moc"
