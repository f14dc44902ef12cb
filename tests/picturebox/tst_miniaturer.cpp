// Thumbnails from files of every kind a folder may hold: good pictures of
// each type, files that lie about their type, special files named like
// pictures, huge and broken JPEGs; loading that is overtaken by another
// folder or grid; the store's memory budget. Pictures are made here.
#include "JpegSkriver.h"
#include "TestMain.h"
#include "TestPlatform.h"
#include "picturebox/Billeddekoder.h"
#include "picturebox/TBibPan.h"
#include "picturebox/TProgressCompo.h"
#include "picturebox/TRulskakt.h"
#include "platform/RegularFile.h"

#include <QBuffer>
#include <QGridLayout>
#include <QtEndian>
#include <QImageWriter>
#include <QPainter>
#include <QSignalSpy>
#include <sys/stat.h>
#include <unistd.h>

using namespace kv;
using kvtest::TestPlatform;

namespace {

// Left half red, right half blue: where the halves end up shows a turn.
QImage tofarvet(int w, int h)
{
    QImage b(w, h, QImage::Format_RGB32);
    b.fill(Qt::blue);
    QPainter(&b).fillRect(0, 0, w / 2, h, Qt::red);
    return b;
}

QByteArray kodet(const QImage& b, const char* format)
{
    QByteArray data;
    QBuffer buf(&data);
    buf.open(QIODevice::WriteOnly);
    QImageWriter(&buf, format).write(b);
    return data;
}

// One icon file holding several sizes.
QByteArray flereIkoner(const QList<QImage>& billeder)
{
    QByteArray hoved("\0\0\1\0", 4), data;
    hoved += char(billeder.size());
    hoved += '\0';
    for (const QImage& b : billeder) {
        const QByteArray enkelt = kodet(b, "ico");
        QByteArray post = enkelt.mid(6, 16);
        const quint32 fra = qFromLittleEndian<quint32>(post.constData() + 12);
        const quint32 laengde = qFromLittleEndian<quint32>(post.constData() + 8);
        qToLittleEndian<quint32>(quint32(6 + 16 * billeder.size() + data.size()), post.data() + 12);
        hoved += post;
        data += enkelt.mid(fra, laengde);
    }
    return hoved + data;
}

// A JPEG whose frame header claims another size than its data has.
QByteArray medStoerrelse(QByteArray jpeg, int w, int h)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i)
        if (uchar(jpeg[i]) == 0xFF && (uchar(jpeg[i + 1]) == 0xC0 || uchar(jpeg[i + 1]) == 0xC2)) {
            qToBigEndian<quint16>(quint16(h), jpeg.data() + i + 5);
            qToBigEndian<quint16>(quint16(w), jpeg.data() + i + 7);
            break;
        }
    return jpeg;
}

bool naer(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 && qAbs(a.blue() - b.blue()) < 40;
}

void skriv(const TestPlatform& tp, const QString& sti, const QByteArray& data)
{
    tp.makeFile(sti, data);
}

} // namespace

class TstMiniaturer : public QObject {
    Q_OBJECT
private slots:
    void init() { TestPlatform::install(); }
    void kunAlmindeligeFiler();
    void jpegKinds();
    void andreTyper();
    void mappeIndlaeses();
    void skiftUnderIndlaesning();
    void hukommelsesbudget();
    void fremskridtOverHeleMappen();
    void egenskaberLaderIgen();
    void skaermbillede();
};

void TstMiniaturer::kunAlmindeligeFiler()
{
    auto& tp = TestPlatform::install();
    tp.makeFolder(u"C:\\b\\mappe.jpg"_qs);
    skriv(tp, u"C:\\b\\god.jpg"_qs, "abc");
    QCOMPARE(::mkfifo(tp.hostBytes(u"C:\\b\\fifo.jpg"_qs).constData(), 0600), 0);
    QCOMPARE(::symlink("/dev/zero", tp.hostBytes(u"C:\\b\\enhed.jpg"_qs).constData()), 0);
    QCOMPARE(::symlink("god.jpg", tp.hostBytes(u"C:\\b\\link.jpg"_qs).constData()), 0);
    QCOMPARE(readRegularFile(u"C:\\b\\god.jpg"_qs, 100), QByteArray("abc"));
    QCOMPARE(readRegularFile(u"C:\\b\\link.jpg"_qs, 100), QByteArray("abc"));
    QString fejl;
    for (const char* navn : {"fifo.jpg", "enhed.jpg", "mappe.jpg", "findes-ikke.jpg"}) {
        fejl.clear();
        QVERIFY2(!readRegularFile(u"C:\\b\\"_qs + QLatin1String(navn), 100, &fejl), navn);
        QVERIFY(!fejl.isEmpty());
    }
    QVERIFY(!readRegularFile(u"C:\\b\\god.jpg"_qs, 2));
}

