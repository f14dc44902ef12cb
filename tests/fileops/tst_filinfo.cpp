// The information window on real files, folders and drives of the test
// drives, opened through the main window's "Info".
#include "DialogSvarer.h"
#include "KopieringsTest.h"
#include "TestMain.h"
#include "app/THandlingsliste.h"
#include "fileops/THandlinger.h"
#include "fileops/Tfilinfoform.h"
#include "platform/Elementstatus.h"
#include "platform/FileSystem.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kv;

class TstFilinfo : public kvtest::KopieringsTest {
    Q_OBJECT

    Tfilinfoform* form() { return f->funk->filinfoform(); }

    // Selects the entry of Struktur 2 with this caption.
    bool velg(const QString& mappe, const QString& caption)
    {
        vis(mappe);
        const auto fundne = f->FilStruktur->findItems(caption, Qt::MatchExactly);
        if (fundne.isEmpty())
            return false;
        f->FilStruktur->setCurrentItem(fundne.first());
        return true;
    }
    // ... and runs "Info" on it.
    bool info(const QString& mappe, const QString& caption) { return velg(mappe, caption) && udfoer("Info"); }
    mode_t tilstand(const QString& sti)
    {
        struct stat st;
        return ::stat(tp->hostBytes(sti).constData(), &st) == 0 ? st.st_mode : 0;
    }

private slots:
    void init() { startVindue([] {}); }
    void cleanup() { slutVindue(); }

    void stoerrelsestekster()
    {
        const std::pair<qint64, const char16_t*> tilfaelde[] = {
            {0, u"0 bytes (0 bytes)"},
            {999, u"999 bytes (999 bytes)"},
            {1000, u"0,98 KB (1.000 bytes)"},
            {1536, u"1,50 KB (1.536 bytes)"},
            {999999, u"976,56 KB (999.999 bytes)"},
            {1000000, u"0,95 MB (1.000.000 bytes)"},
            {999999999, u"953,67 MB (999.999.999 bytes)"},
            {1000000000, u"0,93 GB (1.000.000.000 bytes)"},
            {1000000000000, u"0,91 TB (1.000.000.000.000 bytes)"},
        };
        for (const auto& [n, tekst] : tilfaelde)
            QCOMPARE(TFilMappeInfo::infoSizeText(n), QString::fromUtf16(tekst));
    }

