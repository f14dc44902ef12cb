// The desktop shell: finding a file's program in temporary XDG folders,
// desktop entries' Exec lines, and what is started for documents, programs
// and scripts. Programs are recorded, not started, but for one recording script.
#include "TestMain.h"
#include "TestPlatform.h"
#include "platform/DesktopSkal.h"
#include "platform/Terminal.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>
#include <fcntl.h>

using namespace kv;
using kvtest::TestPlatform;

class TstSkal : public QObject {
    Q_OBJECT
    QTemporaryDir xdg;
    QString config() const { return xdg.path() + u"/config"_qs; }
    QString system() const { return xdg.path() + u"/system"_qs; }
    QString data() const { return xdg.path() + u"/data"_qs; }
    Programopslag opslag() const { return Programopslag({config(), system()}, {data()}); }

    static void skriv(const QString& fil, const QByteArray& tekst, bool koerbar = false)
    {
        QDir().mkpath(QFileInfo(fil).path());
        QFile f(fil);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(tekst);
        f.close();
        if (koerbar)
            f.setPermissions(f.permissions() | QFile::ExeOwner);
    }
    void program(const QString& id, const QByteArray& exec, const QByteArray& ekstra = {})
    {
        skriv(data() + u"/applications/"_qs + id,
              "[Desktop Entry]\nType=Application\nName=" + id.toUtf8() + "\nExec=" + exec + "\n" + ekstra);
    }
    QString id(Programopslag& o, const QString& type)
    {
        const auto e = o.program(type);
        return e ? QFileInfo(e->fil).fileName() : QString();
    }

    struct Start {
        QString program;
        QStringList argumenter;
        QString mappe;
    };
    QList<Start> starter;
    DesktopSkal skal()
    {
        return DesktopSkal(opslag(), [this](const QString& p, const QStringList& a, const QString& m) {
            starter << Start{p, a, m};
            return true;
        });
    }

private slots:
    void init()
    {
        QDir(xdg.path()).removeRecursively();
        starter.clear();
        for (const char* id : {"tekst.desktop", "billede.desktop", "andet.desktop", "filer.desktop"})
            program(QString::fromLatin1(id), "/bin/true %f");
        skriv(data() + u"/applications/mimeapps.list"_qs,
              "[Added Associations]\nimage/png=billede.desktop;andet.desktop;\n");
        skriv(config() + u"/mimeapps.list"_qs,
              "[Default Applications]\ntext/plain=mangler.desktop;tekst.desktop;\ninode/directory=filer.desktop\n"
              "[Removed Associations]\nimage/png=billede.desktop;\n");
    }

    void resolverFollowsMimeappsOrder()
    {
        Programopslag o = opslag();
        // A default that is not installed gives way to the next one.
        QCOMPARE(id(o, u"text/plain"_qs), u"tekst.desktop"_qs);
        // Removed in a more important list hides an association added in a less important one.
        QCOMPARE(id(o, u"image/png"_qs), u"andet.desktop"_qs);
        // C source has no program of its own: its parent type, plain text, opens it.
        QCOMPARE(id(o, u"text/x-csrc"_qs), u"tekst.desktop"_qs);
        QVERIFY(!o.program(u"application/pdf"_qs));
        // The cache of installed programs counts when no list names one.
        skriv(data() + u"/applications/mimeinfo.cache"_qs, "[MIME Cache]\napplication/pdf=andet.desktop;\n");
        Programopslag ny = opslag();
        QCOMPARE(id(ny, u"application/pdf"_qs), u"andet.desktop"_qs);
        // An entry whose TryExec cannot be found is not installed.
        program(u"andet.desktop"_qs, "/bin/true %f", "TryExec=/ingen/saadan/fil\n");
        Programopslag tredje = opslag();
        QVERIFY(!tredje.program(u"application/pdf"_qs));
    }