void TstMiniaturer::jpegKinds()
{
    const QSize rum(100, 100);
    Miniature m = dekodMiniature(kvtest::lavJpeg(tofarvet(400, 300)), rum);
    QVERIFY(m.ok);
    QCOMPARE(m.original, QSize(400, 300));
    QCOMPARE(m.billede.size(), QSize(100, 75));
    QVERIFY(naer(m.billede.pixelColor(10, 37), Qt::red));
    QVERIFY(naer(m.billede.pixelColor(90, 37), Qt::blue));

    // Turned upright: orientation 6 is a quarter turn clockwise.
    kvtest::JpegValg valg;
    valg.exif = kvtest::exifMedOrientering(6);
    m = dekodMiniature(kvtest::lavJpeg(tofarvet(400, 300), valg), rum);
    QCOMPARE(m.original, QSize(300, 400));
    QCOMPARE(m.billede.size(), QSize(75, 100));
    QVERIFY(naer(m.billede.pixelColor(37, 10), Qt::red));
    QVERIFY(naer(m.billede.pixelColor(37, 90), Qt::blue));
    // Turned a quarter, a long picture fills a tall room: the decode scale
    // goes by the turned size, so the thumbnail is not left small.
    for (int o : {5, 6, 7, 8}) {
        valg.exif = kvtest::exifMedOrientering(o);
        m = dekodMiniature(kvtest::lavJpeg(tofarvet(800, 200), valg), QSize(100, 400));
        QCOMPARE(m.original, QSize(200, 800));
        QCOMPARE(m.billede.size(), QSize(100, 400));
    }
    // Unscaled: the top left corner at the picture's own size, turned first.
    m = dekodMiniature(kvtest::lavJpeg(tofarvet(400, 300)), rum, {}, false);
    QCOMPARE(m.billede.size(), rum);
    QVERIFY(naer(m.billede.pixelColor(90, 50), Qt::red));
    valg.exif = kvtest::exifMedOrientering(6);
    m = dekodMiniature(kvtest::lavJpeg(tofarvet(400, 300), valg), rum, {}, false);
    QCOMPARE(m.original, QSize(300, 400));
    QVERIFY(naer(m.billede.pixelColor(50, 10), Qt::red));
    m = dekodMiniature(kodet(tofarvet(400, 300), "png"), QSize(250, 500), {}, false);
    QCOMPARE(m.billede.size(), QSize(250, 300));
    QVERIFY(naer(m.billede.pixelColor(240, 10), Qt::blue));
    // Malformed blocks: the IFD past the end; 60000 entries claimed, one
    // there; the tag with the wrong type. Each decodes as stored.
    for (int fejl = 0; fejl < 3; ++fejl) {
        valg.exif = kvtest::exifMedOrientering(6);
        if (fejl == 0)
            valg.exif[4] = char(0xF0);
        if (fejl == 1) {
            valg.exif[8] = char(0x60);
            valg.exif[9] = char(0xEA);
            valg.exif[10] = char(0x13);
        }
        if (fejl == 2)
            valg.exif[12] = char(4);
        m = dekodMiniature(kvtest::lavJpeg(tofarvet(400, 300), valg), rum);
        QVERIFY(m.ok);
        QCOMPARE(m.original, QSize(400, 300));
    }

    // Adobe CMYK and grayscale.
    kvtest::JpegValg cmyk;
    cmyk.cmyk = true;
    m = dekodMiniature(kvtest::lavJpeg(tofarvet(200, 100), cmyk), rum);
    QVERIFY(m.ok);
    QVERIFY(naer(m.billede.pixelColor(10, 25), Qt::red));
    QImage graa(120, 80, QImage::Format_Grayscale8);
    graa.fill(200);
    m = dekodMiniature(kvtest::lavJpeg(graa), rum);
    QVERIFY(m.ok);
    QVERIFY(naer(m.billede.pixelColor(50, 30), QColor(200, 200, 200)));

    // Cut off after a third: the top as far as it decoded.
    const QByteArray hel = kvtest::lavJpeg(tofarvet(400, 300));
    m = dekodMiniature(hel.left(hel.size() / 3), rum);
    QVERIFY(m.ok);
    QVERIFY(naer(m.billede.pixelColor(10, 2), Qt::red));
    QVERIFY(!dekodMiniature(hel.left(40), rum).ok);

    // A header claiming 65000 x 65000, and a progressive picture whose
    // coefficients would need gigabytes: refused, not attempted.
    QVERIFY(!dekodMiniature(medStoerrelse(kvtest::lavJpeg(tofarvet(64, 64)), 65000, 65000), rum).ok);
    kvtest::JpegValg prog;
    prog.progressiv = true;
    QVERIFY(!dekodMiniature(medStoerrelse(kvtest::lavJpeg(tofarvet(64, 64), prog), 11000, 10000), rum).ok);
    // Very many scans are refused; a decode given up midway gives nothing.
    kvtest::JpegValg scanninger;
    scanninger.scanPerKoefficient = true;
    const QByteArray mange = kvtest::lavJpeg(tofarvet(64, 64), scanninger);
    QVERIFY(!dekodMiniature(mange, rum).ok);
    QVERIFY(dekodMiniature(kvtest::lavJpeg(QImage(tofarvet(64, 64)).convertToFormat(QImage::Format_Grayscale8), scanninger), rum).ok);
    int spurgt = 0;
    QVERIFY(!dekodMiniature(kvtest::lavJpeg(tofarvet(3000, 2000), prog), rum, [&] { return ++spurgt == 3; }).ok);
    QCOMPARE(spurgt, 3);
    // A large progressive picture that fits the limits decodes, at a small scale.
    m = dekodMiniature(kvtest::lavJpeg(tofarvet(3000, 2000), prog), rum);
    QVERIFY(m.ok);
    QCOMPARE(m.original, QSize(3000, 2000));
    QCOMPARE(m.billede.size(), QSize(100, 67));
    QCOMPARE(tilpasset(QSize(50, 40), QSize(100, 80)), QSize(50, 40));
}

