// The peer of bench/startup: a Qt Widgets program that shows one empty window
// and ends when it is first painted, as Kvistlund does with KV_BENCH_QUIT_ON_SHOW=1.
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
    vindue.show();
    return app.exec();
}
