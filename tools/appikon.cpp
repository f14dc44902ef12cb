// Draws the application icon, an SVG, as the PNG sizes the icon theme
// wants: appikon <icon.svg> <hicolor folder> <size>...
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fputs("brug: appikon IKON.svg HICOLOR-MAPPE STØRRELSE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid())
        return 1;
    const QString navn = QFileInfo(QString::fromLocal8Bit(argv[1])).completeBaseName();
    for (int i = 3; i < argc; ++i) {
        const int n = QByteArray(argv[i]).toInt();
        const QString mappe = QString::fromLocal8Bit(argv[2]) + u"/%1x%1/apps"_qs.arg(n);
        QImage billede(n, n, QImage::Format_ARGB32_Premultiplied);
        billede.fill(Qt::transparent);
        QPainter p(&billede);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        if (n <= 0 || !QDir().mkpath(mappe) || !billede.save(mappe + u'/' + navn + u".png"_qs, "png"))
            return 1;
    }
    return 0;
}