void TstMiniaturer::andreTyper()
{
    // The largest icon not bigger than the room, with its transparency.
    QList<QImage> ikoner;
    for (int s : {16, 32, 64}) {
        QImage b(s, s, QImage::Format_ARGB32);
        b.fill(Qt::transparent);
        QPainter(&b).fillRect(0, 0, s / 2, s, Qt::red);
        ikoner << b;
    }
    Miniature m = dekodMiniature(flereIkoner(ikoner), QSize(40, 40));
    QVERIFY(m.ok);
    QCOMPARE(m.original, QSize(32, 32));
    QCOMPARE(m.billede.pixelColor(28, 16).alpha(), 0);
    QVERIFY(naer(m.billede.pixelColor(4, 16), Qt::red));
    m = dekodMiniature(flereIkoner(ikoner), QSize(8, 8));
    QCOMPARE(m.original, QSize(16, 16));  // none fits: the smallest, shrunk

    // Other types come at the room's size; one that could not be held whole is refused.
    m = dekodMiniature(kodet(tofarvet(2000, 1000), "png"), QSize(100, 100));
    QVERIFY(m.ok);
    QCOMPARE(m.original, QSize(2000, 1000));
    QCOMPARE(m.billede.size(), QSize(100, 50));
    QVERIFY(naer(m.billede.pixelColor(10, 25), Qt::red));
    QImage sh(10900, 10900, QImage::Format_Mono);
    sh.fill(0);
    const QByteArray kaempe = kodet(sh, "png");
    sh = QImage();
    QVERIFY(kaempe.size() < (1 << 20));
    m = dekodMiniature(kaempe, QSize(100, 100));
    QVERIFY(!m.ok);
    QVERIFY(m.billede.isNull());

    // Named .jpg, but a BMP or PNG: the content decides.
    QVERIFY(dekodMiniature(kodet(tofarvet(30, 20), "bmp"), QSize(100, 100)).ok);
    QCOMPARE(billedtype(kodet(tofarvet(30, 20), "png")), Billedtype::Png);
    QCOMPARE(billedtype(QByteArray("\0\x05\x16\x07\0\x02\0\0Mac OS X", 16)), Billedtype::Ukendt);
}

