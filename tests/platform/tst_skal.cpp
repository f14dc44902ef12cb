// The desktop shell: finding a file's program in temporary XDG folders,
// desktop entries' Exec lines, and what is started for documents, programs
// and scripts. Programs are recorded, not started, but for one recording script.
#include "TestMain.h"
#include "TestPlatform.h"
#include "platform/DesktopSkal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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
        QCOMPARE(e->kommando({u"/h/a b"_qs, u"/h/c"_qs}),
                 (QStringList{u"x-terminal-emulator"_qs, u"-e"_qs, u"/opt/mit program/vis"_qs, u"--titel"_qs,
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
        skriv(tp.host(u"C:\\Data\\intet"_qs), "bare tekst\n", true);
        QCOMPARE(s.aabn(u"C:\\Data\\intet"_qs, false), 11);
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
        QCOMPARE(starter.last().argumenter.first(), u"-e"_qs);
        QCOMPARE(starter.last().argumenter.last(), tp.host(u"C:\\Data\\start.sh"_qs));
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
