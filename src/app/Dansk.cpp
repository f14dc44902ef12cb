#include "app/Dansk.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kv {

void brugDansk()
{
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    static QTranslator qtDansk;
    if (qtDansk.load(QLocale(QLocale::Danish), u"qtbase"_qs, u"_"_qs, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtDansk);
}

} // namespace kv