void TstMiniaturer::mappeIndlaeses()
{
    auto& tp = TestPlatform::install();
    tp.makeFolder(u"C:\\Fotos"_qs);
    skriv(tp, u"C:\\Fotos\\IMG_10.jpg"_qs, kvtest::lavJpeg(tofarvet(200, 100)));
    skriv(tp, u"C:\\Fotos\\IMG_2.JPG"_qs, kvtest::lavJpeg(tofarvet(100, 200)));
    skriv(tp, u"C:\\Fotos\\._IMG_0001.JPG"_qs, QByteArray("\0\x05\x16\x07\0\x02\0\0Mac OS X        ", 24));
    skriv(tp, u"C:\\Fotos\\Æble.bmp"_qs, kodet(tofarvet(60, 40), "bmp"));
    QImage ikon(32, 32, QImage::Format_ARGB32);
    ikon.fill(Qt::transparent);
    QPainter(&ikon).fillRect(0, 0, 8, 8, Qt::red);
    skriv(tp, u"C:\\Fotos\\zebra.ico"_qs, flereIkoner({ikon}));
    skriv(tp, u"C:\\Fotos\\noter.txt"_qs, "ikke et billede");
    tp.makeFolder(u"C:\\Fotos\\mappe.jpg"_qs);
    const QByteArray mappe = tp.hostBytes(u"C:\\Fotos"_qs);
    QCOMPARE(::mkfifo((mappe + "/fifo.jpg").constData(), 0600), 0);
    QCOMPARE(::symlink("/dev/zero", (mappe + "/enhed.jpg").constData()), 0);
    // A name that is not UTF-8 (Latin-1 "øl.jpg").
    const QByteArray latin = kvtest::lavJpeg(tofarvet(80, 80));
    {
        QFile f(QString::fromLocal8Bit(mappe) + u"/x"_qs);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(latin);
    }
    QCOMPARE(::rename((mappe + "/x").constData(), (mappe + "/\xf8l.jpg").constData()), 0);

    TBibPan pan;
    pan.resize(400, 200);
    pan.setAntalVL(5, 2);
    QSignalSpy antal(&pan, &TFCompo::OnAntalIalt);
    QSignalSpy ulaeselige(&pan, &TBibPan::OnUlaeselige);
    pan.NytBibliotek(u"C:\\Fotos"_qs);
    QCOMPARE(antal.last()[0].toInt(), 8);
    QStringList navne;
    for (const TBilRec& b : pan.Bil)
        navne << b.Filnavn;
    QCOMPARE(navne.indexOf(u"IMG_2.JPG"_qs) + 1, navne.indexOf(u"IMG_10.jpg"_qs));
    QVERIFY(navne.indexOf(u"zebra.ico"_qs) < navne.indexOf(u"Æble.bmp"_qs));
    QVERIFY(!navne.contains(u"mappe.jpg"_qs));
    QVERIFY(!navne.contains(u"noter.txt"_qs));
    pan.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pan));
    QTRY_VERIFY(pan.faerdig());
    // The FIFO, the device and the impostor are placeholders, and counted.
    QCOMPARE(pan.antalUlaeselige(), 3);
    QCOMPARE(ulaeselige.last()[0].toInt(), 3);
    const int img2 = navne.indexOf(u"IMG_2.JPG"_qs);
    QCOMPARE(QSize(pan.GetBredde(img2), pan.GetHojde(img2)), QSize(100, 200));
    QCOMPARE(pan.GetFilnavn(img2, true), u"C:\\Fotos\\IMG_2.JPG"_qs);
    // The odd name is carried exactly, so its picture was read.
    const int latinNr = int(std::find_if(pan.Bil.begin(), pan.Bil.end(), [](const TBilRec& b) {
                            return b.Filnavn == QChar(0xF0F8) + u"l.jpg"_qs; }) - pan.Bil.begin());
    QCOMPARE(pan.GetBredde(latinNr), 80);
    ::unlink((mappe + "/\xf8l.jpg").constData());  // the temporary folder's removal cannot name it

    // Another colour paints the same thumbnails: nothing is decoded again.
    const int forsogt = pan.pulje().antalForsogt();
    pan.setFeltFarve(QColor(255, 255, 0));
    const QImage grab = pan.grab().toImage();
    const int ico = navne.indexOf(u"zebra.ico"_qs);
    QCOMPARE(grab.pixelColor(pan.F[size_t(ico)].IR.center()), QColor(255, 255, 0));  // transparent icon
    QCOMPARE(pan.pulje().antalForsogt(), forsogt);

    // An empty folder: no fields, a count of 0.
    tp.makeFolder(u"C:\\Tom"_qs);
    pan.NytBibliotek(u"C:\\Tom"_qs);
    QCOMPARE(antal.last()[0].toInt(), 0);
    QCOMPARE(pan.Antal(), 0);
}

