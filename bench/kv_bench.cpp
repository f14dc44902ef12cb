// Runs one of the program's operations on prepared data and prints the best
// time of a few rounds in seconds:
//   kv_bench listing <folder>            showing a folder in Struktur 2
//   kv_bench udfold <root> <sub\path>    opening a deep folder in Struktur 1
// The folder given becomes drive C: of a test drive table.
#include "TestPlatform.h"
#include "platform/Platform.h"
#include "structures/TFunktioner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <cstdio>
#include <functional>

namespace {

// A drive table whose C: is the benchmark's folder.
class BenchPlatform : public kvtest::TestPlatform {
public:
    explicit BenchPlatform(const QString& root)
    {
        m_tabel = kv::DriveTable({{u'C', root, u"Bench"_qs, kv::DriveFixed}});
    }
    const kv::DriveTable& drives() const override { return m_tabel; }

private:
    kv::DriveTable m_tabel;
};

double bedsteTid(int runder, const std::function<void()>& arbejde)
{
    double bedst = 1e9;
    for (int i = 0; i < runder; ++i) {
        QElapsedTimer t;
        t.start();
        arbejde();
        bedst = std::min(bedst, t.nsecsElapsed() / 1e9);
    }
    return bedst;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "brug: kv_bench listing <mappe> | udfold <rod> <sti>\n");
        return 2;
    }
    kv::Platform::install(std::make_unique<BenchPlatform>(QString::fromLocal8Bit(argv[2])));
    QTreeWidget s1, s2, s3;
    for (QTreeWidget* t : {&s1, &s2, &s3})
        t->setUniformRowHeights(true);
    kv::TFunktioner funk(nullptr);
    funk.FStruktur1 = &s1;
    funk.FStruktur2 = &s2;
    funk.FStruktur3 = &s3;
    const QString mode = QString::fromLatin1(argv[1]);
    double tid = 0;
    if (mode == u"listing") {
        tid = bedsteTid(5, [&] { funk.makeStruktur2(u"C:"_qs, false); });
        std::fprintf(stderr, "%d elementer\n", s2.topLevelItemCount());
    } else if (mode == u"udfold" && argc == 4) {
        const QString maal = u"C:\\"_qs + QString::fromLocal8Bit(argv[3]);
        bool fundet = false;
        tid = bedsteTid(5, [&] { fundet = funk.udfoldStruktur1(maal); });
        if (!fundet) {
            std::fprintf(stderr, "mappen blev ikke fundet\n");
            return 1;
        }
    } else {
        return 2;
    }
    std::printf("%.4f\n", tid);
    return 0;
}
