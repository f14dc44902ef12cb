// Writes the icons of the program folder: one per file type with an icon of
// its own, and the four group icons; and the action pictures the help pages
// show, at 16 pixels and at 32 for screens that scale by two.
#include "ui/Programfiler.h"
#include "ui/Billeder.h"
#include "ui/Handlingsbilleder.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

using kv::Billede;
using kv::Handlingsbillede;

// The help pages' pictures by the name the pages use.
struct Hjaelpebillede {
    const char* navn;
    Handlingsbillede billede;
};
static const Hjaelpebillede hjaelpebilleder[] = {
    {"kopier", Handlingsbillede::Kopier}, {"klip", Handlingsbillede::Klip},
    {"saetind", Handlingsbillede::SaetInd}, {"slet", Handlingsbillede::SletPapirkurv},
    {"sletpermanent", Handlingsbillede::SletPermanent}, {"toem", Handlingsbillede::ToemPapirkurv},
    {"omdoeb", Handlingsbillede::Omdoeb}, {"omdoebfelt", Handlingsbillede::OmdoebFelt},
    {"omdoebfiltype", Handlingsbillede::OmdoebExt}, {"nymappe", Handlingsbillede::NyMappe},
    {"nyfil", Handlingsbillede::NyFil}, {"info", Handlingsbillede::Info},
    {"hjaelp", Handlingsbillede::Hjaelp}, {"koer", Handlingsbillede::Koer},
    {"rediger", Handlingsbillede::Rediger}, {"galleri", Handlingsbillede::Galleri},
};

static bool skrivHjaelpebilleder(const QString& mappe)
{
    QDir().mkpath(mappe);
    for (const Hjaelpebillede& h : hjaelpebilleder) {
        const QString navn = mappe + u'/' + QString::fromLatin1(h.navn);
        const QIcon& ikon = kv::handlingsIkon(h.billede);
        if (!ikon.pixmap(16, 16).save(navn + u".png"_qs, "png")
            || !ikon.pixmap(32, 32).save(navn + u"@2x.png"_qs, "png"))
            return false;
    }
    return true;
}

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
    if (argc != 3) {
        std::fprintf(stderr, "brug: ikongen <ikonmappe> <hjaelpebilledmappe>\n");
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
    return skrivHjaelpebilleder(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
