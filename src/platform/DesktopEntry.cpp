#include "DesktopEntry.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

namespace kv {

// The escapes of a string value: \s \n \t \r \\ (others kept for Exec's own quoting).
static QString vaerdi(const QString& raa)
{
    QString ud;
    ud.reserve(raa.size());
    for (qsizetype i = 0; i < raa.size(); ++i) {
        const QChar c = raa[i];
        if (c != u'\\' || i + 1 == raa.size()) {
            ud += c;
            continue;
        }
        const QChar n = raa[++i];
        switch (n.unicode()) {
        case 's': ud += u' '; break;
        case 'n': ud += u'\n'; break;
        case 't': ud += u'\t'; break;
        case 'r': ud += u'\r'; break;
        case '\\': ud += u'\\'; break;
        default: ud += c; ud += n; break;
        }
    }
    return ud;
}

std::optional<DesktopEntry> DesktopEntry::parse(const QByteArray& tekst, const QString& fil)
{
    DesktopEntry e;
    e.fil = fil;
    bool iGruppe = false, fundet = false;
    for (const QByteArray& raaLinje : tekst.split('\n')) {
        const QString linje = QString::fromUtf8(raaLinje).trimmed();
        if (linje.isEmpty() || linje.startsWith(u'#'))
            continue;
        if (linje.startsWith(u'[')) {
            iGruppe = linje == u"[Desktop Entry]";
            fundet |= iGruppe;
            continue;
        }
        const qsizetype lig = linje.indexOf(u'=');
        if (!iGruppe || lig < 0)
            continue;
        const QString noegle = linje.left(lig).trimmed();
        const QString v = vaerdi(linje.mid(lig + 1).trimmed());
        if (noegle == u"Exec") e.exec = v;
        else if (noegle == u"TryExec") e.tryExec = v;
        else if (noegle == u"Name") e.navn = v;
        else if (noegle == u"Name[da]" || (noegle == u"Name[da_DK]" && e.danskNavn.isEmpty())) e.danskNavn = v;
        else if (noegle == u"Icon") e.ikon = v;
        else if (noegle == u"Type") e.type = v;
        else if (noegle == u"Terminal") e.terminal = v == u"true";
        else if (noegle == u"Hidden") e.skjult = v == u"true";
        else if (noegle == u"NoDisplay") e.ikkeVist = v == u"true";
    }
    if (!fundet)
        return std::nullopt;
    return e;
}

std::optional<DesktopEntry> DesktopEntry::laes(const QString& fil)
{
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(f.readAll(), fil);
}

static bool programFindes(const QString& program)
{
    if (program.startsWith(u'/'))
        return QFileInfo(program).isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool DesktopEntry::kanStartes() const
{
    if (skjult || (type != u"Application" && !type.isEmpty()) || exec.isEmpty())
        return false;
    if (!tryExec.isEmpty() && !programFindes(tryExec))
        return false;
    const auto dele = splitExec(exec);
    return dele && !dele->isEmpty();
}

std::optional<QStringList> splitExec(const QString& exec)
{
    QStringList dele;
    QString del;
    bool iDel = false, citeret = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (citeret) {
            if (c == u'"') {
                citeret = false;
            } else if (c == u'\\' && i + 1 < exec.size() && QStringView(u"\"`$\\").contains(exec[i + 1])) {
                del += exec[++i];
            } else {
                del += c;
            }
        } else if (c == u'"') {
            citeret = iDel = true;
        } else if (c == u' ' || c == u'\t') {
            if (iDel)
                dele << del;
            del.clear();
            iDel = false;
        } else {
            del += c;
            iDel = true;
        }
    }
    if (citeret)
        return std::nullopt;
    if (iDel)
        dele << del;
    return dele;
}

QStringList DesktopEntry::kommando(const QStringList& filer) const
{
    const auto dele = splitExec(exec);
    if (!dele || dele->isEmpty())
        return {};
    QStringList ud;
    bool filerGivet = false;
    for (const QString& del : *dele) {
        if (del == u"%F" || del == u"%U") {
            ud << filer;
            filerGivet = true;
            continue;
        }
        if (del == u"%i") {
            if (!ikon.isEmpty())
                ud << u"--icon"_qs << ikon;
            continue;
        }
        QString arg;
        for (qsizetype i = 0; i < del.size(); ++i) {
            if (del[i] != u'%' || i + 1 == del.size()) {
                arg += del[i];
                continue;
            }
            switch (del[++i].unicode()) {
            case '%': arg += u'%'; break;
            case 'f':
            case 'u':
                arg += filer.value(0);
                filerGivet = true;
                break;
            case 'c': arg += navn; break;
            case 'k': arg += fil; break;
            default: break;  // deprecated and unknown codes are dropped
            }
        }
        // A lone field code that expanded to nothing is no argument.
        if (!arg.isEmpty() || !del.startsWith(u'%'))
            ud << arg;
    }
    // An entry that names no file code still gets the file.
    if (!filerGivet)
        ud << filer;
    if (terminal)
        ud = QStringList{u"x-terminal-emulator"_qs, u"-e"_qs} + ud;
    return ud;
}

QList<QStringList> DesktopEntry::kommandoer(const QStringList& filer) const
{
    const QStringList dele = splitExec(exec).value_or(QStringList());
    const auto har = [&dele](QStringView kode) {
        return std::any_of(dele.cbegin(), dele.cend(), [kode](const QString& d) { return d.contains(kode); });
    };
    QStringList givne = filer;
    if (har(u"%u") || har(u"%U"))
        for (QString& f : givne)
            f = QString::fromUtf8(QUrl::fromLocalFile(f).toEncoded());
    if (givne.size() < 2 || !(har(u"%f") || har(u"%u")))
        return {kommando(givne)};
    QList<QStringList> ud;
    for (const QString& f : std::as_const(givne))
        ud << kommando({f});
    return ud;
}

} // namespace kv
