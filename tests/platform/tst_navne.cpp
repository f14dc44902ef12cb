// Host names of every kind: listed, reached and copied by exactly their bytes,
// shown legibly; program paths that could leave a drive refused; listings in
// the order a person reads them.
#include "TestMain.h"
#include "TestPlatform.h"
#include "platform/FileSystem.h"
#include "platform/HostName.h"
#include "platform/NameOrder.h"
#include "platform/ProgramPath.h"
#include "platform/RegularFile.h"
#include "structures/TFunktioner.h"

#include <QDir>
#include <QSet>
#include <QTreeWidget>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

namespace {

// Names no plain text can hold, next to ordinary ones; U+F041 is a real character.
const QList<QByteArray> oddNames{"back\\slash", "cr\rname", "lf\nname", "s\xf8.txt", "real\xef\x81\x81.txt",
                                 "plain.txt", "\xc3\x86" "ble"};

QSet<QByteArray> readdirNames(const QByteArray& folder)
{
    QSet<QByteArray> names;
    DIR* dir = ::opendir(folder.constData());
    while (const dirent* d = dir ? ::readdir(dir) : nullptr)
        if (qstrcmp(d->d_name, ".") != 0 && qstrcmp(d->d_name, "..") != 0)
            names.insert(d->d_name);
    if (dir)
        ::closedir(dir);
    return names;
}

QStringList captions(QTreeWidget& t)
{
    QStringList r;
    for (int i = 0; i < t.topLevelItemCount(); ++i)
        r << t.topLevelItem(i)->text(0);
    return r;
}

} // namespace

class TstNavne : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;

    // Files named by the raw bytes, each holding its own name.
    void makeOddFolder(const QString& folder)
    {
        tp->makeFolder(folder);
        for (const QByteArray& raw : oddNames) {
            const int fd = ::open((tp->hostBytes(folder) + '/' + raw).constData(), O_CREAT | O_WRONLY, 0644);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, raw.constData(), size_t(raw.size())), raw.size());
            ::close(fd);
        }
    }

