// Program entry: Danish locale and texts, the style "Sky", the main window and
// the shared windows, then the event loop.
#include "app/Design.h"
#include "app/Tmainform.h"
#include "fileops/TspmForm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Kvistlund"_qs);
    QApplication::setApplicationDisplayName(u"Kvistlund"_qs);

    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    QTranslator qtDansk;
    if (qtDansk.load(QLocale(QLocale::Danish), u"qtbase"_qs, u"_"_qs,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDansk);

    kv::anvendDesign(u"Sky"_qs);

    kv::Tmainform mainform;
    new kv::TspmForm(&mainform);
    mainform.show();
    return app.exec();
}
