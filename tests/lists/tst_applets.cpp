// The applet scripts find the desktop's own settings tool by the desktop,
// the installed entries and the programs on PATH; the applet window disables
// the buttons that have none; the consoles open a terminal on the drive.
#include "DialogSvarer.h"
#include "FakeSkal.h"
#include "Stubbe.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "lists/Konsoller.h"
#include "lists/TwaForm.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

using namespace kv;
using namespace kvtest;

namespace {

const QString appletMappe = QStringLiteral(KV_SOURCE_DIR) + u"/program/Window applets/"_qs;

struct Svar {
    int status;
    QString ud;
};

// Runs an applet script under dash, as the program's shell does with sh.
Svar koer(const QString& skript, const QStringList& args = {u"--vis"_qs})
{
    QProcess p;
    p.start(u"dash"_qs, QStringList{appletMappe + skript} + args);
    p.waitForFinished(10000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).trimmed()};
}

} // namespace

class TstApplets : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QString bin, system, bruger;
    Miljoe* miljoe = nullptr;

    // Only the stubs and the basic tools on PATH; the test's own entry folders.
    void skrivebord(const QString& navn)
    {
        miljoe->saet("XDG_CURRENT_DESKTOP", navn);
    }

private slots:
    void init()
    {
        bin = tmp.path() + u"/bin"_qs;
        system = tmp.path() + u"/system"_qs;
        bruger = tmp.path() + u"/bruger"_qs;
        for (const QString& m : {bin, system, bruger})
            QDir(m).removeRecursively();
        QDir().mkpath(bin);
        miljoe = new Miljoe;
        miljoe->saet("PATH", bin + u":/usr/bin:/bin"_qs);
        miljoe->saet("XDG_DATA_HOME", bruger);
        miljoe->saet("XDG_DATA_DIRS", system);
    }
    void cleanup()
    {
        delete miljoe;
    }

    void skriptetVaelgerSkrivebordetsVaerktoej()
    {
        skrivStub(bin, u"systemsettings"_qs);
        skrivStub(bin, u"gnome-control-center"_qs);
        skrivStub(bin, u"xfce4-display-settings"_qs);
        skrivStub(bin, u"arandr"_qs);
        skrivIndgang(system, u"kcm_kscreen.desktop"_qs);
        skrivIndgang(system, u"org.gnome.Settings.desktop"_qs, "OnlyShowIn=GNOME;Unity;\n");
        skrivIndgang(system, u"xfce-display-settings.desktop"_qs, "OnlyShowIn=XFCE;\n");
        skrivIndgang(system, u"arandr.desktop"_qs);

        skrivebord(u"KDE"_qs);
        QCOMPARE(koer(u"vis_egenskaber.vbs"_qs).ud, u"systemsettings kcm_kscreen"_qs);
        // Ubuntu names two desktops; GNOME's tool fits.
        skrivebord(u"ubuntu:GNOME"_qs);
        QCOMPARE(koer(u"vis_egenskaber.vbs"_qs).ud, u"gnome-control-center display"_qs);
        skrivebord(u"XFCE"_qs);
        QCOMPARE(koer(u"vis_egenskaber.vbs"_qs).ud, u"xfce4-display-settings"_qs);
        // No desktop: only the tools for any desktop.
        skrivebord(QString());
        QCOMPARE(koer(u"vis_egenskaber.vbs"_qs).ud, u"arandr"_qs);

        // An entry not shown here counts as missing: XFCE's is hidden by the
        // user's copy, and GNOME's is not for KDE.
        skrivIndgang(bruger, u"xfce-display-settings.desktop"_qs, "Hidden=true\n");
        skrivebord(u"XFCE"_qs);
        QCOMPARE(koer(u"vis_egenskaber.vbs"_qs).ud, u"arandr"_qs);
        skrivIndgang(bruger, u"arandr.desktop"_qs, "NotShowIn=XFCE;\n");
        const Svar ingen = koer(u"vis_egenskaber.vbs"_qs);
        QCOMPARE(ingen.status, 1);
        QVERIFY(ingen.ud.isEmpty());
        // The user's entry overrides a hidden system one.
        skrivIndgang(system, u"font-manager.desktop"_qs, "Hidden=true\n");
        skrivStub(bin, u"font-manager"_qs);
        QCOMPARE(koer(u"fonts.vbs"_qs).status, 1);
        skrivIndgang(bruger, u"font-manager.desktop"_qs);
        QCOMPARE(koer(u"fonts.vbs"_qs).ud, u"font-manager"_qs);
        // A program that is gone does not count, entry or not.
        QFile::remove(bin + u"/font-manager"_qs);
        QCOMPARE(koer(u"fonts.vbs"_qs).status, 1);

        // Without --vis the tool is started, detached, with its arguments.
        skrivebord(u"KDE"_qs);
        QCOMPARE(koer(u"vis_egenskaber.vbs"_qs, {}).status, 0);
        QTRY_COMPARE(stubKald(bin, u"systemsettings"_qs), QStringList{u"kcm_kscreen"_qs});
        QCOMPARE(koer(u"ODBC.vbs"_qs, {}).status, 1);
    }

    // The entry format allows blanks around "=": they change nothing.
    void indgangeMedBlanke()
    {
        skrivStub(bin, u"font-manager"_qs);
        skrivIndgang(system, u"font-manager.desktop"_qs, "Hidden = true\n");
        QCOMPARE(koer(u"fonts.vbs"_qs).status, 1);
        skrivIndgang(system, u"font-manager.desktop"_qs, "Hidden\t=  false \r\nNotShowIn = XFCE;\n");
        skrivebord(u"KDE"_qs);
        QCOMPARE(koer(u"fonts.vbs"_qs).ud, u"font-manager"_qs);
        skrivebord(u"XFCE"_qs);
        QCOMPARE(koer(u"fonts.vbs"_qs).status, 1);
        skrivIndgang(system, u"font-manager.desktop"_qs, "OnlyShowIn = GNOME;XFCE;\n");
        QCOMPARE(koer(u"fonts.vbs"_qs).ud, u"font-manager"_qs);
        // Only the entry's own group counts.
        skrivIndgang(system, u"font-manager.desktop"_qs, "[Desktop Action ny]\nHidden = true\n");
        QCOMPARE(koer(u"fonts.vbs"_qs).ud, u"font-manager"_qs);
    }

    // Every wrapper script finds its shared part when it is run by name from
    // its own folder, under sh and dash.
    void skripterFraEgenMappe()
    {
        const QString program = QStringLiteral(KV_SOURCE_DIR) + u"/program/"_qs;
        const QString kopi = tmp.path() + u"/Programfiler"_qs;
        QDir(kopi).removeRecursively();
        QVERIFY(QProcess::execute(u"cp"_qs, {u"-R"_qs, program + u"Programfiler"_qs, kopi}) == 0);
        const auto koerHer = [](const QString& skal, const QString& mappe, const QStringList& args) {
            QProcess p;
            p.setWorkingDirectory(mappe);
            p.start(skal, args);
            p.waitForFinished(10000);
            return Svar{p.exitCode(), QString::fromUtf8(p.readAllStandardError()).trimmed()};
        };
        for (const QString& skal : {u"sh"_qs, u"dash"_qs}) {
            for (const QString& navn : QDir(appletMappe).entryList({u"*.vbs"_qs})) {
                const Svar svar = koerHer(skal, appletMappe, {navn, u"--vis"_qs});
                QVERIFY2(svar.status <= 1 && svar.ud.isEmpty(), qPrintable(skal + u' ' + navn + u": "_qs + svar.ud));
            }
            for (const auto& [generator, fil] : {std::pair{u"_udskrivKode.wsf"_qs, u"Win32_BIOS.vbs"_qs},
                                                 std::pair{u"_udskrivKodeHTML.wsf"_qs, u"Win32_BIOS_Html.vbs"_qs}}) {
                QFile::remove(kopi + u'/' + fil);
                QCOMPARE(koerHer(skal, kopi, {generator, u"Win32_BIOS"_qs}).status, 0);
                QVERIFY(QFile::exists(kopi + u'/' + fil));
            }
            for (const auto& [skript, maal] : {std::pair{u"createShortcut.vbs"_qs, appletMappe + u"applet.sh"_qs},
                                               std::pair{u"createShortcutMappe.vbs"_qs, kopi}}) {
                const QString link = tmp.path() + u"/genvej-"_qs + skal + u'-' + skript;
                QCOMPARE(koerHer(skal, program + u"scripts"_qs, {skript, maal, link}).status, 0);
                QCOMPARE(QFileInfo(link).symLinkTarget(), QFileInfo(maal).absoluteFilePath());
            }
        }
    }

    void vinduetDeaktivererKnapperUdenVaerktoej()
    {
        TestPlatform& tp = TestPlatform::install();
        tp.makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        QStringList filer{u"Window applets\\applet.sh"_qs};
        for (const TwaForm::Applet& a : TwaForm::applets())
            filer << u"Window applets\\"_qs + QString::fromUtf16(a.skript);
        tp.installProgramFiles(filer);
        FakeSkal& skal = FakeSkal::install();
        skrivebord(u"KDE"_qs);
        skrivStub(bin, u"systemsettings"_qs);
        skrivIndgang(system, u"kcm_kscreen.desktop"_qs);
        skrivIndgang(system, u"kcm_pulseaudio.desktop"_qs);
        QFile::remove(tp.host(u"C:\\Kvistlund\\Program\\Window applets\\lyd.vbs"_qs));

        Tmainform f;
        f.handlinger->opdaterAlle();
        f.handling("winApp")->trigger();
        auto* w = qobject_cast<TwaForm*>(f.funktionsvindue(4));
        QVERIFY(w);
        f.handlinger->opdaterAlle();
        QVERIFY(!f.handling("winApp")->isEnabled());
        auto* skaerm = w->findChild<QPushButton*>(u"winApp19"_qs);
        auto* odbc = w->findChild<QPushButton*>(u"winApp13"_qs);
        auto* lyd = w->findChild<QPushButton*>(u"winApp10"_qs);
        QCOMPARE(skaerm->text(), u"Skærmopløsning"_qs);
        // The scripts answer while the window is already shown.
        QTRY_VERIFY(!w->undersoeger());
        QCoreApplication::processEvents();
        QVERIFY(skaerm->isEnabled());
        QVERIFY(!odbc->isEnabled());
        QCOMPARE(odbc->toolTip(), TwaForm::ingenVaerktoejHint(u"Åbner ODBC datakildeadministrator boksen"_qs));
        // A missing script keeps its button; pressing it says the file is missing.
        QVERIFY(lyd->isEnabled());

        skaerm->click();
        QTRY_COMPARE(skal.kald, QStringList{u"aabn C:\\Kvistlund\\Program\\Window applets\\vis_egenskaber.vbs"_qs});
        {
            DialogSvarer svar;
            lyd->click();
            QCOMPARE(svar.tekster, QStringList{Tmainform::fejltekst(2)});
        }
        // A tool removed after the window opened.
        QFile::remove(bin + u"/systemsettings"_qs);
        DialogSvarer svar;
        skaerm->click();
        QTRY_COMPARE(svar.tekster.size(), 1);
        QVERIFY(svar.tekster[0].contains(u"\"Skærmopløsning\""_qs));
        QVERIFY(!skaerm->isEnabled());
        QCOMPARE(skal.kald.size(), 1);
        w->close();
    }

    // Scripts that never answer cost one limit together, with the window
    // answering meanwhile, and closing the window stops them at once.
    void scripterDerAldrigSvarer()
    {
        TestPlatform& tp = TestPlatform::install();
        tp.makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        for (const TwaForm::Applet& a : TwaForm::applets())
            tp.makeFile(u"C:\\Kvistlund\\Program\\Window applets\\"_qs + QString::fromUtf16(a.skript),
                        "sleep 60\n");
        Tmainform f;
        f.handlinger->opdaterAlle();
        f.handling("winApp")->trigger();
        auto* w = qobject_cast<TwaForm*>(f.funktionsvindue(4));
        QVERIFY(w);
        QVERIFY(w->undersoeger());
        // One limit for all, not one per script (that would be a minute).
        QTRY_VERIFY_WITH_TIMEOUT(!w->undersoeger(), 10000);
        for (QPushButton* k : w->findChildren<QPushButton*>())
            QVERIFY(k->isEnabled());

        // Pressed and closed while its script hangs: nothing waits for it.
        w->findChild<QPushButton*>(u"winApp19"_qs)->click();
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!f.funktionsvindue(4));
    }

    void konsolAabnesPaaDrevetsRod()
    {
        TestPlatform& tp = TestPlatform::install();
        tp.makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        const QString d = tp.makeFolder(u"D:\\Data\\Fotos"_qs);
        FakeSkal& skal = FakeSkal::install();
        miljoe->saet("PATH", bin);
        const QString terminal = skrivStub(bin, u"x-terminal-emulator"_qs);
        Tmainform f;

        QCOMPARE(konsoller::drevAf(d), u"D:"_qs);
        f.AktuelleMappe = d;
        f.handlinger->opdaterAlle();
        f.handling("mDos")->trigger();
        QCOMPARE(skal.startet.size(), 1);
        QCOMPARE(skal.startet[0].kommando, QStringList{terminal});
        QCOMPARE(skal.startet[0].mappe, tp.host(u"D:"_qs));
        // PowerShell in the terminal, its safety policy untouched.
        konsoller::aabn(&f, true);
        // The stub stands for no terminal we know: the command as one text.
        QCOMPARE(skal.startet[1].kommando, (QStringList{terminal, u"-e"_qs, u"'pwsh' '-NoExit'"_qs}));
        // A vanished folder: the home drive.
        f.AktuelleMappe = u"D:\\Borte"_qs;
        f.handling("mDos")->trigger();
        QCOMPARE(skal.startet[2].mappe, tp.host(u"C:"_qs));
        // The desktop's own terminal when the system names none.
        QFile::remove(terminal);
        skrivebord(u"KDE"_qs);
        const QString konsole = skrivStub(bin, u"konsole"_qs);
        f.handling("mDos")->trigger();
        QCOMPARE(skal.startet[3].kommando, QStringList{konsole});
        QFile::remove(konsole);
        DialogSvarer svar;
        f.handling("mDos")->trigger();
        QCOMPARE(skal.startet.size(), 4);
        QCOMPARE(svar.tekster, QStringList{u"Der blev ikke fundet et terminalprogram på computeren."_qs});
    }
};

KV_TEST_MAIN(TstApplets)
#include "tst_applets.moc"
