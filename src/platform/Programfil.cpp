#include "Programfil.h"
#include "RegularFile.h"
#include "Skal.h"
#include "Vaert.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace kv {

std::optional<DesktopEntry> skrivebordsfil(const QString& sti)
{
    if (!sti.endsWith(u".desktop"))
        return std::nullopt;
    // An entry is a few kilobytes; anything far larger is no entry.
    const auto tekst = readRegularFile(sti, 1 << 20);
    if (!tekst)
        return std::nullopt;
    auto e = DesktopEntry::parse(*tekst, Skal::argument(sti));
    if (!e || e->type != u"Application")
        return std::nullopt;
    return e;
}

// A regular file we may execute that starts as a program or a script does.
static bool eksekverbar(const QString& sti)
{
    const auto vaert = hostName(sti);
    if (!vaert || ::access(vaert->constData(), X_OK) != 0)
        return false;
    Fd in(::open(vaert->constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat st;
    if (in.fd < 0 || ::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    char start[4] = {};
    const ssize_t n = ::read(in.fd, start, sizeof start);
    return (n == 4 && QByteArrayView(start, 4) == "\x7f" "ELF") || (n >= 2 && start[0] == '#' && start[1] == '!');
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
