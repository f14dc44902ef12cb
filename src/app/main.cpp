// Program entry: Danish locale and texts, the style "Sky", the main window and
// the shared windows, then the event loop.
#include "app/Dansk.h"
#include "app/Design.h"
#include "app/Tmainform.h"
#include "ui/TspmForm.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>

namespace {

// bench/startup times the start until the main window is first painted: with
// KV_BENCH_QUIT_ON_SHOW=1 the program ends there, without the close steps.
struct SlutEfterMaling : QObject {
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Kvistlund"_qs);

    kv::brugDansk();

    kv::anvendDesign(u"Sky"_qs);

    kv::Tmainform mainform;
    new kv::TspmForm(&mainform);
    SlutEfterMaling slut;
    if (qEnvironmentVariableIntValue("KV_BENCH_QUIT_ON_SHOW") == 1)
        mainform.installEventFilter(&slut);
    mainform.show();
    return app.exec();
}
