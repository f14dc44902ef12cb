#include "Programfil.h"
#include "Programopslag.h"
#include "Skal.h"
#include "Vaert.h"

#include <sys/stat.h>

namespace kv {

std::optional<DesktopEntry> skrivebordsfil(const QString& sti)
{
    if (!sti.endsWith(u".desktop"))
        return std::nullopt;
    auto e = DesktopEntry::laes(locateFile(sti), Skal::argument(sti));
    if (!e || e->type != u"Application")
        return std::nullopt;
    return e;
}

// A regular file we may execute whose type is a program or a script.
static bool eksekverbar(const QString& sti)
{
    const auto vaert = hostName(sti);
    struct stat st;
    if (!vaert || ::access(vaert->constData(), X_OK) != 0 || ::stat(vaert->constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return Programopslag::koerbarType(Programopslag::filtype(Skal::argument(sti)));
}

Programart programart(const QString& sti)
{
    if (skrivebordsfil(sti))
        return Programart::Skrivebordsfil;
    return eksekverbar(sti) ? Programart::Eksekverbar : Programart::Ingen;
}

QList<QStringList> programKommandoer(const QString& sti, const QStringList& filer)
{
    QStringList argumenter;
    for (const QString& f : filer)
        argumenter << Skal::argument(f);
    if (const auto e = skrivebordsfil(sti))
        return e->kommandoer(argumenter);
    if (!eksekverbar(sti))
        return {};
    return {QStringList{Skal::argument(sti)} + argumenter};
}

} // namespace kv
