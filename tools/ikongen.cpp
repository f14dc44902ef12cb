// Writes the icons of the program folder: one per file type with an icon of
// its own, and the four group icons, each at 16, 32 and 48 pixels.
#include "ui/Programfiler.h"
#include "ui/Billeder.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

using kv::Billede;

static Billede gruppeBillede(const QString& gruppe)
{
    if (gruppe == u"film") return Billede::Film;
    if (gruppe == u"musik") return Billede::MusikGruppe;
    if (gruppe == u"billeder") return Billede::Billedfil;
    return Billede::Ukendt;
}

static bool skrivIkon(const QString& sti, Billede b)
{
    // The ICO writer stores one image; 48 pixels scales down cleanly.
    QImageWriter w(sti, "ico");
    return w.write(kv::billedeBillede(b, 48));
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "brug: ikongen <mappe>\n");
        return 2;
    }
    const QString mappe = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(mappe);
    namespace pf = kv::programfiler;
    for (const QString& type : pf::ikonTyper)
        if (!skrivIkon(mappe + u'/' + pf::ikonFilnavn(type), kv::filBillede(u'.' + type)))
            return 1;
    for (const QString& gruppe : pf::ikonGrupper)
        if (!skrivIkon(mappe + u'/' + pf::ikonFilnavn(gruppe), gruppeBillede(gruppe)))
            return 1;
    return 0;
}
