// The command line read before any window exists, the folders and files it
// names opened in the main window, the program folder of an installed
// program, and a start that may not write settings.
#include "DialogSvarer.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "app/Enkeltinstans.h"
#include "app/Kommandolinje.h"
#include "app/Tmainform.h"
#include "fileops/THandlinger.h"
#include "platform/Argumentsti.h"
#include "platform/FileSystem.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTreeWidget>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

static Kommandolinje fortolk(const QList<QByteArray>& argumenter)
{
    std::vector<const char*> argv{"kvistlund"};
    for (const QByteArray& a : argumenter)
        argv.push_back(a.constData());
    return Kommandolinje::fortolk(int(argv.size()), argv.data());
}

static QString sti(const QByteArray& argument)
{
    return programPathOfArgument(argument).value_or(u"(intet drev)"_qs);
}

static QByteArray indhold(const QString& fil)
{
    return readRegularFile(fil, maxTekstfil).value_or("(ingen fil)");
}

static QString valgtTekst(const QTreeWidget* trae)
{
    return trae->currentItem() ? trae->currentItem()->text(0) : QString();
}

class TstKommandolinje : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

private slots:
    void init()
    {
        tp = &TestPlatform::install(u"Anna"_qs);
        tp->makeFolder(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs);
    }

    void options_data()
    {
        QTest::addColumn<QList<QByteArray>>("argumenter");
        QTest::addColumn<int>("handling");
        QTest::addColumn<QList<QByteArray>>("maal");
        using H = Kommandolinje::Handling;
        QTest::newRow("nothing") << QList<QByteArray>{} << int(H::Start) << QList<QByteArray>{};
        QTest::newRow("folders and a URL")
            << QList<QByteArray>{"/tmp", "Dokumenter", "file:///tmp/a%20b"} << int(H::Start)
            << QList<QByteArray>{"/tmp", "Dokumenter", "file:///tmp/a%20b"};
        QTest::newRow("help wins over what follows") << QList<QByteArray>{"/tmp", "--help", "--nej"} << int(H::Hjaelp)
                                                     << QList<QByteArray>{"/tmp"};
        QTest::newRow("short version") << QList<QByteArray>{"-v"} << int(H::Version) << QList<QByteArray>{};
        QTest::newRow("unknown") << QList<QByteArray>{"/tmp", "--nej"} << int(H::Fejl) << QList<QByteArray>{"/tmp"};
        QTest::newRow("unknown single dash") << QList<QByteArray>{"-x"} << int(H::Fejl) << QList<QByteArray>{};
        // Qt's own options and their values are Qt's, with one dash or two.
        QTest::newRow("Qt options") << QList<QByteArray>{"-platform", "offscreen", "--style=Fusion", "-reverse", "/tmp"}
                                    << int(H::Start) << QList<QByteArray>{"/tmp"};
        // After "--" a name that begins with a dash is a folder; "-" and empty ones too.
        QTest::newRow("after --") << QList<QByteArray>{"--", "--help", "-x", ""} << int(H::Start)
                                  << QList<QByteArray>{"--help", "-x"};
        QTest::newRow("lone dash") << QList<QByteArray>{"-"} << int(H::Start) << QList<QByteArray>{"-"};
    }
    void options()
    {
        QFETCH(QList<QByteArray>, argumenter);
        QFETCH(int, handling);
        QFETCH(QList<QByteArray>, maal);
        const Kommandolinje k = fortolk(argumenter);
        QCOMPARE(int(k.handling()), handling);
        QCOMPARE(k.maal(), maal);
        if (k.handling() == Kommandolinje::Handling::Fejl) {
            QVERIFY(!k.fejl().contains(u'\n'));
            QVERIFY2(k.fejl().contains(QString::fromLatin1(argumenter.last())), qPrintable(k.fejl()));
        }
    }

    void handOverKeepsOddNames()
    {
        // Names may hold anything but NUL: newlines, backslashes, bytes that are no UTF-8.
        const QList<QByteArray> maal{"/a\nb", "/c\\d", "/\xff\xfe", "file:///e"};
        QCOMPARE(Enkeltinstans::udpak(Enkeltinstans::pak(maal)), maal);
        QVERIFY(Enkeltinstans::udpak(Enkeltinstans::pak({})).isEmpty());
    }

    void argumentsNameProgramPaths()
    {
        const QString mappe = tp->makeFolder(u"C:\\Mine ting\\æble"_qs);
        const QByteArray vaert = tp->hostBytes(mappe);
        QCOMPARE(sti(vaert), mappe);
        QCOMPARE(sti(vaert + "/"), mappe);
        QCOMPARE(sti(vaert + "/../æble/."), mappe);
        QCOMPARE(sti("file://" + vaert.toPercentEncoding("/")), mappe);
        QCOMPARE(sti("file://localhost" + vaert.toPercentEncoding("/")), mappe);
        // Relative to the folder the program was started in.
        const QByteArray hvor = QDir::currentPath().toLocal8Bit();
        QVERIFY(QDir::setCurrent(tp->host(u"C:\\Mine ting"_qs)));
        const QByteArray absolut = absoluteArgument("æble");
        QDir::setCurrent(QString::fromLocal8Bit(hvor));
        QCOMPARE(sti(absolut), mappe);
        QCOMPARE(absoluteArgument("file:///x"), QByteArray("file:///x"));
        // On no drive, or no file at all.
        QCOMPARE(sti("/no/drive/here"), u"(intet drev)"_qs);
        QCOMPARE(sti("https://example.org/"), u"(intet drev)"_qs);
    }

    void openingFoldersAndFiles()
    {
        kvtest::DialogSvarer svar;
        const QString dyb = tp->makeFolder(u"C:\\Data\\Fotos\\2024"_qs);
        const QString fil = tp->makeFile(u"C:\\Data\\Fotos\\ferie.jpg"_qs, "x");
        tp->makeFolder(u"C:\\Andet"_qs);
        Tmainform f;
        f.show();

        Enkeltinstans::aabn(f, {tp->hostBytes(dyb), tp->hostBytes(u"C:\\Andet"_qs)});
        QCOMPARE(f.funk->FFilMappe, dyb);
        QCOMPARE(f.funk->AktiveStruktur(), 2);
        QCOMPARE(valgtTekst(f.MappeStruktur), u"2024"_qs);
        QCOMPARE(f.EditSti->text(), dyb);
        QVERIFY(svar.tekster.isEmpty());

        // A file: its folder with the file selected; a URL names the same.
        Enkeltinstans::aabn(f, {"file://" + tp->hostBytes(fil).toPercentEncoding("/")});
        QCOMPARE(f.funk->FFilMappe, u"C:\\Data\\Fotos"_qs);
        QCOMPARE(valgtTekst(f.FilStruktur), u"ferie.jpg"_qs);
        QCOMPARE(valgtTekst(f.MappeStruktur), u"Fotos"_qs);
        QVERIFY(svar.tekster.isEmpty());

        // What cannot be opened is explained in one message; the first that can is opened.
        Enkeltinstans::aabn(f, {"/no/drive/here", tp->hostBytes(u"C:\\Findes ikke"_qs), tp->hostBytes(dyb)});
        QCOMPARE(svar.tekster.size(), 1);
        QVERIFY2(svar.tekster[0].contains(u"\"/no/drive/here\" ligger ikke på noget drev"), qPrintable(svar.tekster[0]));
        QVERIFY2(svar.tekster[0].contains(u"\"C:\\Findes ikke\" findes ikke."), qPrintable(svar.tekster[0]));
        QCOMPARE(f.funk->FFilMappe, dyb);
    }

    void installedContentBecomesTheProgramFolder()
    {
        kvtest::DialogSvarer svar;
        const QString kilde = u"D:\\usr\\share\\kvistlund"_qs;
        // A new user: the sample web groups come from the installed content.
        QVERIFY(QDir(tp->host(u"C:\\Kvistlund\\Anna\\Egenskaber"_qs)).removeRecursively());
        tp->makeFile(kilde + u"\\Egenskaber\\webgruppe.txt"_qs, "Videnskab\r\n");
        tp->makeFile(kilde + u"\\Egenskaber\\webliste Videnskab.txt"_qs, "");
        tp->makeFile(kilde + u"\\Egenskaber\\webliste Underholdning.txt"_qs, "");
        tp->makeFile(kilde + u"\\Information\\Hjem.html"_qs, "<p>1</p>");
        tp->setInstalledProgramFolder(kilde);
        { Tmainform f; }
        QVERIFY(svar.tekster.isEmpty());
        QCOMPARE(indhold(u"C:\\Kvistlund\\Program\\Information\\Hjem.html"_qs), QByteArray("<p>1</p>"));
        // The new user got the sample group from the content just copied.
        QVERIFY(fileExists(u"C:\\Kvistlund\\Anna\\Egenskaber\\webgruppe.txt"_qs));

        // A newer install replaces what changed and leaves the user's own files,
        // and never writes through a link into another folder.
        tp->makeFile(kilde + u"\\Information\\Hjem.html"_qs, "<p>ny udgave</p>");
        tp->makeFile(kilde + u"\\Information\\Fil.html"_qs, "<p>fil</p>");
        tp->makeFile(u"C:\\Kvistlund\\Program\\Information\\Mine noter.txt"_qs, "mine");
        const QString andet = tp->makeFile(u"C:\\Vigtigt.txt"_qs, "vigtigt");
        QFile::remove(tp->host(u"C:\\Kvistlund\\Program\\Egenskaber\\webgruppe.txt"_qs));
        QVERIFY(QFile::link(tp->host(andet), tp->host(u"C:\\Kvistlund\\Program\\Egenskaber\\webgruppe.txt"_qs)));
        { Tmainform f; }
        QVERIFY(svar.tekster.isEmpty());
        QCOMPARE(indhold(u"C:\\Kvistlund\\Program\\Information\\Hjem.html"_qs), QByteArray("<p>ny udgave</p>"));
        QCOMPARE(indhold(u"C:\\Kvistlund\\Program\\Information\\Fil.html"_qs), QByteArray("<p>fil</p>"));
        QCOMPARE(indhold(u"C:\\Kvistlund\\Program\\Information\\Mine noter.txt"_qs), QByteArray("mine"));
        QCOMPARE(indhold(andet), QByteArray("vigtigt"));
        QCOMPARE(indhold(u"C:\\Kvistlund\\Program\\Egenskaber\\webgruppe.txt"_qs), QByteArray("Videnskab\r\n"));

        // A folder where a file belongs is reported and kept, with its content.
        tp->makeFile(kilde + u"\\Information\\Nyt.html"_qs, "<p>nyt</p>");
        tp->makeFile(u"C:\\Kvistlund\\Program\\Information\\Nyt.html\\indhold.txt"_qs, "behold");
        { Tmainform f; }
        QCOMPARE(svar.tekster.size(), 1);
        QVERIFY2(svar.tekster[0].contains(u"Nyt.html"), qPrintable(svar.tekster[0]));
        QCOMPARE(indhold(u"C:\\Kvistlund\\Program\\Information\\Nyt.html\\indhold.txt"_qs), QByteArray("behold"));
    }

    void readOnlyStartWritesNoSettings()
    {
        kvtest::DialogSvarer svar;
        const QString opt = u"C:\\Kvistlund\\Anna\\Egenskaber"_qs;
        {
            Tmainform f;
            f.skrivebeskyttet = true;
            f.show();
            f.close();
        }
        QVERIFY(!fileExists(opt + u"\\MainEgenskaber.txt"_qs));
        QVERIFY(!fileExists(opt + u"\\Spm_kopiering.txt"_qs));
        {
            Tmainform f;
            f.show();
            f.close();
        }
        QVERIFY(fileExists(opt + u"\\MainEgenskaber.txt"_qs));
    }
};

KV_TEST_MAIN(TstKommandolinje)
#include "tst_kommandolinje.moc"