void TstMiniaturer::skiftUnderIndlaesning()
{
    auto& tp = TestPlatform::install();
    const QByteArray a = kvtest::lavJpeg(tofarvet(640, 480)), b = kvtest::lavJpeg(tofarvet(320, 200));
    for (int i = 0; i < 40; ++i) {
        skriv(tp, u"C:\\A\\a%1.jpg"_qs.arg(i), a);
        skriv(tp, u"C:\\B\\b%1.jpg"_qs.arg(i), b);
    }
    TBibPan pan;
    pan.resize(600, 400);
    pan.setAntalVL(10, 4);
    pan.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pan));
    pan.NytBibliotek(u"C:\\A"_qs);
    pan.NytBibliotek(u"C:\\B"_qs);
    QTRY_VERIFY(pan.faerdig());
    QTest::qWait(50);  // whatever A still had in flight arrives, and must be dropped
    for (int i = 0; i < int(pan.Bil.size()); ++i)
        QCOMPARE(QSize(pan.GetBredde(i), pan.GetHojde(i)), QSize(320, 200));

    // A grid change during a load: every thumbnail made for the new fields.
    pan.NytBibliotek(u"C:\\A"_qs);
    pan.NyeFelterVL(2, 2);
    QTRY_VERIFY(pan.faerdig());
    QTest::qWait(50);
    const QSize rum = pan.F[0].IR.size();
    for (int i = 0; i < pan.Antal(); ++i) {
        const QImage* t = pan.pulje().billede(i);
        QVERIFY(t);
        QVERIFY(t->width() <= rum.width() && t->height() <= rum.height());
        QVERIFY(t->width() > rum.width() / 2);
    }
    // Closed while loading.
    auto* kort = new TBibPan;
    kort->resize(300, 300);
    kort->setAntalVL(4, 4);
    kort->NytBibliotek(u"C:\\A"_qs);
    delete kort;
    QTest::qWait(50);
}

void TstMiniaturer::hukommelsesbudget()
{
    auto& tp = TestPlatform::install();
    const QByteArray a = kvtest::lavJpeg(tofarvet(320, 240));
    for (int i = 0; i < 30; ++i)
        skriv(tp, u"C:\\M\\m%1.jpg"_qs.arg(i, 2, 10, QChar(u'0')), a);
    // Room for about eight thumbnails of 100 x 100.
    TBibPan pan(nullptr, 8 * 100 * 100 * 4);
    pan.resize(4 * 100, 100);
    pan.setAntalVL(4, 1);
    pan.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pan));
    pan.NytBibliotek(u"C:\\M"_qs);
    QTRY_VERIFY(pan.faerdig());
    QTest::qWait(50);
    // Every picture was made once, but the store kept only what it has room for.
    QCOMPARE(pan.pulje().antalForsogt(), 30);
    QVERIFY(!pan.pulje().billede(29));
    QVERIFY(pan.pulje().brugt() <= 8 * 100 * 100 * 4);
    // Paging on: the new page is decoded, old ones give way.
    pan.NytStartNr(26, false);
    QTRY_VERIFY(pan.pulje().billede(29) != nullptr);
    QVERIFY(pan.pulje().brugt() <= 8 * 100 * 100 * 4);
    QVERIFY(pan.pulje().billede(26));
}