    void execLinesExpand()
    {
        auto e = DesktopEntry::parse("[Other]\nExec=forkert\n[Desktop Entry]\nName=Vis\nIcon=vis\nTerminal=true\n"
                                     "Exec=\"/opt/mit program/vis\" --titel \"a \\\\\"b\\\\\" c\" %U 100%% %c %i\n",
                                     u"/x/vis.desktop"_qs);
        QVERIFY(e);
        // In the system's terminal, here a GNOME one: its own "--" form, one argument each.
        QTemporaryDir bin;
        skriv(bin.path() + u"/gnome-terminal"_qs, "#!/bin/sh\n", true);
        QVERIFY(QFile::link(bin.path() + u"/gnome-terminal"_qs, bin.path() + u"/x-terminal-emulator"_qs));
        const QByteArray sti = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        const QStringList kommando = e->kommando({u"/h/a b"_qs, u"/h/c"_qs});
        qputenv("PATH", sti);
        QCOMPARE(kommando,
                 (QStringList{bin.path() + u"/x-terminal-emulator"_qs, u"--"_qs, u"/opt/mit program/vis"_qs, u"--titel"_qs,
                              u"a \"b\" c"_qs, u"/h/a b"_qs, u"/h/c"_qs, u"100%"_qs, u"Vis"_qs, u"--icon"_qs,
                              u"vis"_qs}));
        // No file code: the file goes last; %k is the entry itself.
        e->terminal = false;
        e->exec = u"vis -k %k"_qs;
        QCOMPARE(e->kommando({u"/h/a"_qs}), (QStringList{u"vis"_qs, u"-k"_qs, u"/x/vis.desktop"_qs, u"/h/a"_qs}));
        QVERIFY(!splitExec(u"vis \"uafsluttet"_qs));
        QVERIFY(!DesktopEntry::parse("[Noget andet]\nExec=vis\n"));
    }

    void openingFilesAndPrograms()
    {
        TestPlatform& tp = TestPlatform::install();
        DesktopSkal s = skal();
        // A name a shell would split stays one argument.
        const QString farlig = tp.makeFile(u"C:\\Data\\-x \"y\";z.txt"_qs, "tekst\n");
        QCOMPARE(s.aabn(farlig, false), skalUdfoert);
        QCOMPARE(starter.size(), 1);
        QCOMPARE(starter[0].program, u"/bin/true"_qs);
        QCOMPARE(starter[0].argumenter, QStringList{tp.host(farlig)});
        QCOMPARE(starter[0].mappe, tp.host(u"C:\\Data"_qs));

        QCOMPARE(s.aabn(u"C:\\Data\\mangler.txt"_qs, false), 2);
        QCOMPARE(s.aabn(u"C:\\Ingen\\mangler.txt"_qs, false), 3);
        // Edit: only types that are text; a picture has no editor.
        tp.makeFile(u"C:\\Data\\b.png"_qs, "\x89PNG\r\n\x1a\n");
        QCOMPARE(s.aabn(u"C:\\Data\\b.png"_qs, true), 31);
        QCOMPARE(s.aabn(tp.makeFile(u"C:\\Data\\x.pdf"_qs, "%PDF-1.4\n"), false), 31);
        tp.makeFile(u"C:\\Data\\k.c"_qs, "int main;\n");
        QCOMPARE(s.aabn(u"C:\\Data\\k.c"_qs, true), skalUdfoert);
        QCOMPARE(starter.last().argumenter, QStringList{tp.host(u"C:\\Data\\k.c"_qs)});

        // Executables run directly in their folder, when they are programs.
        skriv(tp.host(u"C:\\Data\\koer"_qs), "#!/bin/sh\nexit 0\n", true);
        QCOMPARE(s.aabn(u"C:\\Data\\koer"_qs, false), skalUdfoert);
        QCOMPARE(starter.last().program, tp.host(u"C:\\Data\\koer"_qs));
        QCOMPARE(starter.last().mappe, tp.host(u"C:\\Data"_qs));
        // A text with the execute bit is still a text, opened by its program.
        skriv(tp.host(u"C:\\Data\\intet"_qs), "bare tekst\n", true);
        QCOMPARE(s.aabn(u"C:\\Data\\intet"_qs, false), skalUdfoert);
        QCOMPARE(starter.last().program, u"/bin/true"_qs);
        QCOMPARE(starter.last().argumenter, QStringList{tp.host(u"C:\\Data\\intet"_qs)});
        const int foer = starter.size();
        QCOMPARE(s.aabnMappe(u"C:\\Data"_qs), skalUdfoert);
        QCOMPARE(starter.size(), foer + 1);
        QCOMPARE(s.aabnMappe(u"C:\\Ingen"_qs), 3);

        // A name that is not UTF-8 reaches the program as a path that leads to exactly that file.
        const QByteArray latin1 = tp.hostBytes(u"C:\\Data"_qs) + "/s\xf8ren.txt";
        const int fd = ::open(latin1.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0 && ::write(fd, "tekst\n", 6) == 6);
        ::close(fd);
        QCOMPARE(s.aabn(u"C:\\Data\\s\uF0F8ren.txt"_qs, false), skalUdfoert);
        char* fundet = ::realpath(QFile::encodeName(starter.last().argumenter.value(0)).constData(), nullptr);
        QCOMPARE(QByteArray(fundet ? fundet : ""), latin1);
        ::free(fundet);
        ::unlink(latin1.constData());
    }