    // Type texts, size by stat for a FIFO and an unreadable file, hidden,
    // a file system without birth times, the locked page and its help.
    void filsiden()
    {
        tp->makeFile(u"C:\\M\\Rapport.PDF"_qs, QByteArray(2048, 'x'));
        tp->makeFile(u"C:\\M\\film.MP4"_qs);
        tp->makeFile(u"C:\\M\\.skjult.txt"_qs, "abc");
        QVERIFY(::mkfifo(tp->hostBytes(u"C:\\M\\roer.txt"_qs).constData(), 0644) == 0);
        QVERIFY(::chmod(tp->hostBytes(u"C:\\M\\Rapport.PDF"_qs).constData(), 0) == 0);
        QVERIFY(QFile::link(u"/proc/version"_qs, tp->host(u"C:\\M\\proc.txt"_qs)));

        QVERIFY(info(u"C:\\M"_qs, u"Rapport.PDF"_qs));
        QVERIFY(form()->isVisible());
        QCOMPARE(form()->windowTitle(), u"Fil egenskaber"_qs);
        QCOMPARE(form()->LabelFiltype->text(), u"PDF-fil (.pdf)"_qs);
        QCOMPARE(form()->LabelSize->text(), u"2,00 KB (2.048 bytes)"_qs);
        QCOMPARE(form()->EditPath->text(), u"C:\\M\\"_qs);
        QVERIFY(form()->cbReadOnly->isChecked());
        QVERIFY(!form()->LabelForandret->text().isEmpty());

        QVERIFY(info(u"C:\\M"_qs, u"film.MP4"_qs));
        QCOMPARE(form()->LabelFiltype->text(), u"Videofil: MP4-fil (.mp4)"_qs);
        QVERIFY(!form()->ikonBox->pixmap().isNull());

        // Never opened, so it cannot block.
        QVERIFY(info(u"C:\\M"_qs, u"roer.txt"_qs));
        QCOMPARE(form()->LabelSize->text(), u"0 bytes (0 bytes)"_qs);
        QCOMPARE(form()->LabelFiltype->text(), u"Tekstfil: TXT-fil (.txt)"_qs);

        // Struktur 2 leaves hidden files out; the window is asked directly.
        QVERIFY(f->funk->showFileInfo(u"C:\\M\\.skjult.txt"_qs));
        QVERIFY(form()->cbHidden->isChecked());
        QVERIFY(!form()->cbHidden->isEnabled());
        QVERIFY(!form()->cbHidden->toolTip().isEmpty());
        QCOMPARE(form()->LabelSize->text(), u"3 bytes (3 bytes)"_qs);

        // /proc keeps no birth time: the field stays empty, not the change time.
        QVERIFY(info(u"C:\\M"_qs, u"proc.txt"_qs));
        QVERIFY(form()->LabelOprettet->text().isEmpty());
        QVERIFY(!form()->LabelForandret->text().isEmpty());

        form()->Bog->setCurrentIndex(2);
        QCOMPARE(form()->Bog->currentIndex(), 0);
        QStringList hjaelp;
        f->funk->FonInfoHelp = [&](const QString& s, const QString& inf) { hjaelp << s + u'|' + inf; };
        form()->infoKnap->click();
        QCOMPARE(hjaelp, QStringList{u"Fil.html|Fil"_qs});

        // A file gone before the window opens.
        kvtest::DialogSvarer svar;
        QVERIFY(!f->funk->showFileInfo(u"C:\\M\\findes ikke.txt"_qs));
        QTRY_COMPARE(svar.tekster.size(), 1);
        QVERIFY(svar.tekster.first().contains(u"Der opstod en fejl."_qs));
        QVERIFY(!form()->isVisible());
    }

    // "Anvend" both ways, its enabling, and on a file that vanished.
    void anvend()
    {
        const QString fil = tp->makeFile(u"C:\\M\\a.txt"_qs, "x");
        QVERIFY(info(u"C:\\M"_qs, u"a.txt"_qs));
        QVERIFY(form()->aAnvend->isEnabled());
        form()->cbReadOnly->click();
        form()->aAnvend->trigger();
        QVERIFY(!(tilstand(fil) & S_IWUSR));
        QVERIFY(tilstand(fil) & S_IRUSR);
        QVERIFY(!form()->aAnvend->isEnabled());

        form()->cbReadOnly->click();
        QVERIFY(form()->aAnvend->isEnabled());
        form()->aAnvend->trigger();
        QVERIFY(tilstand(fil) & S_IWUSR);

        QVERIFY(removeFile(fil));
        kvtest::DialogSvarer svar;
        form()->cbReadOnly->click();
        form()->aAnvend->trigger();
        QTRY_COMPARE(svar.tekster.size(), 1);
        QVERIFY2(svar.tekster.first().contains(u"Filen blev ikke fundet."_qs), qPrintable(svar.tekster.first()));
        QVERIFY(!form()->aAnvend->isEnabled());
    }

