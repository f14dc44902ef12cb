// The peer of bench/startup: a Qt Widgets program that shows one empty window
// and ends the way Kvistlund does with KV_BENCH_QUIT_ON_SHOW=1.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget vindue;
    vindue.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