void TstMiniaturer::fremskridtOverHeleMappen()
{
    auto& tp = TestPlatform::install();
    const QByteArray a = kvtest::lavJpeg(tofarvet(320, 240));
    for (int i = 0; i < 20; ++i)
        skriv(tp, u"C:\\S\\s%1.jpg"_qs.arg(i, 2, 10, QChar(u'0')), a);
    skriv(tp, u"C:\\S\\t.jpg"_qs, "ikke et billede");
    TBibPan pan(nullptr, 4 * 100 * 100 * 4);
    pan.resize(2 * 100, 100);
    pan.setAntalVL(2, 1);
    pan.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pan));
    // Each step of the bar, with how many pictures were made when it came.
    QList<std::pair<int, int>> trin;
    connect(&pan, &TBibPan::OnProgress, &pan,
            [&](int procent) { trin.append({procent, pan.pulje().antalForsogt()}); });
    pan.NytBibliotek(u"C:\\S"_qs);
    QVERIFY(pan.pulje().kapacitet() < 21);
    QTRY_VERIFY(pan.faerdig());
    QTest::qWait(50);
    QVERIFY(!trin.isEmpty());
    QCOMPARE(trin.first().first, 0);
    QCOMPARE(trin.last().first, 100);
    for (qsizetype i = 0; i < trin.size(); ++i) {
        QCOMPARE(trin[i].first == 100, trin[i].second == 21);
        if (i > 0)
            QVERIFY(trin[i].first > trin[i - 1].first);
    }
    // Every picture was looked at, also those the store let go.
    for (int i = 0; i < 20; ++i)
        QCOMPARE(pan.GetBredde(i), 320);
    QCOMPARE(pan.antalUlaeselige(), 1);
    QVERIFY(pan.pulje().brugt() <= 4 * 100 * 100 * 4);

    // Taken out by number: the rest keep their thumbnails and the count.
    QVERIFY(pan.pulje().billede(1));
    const qint64 naeste = pan.pulje().billede(1)->cacheKey();
    const int leveret = pan.pulje().antalLeverede();
    pan.FjernBillede(0);
    pan.FjernBillede(19);  // the unreadable one, last
    QCOMPARE(pan.AntalIalt(), 19);
    QCOMPARE(pan.antalUlaeselige(), 0);
    QVERIFY(pan.faerdig());
    QCOMPARE(trin.last().first, 100);
    QCOMPARE(pan.GetFilnavn(0, false), u"s01.jpg"_qs);
    QVERIFY(pan.pulje().billede(0));
    QCOMPARE(pan.pulje().billede(0)->cacheKey(), naeste);
    QCOMPARE(pan.pulje().antalLeverede(), leveret);
}

void TstMiniaturer::egenskaberLaderIgen()
{
    auto& tp = TestPlatform::install();
    skriv(tp, u"C:\\E\\a.jpg"_qs, kvtest::lavJpeg(tofarvet(40, 20)));
    skriv(tp, u"C:\\E\\b.bmp"_qs, kodet(tofarvet(400, 300), "bmp"));
    // A header that claims a size its data cannot give.
    skriv(tp, u"C:\\E\\c.jpg"_qs, medStoerrelse(kvtest::lavJpeg(tofarvet(64, 64)), 65000, 65000));
    TBibPan pan;
    pan.resize(2 * 120, 120);
    pan.setAntalVL(2, 1);
    pan.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pan));
    pan.NytBibliotek(u"C:\\E"_qs);
    QTRY_VERIFY(pan.faerdig());
    QCOMPARE(pan.AntalIalt(), 3);
    QCOMPARE(pan.antalUlaeselige(), 1);
    QCOMPARE(pan.GetBredde(2), 0);
    QCOMPARE(pan.GetHojde(2), 0);

    // The small picture centred, then from the corner once Centrer is off.
    const QRect ir = pan.F[0].IR;
    auto farve = [&](QPoint p) { return pan.grab().toImage().pixelColor(p); };
    QVERIFY(naer(farve(ir.center() + QPoint(-5, 0)), Qt::red));
    QVERIFY(!naer(farve(ir.topLeft() + QPoint(1, 1)), Qt::red));
    pan.setCentrer(false);
    QVERIFY(naer(farve(ir.topLeft() + QPoint(1, 1)), Qt::red));
    QVERIFY(!naer(farve(ir.center() + QPoint(-5, 0)), Qt::red));

    // Another file type lists the folder again.
    QSignalSpy antal(&pan, &TFCompo::OnAntalIalt);
    pan.setFilType(ftBmp);
    QCOMPARE(antal.last()[0].toInt(), 1);
    QCOMPARE(pan.GetFilnavn(0, false), u"b.bmp"_qs);
    // Unscaled, the big picture fills its field with its own top left corner.
    QTRY_VERIFY(pan.faerdig());
    pan.setScale(false);
    QTRY_VERIFY(pan.faerdig());
    QTRY_VERIFY(pan.pulje().billede(0));
    QCOMPARE(pan.pulje().billede(0)->size(), pan.F[0].IR.size());
    QVERIFY(naer(farve(pan.F[0].IR.center()), Qt::red));
    pan.setFilType(ftBegge);
    QCOMPARE(pan.AntalIalt(), 3);
}

