// The program list: desktop entries and executables as programs, their
// pictures, ProgItem.txt, starting with the selected files, and the program window.
#include "DialogSvarer.h"
#include "FakeSkal.h"
#include "TestMain.h"
#include <QFile>
#include <QTemporaryDir>
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "lists/TMenuExeFiler.h"
#include "lists/TProgform.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"
#include "platform/Programfil.h"
#include "platform/Programkatalog.h"
#include "platform/TextFile.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QPainter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <sys/stat.h>

using namespace kv;
using kvtest::FakeSkal;
using kvtest::TestPlatform;

class TstProgramliste : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

    QString script(const QString& sti)
    {
        tp->makeFile(sti, "#!/bin/sh\nexit 0\n");
        ::chmod(tp->hostBytes(sti).constData(), 0755);
        return sti;
    }
    QString skrivebordsfil(const QString& sti, const QByteArray& linjer)
    {
        return tp->makeFile(sti, "[Desktop Entry]\nType=Application\n" + linjer);
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install();
        tp->installStartFiles();
    }

    void desktopEntriesAndPrograms()
    {
        auto e = DesktopEntry::parse("[Desktop Entry]\nName=Text Editor\nName[de]=Texteditor\nName[da]=Teksteditor\n"
                                     "Exec=edit --ny %f\nTryExec=findes-ikke-kvtest\nTerminal=false\n");
        QVERIFY(e);
        QCOMPARE(e->visningsnavn(), u"Teksteditor"_qs);
        QVERIFY(!e->kanStartes());  // TryExec is not installed
        e->tryExec.clear();
        QVERIFY(e->kanStartes());
        // %f: one launch per file; %F: all in one; %U: as file URLs.
        QCOMPARE(e->kommandoer({u"/h/a"_qs, u"/h/-b"_qs}),
                 (QList<QStringList>{{u"edit"_qs, u"--ny"_qs, u"/h/a"_qs}, {u"edit"_qs, u"--ny"_qs, u"/h/-b"_qs}}));
        e->exec = u"\"/opt/to ord/edit\" %F"_qs;
        QCOMPARE(e->kommandoer({u"/h/a"_qs, u"/h/b"_qs}), (QList<QStringList>{{u"/opt/to ord/edit"_qs, u"/h/a"_qs, u"/h/b"_qs}}));
        e->exec = u"edit %U"_qs;
        e->terminal = true;
        // In the terminal there is (here xterm, which takes the program as separate words); none, no command.
        QTemporaryDir bin;
        QFile xterm(bin.path() + u"/xterm"_qs);
        QVERIFY(xterm.open(QIODevice::WriteOnly));
        xterm.write("#!/bin/sh\n");
        xterm.close();
        xterm.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray sti = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const auto medTerminal = e->kommandoer({u"/h/æ #1.txt"_qs});
        const auto udenFiler = e->kommandoer({});
        qputenv("PATH", "/ingen/steder");
        const auto udenTerminal = e->kommandoer({});
        qputenv("PATH", sti);
        QCOMPARE(medTerminal, (QList<QStringList>{{xterm.fileName(), u"-e"_qs, u"edit"_qs, u"file:///h/%C3%A6%20%231.txt"_qs}}));
        QCOMPARE(udenFiler, (QList<QStringList>{{xterm.fileName(), u"-e"_qs, u"edit"_qs}}));
        QVERIFY(udenTerminal.isEmpty() || udenTerminal.first().isEmpty());

        // What counts as a program: an application entry, an ELF file or a script we may run.
        const QString app = skrivebordsfil(u"C:\\a\\vis.desktop"_qs, "Exec=vis %f\n");
        const QString link = tp->makeFile(u"C:\\a\\link.desktop"_qs, "[Desktop Entry]\nType=Link\nURL=x\n");
        const QString sh = script(u"C:\\a\\vis.sh"_qs);
        const QString tekst = tp->makeFile(u"C:\\a\\laes.txt"_qs, "#!/bin/sh\n");  // not executable
        QFile::copy(u"/bin/true"_qs, tp->host(u"C:\\a\\sand"_qs));
        QCOMPARE(programart(app), Programart::Skrivebordsfil);
        QCOMPARE(programart(sh), Programart::Eksekverbar);
        QCOMPARE(programart(u"C:\\a\\sand"_qs), Programart::Eksekverbar);
        for (const QString& ingen : {link, tekst, u"C:\\a"_qs, u"C:\\a\\mangler"_qs})
            QCOMPARE(programart(ingen), Programart::Ingen);
        QCOMPARE(programKommandoer(sh, {u"C:\\a\\laes.txt"_qs}),
                 (QList<QStringList>{{tp->host(sh), tp->host(tekst)}}));
        QVERIFY(programKommandoer(tekst, {}).isEmpty());
    }

    void iconsFromTheThemeAndTheCatalogue()
    {
        // A hicolor theme of our own beside the application folder.
        tp->makeFile(u"C:\\del\\icons\\hicolor\\index.theme"_qs,
                     "[Icon Theme]\nName=Hicolor\nDirectories=32x32/apps\n\n[32x32/apps]\nSize=32\nType=Fixed\n");
        QImage roed(32, 32, QImage::Format_ARGB32);
        roed.fill(Qt::red);
        roed.save(tp->host(tp->makeFolder(u"C:\\del\\icons\\hicolor\\32x32\\apps"_qs)) + u"/kvtest-roed.png"_qs);
        const QString exe = script(u"C:\\bin\\roedt"_qs);
        skrivebordsfil(u"C:\\del\\applications\\kvtest.roed.desktop"_qs,
                       "Name=Red\nName[da]=Rød\nIcon=kvtest-roed\nExec=" + tp->hostBytes(exe) + " %F\n");
        skrivebordsfil(u"C:\\del\\applications\\skjult.desktop"_qs, "Name=Skjult\nNoDisplay=true\nExec=roedt\n");
        Programkatalog katalog({tp->host(u"C:\\del"_qs)});
        const auto alle = katalog.installerede();
        QCOMPARE(alle.size(), 1);
        QCOMPARE(alle[0].entry.visningsnavn(), u"Rød"_qs);
        QCOMPARE(katalog.find(u"kvtest.roed.desktop"_qs), u"C:\\del\\applications\\kvtest.roed.desktop"_qs);
        QVERIFY(katalog.find(u"vlc.desktop"_qs).isEmpty());
        // The entry's Icon= from the theme, and the executable's through the entry that starts it.
        for (const QString& sti : {alle[0].sti, exe}) {
            const QIcon i = katalog.ikon(sti);
            QVERIFY2(!i.isNull(), qPrintable(sti));
            QCOMPARE(i.pixmap(32).toImage().pixelColor(16, 16), QColor(Qt::red));
        }
        QVERIFY(katalog.ikon(script(u"C:\\bin\\ukendt"_qs)).isNull());
        QCOMPARE(katalog.temaIkon(tp->host(u"C:\\del\\icons\\hicolor\\32x32\\apps\\kvtest-roed.png"_qs))
                     .pixmap(32).toImage().pixelColor(1, 1), QColor(Qt::red));
    }

    void theListFile()
    {
        const QString a = script(u"C:\\bin\\a"_qs), b = script(u"C:\\bin\\b"_qs);
        tp->addDrive(u'E', u"USB"_qs, DriveRemovable, false);  // unplugged
        const QString fil = tp->makeFolder(u"C:\\opt"_qs) + u"\\ProgItem.txt"_qs;
        TMenuExeFiler liste(nullptr);
        liste.setItemfile(fil);
        // A count beyond the blocks: the whole blocks are read, the rest of the file is kept.
        writeTextLines(fil, {u"9"_qs, u"A"_qs, a, QString(), u"3"_qs, u"B"_qs, b, QString(), u"1"_qs,
                             u"a igen"_qs, u"c:\\BIN\\A"_qs, QString(), u"1"_qs, u"halv"_qs});
        const QStringList gammel = *readTextLines(fil);
        QVERIFY(liste.HentProgrammer().contains(u"beskadiget"_qs));
        QCOMPARE(liste.Filantal(), 2);  // the second "a" is the same program
        QCOMPARE(liste.programmer()[0].ShowType, 3);
        QCOMPARE(liste.getAktuelleCaption(), QString());
        liste.setAktuelleProgram(u"C:\\BIN\\B"_qs);
        QCOMPARE(liste.getAktuelleCaption(), u"B"_qs);
        // Missing on a present drive goes at the save, unplugged stays.
        liste.InsertItem(u"E:\\Programmer\\vis"_qs, u"USB"_qs, 1, QString());
        liste.InsertItem(u"C:\\bin\\vaek"_qs, u"Væk"_qs, 1, QString());
        liste.InsertItem(u"Q:\\ingen\\drev"_qs, u"Q"_qs, 1, QString());
        QVERIFY(liste.GemProgrammer().isEmpty());
        QCOMPARE(*readTextLines(TMenuExeFiler::beskadigetKopi(fil)), gammel);
        QCOMPARE(readTextLines(fil)->value(0), u"4"_qs);
        QVERIFY(liste.HentProgrammer().isEmpty());
        QCOMPARE(liste.GetCaption(2), u"USB"_qs);
        QCOMPARE(liste.GetFilnavn(3), u"Q:\\ingen\\drev"_qs);
        // A missing program keeps its place with an empty picture.
        QCOMPARE(liste.ikon(2).pixmap(32).toImage().pixelColor(16, 16).alpha(), 0);
        QVERIFY(!liste.ikon(0).isNull());
        // A first line that is no number.
        writeTextLines(fil, {u"to"_qs, u"A"_qs, a, QString(), u"1"_qs});
        QVERIFY(!liste.HentProgrammer().isEmpty());
        QCOMPARE(liste.Filantal(), 1);
        // The pictures move with their programs.
        liste.InsertItem(u"C:\\mangler"_qs, u"M"_qs, 1, QString());
        QVERIFY(liste.flytNed(0) && !liste.flytNed(1) && !liste.flytOp(0));
        QCOMPARE(liste.GetCaption(0), u"M"_qs);
        QCOMPARE(liste.ikon(0).pixmap(32).toImage().pixelColor(16, 16).alpha(), 0);
        QVERIFY(liste.ikon(1).pixmap(32).toImage().pixelColor(16, 16).alpha() > 0);
    }

    void startingTheActiveProgram()
    {
        for (const char16_t* n : {u"C:\\Data\\a \"b\".txt", u"C:\\Data\\-x.txt", u"C:\\Data\\c d.txt", u"C:\\Data\\æ.txt"})
            tp->makeFile(QString::fromUtf16(n));
        tp->makeFolder(u"C:\\Data\\Mappe"_qs);
        const QString vis = script(u"C:\\bin\\vis"_qs);
        const QString hver = skrivebordsfil(u"C:\\bin\\hver.desktop"_qs, "Exec=hver --en %f\n");
        auto* skal = static_cast<FakeSkal*>(&Skal::instance());
        Tmainform f;
        f.tilfoejProgram(vis, u"Vis"_qs, 1);
        f.tilfoejProgram(hver, u"Hver"_qs, 1);
        QCOMPARE(f.programBox->count(), 2);
        f.handlinger->opdaterAlle();
        QVERIFY(!f.handling("progOpen2")->isEnabled());
        f.aabnIStruktur2(u"C:\\Data"_qs, true);
        QStringList orden;
        for (QTreeWidgetItemIterator it(f.FilStruktur); *it; ++it) {
            (*it)->setSelected(true);
            if ((*it)->text(0) != u"Mappe")
                orden << tp->host(u"C:\\Data\\"_qs + (*it)->text(0));
        }
        QCOMPARE(orden.size(), 4);
        f.programBox->itemClicked(f.programBox->item(0));
        QCOMPARE(f.egenskaber.exeProgram, vis);
        f.handlinger->opdaterAlle();
        f.handling("progOpen2")->trigger();
        QCOMPARE(skal->startet.size(), 1);
        QCOMPARE(skal->startet[0].kommando, QStringList{tp->host(vis)} + orden);
        // One launch a file for %f, in tree order.
        f.programBox->itemDoubleClicked(f.programBox->item(1));
        QCOMPARE(skal->startet.size(), 5);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(skal->startet[1 + i].kommando, (QStringList{u"hver"_qs, u"--en"_qs, orden[i]}));
        // Struktur 1 passes none.
        f.funk->setAktiveStruktur(1);
        f.handling("progOpen2")->trigger();
        QCOMPARE(skal->startet.last().kommando, (QStringList{u"hver"_qs, u"--en"_qs}));
        // A program that is gone is explained.
        QFile::remove(tp->host(vis));
        f.programBox->itemClicked(f.programBox->item(0));
        kvtest::DialogSvarer svar;
        f.handling("progOpen2")->trigger();
        QCOMPARE(svar.tekster, QStringList{Tmainform::fejltekst(2)});
    }

    void theProgramWindow()
    {
        const QString a = script(u"C:\\bin\\a.sh"_qs), b = script(u"C:\\bin\\b.sh"_qs);
        tp->makeFile(u"C:\\bin\\noter.txt"_qs);
        tp->makeFolder(u"C:\\bin\\mappe.sh"_qs);
        auto* skal = static_cast<FakeSkal*>(&Skal::instance());
        Tmainform f;
        f.aabnIStruktur2(u"C:\\bin"_qs, true);
        f.handlinger->opdaterAlle();
        f.handling("progInsert")->trigger();
        TProgform* p = f.progform;
        QVERIFY(p);
        const auto vaelg = [&](const QString& navn) {
            f.FilStruktur->setCurrentItem(f.FilStruktur->findItems(navn, Qt::MatchExactly).first());
            f.funk->setAktiveStruktur(2);
            f.funk->getDirectory();
            f.DirectoryChange(true);
            p->opdaterHandlinger();
            return p->aExeFile->isEnabled();
        };
        QVERIFY(!vaelg(u"noter.txt"_qs));
        QVERIFY(!vaelg(u"mappe.sh"_qs));
        QVERIFY(vaelg(u"b.sh"_qs));
        f.funk->setAktiveStruktur(1);
        p->opdaterHandlinger();
        QVERIFY(!p->aExeFile->isEnabled());
        for (const QString& sti : {b, a}) {
            vaelg(nameOf(sti));
            p->aExeFile->trigger();
            p->CapEdit->setText(nameOf(sti).toUpper());
            p->maxTekstCheck->setChecked(sti == a);
            p->aInsertProgramExecute();
        }
        QCOMPARE(f.MenuExe->Filantal(), 2);
        QCOMPARE(f.MenuExe->programmer()[1].ShowType, 3);
        // The same path in other case is refused, though the host tells them apart.
        p->FilEdit->setText(script(u"C:\\BIN\\A.SH"_qs));
        p->CapEdit->setText(u"igen"_qs);
        {
            kvtest::DialogSvarer svar;
            p->aInsertProgramExecute();
            QCOMPARE(svar.tekster, QStringList{u"Programmet er allerede indført!"_qs});
        }
        QCOMPARE(f.MenuExe->Filantal(), 2);
        // Moving A.SH up: the box follows at once, so clicking its first row starts A.SH.
        p->sider->setCurrentIndex(1);
        p->programListe->setCurrentItem(p->programListe->topLevelItem(1));
        p->opdaterHandlinger();
        QVERIFY(p->AFlytOp->isEnabled() && !p->AFlytNed->isEnabled());
        p->AFlytOp->trigger();
        QCOMPARE(f.programBox->item(0)->text(), u"A.SH"_qs);
        f.programBox->itemDoubleClicked(f.programBox->item(0));
        QCOMPARE(skal->startet.last().kommando.value(0), tp->host(a));
        // Closing saves the move.
        p->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f.progform);
        QCOMPARE(readTextLines(f.OptMappe + u"\\ProgItem.txt"_qs)->mid(0, 3), (QStringList{u"2"_qs, u"A.SH"_qs, a}));
    }
    void checkForProgrammesInTheApplicationFolders()
    {
        // The user's and the system's application folders on the test drive.
        qputenv("XDG_DATA_HOME", tp->host(tp->makeFolder(u"C:\\hjem"_qs)).toUtf8());
        qputenv("XDG_DATA_DIRS", tp->host(tp->makeFolder(u"C:\\system"_qs)).toUtf8());
        // Not startable: the next id is tried.
        skrivebordsfil(u"C:\\hjem\\applications\\firefox-esr.desktop"_qs, "Exec=ff\nTryExec=findes-ikke-kvtest\n");
        const QString firefox = skrivebordsfil(u"C:\\system\\applications\\firefox.desktop"_qs, "Exec=ff %u\n");
        // An earlier id wins over an earlier folder.
        skrivebordsfil(u"C:\\hjem\\applications\\org.videolan.VLC.desktop"_qs, "Exec=vlc\n");
        const QString vlc = skrivebordsfil(u"C:\\system\\applications\\vlc.desktop"_qs, "Exec=vlc %F\n");
        const QString gedit = skrivebordsfil(u"C:\\system\\applications\\gedit.desktop"_qs, "Exec=gedit\n");
        kvtest::DialogSvarer svar;
        Tmainform f;
        f.tilfoejProgram(gedit, u"Gedit"_qs, 1);  // already in the list: no suggestion
        const auto knap = [&f](const QString& navn) { return f.topBog->findChild<QPushButton*>(navn); };
        const QStringList knapper{u"ChromeButton"_qs, u"EdgeButton"_qs, u"FirefoxButton"_qs, u"VLCButton"_qs,
                                  u"MediaPlayerButton"_qs, u"NotesblokButton"_qs, u"SkrivScriptButton"_qs};
        const auto viste = [&] {
            QStringList v;
            for (const QString& n : knapper)
                if (!knap(n)->isHidden())
                    v << n;
            return v;
        };
        QCOMPARE(viste(), QStringList{});
        QCOMPARE(f.checkForProgrammer(), 2);
        QCOMPARE(viste(), (QStringList{u"FirefoxButton"_qs, u"VLCButton"_qs}));
        QCOMPARE(knap(u"FirefoxButton"_qs)->property("sti").toString(), firefox);
        QCOMPARE(knap(u"VLCButton"_qs)->property("sti").toString(), vlc);

        // A suggestion taken goes into the list under its caption and is not suggested again.
        knap(u"VLCButton"_qs)->click();
        QCOMPARE(f.programBox->count(), 2);
        QCOMPARE(f.programBox->item(1)->text(), u"VLC"_qs);
        QCOMPARE(f.MenuExe->findFilnavn(vlc), 1);
        QCOMPARE(viste(), QStringList{u"FirefoxButton"_qs});
        QCOMPARE(f.checkForProgrammer(), 1);
        QCOMPARE(viste(), QStringList{u"FirefoxButton"_qs});

        // Nothing left to suggest: the button says so.
        knap(u"FirefoxButton"_qs)->click();
        knap(u"checkButton"_qs)->click();
        QCOMPARE(viste(), QStringList{});
        QCOMPARE(svar.tekster, QStringList{u"Der blev ikke fundet forslag\ntil indføring af programmer."_qs});
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }

    // A program listed under a later id does not hide the first installed
    // one; a listed first one hides the suggestion. Of the fixed places, the
    // first not listed is offered.
    void aSuggestionIsSkippedOnlyForItsFirstProgram()
    {
        qputenv("XDG_DATA_HOME", tp->host(tp->makeFolder(u"C:\\hjem"_qs)).toUtf8());
        qputenv("XDG_DATA_DIRS", tp->host(tp->makeFolder(u"C:\\system"_qs)).toUtf8());
        const QString vlc = skrivebordsfil(u"C:\\system\\applications\\vlc.desktop"_qs, "Exec=vlc %F\n");
        const QString vlcFlatpak = skrivebordsfil(u"C:\\system\\applications\\org.videolan.VLC.desktop"_qs, "Exec=vlc\n");
        const QString chrome = skrivebordsfil(u"C:\\system\\applications\\google-chrome.desktop"_qs, "Exec=gc\n");
        skrivebordsfil(u"C:\\system\\applications\\chromium.desktop"_qs, "Exec=chromium\n");
        const QString pennehus = tp->makeFile(u"C:\\Program Files\\Pennehus\\Pennehus.exe"_qs);
        const QString pennehus86 = tp->makeFile(u"C:\\Program Files (x86)\\Pennehus\\Pennehus.exe"_qs);
        Tmainform f;
        f.tilfoejProgram(vlcFlatpak, u"VLC"_qs, 1);
        f.tilfoejProgram(chrome, u"Chrome"_qs, 1);
        f.tilfoejProgram(pennehus, u"Pennehus"_qs, 1);
        const auto knap = [&f](const QString& navn) { return f.topBog->findChild<QPushButton*>(navn); };
        QCOMPARE(f.checkForProgrammer(), 2);
        QVERIFY(knap(u"ChromeButton"_qs)->isHidden());
        QVERIFY(!knap(u"VLCButton"_qs)->isHidden());
        QCOMPARE(knap(u"VLCButton"_qs)->property("sti").toString(), vlc);
        QVERIFY(!knap(u"SkrivScriptButton"_qs)->isHidden());
        QCOMPARE(knap(u"SkrivScriptButton"_qs)->property("sti").toString(), pennehus86);

        knap(u"SkrivScriptButton"_qs)->click();
        knap(u"VLCButton"_qs)->click();
        QCOMPARE(f.checkForProgrammer(), 0);
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }
};

KV_TEST_MAIN(TstProgramliste)
#include "tst_programliste.moc"
