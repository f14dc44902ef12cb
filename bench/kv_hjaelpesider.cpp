// The help pages' side of bench/help-pages: loads every page of a folder in
// the help window's browser and checks that each link leads to a page there
// or to the web. Prints the best of five rounds in seconds; a broken link is
// named on stderr and fails the run.
//   kv_hjaelpesider <folder>
#include "Hjaelpesider.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextBrowser>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "brug: kv_hjaelpesider <mappe>\n");
        return 2;
    }
    const QDir mappe(QString::fromLocal8Bit(argv[1]));
    const QStringList sider = mappe.entryList({u"*.html"_qs}, QDir::Files);
    qint64 bedst = -1;
    int links = 0, brudte = 0;
    for (int runde = 0; runde < 5; ++runde) {
        QElapsedTimer tid;
        tid.start();
        links = brudte = 0;
        QTextBrowser b;
        for (const QString& s : sider) {
            b.setSource(QUrl::fromLocalFile(mappe.filePath(s)));
            for (const QString& link : kvtest::sideLinks(*b.document())) {
                ++links;
                const QUrl url = b.source().resolved(QUrl(link));
                if (url.scheme() == u"http" || url.scheme() == u"https")
                    continue;
                const QFileInfo maal(url.toLocalFile());
                if (!url.isLocalFile() || maal.absolutePath() != mappe.absolutePath() || !maal.isFile()) {
                    ++brudte;
                    if (runde == 0)
                        std::fprintf(stderr, "%s: %s\n", qPrintable(s), qPrintable(link));
                }
            }
        }
        const qint64 ns = tid.nsecsElapsed();
        bedst = bedst < 0 ? ns : std::min(bedst, ns);
    }
    std::fprintf(stderr, "%d sider, %d links, %d brudte\n", int(sider.size()), links, brudte);
    std::printf("%.4f\n", double(bedst) / 1e9);
    return brudte == 0 ? 0 : 1;
}
