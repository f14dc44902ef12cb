// Program entry: Danish locale and texts, the style "Sky", the main window and
// the shared windows, then the event loop.
#include "app/Dansk.h"
#include "app/Design.h"
#include "app/Tmainform.h"
#include "fileops/TspmForm.h"

#include <QApplication>

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
    return app.exec();
}