    // Everything under the folder, links and special files as themselves,
    // a link loop counted once and never followed.
    void mappetaelling()
    {
        tp->makeFile(u"C:\\M\\T\\a.txt"_qs, QByteArray(1000, 'a'));
        tp->makeFile(u"C:\\M\\T\\U\\b.txt"_qs, QByteArray(500, 'b'));
        tp->makeFolder(u"C:\\M\\T\\U\\V"_qs);
        tp->makeFile(u"C:\\M\\T\\.skjult"_qs, "12");
        QVERIFY(::symlink("..", tp->hostBytes(u"C:\\M\\T\\U\\sloejfe"_qs).constData()) == 0);
        QVERIFY(::mkfifo(tp->hostBytes(u"C:\\M\\T\\roer"_qs).constData(), 0644) == 0);

        QVERIFY(info(u"C:\\M"_qs, u"T"_qs));
        QCOMPARE(form()->windowTitle(), u"Mappe egenskaber"_qs);
        QCOMPARE(form()->EditMappenavn->text(), u"T"_qs);
        QCOMPARE(form()->LabelPlacering->text(), u"C:\\M"_qs);
        QTRY_COMPARE(form()->LabelMappeIndhold->text(), u"5 filer, 2 mapper"_qs);
        QCOMPARE(form()->LabelMappeSize->text(), u"1,47 KB (1.504 bytes)"_qs);

        tp->makeFolder(u"C:\\M\\Tom"_qs);
        QVERIFY(info(u"C:\\M"_qs, u"Tom"_qs));
        QTRY_VERIFY(!form()->taeller());
        QCOMPARE(form()->LabelMappeIndhold->text(), u"0 filer, 0 mapper"_qs);
        QCOMPARE(form()->LabelMappeSize->text(), u"0 bytes (0 bytes)"_qs);
    }

    // A chosen link to a folder is counted through; the links inside it are not.
    void taellingGennemLink()
    {
        tp->makeFile(u"C:\\M\\T\\a.txt"_qs, QByteArray(100, 'a'));
        tp->makeFile(u"C:\\M\\T\\U\\b.txt"_qs, QByteArray(20, 'b'));
        QVERIFY(::symlink("..", tp->hostBytes(u"C:\\M\\T\\U\\op"_qs).constData()) == 0);
        QVERIFY(::symlink("T", tp->hostBytes(u"C:\\M\\Lenke"_qs).constData()) == 0);
        QVERIFY(info(u"C:\\M"_qs, u"Lenke"_qs));
        QCOMPARE(form()->windowTitle(), u"Mappe egenskaber"_qs);
        QTRY_COMPARE(form()->LabelMappeIndhold->text(), u"3 filer, 1 mapper"_qs);
        // The link inside counts its own two bytes.
        QCOMPARE(form()->LabelMappeSize->text(), u"122 bytes (122 bytes)"_qs);
    }

