// The peer of bench/startup: a Qt Widgets program that shows one empty window
// and ends when it is first painted, as Kvistlund does with KV_BENCH_QUIT_ON_SHOW=1.
// An argument WIDTHxHEIGHT gives the window that size instead of Qt's default.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

struct SlutEfterMaling : QObject {
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget vindue;
    SlutEfterMaling slut;
    vindue.installEventFilter(&slut);
    if (argc > 1) {
        const QList<QByteArray> maal = QByteArray(argv[1]).split('x');
        if (maal.size() == 2)
            vindue.resize(maal[0].toInt(), maal[1].toInt());
    }
    vindue.show();
    return app.exec();
}
