// A folder of 200,000 entries in Struktur 2, and one extension of it in
// Struktur 3: every entry in reading order, memory within a ceiling per
// entry, the window answering while it fills, a folder chosen meanwhile
// winning over the one still filling, and a stopped reading giving nothing.
#include "TestMain.h"
#include "TestPlatform.h"
#include "platform/FileSystem.h"
#include "platform/Listning.h"
#include "platform/ProgramPath.h"
#include "structures/TFunktioner.h"

#include <QFile>
#include <QTimer>
#include <QTreeWidget>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

namespace {

constexpr int antalMapper = 100;
constexpr int antalFiler = 200'000 - antalMapper - 2;

qint64 rssBytes()
{
    QFile f(u"/proc/self/status"_qs);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:"))
            return l.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    return 0;
}

} // namespace

class TstStormappe : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    QTreeWidget s1, s2, s3;
    std::unique_ptr<TFunktioner> f;

private slots:
    void initTestCase()
    {
        tp = &TestPlatform::install();
        f = std::make_unique<TFunktioner>(nullptr);
        f->FStruktur1 = &s1;
        f->FStruktur2 = &s2;
        f->FStruktur3 = &s3;
        f->setAktiveStruktur(2);
        s2.setUniformRowHeights(true);
        s2.resize(400, 600);
        s2.show();
        tp->makeFile(u"C:\\Lille\\a.txt"_qs);
        const QByteArray stor = tp->hostBytes(tp->makeFolder(u"C:\\Stor"_qs)) + '/';
        for (int i = 1; i <= antalMapper; ++i)
            QCOMPARE(::mkdir(stor + "mappe" + QByteArray::number(i), 0700), 0);
        // Numbers by value, hidden names left out, and after z: ø, then å, the
        // last two with bytes no text holds.
        auto lav = [&](const QByteArray& navn) { ::close(::open(stor + navn, O_CREAT | O_WRONLY | O_CLOEXEC, 0600)); };
        for (int i = 1; i <= antalFiler; ++i)
            lav("fil" + QByteArray::number(i) + ".txt");
        for (int i = 1; i <= 10; ++i)
            lav(".skjult" + QByteArray::number(i));
        lav("\xc3\xb8l\nlinje");
        lav("\xc3\xa5\\skr\xe5");
    }

    void everyEntryInOrderWithinMemory()
    {
        f->makeStruktur2(u"C:\\Lille"_qs, false);
        QCoreApplication::processEvents();
        const qint64 foer = rssBytes();
        f->makeStruktur2(u"C:\\Stor"_qs, false);
        s2.scrollToBottom();
        QCoreApplication::processEvents();
        const qint64 vokset = rssBytes() - foer;
        QCOMPARE(s2.topLevelItemCount(), antalMapper + antalFiler + 2);
        for (int i = 0; i < s2.topLevelItemCount(); ++i) {
            const QTreeWidgetItem* node = s2.topLevelItem(i);
            const StrukturRec* rec = recAf(node);
            const QString navn = i < antalMapper ? u"mappe%1"_qs.arg(i + 1)
                               : i < antalMapper + antalFiler ? u"fil%1.txt"_qs.arg(i + 1 - antalMapper)
                               : QString();
            if (navn.isEmpty())
                break;
            if (node->text(0) != navn || !rec || (i < antalMapper ? rec->mappe : rec->filnavn) != u"C:\\Stor\\"_qs + navn)
                QFAIL(qPrintable(u"række %1: %2"_qs.arg(i).arg(node->text(0))));
        }
        // The captions of names with odd bytes are made from the path, which keeps them.
        const QTreeWidgetItem* oel = s2.topLevelItem(antalMapper + antalFiler);
        const QTreeWidgetItem* aa = s2.topLevelItem(antalMapper + antalFiler + 1);
        QCOMPARE(nameOf(recAf(oel)->filnavn), u"øl"_qs + QChar(0xF00A) + u"linje"_qs);
        QCOMPARE(oel->text(0), visningsnavn(nameOf(recAf(oel)->filnavn)));
        QCOMPARE(nameOf(recAf(aa)->filnavn), u"å"_qs + QChar(0xF05C) + u"skr"_qs + QChar(0xF0E5));
        QCOMPARE(aa->text(0), visningsnavn(nameOf(recAf(aa)->filnavn)));
        QVERIFY(!oel->icon(0).isNull());
        // Far below what a caption, a picture and a path kept for each entry would take.
        QVERIFY2(vokset < qint64(s2.topLevelItemCount()) * 700, qPrintable(u"%1 bytes"_qs.arg(vokset)));
    }

    void theWindowAnswersAndTheLastChoiceWins_data()
    {
        QTest::addColumn<bool>("visteRaekker");
        QTest::newRow("before any row shows") << false;
        QTest::newRow("with rows shown") << true;
    }
    void theWindowAnswersAndTheLastChoiceWins()
    {
        QFETCH(bool, visteRaekker);
        int tik = 0;
        bool valgt = false;
        QTimer ur;
        // Chosen while the big folder is still being filled.
        connect(&ur, &QTimer::timeout, [&] {
            ++tik;
            if (!valgt && (!visteRaekker || s2.topLevelItemCount() > 0)) {
                valgt = true;
                QTimer::singleShot(0, [&] { f->makeStruktur2(u"C:\\Lille"_qs, false); });
            }
        });
        ur.start(0);
        f->makeStruktur2(u"C:\\Stor"_qs, false);
        ur.stop();
        QVERIFY(tik > 0);
        QVERIFY(valgt);
        QCOMPARE(f->FFilMappe, u"C:\\Lille"_qs);
        QCOMPARE(s2.topLevelItemCount(), 1);
        QCOMPARE(s2.topLevelItem(0)->text(0), u"a.txt"_qs);
    }

    // Struktur 3 with one extension of the big folder fills the same way: the
    // window answers, every file of the extension comes, and a folder chosen
    // meanwhile wins over it, which then counts nothing.
    void oneExtensionOfTheBigFolderInStruktur3()
    {
        f->FMappe3 = u"C:\\Stor"_qs;  // the whole folder in Struktur 3 first would only cost time
        int tik = 0;
        QTimer ur;
        connect(&ur, &QTimer::timeout, [&] { ++tik; });
        ur.start(0);
        QCOMPARE(f->makeStrukturFil(u"txt"_qs), std::optional(antalFiler));
        QVERIFY(tik > 0);
        QCOMPARE(s3.topLevelItemCount(), antalFiler);
        const StrukturRec* rec = recAf(s3.topLevelItem(antalFiler - 1));
        QCOMPARE(rec->filnavn, u"C:\\Stor\\fil%1.txt"_qs.arg(antalFiler));
        QCOMPARE(rec->mappe, u"C:\\Stor"_qs);

        bool valgt = false;
        connect(&ur, &QTimer::timeout, [&] {
            if (!valgt && s3.topLevelItemCount() > 0) {
                valgt = true;
                QTimer::singleShot(0, [&] { f->makeStruktur3(u"C:\\Lille"_qs); });
            }
        });
        QCOMPARE(f->makeStrukturFil(u"txt"_qs), std::optional<int>());
        QVERIFY(valgt);
        QCOMPARE(f->FMappe3, u"C:\\Lille"_qs);
        QCOMPARE(s3.topLevelItemCount(), 1);
    }

    // A newer fill or a close asks the reading of a big folder to stop: it then
    // gives nothing, not a part that would pass for the whole folder.
    void aStoppedReadingGivesNothing()
    {
        const auto laes = folderShownLister(u"C:\\Stor"_qs);
        std::stop_source stop;
        stop.request_stop();
        QVERIFY(!laes(stop.get_token()));
        QCOMPARE(laes({})->size(), size_t(antalMapper + antalFiler + 2 + 10));
    }

    // The temporary folder cannot remove names that are no text; the program can.
    void cleanupTestCase() { QVERIFY(removeTree(u"C:\\Stor"_qs)); }
};

KV_TEST_MAIN(TstStormappe)
#include "tst_stormappe.moc"