    // A tree far deeper than the descriptors the process may hold is counted
    // whole, siblings met on the way back up included; what cannot be
    // counted is told in the label.
    void dybereEndGraensen()
    {
        QString sti = u"C:\\M\\Dyb"_qs;
        QString midt;
        for (int i = 0; i < 120; ++i) {
            sti += u"\\d"_qs;
            tp->makeFile(sti + u"\\f.txt"_qs, "12");
            if (i == 60)
                midt = sti;
        }
        tp->makeFile(midt + u"\\s\\g.txt"_qs, "345");
        tp->makeFile(u"C:\\M\\Dyb\\e\\h.txt"_qs, "6");

        struct rlimit gammel;
        QVERIFY(::getrlimit(RLIMIT_NOFILE, &gammel) == 0);
        const qsizetype aabne = QDir(u"/proc/self/fd"_qs).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size();
        struct rlimit lav = gammel;
        lav.rlim_cur = rlim_t(aabne + 6);
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &lav) == 0);
        Optaelling o;
        taelMappe(u"C:\\M\\Dyb"_qs, o, [](const Optaelling&) { return true; });
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &gammel) == 0);
        QCOMPARE(o.mapper, 122);
        QCOMPARE(o.filer, 122);
        QCOMPARE(o.bytes, 244);
        QCOMPARE(o.utalte, 0);

        Optaelling ikkeTalt;
        ikkeTalt.filer = 1;
        ikkeTalt.mapper = 4;
        ikkeTalt.utalte = 3;
        form()->visOptaelling(ikkeTalt);
        QCOMPARE(form()->LabelMappeIndhold->text(), u"1 filer, 4 mapper (3 kunne ikke tælles)"_qs);
    }

    // Closing or deleting the window while it counts ends the count at once
    // and safely; the count runs on its own copy of the folder.
    void lukningUnderTaelling()
    {
        for (int i = 0; i < 40; ++i)
            tp->makeFile(u"C:\\M\\Stor\\m"_qs + QString::number(i) + u"\\f.txt"_qs, "x");
        QVERIFY(info(u"C:\\M"_qs, u"Stor"_qs));
        form()->close();
        QVERIFY(!form()->taeller());

        QPointer<Tfilinfoform> vindue = form();
        QVERIFY(info(u"C:\\M"_qs, u"Stor"_qs));
        delete vindue.data();
        QVERIFY(vindue.isNull());
        QVERIFY(f->funkReady);

        // Counted to the end when left alone, whatever is clicked meanwhile.
        QVERIFY(info(u"C:\\M"_qs, u"Stor"_qs));
        f->aabnIStruktur2(u"C:"_qs, false);
        QTRY_COMPARE(form()->LabelMappeIndhold->text(), u"40 filer, 40 mapper"_qs);
    }

    // A drive from the selected node, with its space; one without a medium shows nothing used.
    void drevsiden()
    {
        f->EditSti->clear();
        f->funk->setAktiveStruktur(1);
        const auto drev = f->MappeStruktur->findItems(u"C:"_qs, Qt::MatchContains);
        QVERIFY(!drev.isEmpty());
        f->MappeStruktur->setCurrentItem(drev.first());
        f->funkNo = idDrev;
        QVERIFY(udfoer("Info"));
        QCOMPARE(form()->windowTitle(), u"Drev egenskaber"_qs);
        QCOMPARE(form()->EditDisknavn->text(), u"Hjem (C:)"_qs);
        QCOMPARE(form()->LabelType->text(), u"Lokal disk"_qs);
        QVERIFY(!form()->LabelFilsystem->text().isEmpty());
        QVERIFY(form()->LabelKapasitet->text() != u"0 bytes (0 bytes)"_qs);
        QVERIFY(form()->ProgressBar->value() >= 0 && form()->ProgressBar->value() <= 100);

        tp->addDrive(u'E', u"Pind"_qs, DriveRemovable, false);
        QVERIFY(f->funk->showDriveInfo(u'E'));
        QCOMPARE(form()->LabelType->text(), u"Flytbar disk"_qs);
        for (QLabel* l : {form()->LabelFreeSpace, form()->LabelAnvendtSpace, form()->LabelKapasitet})
            QCOMPARE(l->text(), u"0 bytes (0 bytes)"_qs);
        QCOMPARE(form()->ProgressBar->value(), 100);
    }

    // The path buttons copy host paths; the extension actions count in Struktur 3.
    void stierOgEfternavne()
    {
        const QString fil = tp->makeFile(u"C:\\M\\x.jpg"_qs);
        tp->makeFile(u"C:\\M\\y.JPG"_qs);
        tp->makeFile(u"C:\\M\\z.png"_qs);
        vis(u"C:\\M"_qs);
        f->funk->FFilnavn.clear();
        f->findChild<QToolButton*>(u"klipbordStiFilKnap"_qs)->click();
        QCOMPARE(status(), u"Der er ikke valgt en fil."_qs);
        f->funk->FFilnavn = fil;
        f->findChild<QToolButton*>(u"klipbordStiFilKnap"_qs)->click();
        QCOMPARE(QApplication::clipboard()->text(), tp->host(fil));
        QCOMPARE(status(), u"Stien og filnavnet blev kopieret til klipbordet"_qs);
        f->EditSti->setText(u"C:\\M"_qs);
        f->findChild<QToolButton*>(u"klipbordStiKnap"_qs)->click();
        QCOMPARE(QApplication::clipboard()->text(), tp->host(u"C:\\M"_qs));

        f->funk->makeStruktur3(u"C:\\M"_qs);
        f->extEdit->setText(u"jpg"_qs);
        QVERIFY(udfoer("aExtType2"));
        QCOMPARE(f->antalExtEdit->text(), u"2"_qs);
        QCOMPARE(status(), u"Der blev fundte 2 filer af typen jpg"_qs);
        f->extEdit->clear();
        f->handlinger->opdaterAlle();
        QVERIFY(!f->handling("aExtType1")->isEnabled());
    }
};

KV_TEST_MAIN(TstFilinfo)
#include "tst_filinfo.moc"