    void scriptsRunInATerminalThatStays()
    {
        TestPlatform& tp = TestPlatform::install();
        QTemporaryDir bin;
        skriv(bin.path() + u"/x-terminal-emulator"_qs, "#!/bin/sh\n", true);
        const QByteArray sti = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ':' + sti);
        DesktopSkal s = skal();
        tp.makeFile(u"C:\\Data\\start.sh"_qs, "echo hej\n");
        const int svar = s.aabn(u"C:\\Data\\start.sh"_qs, false);
        qputenv("PATH", sti);
        QCOMPARE(svar, skalUdfoert);
        QCOMPARE(starter.last().program, bin.path() + u"/x-terminal-emulator"_qs);
        // A terminal we do not know gets the command as one text, as every terminal takes "-e".
        QCOMPARE(starter.last().argumenter.size(), 2);
        QCOMPARE(starter.last().argumenter.first(), u"-e"_qs);
        QVERIFY(starter.last().argumenter.last().startsWith(u"'sh' '-c' "_qs));
        QVERIFY(starter.last().argumenter.last().endsWith(u" 'sh' '"_qs + tp.host(u"C:\\Data\\start.sh"_qs) + u'\''));
    }

    // Each known terminal gets its own form; quotes in a one-text command stay words.
    void terminalForms()
    {
        QTemporaryDir bin;
        const QStringList program{u"vis"_qs, u"Mor's fil.txt"_qs};
        const auto form = [&](const char* navn) {
            const QString sti = bin.path() + u'/' + QLatin1String(navn);
            skriv(sti, "#!/bin/sh\n", true);
            return terminalForm(sti, program).mid(1);
        };
        QCOMPARE(form("xterm"), (QStringList{u"-e"_qs} + program));
        QCOMPARE(form("xfce4-terminal"), (QStringList{u"-x"_qs} + program));
        QCOMPARE(form("kitty"), program);
        QCOMPARE(form("lxterminal"), (QStringList{u"-e"_qs, u"'vis' 'Mor'\\''s fil.txt'"_qs}));
        QCOMPARE(form("ukendt-terminal"), (QStringList{u"-e"_qs, u"'vis' 'Mor'\\''s fil.txt'"_qs}));
        QCOMPARE(terminalForm(bin.path() + u"/xterm"_qs, {}), QStringList{bin.path() + u"/xterm"_qs});
        // What sh makes of the one text is the program and its arguments again.
        QProcess sh;
        sh.start(u"/bin/sh"_qs, {u"-c"_qs, u"printf '%s\\n' "_qs + form("lxterminal").last()});
        QVERIFY(sh.waitForFinished());
        QCOMPARE(QString::fromUtf8(sh.readAllStandardOutput()), u"vis\nMor's fil.txt\n"_qs);
    }

    // What a file is comes from its type; the execute bit only lets a program or a script run.
    void openingByTypeNotByModeBits()
    {
        TestPlatform& tp = TestPlatform::install();
        skriv(config() + u"/mimeapps.list"_qs,
              "[Default Applications]\ntext/plain=tekst.desktop;\nimage/jpeg=billede.desktop;\n");
        program(u"billede.desktop"_qs, "/bin/echo %f");
        DesktopSkal s = skal();
        const auto aabnes = [&](const QString& fil, const QString& program) {
            const int foer = starter.size();
            const int svar = s.aabn(fil, false);
            return svar == skalUdfoert && starter.size() == foer + 1 && starter.last().program == program
                && starter.last().argumenter.value(0) == (program == tp.host(fil) ? QString() : tp.host(fil));
        };
        // A real JPEG with mode 0755, as FAT and Windows shares give every file.
        const QByteArray jpeg("\xff\xd8\xff\xe0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0\xff\xd9", 22);
        skriv(tp.host(u"C:\\Data\\foto.jpg"_qs), jpeg, true);
        QVERIFY(aabnes(u"C:\\Data\\foto.jpg"_qs, u"/bin/echo"_qs));
        // A script that calls itself a picture is shown, never run.
        skriv(tp.host(u"C:\\Data\\x.jpg"_qs), "#!/bin/sh\ntouch ramt\n", true);
        QVERIFY(aabnes(u"C:\\Data\\x.jpg"_qs, u"/bin/echo"_qs));
        // A .vbs from anywhere but the program folder is text.
        skriv(tp.host(u"C:\\Data\\faktura.vbs"_qs), "touch ramt\n", true);
        QVERIFY(aabnes(u"C:\\Data\\faktura.vbs"_qs, u"/bin/true"_qs));
        Skal::saetProgrammappe(u"C:\\Kvistlund\\Program"_qs);
        QVERIFY(aabnes(u"C:\\Data\\faktura.vbs"_qs, u"/bin/true"_qs));
        // ... and the installed scripts run with sh, also when reached through a link.
        const QString installeret = tp.makeFile(u"C:\\Kvistlund\\Program\\scripts\\datediff.vbs"_qs, "exit 0\n");
        QCOMPARE(s.aabn(installeret, false), skalUdfoert);
        QCOMPARE(starter.last().program, u"/bin/sh"_qs);
        QVERIFY(QFile::link(tp.host(u"C:\\Data\\faktura.vbs"_qs), tp.host(u"C:\\Kvistlund\\Program\\link.vbs"_qs)));
        QVERIFY(aabnes(u"C:\\Kvistlund\\Program\\link.vbs"_qs, u"/bin/true"_qs));
        Skal::saetProgrammappe(QString());

        // An ELF program and a script run themselves, with the execute bit only.
        QVERIFY(QFile::copy(u"/bin/true"_qs, tp.host(u"C:\\Data\\prog"_qs)));
        QFile(tp.host(u"C:\\Data\\prog"_qs)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(s.aabn(u"C:\\Data\\prog"_qs, false), 31);
        QFile(tp.host(u"C:\\Data\\prog"_qs)).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(aabnes(u"C:\\Data\\prog"_qs, tp.host(u"C:\\Data\\prog"_qs)));
        skriv(tp.host(u"C:\\Data\\koer"_qs), "#!/bin/sh\nexit 0\n", true);
        QVERIFY(aabnes(u"C:\\Data\\koer"_qs, tp.host(u"C:\\Data\\koer"_qs)));
        skriv(tp.host(u"C:\\Data\\ukendt"_qs), QByteArray("\x01\x02\x03\0\xfe", 5), true);
        QCOMPARE(s.aabn(u"C:\\Data\\ukendt"_qs, false), 11);

        // A FIFO is judged by its name and never waited on.
        QCOMPARE(::mkfifo(QFile::encodeName(tp.host(u"C:\\Data\\roer.txt"_qs)).constData(), 0600), 0);
        QVERIFY(aabnes(u"C:\\Data\\roer.txt"_qs, u"/bin/true"_qs));
        QVERIFY(!QFile::exists(tp.host(u"C:\\Data\\ramt"_qs)));
    }

    // sh -c "... %f": the name goes in quoted for the shell, whatever it holds.
    void namesNeverBecomeShellSyntax()
    {
        auto e = DesktopEntry::parse("[Desktop Entry]\nExec=sh -c \"cat %f\" %d --fil=%f 100%% \"%F\"\n");
        QVERIFY(e);
        QCOMPARE(e->kommando({u"/h/a;b"_qs}),
                 (QStringList{u"sh"_qs, u"-c"_qs, u"cat '/h/a;b'"_qs, u"--fil="_qs, u"100%"_qs, u"/h/a;b"_qs}));
        QCOMPARE(e->kommando({u"/h/it's"_qs}).value(2), u"cat '/h/it'\\''s'"_qs);

        // Also where the command puts the name in quotes of its own.
        QCOMPARE(DesktopEntry::parse("[Desktop Entry]\nExec=sh -c \"cat '%f'\"\n")->kommando({u"/h/it's"_qs}).value(2),
                 u"cat '/h/it'\\''s'"_qs);
        QCOMPARE(DesktopEntry::parse("[Desktop Entry]\nExec=sh -c \"cat \\\"%f\\\"\"\n")->kommando({u"/h/$a\\\"`"_qs}).value(2),
                 u"cat \"/h/\\$a\\\\\\\"\\`\""_qs);

        TestPlatform& tp = TestPlatform::install();
        const QByteArray log = QFile::encodeName(xdg.path() + u"/log"_qs);
        const QString logfil = xdg.path() + u"/log"_qs;
        for (const QByteArray& navnet : {QByteArray("%f"), QByteArray("'%f'"), QByteArray("\\\"%f\\\"")}) {
            program(u"tekst.desktop"_qs, "sh -c \"printf %%s " + navnet + " > '" + log + ".tmp' && mv '" + log + ".tmp' '"
                                             + log + "'\"");
            DesktopSkal s(opslag());
            for (const QString& navn : {u"a;touch ramt;.txt"_qs, u"$(touch ramt).txt"_qs, u"`touch ramt`.txt"_qs,
                                        u"it's \"q\" $HOME.txt"_qs, u"ny\uF00Alinje;touch ramt.txt"_qs, u"-n.txt"_qs,
                                        u"a'; touch ramt; '.txt"_qs, u"b\uF05C\"; touch ramt; \".txt"_qs}) {
                QFile::remove(logfil);
                const QString fil = tp.makeFile(u"C:\\Data\\"_qs + navn, "tekst\n");
                QCOMPARE(s.aabn(fil, false), skalUdfoert);
                QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(logfil), 10000);
                QFile f(logfil);
                QVERIFY(f.open(QIODevice::ReadOnly));
                QCOMPARE(f.readAll(), tp.hostBytes(fil));
            }
        }
        QVERIFY(!QFile::exists(tp.host(u"C:\\Data\\ramt"_qs)));
        QVERIFY(!QFile::exists(u"ramt"_qs));
    }

    void aRecordingProgramGetsOneArgument()
    {
        TestPlatform& tp = TestPlatform::install();
        const QString log = xdg.path() + u"/log"_qs;
        const QString rec = xdg.path() + u"/rec"_qs;
        skriv(rec, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.tmp\" && mv \"$0.tmp\" " +
                       log.toUtf8() + "\n", true);
        program(u"tekst.desktop"_qs, rec.toUtf8() + " %f");
        DesktopSkal s(opslag());
        const QString farlig = tp.makeFile(u"C:\\Data\\-rf \"x\"; rm y.txt"_qs, "tekst\n");
        QCOMPARE(s.aabn(farlig, false), skalUdfoert);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(log), 10000);
        QFile f(log);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), tp.host(farlig) + u'\n');
    }

    // A started program gets exactly its arguments; a name that is not UTF-8
    // reaches it as a link to the very file.
    void startingWithAnArgumentList()
    {
        TestPlatform& tp = TestPlatform::install();
        DesktopSkal s = skal();
        const QString fil = tp.makeFile(u"C:\\Data\\x"_qs + QChar(0xF0E6) + u".txt"_qs, "tekst\n");
        const QString arg = Skal::argument(fil);
        QCOMPARE(QFileInfo(arg).canonicalFilePath(), QFileInfo(tp.host(u"C:\\Data"_qs)).canonicalFilePath()
                     + QString::fromUtf8(QByteArray("/x\xe6.txt")));
        QCOMPARE(s.startProgram({u"/bin/true"_qs, u"-a \"b\""_qs, arg}, u"/"_qs), skalUdfoert);
        QCOMPARE(starter.last().argumenter, QStringList({u"-a \"b\""_qs, arg}));
        QCOMPARE(starter.last().mappe, u"/"_qs);
        QCOMPARE(s.startProgram({u"findes-ikke-kvistlund"_qs}, {}), 27);
        QVERIFY(Skal::argument(u"Q:\\x"_qs).isEmpty());
    }
};

KV_TEST_MAIN(TstSkal)
#include "tst_skal.moc"
