// The picture box's side of the thumbnail benchmarks:
//   kv_billeder lav <mappe> <fra> <antal>   makes test photos foto_<n>.jpg, n = fra.., each
//                                           seeded by its number (4000x3000, quality 90, 4:2:0)
//   kv_billeder miniaturer <mappe>          thumbnails of every .jpg there with the pool; best of 3
//   kv_billeder forsteside <mappe> [hele]   "Indlæs" until the first page of 24 is painted;
//                                           with hele, also the load of the rest: the longest
//                                           pause of the event loop and the peak memory growth
//   kv_billeder fyld <mappe> <cache>        a first visit that fills the shared thumbnail cache
//                                           $XDG_CACHE_HOME = cache (not timed)
//   kv_billeder cachet <mappe> <cache>      a second visit: every thumbnail from that cache
// The first three decode every time: their cache is a fresh one, emptied before each round.
#include "JpegSkriver.h"
#include "Processtatus.h"
#include "TestPlatform.h"
#include "picturebox/TBibPan.h"
#include "platform/FileSystem.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

// Textured like a phone photo: a sky, shapes in light and shade, fine grain.
QImage foto(quint32 froe)
{
    quint32 s = froe * 2654435761u + 1;
    auto tal = [&s] {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    };
    QImage b(4000, 3000, QImage::Format_RGB888);
    QPainter p(&b);
    QLinearGradient himmel(0, 0, 0, 3000);
    himmel.setColorAt(0, QColor::fromHsv(int(tal() % 360), 80, 230));
    himmel.setColorAt(1, QColor::fromHsv(int(tal() % 360), 120, 90));
    p.fillRect(b.rect(), himmel);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        QRadialGradient g(tal() % 4000, tal() % 3000, 100 + tal() % 700);
        g.setColorAt(0, QColor::fromHsv(int(tal() % 360), int(tal() % 256), int(tal() % 256)));
        g.setColorAt(1, QColor::fromHsv(int(tal() % 360), int(tal() % 256), int(tal() % 256), 0));
        p.setBrush(g);
        p.drawEllipse(QPoint(int(tal() % 4000), int(tal() % 3000)), int(50 + tal() % 800), int(50 + tal() % 600));
    }
    p.end();
    for (int y = 0; y < b.height(); ++y) {
        uchar* l = b.scanLine(y);
        for (int x = 0; x < b.width() * 3; ++x)
            l[x] = uchar(std::clamp(int(l[x]) + int(tal() % 35) - 17, 0, 255));
    }
    return b;
}

int lav(const QString& mappe, int fra, int antal)
{
    QDir().mkpath(mappe);
    for (int n = fra; n < fra + antal; ++n) {
        QFile f(mappe + u"/foto_%1.jpg"_qs.arg(n, 4, 10, QChar(u'0')));
        if (!f.open(QIODevice::WriteOnly) || f.write(kvtest::lavJpeg(foto(quint32(n)))) < 0)
            return 1;
    }
    return 0;
}

// The benchmark's folder reached as C:\fotos on a test drive.
QString somDrev(const kvtest::TestPlatform& tp, const QString& mappe)
{
    const QByteArray link = tp.hostBytes(u"C:\\fotos"_qs);
    if (::symlink(QFile::encodeName(QDir(mappe).absolutePath()).constData(), link.constData()) != 0)
        std::perror("symlink");
    return u"C:\\fotos"_qs;
}

// The same folder at the same host path in every run, so the shared cache's
// names (made from the host path) are found again by the next process.
class FotoPlatform : public kvtest::TestPlatform {
public:
    explicit FotoPlatform(const QString& rod) : m_tabel({{u'C', rod, u"Fotos"_qs, kv::DriveFixed}}) {}
    const kv::DriveTable& drives() const override { return m_tabel; }

private:
    kv::DriveTable m_tabel;
};