void TstMiniaturer::skaermbillede()
{
    auto& tp = TestPlatform::install();
    const QList<QColor> farver{Qt::red, Qt::darkGreen, Qt::blue, Qt::darkYellow, Qt::magenta, Qt::darkCyan};
    for (int i = 0; i < 14; ++i) {
        QImage b(i % 3 == 0 ? 300 : 400, i % 3 == 0 ? 400 : 300, QImage::Format_RGB32);
        b.fill(farver[i % farver.size()]);
        QPainter p(&b);
        p.setBrush(Qt::white);
        p.drawEllipse(b.rect().adjusted(60, 60, -60, -60));
        p.end();
        skriv(tp, u"C:\\Vis\\foto_%1.jpg"_qs.arg(i + 1), kvtest::lavJpeg(b));
    }
    skriv(tp, u"C:\\Vis\\._foto_1.jpg"_qs, "ikke et billede");

    // The panel with its shaft and progress bar, bound as a window binds them.
    QWidget vindue;
    auto* pan = new TBibPan;
    pan->RammeFelt = std::make_unique<TRammeFeltX>();
    pan->RammeFelt->AfstandLodret = pan->RammeFelt->AfstandVandret = 2;
    pan->RammeFelt->Margen = 2;
    pan->RammeFelt->MedFeltFarve = false;
    pan->RammeFelt->FarveRamme = pan->palette().color(QPalette::Button);
    pan->RammeFelt->FarveAktiv = pan->RammeFelt->FarveOver = Qt::blue;
    pan->RammeFelt->Art = pan->RammeFelt->ReaktionNede = pan->RammeFelt->ReaktionOver = rtIngen;
    pan->IndreMargen = 2;
    pan->TekstFelt = std::make_unique<TTekstX>();
    pan->setFeltFarve(QColor(166, 202, 240));
    pan->RulRundt = false;
    auto* rul = new TRulskakt;
    rul->setFixedWidth(18);
    rul->MedMark = true;
    rul->Component = pan;
    rul->CompoFunktion = true;
    auto* bar = new TProgressCompo;
    bar->Trin = 1;
    bar->ColorStep = QColor(166, 202, 240);
    bar->setFixedHeight(14);
    auto* lag = new QGridLayout(&vindue);
    lag->addWidget(pan, 0, 0);
    lag->addWidget(rul, 0, 1);
    lag->addWidget(bar, 1, 0, 1, 2);
    QObject::connect(pan, &TFCompo::OnAntalIalt, rul, [&](int ialt) { rul->NyePos(pan->Antal(), ialt - pan->Antal(), 0); });
    QObject::connect(pan, &TKnapPan::OnStartNr, rul, &TRulskakt::NyPosition);
    QObject::connect(pan, &TBibPan::OnProgress, bar, &TProgressCompo::SetPosition);
    vindue.resize(560, 460);
    pan->setAntalVL(4, 3);
    vindue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&vindue));
    pan->NytBibliotek(u"C:\\Vis"_qs);
    QCOMPARE(rul->PosMax(), 3);
    QTRY_VERIFY(pan->faerdig());
    QCOMPARE(bar->Position(), 100);
    pan->tastNed(Qt::Key_PageDown);
    QCOMPARE(rul->Position(), 3);
    QTest::mouseClick(rul, Qt::LeftButton, {}, rul->geometri().dec.center());
    QCOMPARE(pan->StartNr(), 2);
    pan->tastNed(Qt::Key_Right);
    QVERIFY(vindue.grab().save(u"/tmp/kv-billedboks-panel.png"_qs));

    // Fields of another size: the same listing, thumbnails made anew to fit.
    vindue.resize(400, 330);
    QTRY_VERIFY(pan->F[0].IR.width() < 100);
    QTRY_VERIFY(pan->faerdig());
    QCOMPARE(int(pan->Bil.size()), 15);
    QTRY_VERIFY(pan->pulje().billede(pan->StartNr()));
    QVERIFY(pan->pulje().billede(pan->StartNr())->width() <= pan->F[0].IR.width());
}

KV_TEST_MAIN(TstMiniaturer)
#include "tst_miniaturer.moc"
