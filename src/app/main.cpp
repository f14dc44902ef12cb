// Program entry: Danish locale and texts, the style "Sky", the main window and
// the shared windows, then the event loop.
#include "app/Dansk.h"
#include "app/Design.h"
#include "app/Tmainform.h"
#include "fileops/TspmForm.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Kvistlund"_qs);
    QApplication::setApplicationDisplayName(u"Kvistlund"_qs);

    kv::brugDansk();

    kv::anvendDesign(u"Sky"_qs);

    kv::Tmainform mainform;
    new kv::TspmForm(&mainform);
    mainform.show();
    // bench/startup times the start to the first show: with this set the
    // program ends once the events of that show have been handled.
    if (qEnvironmentVariableIntValue("KV_BENCH_QUIT_ON_SHOW") == 1)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
