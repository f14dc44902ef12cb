#include "app/Kommandolinje.h"

#include <QSet>

namespace kv {

// Qt's options with a value after them, and those without; Qt takes them
// with one dash or two.
static const QSet<QByteArray> qtMedVaerdi = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "style", "stylesheet", "session",
    "display", "name", "geometry", "qwindowgeometry", "title", "qwindowtitle", "icon", "qwindowicon",
    "qmljsdebugger"};
static const QSet<QByteArray> qtUdenVaerdi = {"reverse", "widgetcount", "sync", "nograb", "dograb", "testability"};

Kommandolinje Kommandolinje::fortolk(int argc, const char* const* argv)
{
    Kommandolinje k;
    bool kunMaal = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.isEmpty())
            continue;
        if (kunMaal || !arg.startsWith('-') || arg == "-") {
            k.m_maal << arg;
            continue;
        }
        if (arg == "--") {
            kunMaal = true;
        } else if (arg == "-h" || arg == "--help") {
            k.m_handling = Handling::Hjaelp;
            return k;
        } else if (arg == "-v" || arg == "--version") {
            k.m_handling = Handling::Version;
            return k;
        } else {
            const QByteArray navn = arg.mid(arg.startsWith("--") ? 2 : 1).split('=').first();
            if (qtMedVaerdi.contains(navn)) {
                if (!arg.contains('='))
                    ++i;
            } else if (!qtUdenVaerdi.contains(navn)) {
                k.m_handling = Handling::Fejl;
                k.m_fejl = u"kvistlund: ukendt valg \"%1\" (se kvistlund --help)"_qs.arg(QString::fromLocal8Bit(arg));
                return k;
            }
        }
    }
    return k;
}

QString Kommandolinje::hjaelpetekst()
{
    return u"Brug: kvistlund [MAPPE|FIL|file://-adresse]...\n"
           "Kvistlund er en mappe- og filhåndtering med tre mappestrukturer side om side.\n"
           "\n"
           "Den første mappe åbnes i Struktur 2, med Struktur 1 foldet ud til den.\n"
           "For en fil åbnes dens mappe med filen valgt.\n"
           "Kører Kvistlund allerede på denne skærm, åbner det vindue mappen i stedet,\n"
           "og denne start slutter.\n"
           "\n"
           "Valg:\n"
           "  -h, --help       vis denne hjælp og slut\n"
           "  -v, --version    vis programmets version og slut\n"
           "  --               resten er mapper og filer, også når de begynder med \"-\"\n"
           "\n"
           "Data ligger i ~/Kvistlund.\n"_qs;
}

QString Kommandolinje::versionstekst()
{
    return u"Kvistlund "_qs + QStringLiteral(KV_VERSION) + u'\n';
}

} // namespace kv
