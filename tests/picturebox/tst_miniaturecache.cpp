// The desktop's shared thumbnail cache: names and keys by the freedesktop
// rules, thumbnails read back only while they match their file, damaged or
// foreign ones ignored, and no cache for removable drives or for the cache's
// own files.
#include "JpegSkriver.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "picturebox/TBilledPulje.h"
#include "platform/Miniaturecache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSignalSpy>
#include <sys/stat.h>
#include <utime.h>

using namespace kv;
using kvtest::TestPlatform;

class TstMiniaturecache : public QObject {
    Q_OBJECT
    TestPlatform* tp = nullptr;
    QByteArray cacheMappe;

    QImage hent(const QString& sti, QSize plads = QSize(120, 90))
    {
        TBilledPulje pulje(TBilledPulje::standardBudget, 1);
        pulje.nyGeneration({sti}, plads);
        pulje.prioriter(0, 1);
        if (!QTest::qWaitFor([&] { return pulje.forsogt(0); }, 10000))
            return {};
        return pulje.billede(0) ? *pulje.billede(0) : QImage();
    }
    static QByteArray laesFil(const QByteArray& fil)
    {
        QFile f(QFile::decodeName(fil));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QImage ensfarvet(QColor farve, int w = 400, int h = 300)
    {
        QImage b(w, h, QImage::Format_RGB32);
        b.fill(farve);
        return b;
    }
    // A thumbnail another program wrote, green, with the keys given.
    static void skrivFremmed(const QByteArray& fil, const QByteArray& uri, qint64 mtime)
    {
        QImage b = ensfarvet(Qt::green, 128, 96);
        b.setText(u"Thumb::URI"_qs, QString::fromUtf8(uri));
        b.setText(u"Thumb::MTime"_qs, QString::number(mtime));
        QVERIFY(QImageWriter(QFile::decodeName(fil), "png").write(b));
    }
    static void saetMtime(const QString& vaert, time_t t)
    {
        const struct utimbuf u{t, t};
        QCOMPARE(::utime(QFile::encodeName(vaert).constData(), &u), 0);
    }

private slots:
    void init()
    {
        tp = &TestPlatform::install(u"Anna"_qs);
        cacheMappe = qgetenv("XDG_CACHE_HOME") + "/thumbnails";
        QDir(QFile::decodeName(cacheMappe)).removeRecursively();
    }

    void namesAndKeysByTheRules()
    {
        // GLib's escaping: these stay, space, '#', '%' and raw bytes are escaped.
        QCOMPARE(Miniaturecache::uri("/home/a/b (1)&c,d=e@f+g~!$'*:"), QByteArray("file:///home/a/b%20(1)&c,d=e@f+g~!$'*:"));
        QCOMPARE(Miniaturecache::uri("/x/#50% \xe6\xff.jpg"), QByteArray("file:///x/%2350%25%20%E6%FF.jpg"));

        tp->makeFile(u"C:\\Fotos\\sol og #1.jpg"_qs, kvtest::lavJpeg(ensfarvet(Qt::red)));
        const QString sti = u"C:\\Fotos\\sol og #1.jpg"_qs;
        const Miniaturecache cache;
        const auto o = cache.opslag(sti, QSize(120, 90));
        QVERIFY(o);
        const QByteArray uri = Miniaturecache::uri(QFile::encodeName(tp->host(sti)));
        QCOMPARE(o->uri, uri);
        QCOMPARE(o->fil, cacheMappe + "/normal/" + QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png");
        QVERIFY(cache.opslag(sti, QSize(200, 150))->fil.contains("/large/"));
        QVERIFY(!cache.opslag(sti, QSize(300, 200)));

        // Our first visit writes it: the keys, the user alone may read it, at most 128 pixels.
        const QImage vist = hent(sti);
        QCOMPARE(vist.size(), QSize(120, 90));
        const auto tekster = Miniaturecache::pngTekster(laesFil(o->fil));
        QCOMPARE(tekster.value("Thumb::URI"), uri);
        QCOMPARE(tekster.value("Thumb::MTime").toLongLong(), QFileInfo(tp->host(sti)).lastModified().toSecsSinceEpoch());
        QCOMPARE(tekster.value("Thumb::Image::Width"), QByteArray("400"));
        QCOMPARE(QImageReader(QFile::decodeName(o->fil)).size(), QSize(128, 96));
        struct stat st;
        QCOMPARE(::stat(o->fil.constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QCOMPARE(QDir(QFile::decodeName(cacheMappe + "/normal")).entryList(QDir::Files).size(), 1);
    }

    void readBackOnlyWhileItMatches()
    {
        const QString sti = u"C:\\a.jpg"_qs;
        tp->makeFile(sti, kvtest::lavJpeg(ensfarvet(Qt::red)));
        saetMtime(tp->host(sti), 1700000000);
        const auto o = Miniaturecache().opslag(sti, QSize(120, 90));
        QVERIFY(QDir().mkpath(QFile::decodeName(cacheMappe + "/normal")));

        // Another program's valid thumbnail is used as it is: the picture is not decoded.
        skrivFremmed(o->fil, o->uri, 1700000000);
        QCOMPARE(hent(sti).pixelColor(60, 45), QColor(Qt::green));

        // The file changed since: the thumbnail is made anew and replaced.
        saetMtime(tp->host(sti), 1700000100);
        QVERIFY(hent(sti).pixelColor(60, 45).red() > 200);
        QCOMPARE(Miniaturecache::pngTekster(laesFil(o->fil)).value("Thumb::MTime"), QByteArray("1700000100"));

        // Another file's thumbnail under this name, and a damaged one: both ignored.
        skrivFremmed(o->fil, "file:///andet.jpg", 1700000100);
        QVERIFY(hent(sti).pixelColor(60, 45).red() > 200);
        QFile f(QFile::decodeName(o->fil));
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.resize(f.size() / 2);
        f.close();
        QVERIFY(hent(sti).pixelColor(60, 45).red() > 200);
        // Not a file at all where the thumbnail should be: decoded, nothing waits.
        QFile::remove(QFile::decodeName(o->fil));
        QCOMPARE(::mkfifo(o->fil.constData(), 0600), 0);
        QVERIFY(hent(sti).pixelColor(60, 45).red() > 200);
    }

    void noCacheWhereItDoesNotBelong()
    {
        tp->addDrive(u'E', u"USB"_qs, DriveRemovable);
        tp->makeFile(u"E:\\a.jpg"_qs, kvtest::lavJpeg(ensfarvet(Qt::red)));
        QVERIFY(!Miniaturecache().opslag(u"E:\\a.jpg"_qs, QSize(120, 90)));
        QVERIFY(!hent(u"E:\\a.jpg"_qs).isNull());
        QVERIFY(!QFile::exists(QFile::decodeName(cacheMappe + "/normal")));

        // The cache's own thumbnails get no thumbnails of their own.
        const Miniaturecache iC(QFile::encodeName(tp->host(u"C:\\.cache\\thumbnails"_qs)));
        tp->makeFile(u"C:\\.cache\\thumbnails\\normal\\x.png"_qs);
        QVERIFY(!iC.opslag(u"C:\\.cache\\thumbnails\\normal\\x.png"_qs, QSize(120, 90)));
        QVERIFY(iC.opslag(u"C:\\.cache\\andet.png"_qs, QSize(120, 90)));
    }
};

KV_TEST_MAIN(TstMiniaturecache)
#include "tst_miniaturecache.moc"
