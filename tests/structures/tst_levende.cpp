// The structures following the disk while they are shown: another program
// adds, renames and removes elements, many at once; nodes that are still
// there keep their selection; a node whose folder went is never reused; the
// watches follow what is shown; volumes come and go as drives.
#include "TestMain.h"
#include "TestPlatform.h"
#include "lists/TReopenFilerX.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "structures/Levendemapper.h"
#include "structures/TFunktioner.h"

#include <QDir>
#include <QListWidget>
#include <QLineEdit>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <fcntl.h>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

class TstLevende : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    QTreeWidget s1, s2, s3;
    QListWidget historieBoks;
    QLineEdit mappeEdit3;
    std::unique_ptr<TReopenFilerX> historie;
    std::unique_ptr<TFunktioner> f;
    std::unique_ptr<Levendemapper> lev;
    int aendringer = 0;
    int aktuelFjernet = 0;

    static QStringList captions(QTreeWidgetItem* n)
    {
        QStringList r;
        for (int i = 0; i < n->childCount(); ++i)
            r << n->child(i)->text(0);
        return r;
    }
    static QTreeWidgetItem* node(QTreeWidgetItem* forael, const QString& caption)
    {
        for (int i = 0; i < forael->childCount(); ++i)
            if (forael->child(i)->text(0) == caption)
                return forael->child(i);
        return nullptr;
    }
    QSet<QString> vogtede() const
    {
        const QStringList v = lev->vogtede();
        return QSet<QString>(v.cbegin(), v.cend());
    }
    // Another program at work in a folder, started with an argument list.
    void koer(const QString& program, const QStringList& args, const QString& mappe)
    {
        QProcess p;
        p.setWorkingDirectory(tp->host(mappe));
        p.start(program, args);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
    }
    // Struktur 1 with C: and C:\Data open, Struktur 2 on C:\Data.
    QTreeWidgetItem* visData()
    {
        f->makeStruktur1();
        QTreeWidgetItem* c = s1.topLevelItem(0);
        f->udfoldNode(c);
        QTreeWidgetItem* data = node(c, u"Data"_qs);
        f->udfoldNode(data);
        f->makeStruktur2(u"C:\\Data"_qs, false);
        lev->synk();
        return data;
    }

