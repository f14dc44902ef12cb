#include "DesktopEntry.h"
#include "Terminal.h"

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

std::optional<DesktopEntry> DesktopEntry::laes(const LocatedFile& kilde, const QString& fil)
{
    const auto tekst = readRegularFile(kilde, maxSkrivebordsfil);
    if (!tekst)
        return std::nullopt;
    return parse(*tekst, fil);
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
    const auto dele = parseExec(exec);
    return dele && !dele->isEmpty();
}

std::optional<QList<ExecArgument>> parseExec(const QString& exec)
{
    QList<ExecArgument> dele;
    ExecArgument del;
    bool iDel = false, citeret = false;
    const auto tekst = [&del](QChar c) {
        if (del.isEmpty() || del.last().kode)
            del.append(ExecStykke());
        del.last().tekst += c;
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (c == u'%' && i + 1 < exec.size()) {
            // %% is a percent sign; any other code is kept apart, with where it stood.
            const QChar kode = exec[++i];
            if (kode == u'%')
                tekst(kode);
            else
                del.append(ExecStykke{QString(), kode.unicode(), citeret});
            iDel = true;
        } else if (citeret) {
            if (c == u'"')
                citeret = false;
            else if (c == u'\\' && i + 1 < exec.size() && QStringView(u"\"`$\\").contains(exec[i + 1]))
                tekst(exec[++i]);
            else
                tekst(c);
        } else if (c == u'"') {
            citeret = iDel = true;
        } else if (c == u' ' || c == u'\t') {
            if (iDel)
                dele << del;
            del.clear();
            iDel = false;
        } else {
            tekst(c);
            iDel = true;
        }
    }
    if (citeret)
        return std::nullopt;
    if (iDel)
        dele << del;
    return dele;
}

std::optional<QStringList> splitExec(const QString& exec)
{
    const auto dele = parseExec(exec);
    if (!dele)
        return std::nullopt;
    QStringList ud;
    for (const ExecArgument& del : *dele) {
        QString arg;
        for (const ExecStykke& s : del)
            arg += s.kode ? QString(u'%') + QChar(s.kode) : s.tekst;
        ud << arg;
    }
    return ud;
}

namespace {

// Where a shell command stands at a point of its text: outside quotes, or
// inside single or double quotes that the entry opened itself.
enum class Skalcitat { Ingen, Enkelt, Dobbelt };

Skalcitat efter(Skalcitat st, QStringView tekst)
{
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar c = tekst[i];
        switch (st) {
        case Skalcitat::Ingen:
            if (c == u'\\')
                ++i;
            else if (c == u'\'')
                st = Skalcitat::Enkelt;
            else if (c == u'"')
                st = Skalcitat::Dobbelt;
            break;
        case Skalcitat::Enkelt:
            if (c == u'\'')
                st = Skalcitat::Ingen;
            break;
        case Skalcitat::Dobbelt:
            if (c == u'\\')
                ++i;
            else if (c == u'"')
                st = Skalcitat::Ingen;
            break;
        }
    }
    return st;
}

// A name for a shell at that point, so that it stays one literal text there:
// in single quotes only a single quote is special, and that one is closed,
// escaped and opened again; in double quotes \, ", $ and ` are escaped.
QString shellCiteret(const QString& tekst, Skalcitat st)
{
    switch (st) {
    case Skalcitat::Enkelt:
        return QString(tekst).replace(u'\'', u"'\\''"_qs);
    case Skalcitat::Dobbelt: {
        QString ud;
        ud.reserve(tekst.size() + 8);
        for (const QChar c : tekst) {
            if (c == u'\\' || c == u'"' || c == u'$' || c == u'`')
                ud += u'\\';
            ud += c;
        }
        return ud;
    }
    case Skalcitat::Ingen:
        break;
    }
    return shellOrd(tekst);
}

bool erFilkode(char16_t kode)
{
    return kode == u'f' || kode == u'F' || kode == u'u' || kode == u'U';
}

} // namespace

QStringList DesktopEntry::kommando(const QStringList& filer) const
{
    const auto dele = parseExec(exec);
    if (!dele || dele->isEmpty())
        return {};
    QStringList ud;
    bool filerGivet = false;
    for (const ExecArgument& del : *dele) {
        // A code that is the whole argument, quoted or not ("%f" is a name, no command).
        if (del.size() == 1 && del[0].kode) {
            switch (del[0].kode) {
            case 'f':
            case 'u':
                if (!filer.isEmpty())
                    ud << filer[0];
                filerGivet = true;
                break;
            case 'F':
            case 'U':
                ud << filer;
                filerGivet = true;
                break;
            case 'i':
                if (!ikon.isEmpty())
                    ud << u"--icon"_qs << ikon;
                break;
            case 'c': ud << navn; break;
            case 'k': ud << fil; break;
            default: break;  // deprecated and unknown codes are dropped
            }
            continue;
        }
        QString arg;
        Skalcitat st = Skalcitat::Ingen;
        for (const ExecStykke& s : del) {
            if (!s.kode) {
                arg += s.tekst;
                st = efter(st, s.tekst);
            } else if (erFilkode(s.kode)) {
                // Files stand only as whole arguments; inside quotes (sh -c "... %f")
                // they are quoted for the shell where they stand, also inside
                // the command's own quotes ('%f', \"%f\"), so no name becomes shell syntax.
                if (!s.citeret)
                    continue;
                const QStringList givne = s.kode == u'f' || s.kode == u'u' ? filer.mid(0, 1) : filer;
                QStringList citerede;
                for (const QString& f : givne)
                    citerede << shellCiteret(f, st);
                arg += citerede.join(u' ');
                filerGivet = true;
            } else if (s.kode == u'c') {
                arg += navn;
            } else if (s.kode == u'k') {
                arg += fil;
            }
        }
        ud << arg;
    }
    // An entry that names no file code still gets the file.
    if (!filerGivet)
        ud << filer;
    // Without a terminal there is nothing to run it in: no command.
    return terminal ? terminalKommando(ud) : ud;
}

QList<QStringList> DesktopEntry::kommandoer(const QStringList& filer) const
{
    const QList<ExecArgument> dele = parseExec(exec).value_or(QList<ExecArgument>());
    const auto har = [&dele](char16_t kode) {
        return std::any_of(dele.cbegin(), dele.cend(), [kode](const ExecArgument& d) {
            return std::any_of(d.cbegin(), d.cend(), [kode](const ExecStykke& s) { return s.kode == kode; });
        });
    };
    QStringList givne = filer;
    if (har(u'u') || har(u'U'))
        for (QString& f : givne)
            f = QString::fromUtf8(QUrl::fromLocalFile(f).toEncoded());
    if (givne.size() < 2 || !(har(u'f') || har(u'u')))
        return {kommando(givne)};
    QList<QStringList> ud;
    for (const QString& f : std::as_const(givne))
        ud << kommando({f});
    return ud;
}

} // namespace kv