private slots:
    void init() { tp = &TestPlatform::install(); }
    // The temporary folder's own clean-up cannot reach names that are no text.
    void cleanup()
    {
        removeTree(u"C:\\Mix"_qs);
        removeTree(u"C:\\Kopi"_qs);
    }

    void everyNameListedAndReachedByItsBytes()
    {
        makeOddFolder(u"C:\\Mix"_qs);
        const auto entries = listFolder(u"C:\\Mix"_qs);
        QVERIFY(entries);
        QSet<QByteArray> listed;
        for (const DirEntry& e : *entries)
            listed.insert(encodeHostName(e.name));
        QCOMPARE(listed, QSet<QByteArray>(oddNames.begin(), oddNames.end()));
        QCOMPARE(listFolderKinds(u"C:\\Mix"_qs)->size(), oddNames.size());

        const auto names = [&] {
            QStringList r;
            for (const DirEntry& e : *entries)
                r << e.name;
            return r;
        }();
        QVERIFY(names.contains(u"s"_qs + QChar(0xF0F8) + u".txt"_qs));
        QVERIFY(names.contains(u"real"_qs + QChar(0xF0EF) + QChar(0xF081) + QChar(0xF081) + u".txt"_qs));
        QVERIFY(names.contains(u"cr"_qs + QChar(0xF00D) + u"name"_qs));
        QVERIFY(names.contains(u"Æble"_qs));

        tp->makeFolder(u"C:\\Kopi"_qs);
        for (const DirEntry& e : *entries) {
            const QString from = joinPath(u"C:\\Mix"_qs, e.name);
            const QByteArray raw = encodeHostName(e.name);
            const auto info = entryInfo(from);
            QVERIFY2(info && info->size == raw.size(), qPrintable(from));
            QVERIFY(copyFile(from, joinPath(u"C:\\Kopi"_qs, e.name)).ok());
            QCOMPARE(readRegularFile(joinPath(u"C:\\Kopi"_qs, e.name), maxTekstfil).value(), raw);
            QString error;
            QVERIFY2(removeFile(from, &error), qPrintable(error));
        }
        QCOMPARE(readdirNames(tp->hostBytes(u"C:\\Kopi"_qs)), QSet<QByteArray>(oddNames.begin(), oddNames.end()));
        QVERIFY(readdirNames(tp->hostBytes(u"C:\\Mix"_qs)).isEmpty());

        // Decoding keeps every byte, whatever is wrong with the sequence.
        for (const QByteArray& raw : {QByteArray("\xe2\x82"), QByteArray("\xc0\xaf"), QByteArray("\xed\xa0\x80"),
                                     QByteArray("\xf4\x90\x80\x80"), QByteArray("\xf0\x9f\x93\x81 ok"), QByteArray("\x80\xff")})
            QCOMPARE(encodeHostName(decodeHostName(raw)), raw);
        QCOMPARE(decodeHostName("\xf0\x9f\x93\x81"), u"📁"_qs);
    }

    void unsafeProgramPathsRefused()
    {
        const QString c = tp->host(u"C:"_qs);
        QCOMPARE(drives().toHost(u"C:\\"_qs).value(), c);
        QCOMPARE(drives().toHost(u"C:\\Data\\"_qs).value(), c + u"/Data"_qs);
        QCOMPARE(drives().toHost(u"C:"_qs).value(), c);
        const QString nul = u"C:\\Data\\x.txt"_qs + QChar(0) + u"\\y"_qs;
        for (const QString& p : {nul, u"C:\\a\\..\\.."_qs, u"C:\\.."_qs, u"C:\\a\\.\\b"_qs, u"C:\\a\\\\b"_qs,
                                 u"C:\\\\"_qs, u"C:\\Data\\\\"_qs, u"C:\\a/../../b"_qs,
                                 // judged on the bytes they become: "..", "/", NUL
                                 u"C:\\Data\\\uF02E\uF02E\\x"_qs, u"C:\\Data\\\uF02E"_qs, u"C:\\Data\\\uF02E\uF02E\uF02Fy"_qs,
                                 u"C:\\Data\\a\uF02Fb"_qs, u"C:\\Data\\a\uF000b"_qs})
            QVERIFY2(!drives().toHost(p) && !drives().toHostBytes(p), qPrintable(p));
        // Nothing that slips past a window's check reaches outside its folder.
        tp->makeFolder(u"C:\\Data\\Noter"_qs);
        QVERIFY(!writeWholeFile(u"C:\\Data\\Noter\\\uF02E\uF02E\uF02Fy"_qs, "x"));
        QVERIFY(!writeWholeFile(u"C:\\Data\\Noter\\x\uF000.txt"_qs, "x"));
        QVERIFY(!createFolder(u"C:\\Data\\Noter\\\uF02E\uF02E\uF02F\uF02E\uF02E\uF02Fud"_qs));
        QVERIFY(QDir(tp->host(u"C:\\Data\\Noter"_qs)).isEmpty());
        QCOMPARE(QDir(tp->host(u"C:\\Data"_qs)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{u"Noter"_qs});

        // A path cut at its NUL would name its parent; every operation fails instead.
        tp->makeFile(u"C:\\Data\\x.txt"_qs, "x");
        QString error;
        QVERIFY(!removeTree(u"C:\\Data\\x.txt"_qs + QChar(0), &error));
        QCOMPARE(error, u"Stien findes ikke på noget drev.\r"_qs + u"C:\\Data\\x.txt"_qs + QChar(0));
        QVERIFY(!removeFile(u"C:\\Data\\..\\Data\\x.txt"_qs));
        QVERIFY(fileExists(u"C:\\Data\\x.txt"_qs));

        // Program path to host bytes and back.
        const QString odd = u"C:\\Data\\s"_qs + QChar(0xF0F8) + u"\\b"_qs + QChar(0xF05C) + u"c"_qs;
        const QByteArray bytes = drives().toHostBytes(odd).value();
        QCOMPARE(bytes, tp->hostBytes(u"C:\\Data"_qs) + "/s\xf8/b\\c");
        QCOMPARE(drives().toProgram(QByteArrayView(bytes)).value(), odd);
        QCOMPARE(drives().toProgram(drives().toHost(odd).value()).value(), odd);
    }

    void listingInReadingOrder()
    {
        QStringList expected{u"a"_qs, u"B"_qs, u"fil2"_qs, u"fil10"_qs, u"z"_qs, u"æble"_qs, u"Øl"_qs, u"å"_qs};
        QStringList shuffled = expected;
        std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
        for (const QString& n : shuffled)
            tp->makeFile(u"C:\\Orden\\"_qs + n);
        const auto entries = listFolder(u"C:\\Orden"_qs);
        QVERIFY(entries);
        QStringList listed;
        for (const DirEntry& e : *entries)
            listed << e.name;
        QCOMPARE(listed, expected);

        // Leading zeros and case only break ties, so the order stays total.
        QVERIFY(compareNames(u"fil2", u"fil02") < 0 && compareNames(u"fil02", u"fil2") > 0);
        QVERIFY(compareNames(u"fil02b", u"fil2c") < 0);
        QVERIFY(compareNames(u"A", u"a") != 0 && compareNames(u"A", u"a") == -compareNames(u"a", u"A"));
        QVERIFY(compareNames(u"x9y", u"x10a") < 0);
        QVERIFY(compareNames(u"99999999999999999999", u"100000000000000000000") < 0);
        QCOMPARE(compareNames(u"Æble", u"Æble"), 0);
    }

    void lettersAToZFoldedOnly()
    {
        // A to Z ignore case; æ, ø, å and the marks that stand for host bytes must match exactly.
        QVERIFY(containsAZ(u"Ferie FOTO 2024.JPG", u"foto"));
        QVERIFY(containsAZ(u"abc", u""));
        QVERIFY(!containsAZ(u"fo", u"foto"));
        QVERIFY(!containsAZ(u"ÆBLER", u"æble"));
        QVERIFY(containsAZ(u"æbler", u"æble"));
        QVERIFY(!containsAZ(QString(QChar(0xF02E)) + u"x"_qs, u"."));
        QVERIFY(sameTextAZ(u"C:\\DATA\\Æ"_qs, u"c:\\data\\Æ"_qs));
        QVERIFY(!sameTextAZ(u"Æ"_qs, u"æ"_qs));
        QCOMPARE(lowerAZ(u"ÆBLE Pie"_qs), u"Æble pie"_qs);
    }

    void oddNamesShownLegibly()
    {
        QCOMPARE(visningsnavn(u"s"_qs + QChar(0xF0F8) + u".txt"_qs), u"s\uFFFD.txt"_qs);
        QCOMPARE(visningsnavn(u"back"_qs + QChar(0xF05C) + u"slash"_qs), u"back\\slash"_qs);
        QCOMPARE(visningsnavn(u"Hjem (C:)"_qs), u"Hjem (C:)"_qs);

        makeOddFolder(u"C:\\Mix"_qs);
        tp->makeFolder(u"C:\\Mix\\mappe"_qs + QChar(0xF0FF));
        QTreeWidget s1, s2, s3;
        s2.setSelectionMode(QAbstractItemView::ExtendedSelection);
        TFunktioner f(nullptr);
        f.FStruktur1 = &s1;
        f.FStruktur2 = &s2;
        f.FStruktur3 = &s3;
        f.makeStruktur2(u"C:\\Mix"_qs, false);
        QCOMPARE(captions(s2), (QStringList{u"mappe\uFFFD"_qs, u"back\\slash"_qs, u"cr\uFFFDname"_qs, u"lf\uFFFDname"_qs,
                                            u"plain.txt"_qs, u"real\uFFFD\uFFFD\uFFFD.txt"_qs, u"s\uFFFD.txt"_qs, u"Æble"_qs}));

        // Names are taken from the records, not the captions.
        f.setAktiveStruktur(2);
        s2.findItems(u"s\uFFFD.txt"_qs, Qt::MatchExactly).first()->setSelected(true);
        QCOMPARE(f.makeParamString(), u"\"C:\\Mix\\s"_qs + QChar(0xF0F8) + u".txt\""_qs);
        f.makeStruktur1();
        QVERIFY(f.udfoldStruktur1(u"C:\\Mix\\mappe"_qs + QChar(0xF0FF)));
        QCOMPARE(recAf(TMakeStrukturer::valgtNode(&s1))->mappe, u"C:\\Mix\\mappe"_qs + QChar(0xF0FF));
    }
};

KV_TEST_MAIN(TstNavne)
#include "tst_navne.moc"