double miniaturer(const QString& mappe, const QString& tomCache)
{
    QStringList stier;
    for (const kv::DirEntry& e : kv::listFolder(mappe).value_or(std::vector<kv::DirEntry>{}))
        if (e.name.endsWith(u".jpg"_qs, Qt::CaseInsensitive))
            stier << mappe + u'\\' + e.name;
    kv::TBilledPulje pulje;
    double bedst = 1e9;
    for (int runde = 0; runde < (tomCache.isEmpty() ? 1 : 3); ++runde) {
        if (!tomCache.isEmpty())
            QDir(tomCache + u"/thumbnails"_qs).removeRecursively();
        QElapsedTimer t;
        t.start();
        pulje.nyGeneration(stier, QSize(128, 96));
        pulje.prioriter(0, int(stier.size()));
        while (pulje.antalForsogt() < stier.size())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        bedst = std::min(bedst, t.nsecsElapsed() / 1e9);
    }
    std::fprintf(stderr, "%d billeder, %d tråde, %d ulæselige\n", int(stier.size()), pulje.traade(),
                 pulje.antalUlaeselige());
    return bedst;
}

double forsteside(const QString& mappe, bool hele)
{
    kv::TBibPan pan;
    pan.setAntalVL(4, 6);
    pan.resize(530, 600);
    pan.show();
    QCoreApplication::processEvents();
    const qint64 rssFoer = procKB("VmRSS:");
    // The event loop's longest pause, seen by a timer that should tick every 5 ms.
    QElapsedTimer ur;
    qint64 sidst = 0, stoerstePause = 0;
    QTimer maaler;
    QObject::connect(&maaler, &QTimer::timeout, [&] {
        const qint64 nu = ur.nsecsElapsed();
        stoerstePause = std::max(stoerstePause, nu - sidst);
        sidst = nu;
    });
    ur.start();
    maaler.start(5);
    pan.NytBibliotek(mappe);
    auto sideKlar = [&] {
        for (int i = 0; i < pan.Antal(); ++i)
            if (!pan.pulje().forsogt(i))
                return false;
        return true;
    };
    while (!sideKlar())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    pan.grab();
    const double tid = ur.nsecsElapsed() / 1e9;
    if (hele) {
        while (!pan.faerdig() && ur.elapsed() < 45000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        std::fprintf(stderr, "%d billeder, %d afkodet på %.1f s; største pause i hændelsesløkken %.1f ms; "
                             "hukommelsen voksede højst %.0f MB (lageret %.0f MB)\n",
                     pan.AntalIalt(), pan.pulje().antalForsogt(), ur.elapsed() / 1000.0, stoerstePause / 1e6,
                     (procKB("VmHWM:") - rssFoer) / 1024.0, pan.pulje().brugt() / 1048576.0);
    }
    return tid;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString mode = argc > 2 ? QString::fromLatin1(argv[1]) : QString();
    const QString mappe = argc > 2 ? QFile::decodeName(argv[2]) : QString();
    if (mode == u"lav" && argc == 5)
        return lav(mappe, atoi(argv[3]), atoi(argv[4]));
    auto& tp = kvtest::TestPlatform::install();
    QTemporaryDir egenCache;
    const bool delt = mode == u"fyld" || mode == u"cachet";
    qputenv("XDG_CACHE_HOME", delt && argc > 3 ? QByteArray(argv[3]) : QFile::encodeName(egenCache.path()));
    double tid = 0;
    if (mode == u"miniaturer")
        tid = miniaturer(somDrev(tp, mappe), egenCache.path());
    else if (delt) {
        const QFileInfo fotos(mappe);
        kv::Platform::install(std::make_unique<FotoPlatform>(fotos.absolutePath()));
        tid = miniaturer(u"C:\\"_qs + fotos.fileName(), QString());
    }
    else if (mode == u"forsteside")
        tid = forsteside(somDrev(tp, mappe), argc > 3 && qstrcmp(argv[3], "hele") == 0);
    else
        return 2;
    std::printf("%.4f\n", tid);
    return 0;
}
