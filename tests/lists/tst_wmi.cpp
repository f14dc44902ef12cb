// The page "WMI": the real class list and report scripts run under dash on
// this computer; the page with fake scripts (a slow list, hostile names, a
// failing or hanging generator, a script the user changed).
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "lists/TwmiSide.h"
#include "platform/FileSystem.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

using namespace kv;
using kvtest::DialogSvarer;
using kvtest::TestPlatform;

namespace {

struct Koersel {
    int status;
    QString fejl;
};

Koersel koer(const QString& program, const QStringList& args, const QString& mappe,
             const QProcessEnvironment& miljoe = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setWorkingDirectory(mappe);
    p.setProcessEnvironment(miljoe);
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return {-1, u"hang"_qs};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

QByteArray laes(const QString& sti)
{
    QFile f(sti);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstWmi : public QObject {
    Q_OBJECT

private slots:
    void rigtigeRapporterPaaDenneComputer()
    {
        QTemporaryDir tmp;
        const QString p = tmp.path() + u"/Programfiler"_qs;
        const QString wmi = tmp.path() + u"/WMI"_qs;
        // A home whose name needs escaping in HTML.
        const QString hjem = tmp.path() + u"/a<b>&\"c'"_qs;
        QVERIFY(QDir().mkpath(wmi) && QDir().mkpath(hjem));
        QVERIFY(QProcess::execute(u"cp"_qs, {u"-R"_qs, QStringLiteral(KV_SOURCE_DIR) + u"/program/Programfiler"_qs, p}) == 0);

        QCOMPARE(koer(u"dash"_qs, {p + u"/_wmiClasses.wsf"_qs}, p).status, 0);
        const QStringList klasser = QString::fromUtf8(laes(p + u"/classes.txt"_qs)).split(u"\r\n"_qs, Qt::SkipEmptyParts);
        QVERIFY(klasser.contains(u"Win32_LogicalDisk"_qs));
        QCOMPARE(klasser.contains(u"Win32_BIOS"_qs), QFileInfo::exists(u"/sys/class/dmi/id"_qs));
        QCOMPARE(klasser.contains(u"Win32_Service"_qs), QFileInfo::exists(u"/run/systemd/system"_qs));
        QCOMPARE(QDir(p).entryList(QDir::Files | QDir::Hidden).filter(u"tmp"_qs), QStringList());

        QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
        miljoe.insert(u"HOME"_qs, hjem);
        // Every class, served here or not: a missing source is an empty report, not an error.
        const QStringList alle = QDir(p + u"/klasser"_qs).entryList({u"*.sh"_qs});
        QCOMPARE(alle.size(), 15);
        for (QString k : alle) {
            k.chop(3);
            QCOMPARE(koer(u"dash"_qs, {p + u"/_udskrivKode.wsf"_qs, k}, wmi).status, 0);
            QCOMPARE(koer(u"dash"_qs, {p + u"/_udskrivKodeHTML.wsf"_qs, k}, wmi).status, 0);
            for (const QString& s : {k + u".vbs"_qs, k + u"_Html.vbs"_qs}) {
                QCOMPARE(koer(u"dash"_qs, {u"-n"_qs, s}, wmi).status, 0);
                const Koersel sc = koer(u"shellcheck"_qs, {u"-s"_qs, u"sh"_qs, s}, wmi);
                QVERIFY2(sc.status == 0, qPrintable(k + u": "_qs + sc.fejl));
                QCOMPARE(koer(u"dash"_qs, {wmi + u'/' + s}, tmp.path(), miljoe).status, 0);
            }
            const QByteArray tekst = laes(wmi + u'/' + k + u".txt"_qs);
            QVERIFY2(tekst.startsWith("\xEF\xBB\xBF" + k.toUtf8()), qPrintable(k));
            QVERIFY(tekst.endsWith("\r\n"));
            QCOMPARE(tekst.count('\n'), tekst.count("\r\n"));
            QVERIFY(laes(wmi + u'/' + k + u".html"_qs).contains("<table>"));
        }
        const QString disk = QString::fromUtf8(laes(wmi + u"/Win32_LogicalDisk.txt"_qs));
        QVERIFY(disk.contains(u"DeviceID: C:\r\n  VolumeName: Hjem\r\n"_qs));
        QVERIFY(disk.contains(u"DeviceID: D:\r\n  VolumeName: System\r\n"_qs));
        QVERIFY(disk.contains(u"ProviderName: "_qs + hjem + u"\r\n"_qs));
        const QByteArray html = laes(wmi + u"/Win32_LogicalDisk.html"_qs);
        QVERIFY(html.contains("a&lt;b&gt;&amp;&quot;c&#39;"));
        QVERIFY(!html.contains("a<b>"));
        QCOMPARE(QFileInfo(wmi + u"/Win32_LogicalDisk.html"_qs).permissions() & (QFile::ReadOther | QFile::ReadGroup),
                 QFile::Permissions());

        // Only a class name this computer can serve becomes a file.
        const int foer = QDir(wmi).count();
        QCOMPARE(koer(u"dash"_qs, {p + u"/_udskrivKode.wsf"_qs, u"../x"_qs}, wmi).status, 2);
        QCOMPARE(koer(u"dash"_qs, {p + u"/_udskrivKode.wsf"_qs, u"Win32_Intet"_qs}, wmi).status, 3);
        QCOMPARE(int(QDir(wmi).count()), foer);
        QVERIFY(!QFile::exists(tmp.path() + u"/x.vbs"_qs));
    }

    void sidenMedFalskeScripts()
    {
        TestPlatform& tp = TestPlatform::install();
        tp.makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        const QString pf = u"C:\\Kvistlund\\Program\\Programfiler\\"_qs;
        const auto skript = [&](const QString& navn, const QByteArray& krop) {
            tp.makeFile(pf + navn, "#!/bin/sh\n" + krop);
        };
        // A slow list that waits for the test, with names that are no class names.
        skript(u"_wmiClasses.wsf"_qs, "while [ ! -e go ]; do sleep 0.02; done\n"
                                      "printf 'Win32_Disk\\r\\n..\\\\Egenskaber\\\\x\\r\\na b\\r\\nGood_1\\r\\n\\r\\n' >.t\n"
                                      "mv .t classes.txt\n");
        skript(u"_udskrivKode.wsf"_qs, "printf '#!/bin/sh\\n' >\"$1.vbs\"; pwd >\"$1.cwd\"\n");
        skript(u"_udskrivKodeHTML.wsf"_qs, "exit 4\n");
        tp.makeFile(pf + u"classes.txt"_qs, "Gammel\r\n");
        Tmainform f;
        TwmiSide* s = f.wmiSide();
        const auto aktiv = [&](const char* navn) {
            f.handlinger->opdaterAlle();
            return f.handling(navn)->isEnabled();
        };
        const auto udfoer = [&](const char* navn) {
            f.handlinger->opdaterAlle();
            f.handling(navn)->trigger();
        };
        const QString eget = QDir::currentPath();

        // An old list can be loaded before a new one is fetched.
        QVERIFY(aktiv("Awmi") && aktiv("AloadListe"));
        udfoer("AloadListe");
        QVERIFY(!aktiv("AloadListe"));
        QVERIFY(!aktiv("Awmi"));
        QVERIFY(!QFile::exists(tp.host(pf + u"classes.txt"_qs)));
        tp.makeFile(pf + u"go"_qs);
        QTRY_VERIFY(aktiv("Awmi"));
        udfoer("Awmi");
        QCOMPARE(s->wmiBox->count(), 3);
        QCOMPARE(s->wmiBox->itemText(0), u"Vælg en wmi class"_qs);
        QCOMPARE(s->wmiBox->itemText(1), u"Win32_Disk"_qs);
        QCOMPARE(s->wmiBox->itemText(2), u"Good_1"_qs);
        QVERIFY(!aktiv("Awmi") && !aktiv("AmakeFile"));

        // The generator runs in the WMI folder; ours stays where it was.
        s->wmiBox->setCurrentIndex(1);
        QVERIFY(aktiv("AmakeFile"));
        udfoer("AmakeFile");
        QTRY_COMPARE(f.funk->FFilMappe, f.wmiMappe);
        QCOMPARE(f.funk->AktiveStruktur(), 2);
        QCOMPARE(QString::fromUtf8(laes(tp.host(f.wmiMappe + u"\\Win32_Disk.cwd"_qs))).trimmed(), tp.host(f.wmiMappe));
        QCOMPARE(QDir::currentPath(), eget);

        // A script the user changed is replaced only after a "Ja".
        const QString vbs = tp.host(f.wmiMappe + u"\\Win32_Disk.vbs"_qs);
        tp.makeFile(f.wmiMappe + u"\\Win32_Disk.vbs"_qs, "mine ændringer");
        {
            DialogSvarer nej(false);
            udfoer("AmakeFile");
            QCOMPARE(nej.tekster.size(), 1);
            QVERIFY(nej.tekster[0].contains(u"Win32_Disk.vbs"_qs));
        }
        QCOMPARE(laes(vbs), "mine ændringer");
        QVERIFY(!s->arbejder());
        {
            DialogSvarer ja(true);
            udfoer("AmakeFile");
            QTRY_COMPARE(laes(vbs), "#!/bin/sh\n");
        }

        // A generator that fails, and one that hangs, are reported.
        {
            DialogSvarer svar;
            udfoer("AmakeFileHTML");
            QTRY_COMPARE(svar.tekster.size(), 1);
            QVERIFY(svar.tekster[0].contains(u"kunne ikke skrives"_qs));
        }
        skript(u"_udskrivKodeHTML.wsf"_qs, "sleep 30\n");
        s->generatorGraense = 100;
        {
            DialogSvarer svar;
            udfoer("AmakeFileHTML");
            QTRY_COMPARE(svar.tekster.size(), 1);
            QVERIFY(svar.tekster[0].contains(u"for lang tid"_qs));
            QVERIFY(!s->arbejder());
        }

        // A list of nothing but hostile names, and a missing WMI folder.
        tp.makeFile(pf + u"classes.txt"_qs, "..\\Egenskaber\\x\r\n\r\n");
        DialogSvarer svar;
        s->AwmiExecute();
        QCOMPARE(svar.tekster, QStringList{u"Listen over classes er tom.\nHent classes igen."_qs});
        QCOMPARE(s->wmiBox->count(), 3);
        QDir(tp.host(f.wmiMappe)).removeRecursively();
        s->AmakeFileExecute(false);
        QCOMPARE(svar.tekster.size(), 2);
        QVERIFY(svar.tekster[1].startsWith(u"WMI mappen findes ikke"_qs));
    }

    // A list that did not come, for any reason, can be asked for again; a
    // generator that is gone gets the shell's message for a missing file.
    void hentIgenOgManglendeGenerator()
    {
        TestPlatform& tp = TestPlatform::install();
        tp.makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
        const QString pf = u"C:\\Kvistlund\\Program\\Programfiler\\"_qs;
        const auto skript = [&](const QString& navn, const QByteArray& krop) {
            tp.makeFile(pf + navn, "#!/bin/sh\n" + krop);
        };
        skript(u"_udskrivKode.wsf"_qs, "printf x >\"$1.vbs\"\n");
        Tmainform f;
        TwmiSide* s = f.wmiSide();
        const auto aktiv = [&](const char* navn) {
            f.handlinger->opdaterAlle();
            return f.handling(navn)->isEnabled();
        };
        s->hentGraense = 200;
        const QList<std::pair<QByteArray, QString>> fejl = {
            {"exit 3\n", u"Listen over classes kunne ikke hentes.\nFejlkode: 3"_qs},
            {"exit 0\n", u"Listen over classes kunne ikke hentes.\nFejlkode: 0"_qs},
            {"sleep 30\n", u"Hentningen af classes tog for lang tid og blev stoppet."_qs},
        };
        for (const auto& [krop, besked] : fejl) {
            skript(u"_wmiClasses.wsf"_qs, krop);
            DialogSvarer svar;
            QVERIFY(aktiv("AloadListe"));
            f.handling("AloadListe")->trigger();
            QVERIFY(!aktiv("AloadListe"));
            QTRY_COMPARE(svar.tekster, QStringList{besked});
            QVERIFY(aktiv("AloadListe"));
        }
        skript(u"_wmiClasses.wsf"_qs, "printf 'Win32_Disk\\r\\n' >classes.txt\n");
        f.handling("AloadListe")->trigger();
        QTRY_VERIFY(aktiv("Awmi"));
        QVERIFY(!aktiv("AloadListe"));
        f.handling("Awmi")->trigger();
        s->wmiBox->setCurrentIndex(1);
        QVERIFY(aktiv("AmakeFile"));
        QVERIFY(removeFile(pf + u"_udskrivKode.wsf"_qs));
        DialogSvarer svar;
        s->AmakeFileExecute(false);
        QCOMPARE(svar.tekster, QStringList{Tmainform::fejltekst(2)});
        QVERIFY(!s->arbejder());
    }

    // A volume whose mount point holds line breaks is one drive of the report,
    // in a mount namespace of the test's own.
    void monteringMedLinjeskift()
    {
        QTemporaryDir tmp;
        const QString p = tmp.path() + u"/Programfiler"_qs;
        QVERIFY(QProcess::execute(u"cp"_qs, {u"-R"_qs, QStringLiteral(KV_SOURCE_DIR) + u"/program/Programfiler"_qs, p}) == 0);
        QCOMPARE(koer(u"dash"_qs, {p + u"/_udskrivKode.wsf"_qs, u"Win32_LogicalDisk"_qs}, tmp.path()).status, 0);
        QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
        miljoe.insert(u"HOME"_qs, tmp.path());
        const QString nat = u"mount -t tmpfs none /media && d='/media/a\nb\n' && mkdir \"$d\""
                            u" && mount -t tmpfs none \"$d\" && mount -t tmpfs none \"$d\" && dash \"$1\""_qs;
        const Koersel k = koer(u"unshare"_qs, {u"-m"_qs, u"dash"_qs, u"-c"_qs, nat, u"sh"_qs,
                                               tmp.path() + u"/Win32_LogicalDisk.vbs"_qs},
                               tmp.path(), miljoe);
        if (k.status != 0 && !QFile::exists(tmp.path() + u"/Win32_LogicalDisk.txt"_qs))
            QSKIP(qPrintable(u"No mount namespace here: "_qs + k.fejl));
        QCOMPARE(k.status, 0);
        const QString rapport = QString::fromUtf8(laes(tmp.path() + u"/Win32_LogicalDisk.txt"_qs));
        const QString navn = u"/media/a\u2424b\u2424"_qs;
        QCOMPARE(rapport.count(u"  ProviderName: "_qs + navn + u"\r\n"_qs), 1);
        QVERIFY(rapport.contains(u"  VolumeName: a\u2424b\u2424\r\n"_qs));
        // Every line of an instance is a property, and the count is the instances'.
        const QStringList linjer = rapport.split(u"\r\n"_qs);
        const qsizetype drev = linjer.filter(u"  DeviceID: "_qs).size();
        QVERIFY(linjer[1].endsWith(u", "_qs + QString::number(drev) + u" forekomster"_qs));
        for (qsizetype i = 2; i < linjer.size(); ++i)
            QVERIFY2(linjer[i].isEmpty() || linjer[i].startsWith(u"Win32_LogicalDisk "_qs) || linjer[i].startsWith(u"  "_qs),
                     qPrintable(linjer[i]));
    }
};

KV_TEST_MAIN(TstWmi)
#include "tst_wmi.moc"