private slots:
    void initTestCase()
    {
        s2.setSelectionMode(QAbstractItemView::ExtendedSelection);
    }

    void init()
    {
        tp = &TestPlatform::install(u"Anna"_qs);
        s1.clear();
        s2.clear();
        s3.clear();
        historie = std::make_unique<TReopenFilerX>(nullptr);
        historie->setListeBoks(&historieBoks);
        f = std::make_unique<TFunktioner>(nullptr);
        f->FStruktur1 = &s1;
        f->FStruktur2 = &s2;
        f->FStruktur3 = &s3;
        f->FHistorieDir = historie.get();
        f->FMappeEdit3 = &mappeEdit3;
        lev = std::make_unique<Levendemapper>(*f);
        aendringer = aktuelFjernet = 0;
        lev->FonAendret = [this](bool fjernet) {
            ++aendringer;
            aktuelFjernet += fjernet;
        };
        for (const char16_t* p : {u"C:\\Data\\Fotos\\2024", u"C:\\Data\\Musik", u"C:\\Data\\Video\\Klip"})
            tp->makeFolder(QString::fromUtf16(p));
        for (const char16_t* p : {u"C:\\Data\\a.txt", u"C:\\Data\\b.jpg", u"C:\\Data\\c.txt"})
            tp->makeFile(QString::fromUtf16(p));
    }
    void cleanup()
    {
        lev.reset();
        f.reset();
    }

    void anotherProgramChangesAShownFolder()
    {
        QTreeWidgetItem* data = visData();
        f->makeStruktur3(u"C:\\Data"_qs);
        lev->synk();
        QTreeWidgetItem* b = node(s2.invisibleRootItem(), u"b.jpg"_qs);
        QTreeWidgetItem* video = node(data, u"Video"_qs);
        f->udfoldNode(video);
        b->setSelected(true);
        s2.setCurrentItem(b);

        koer(u"touch"_qs, {u"d.txt"_qs, u"navn med\nlinjeskift.txt"_qs}, u"C:\\Data"_qs);
        koer(u"mv"_qs, {u"Musik"_qs, u"Lyd"_qs}, u"C:\\Data"_qs);
        koer(u"rm"_qs, {u"a.txt"_qs}, u"C:\\Data"_qs);
        const QStringList ventet{u"Fotos"_qs, u"Lyd"_qs, u"Video"_qs, u"b.jpg"_qs, u"c.txt"_qs, u"d.txt"_qs};
        QTRY_COMPARE(captions(s2.invisibleRootItem()).size(), 7);
        QCOMPARE(captions(s2.invisibleRootItem()).mid(0, 6), ventet);
        QCOMPARE(captions(s3.invisibleRootItem()), captions(s2.invisibleRootItem()));
        QTRY_COMPARE(captions(data), (QStringList{u"Fotos"_qs, u"Lyd"_qs, u"Video"_qs}));
        // The nodes that stayed are the same nodes, selected and open as before.
        QCOMPARE(node(s2.invisibleRootItem(), u"b.jpg"_qs), b);
        QVERIFY(b->isSelected());
        QCOMPARE(s2.currentItem(), b);
        QCOMPARE(node(data, u"Video"_qs), video);
        QVERIFY(video->isExpanded());
        // The renamed folder is a new node with its own path.
        QCOMPARE(recAf(node(data, u"Lyd"_qs))->mappe, u"C:\\Data\\Lyd"_qs);
        QCOMPARE(aktuelFjernet, 0);
        // The odd name is carried byte for byte.
        QVERIFY(fileExists(recAf(s2.topLevelItem(6))->filnavn));
    }

    void theCurrentElementGoing()
    {
        visData();
        QTreeWidgetItem* a = node(s2.invisibleRootItem(), u"a.txt"_qs);
        s2.setCurrentItem(a);
        koer(u"rm"_qs, {u"a.txt"_qs}, u"C:\\Data"_qs);
        QTRY_VERIFY(aktuelFjernet > 0);
        QVERIFY(!node(s2.invisibleRootItem(), u"a.txt"_qs));
    }

    void aBulkChangeIsFewRelistings()
    {
        visData();
        QStringList navne;
        for (int i = 0; i < 1000; ++i)
            navne << u"fil%1.txt"_qs.arg(i, 4, 10, QChar(u'0'));
        const int foer = lev->opfriskninger();
        koer(u"touch"_qs, navne, u"C:\\Data"_qs);
        QTRY_COMPARE(s2.topLevelItemCount(), 1006);
        // Coalesced: a handful of relistings, never one for each file.
        QVERIFY2(lev->opfriskninger() - foer < 20, qPrintable(QString::number(lev->opfriskninger() - foer)));
    }

    void aFolderThatWentIsNeverReused()
    {
        QTreeWidgetItem* data = visData();
        QTreeWidgetItem* fotos = node(data, u"Fotos"_qs);
        f->udfoldNode(fotos);
        f->makeStruktur2(u"C:\\Data\\Fotos\\2024"_qs, false);
        lev->synk();
        QVERIFY(lev->vogtede().contains(u"C:\\Data\\Fotos"_qs));
        s1.setCurrentItem(node(fotos, u"2024"_qs));

        // Gone and another made under the same name: the old nodes are not the new folder's.
        koer(u"mv"_qs, {u"Fotos"_qs, u"Gamle"_qs}, u"C:\\Data"_qs);
        QTRY_VERIFY(!captions(data).contains(u"Fotos"_qs));
        QVERIFY(captions(data).contains(u"Gamle"_qs));
        QVERIFY(aktuelFjernet > 0);
        // Struktur 2 stood in the folder that went: it shows the nearest folder left.
        QCOMPARE(f->FFilMappe, u"C:\\Data"_qs);
        QVERIFY(!lev->vogtede().contains(u"C:\\Data\\Fotos"_qs));

        // A node that went before anyone heard of it leaves when it is used.
        QTreeWidgetItem* video = node(data, u"Video"_qs);
        QVERIFY(QDir(tp->host(u"C:\\Data\\Video"_qs)).removeRecursively());
        QVERIFY(lev->fjernHvisBorte(video));
        QVERIFY(!node(data, u"Video"_qs));
        QVERIFY(!lev->fjernHvisBorte(node(data, u"Musik"_qs)));
    }

    void watchesFollowWhatIsShown()
    {
        QTreeWidgetItem* data = visData();
        QCOMPARE(vogtede(), (QSet<QString>{u"C:"_qs, u"C:\\Data"_qs}));
        data->setExpanded(false);
        f->makeStruktur2(u"C:\\Data\\Musik"_qs, false);
        lev->synk();
        QCOMPARE(vogtede(), (QSet<QString>{u"C:"_qs, u"C:\\Data\\Musik"_qs}));
        // Struktur 3 showing one extension only is not relisted whole.
        f->makeStruktur3(u"C:\\Data"_qs);
        f->makeStrukturFil(u"txt"_qs);
        lev->synk();
        QVERIFY(!lev->vogtede().contains(u"C:\\Data"_qs));
        tp->makeFile(u"C:\\Data\\e.jpg"_qs);
        lev->opfrisk(u"C:\\Data"_qs);
        QCOMPARE(captions(s3.invisibleRootItem()), (QStringList{u"a.txt"_qs, u"c.txt"_qs}));
    }

    void aChangeWhileABigFolderIsListed()
    {
        // A file comes while the shown folder is listed and filled anew: it
        // waits for the fill, and every entry is shown once.
        constexpr int antal = 60000;
        tp->makeFolder(u"C:\\Stor"_qs);
        const QByteArray stor = QFile::encodeName(tp->host(u"C:\\Stor"_qs)) + '/';
        for (int i = 0; i < antal; ++i)
            ::close(::open(stor + "f" + QByteArray::number(i), O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
        f->makeStruktur2(u"C:\\Stor"_qs, false);
        lev->synk();
        // The first turn of events during the work: in the reading, or
        // between two parts of the fill, as fast as the machine is.
        bool nyUndervejs = false;
        QTimer ur;
        connect(&ur, &QTimer::timeout, [&] {
            if (!nyUndervejs) {
                nyUndervejs = true;
                ::close(::open(stor + "ny", O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
                // Long enough for the watch to tell, while the work goes on.
                QTest::qWait(200);
            }
        });
        ur.start(0);
        f->makeStruktur2(u"C:\\Stor"_qs, false);
        ur.stop();
        QVERIFY(nyUndervejs);
        QTRY_COMPARE(s2.topLevelItemCount(), antal + 1);
        QTest::qWait(300);
        QCOMPARE(s2.topLevelItemCount(), antal + 1);
        QSet<QString> set;
        for (int i = 0; i < s2.topLevelItemCount(); ++i)
            set.insert(s2.topLevelItem(i)->text(0));
        QCOMPARE(set.size(), antal + 1);
    }

    void theTopRowStaysWhenRowsComeAbove()
    {
        for (int i = 0; i < 200; ++i)
            tp->makeFile(u"C:\\Data\\m%1.txt"_qs.arg(i, 3, 10, QChar(u'0')));
        visData();
        s2.resize(300, 200);
        s2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s2));
        QTreeWidgetItem* midt = node(s2.invisibleRootItem(), u"m100.txt"_qs);
        s2.scrollToItem(midt, QAbstractItemView::PositionAtTop);
        QCOMPARE(s2.itemAt(0, 0), midt);
        tp->makeFile(u"C:\\Data\\0.txt"_qs);
        tp->makeFile(u"C:\\Data\\m050b.txt"_qs);
        lev->opfrisk(u"C:\\Data"_qs);
        QCOMPARE(s2.itemAt(0, 0), midt);
        s2.hide();
    }

    void drivesFollowTheMountTable()
    {
        // The letters a volume had stay with it while the program runs.
        Drevbogstaver b;
        const DriveTable t0({{u'C', u"/c"_qs, u"Hjem"_qs, DriveFixed}, {u'D', u"/"_qs, u"System"_qs, DriveFixed}});
        const Drive usb{QChar(), u"/media/anna/USB"_qs, u"USB"_qs, DriveRemovable};
        const Drive kort{QChar(), u"/media/anna/KORT"_qs, u"KORT"_qs, DriveRemovable};
        const Drive ny{QChar(), u"/media/anna/NY"_qs, u"NY"_qs, DriveRemovable};
        const DriveTable t1 = t0.medVolumener({}, b, {usb, kort});
        QCOMPARE(t1.logicalDriveStrings(), (QStringList{u"C:\\"_qs, u"D:\\"_qs, u"E:\\"_qs, u"F:\\"_qs}));
        const DriveTable t2 = t1.medVolumener({}, b, {kort});
        QCOMPARE(t2.find(u'F')->hostRoot, kort.hostRoot);
        QVERIFY(!t2.find(u'E'));
        // A new volume does not take the letter of one that is only unplugged.
        const DriveTable t3 = t2.medVolumener({}, b, {ny, kort, usb});
        QCOMPARE(t3.find(u'E')->hostRoot, usb.hostRoot);
        QCOMPARE(t3.find(u'G')->hostRoot, ny.hostRoot);
        QCOMPARE(t3.find(u'C')->hostRoot, u"/c"_qs);
    }

    void aMountedVolumeComesAndGoes()
    {
        if (::geteuid() != 0)
            QSKIP("mounting needs root");
        QTemporaryDir steder;
        QVERIFY(QDir(steder.path()).mkpath(u"mnt/usb"_qs));
        const QString rod = steder.path() + u"/mnt/usb"_qs;
        tp->setMountPlaces({steder.path() + u"/mnt"_qs});
        if (QProcess::execute(u"mount"_qs, {u"-t"_qs, u"tmpfs"_qs, u"kvtest"_qs, rod}) != 0)
            QSKIP("this machine does not let us mount");
        const auto drev = [&] {
            for (const Drive& d : drives().drives())
                if (d.hostRoot == rod)
                    return d.letter;
            return QChar();
        };
        f->makeStruktur1();
        QTRY_VERIFY(!drev().isNull());
        const QChar bogstav = drev();
        QVERIFY(bogstav >= u'E');
        QProcess::execute(u"umount"_qs, {rod});
        QTRY_VERIFY(drev().isNull());
        QCOMPARE(QProcess::execute(u"mount"_qs, {u"-t"_qs, u"tmpfs"_qs, u"kvtest"_qs, rod}), 0);
        QTRY_COMPARE(drev(), bogstav);
        QProcess::execute(u"umount"_qs, {rod});
        QTRY_VERIFY(drev().isNull());
    }
};

KV_TEST_MAIN(TstLevende)
#include "tst_levende.moc"
