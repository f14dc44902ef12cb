// A folder tree counted and then removed as counted: links, FIFOs and odd
// names go as themselves, nothing outside the tree is touched, and a tree
// that changed since its count is neither reported as failed nor as gone.
#include "TestMain.h"
#include "TestPlatform.h"
#include "platform/FileSystem.h"
#include "platform/Slettetrae.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

class TstSlettetrae : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

    bool findes(const QString& sti) const
    {
        struct stat st;
        return ::lstat(tp->hostBytes(sti).constData(), &st) == 0;
    }

    // C:\Slet: two files (3 and 5 bytes), an empty folder, a link out of the
    // tree to a folder, a link back to the tree, a FIFO and names no text holds.
    void lavTrae()
    {
        tp->makeFile(u"C:\\Slet\\a.txt"_qs, "abc");
        tp->makeFile(u"C:\\Slet\\Under\\b.txt"_qs, "bbbbb");
        tp->makeFolder(u"C:\\Slet\\Under\\Tom"_qs);
        tp->makeFile(u"C:\\Ude\\ude.txt"_qs, "ude");
        QVERIFY(QFile::link(tp->host(u"C:\\Ude"_qs), tp->host(u"C:\\Slet\\tilUde"_qs)));
        QVERIFY(QFile::link(tp->host(u"C:\\Slet"_qs), tp->host(u"C:\\Slet\\Under\\tilbage"_qs)));
        QCOMPARE(::mkfifo(tp->hostBytes(u"C:\\Slet\\kanal"_qs).constData(), 0600), 0);
        const QByteArray mappe = tp->hostBytes(u"C:\\Slet\\Under"_qs);
        for (const char* navn : {"lf\nname", "back\\slash", "s\xf8"})
            ::close(::open((mappe + '/' + navn).constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install();
        lavTrae();
    }

    // What a test leaves, odd names and all, which the temporary folder could not remove.
    void cleanup()
    {
        saetFejlKrog({});
        removeTree(u"C:\\Slet"_qs);
    }

    void countsAndRemovesWithoutFollowingLinks()
    {
        int undervejs = 0;
        const auto trae = Slettetrae::tael(u"C:\\Slet"_qs, [&] { ++undervejs; });
        QVERIFY(trae);
        QCOMPARE(trae->filer(), 8);  // 2 files, 2 links, the FIFO, 3 odd names
        QCOMPARE(trae->mapper(), 2);
        QVERIFY(undervejs > 0);
        QCOMPARE(trae->bytes(), qint64(8));
        int fortalt = 0;
        qint64 bytes = 0;
        QStringList fejl;
        trae->fjern([&](qint64 stoerrelse, const QString& f) {
            ++fortalt;
            bytes += stoerrelse;
            if (!f.isEmpty())
                fejl << f;
            return true;
        });
        QCOMPARE(fejl, QStringList{});
        QCOMPARE(fortalt, 8);
        QCOMPARE(bytes, qint64(8));
        QVERIFY(!findes(u"C:\\Slet"_qs));
        QCOMPARE(QDir(tp->host(u"C:\\Ude"_qs)).entryList(QDir::Files), QStringList{u"ude.txt"_qs});
    }

    void manySubfoldersCountedSideBySide()
    {
        // More subfolders than workers, nested unevenly: the sums and the removal are as one walk gives.
        qint64 ventet = 0;
        for (int m = 0; m < 40; ++m)
            for (int f = 0; f <= m % 7; ++f) {
                const QString under = m % 3 ? QString() : u"\\Dybere"_qs;
                tp->makeFile(u"C:\\Mange\\m%1%2\\f%3.txt"_qs.arg(m).arg(under).arg(f), QByteArray(f + 1, 'x'));
                ventet += f + 1;
            }
        const auto trae = Slettetrae::tael(u"C:\\Mange"_qs, [] {});
        QVERIFY(trae);
        QCOMPARE(trae->mapper(), 40 + 14);
        QCOMPARE(trae->filer(), 155);  // 1 to 7 files in each
        QCOMPARE(trae->bytes(), ventet);
        int fortalt = 0;
        trae->fjern([&](qint64, const QString& f) {
            ++fortalt;
            return f.isEmpty();
        });
        QCOMPARE(fortalt, trae->filer());
        QVERIFY(!findes(u"C:\\Mange"_qs));
    }

    void notATree()
    {
        QVERIFY(!Slettetrae::tael(u"C:\\Slet\\a.txt"_qs, [] {}));
        QVERIFY(!Slettetrae::tael(u"C:\\Findes ikke"_qs, [] {}));
        // A link to a folder is no tree: an empty one removes nothing through it.
        QVERIFY(!Slettetrae::tael(u"C:\\Slet\\tilUde"_qs, [] {}));
        Slettetrae().fjern([](qint64, const QString&) { return true; });
        QVERIFY(findes(u"C:\\Ude\\ude.txt"_qs));
    }

    void changesSinceTheCount()
    {
        const auto trae = Slettetrae::tael(u"C:\\Slet"_qs, [] {});
        QVERIFY(trae);
        // One counted file gone, one new file, and a counted file now a folder.
        QVERIFY(QFile::remove(tp->host(u"C:\\Slet\\a.txt"_qs)));
        tp->makeFile(u"C:\\Slet\\Under\\Tom\\ny.txt"_qs, "ny");
        QVERIFY(QFile::remove(tp->host(u"C:\\Slet\\Under\\b.txt"_qs)));
        tp->makeFile(u"C:\\Slet\\Under\\b.txt\\inde.txt"_qs);
        QStringList fejl;
        trae->fjern([&](qint64, const QString& f) {
            if (!f.isEmpty())
                fejl << f.section(u'\r', 1);
            return true;
        });
        QCOMPARE(fejl, QStringList{u"C:\\Slet\\Under\\b.txt"_qs});
        // What came since is left, and the folders holding it.
        QVERIFY(findes(u"C:\\Slet\\Under\\Tom\\ny.txt"_qs));
        QVERIFY(findes(u"C:\\Slet\\Under\\b.txt\\inde.txt"_qs));
        QVERIFY(!findes(u"C:\\Slet\\tilUde"_qs) && !findes(u"C:\\Slet\\kanal"_qs));
        QVERIFY(removeTree(u"C:\\Slet"_qs));
        QVERIFY(findes(u"C:\\Ude\\ude.txt"_qs));
    }

    void failuresAreToldAndStopStops()
    {
        const QByteArray b = tp->hostBytes(u"C:\\Slet\\Under\\b.txt"_qs);
        saetFejlKrog([b](FejlPunkt p, const QByteArray& sti, qint64) { return p == FejlPunkt::Slet && sti == b ? EACCES : 0; });
        const auto trae = Slettetrae::tael(u"C:\\Slet"_qs, [] {});
        QVERIFY(trae);
        QStringList fejl;
        trae->fjern([&](qint64, const QString& f) {
            if (!f.isEmpty())
                fejl << f;
            return true;
        });
        QCOMPARE(fejl, QStringList{u"Adgang nægtet.\rC:\\Slet\\Under\\b.txt"_qs});
        QVERIFY(findes(u"C:\\Slet\\Under\\b.txt"_qs));
        QVERIFY(!findes(u"C:\\Slet\\a.txt"_qs) && !findes(u"C:\\Slet\\Under\\Tom"_qs));

        // "Stop" after the first entry leaves the rest where it is.
        saetFejlKrog({});
        lavTrae();
        const auto igen = Slettetrae::tael(u"C:\\Slet"_qs, [] {});
        int fortalt = 0;
        igen->fjern([&](qint64, const QString&) { return ++fortalt < 1; });
        QCOMPARE(fortalt, 1);
        QVERIFY(findes(u"C:\\Slet\\Under\\b.txt"_qs) && findes(u"C:\\Slet\\Under\\Tom"_qs));
    }
};

KV_TEST_MAIN(TstSlettetrae)
#include "tst_slettetrae.moc"
