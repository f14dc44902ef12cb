#include "RtfTekst.h"
#include "platform/TextFile.h"

#include <QByteArray>
#include <algorithm>
#include <cctype>
#include <vector>

namespace kv {

namespace {

struct Gruppe {
    bool skjult = false;  // a destination whose text is not shown
    int uc = 1;           // characters standing in for each "\u"
};

bool skjultDestination(QByteArrayView ord)
{
    static const char* const navne[] = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "objdata", "themedata",
        "colorschememapping", "latentstyles", "datastore", "listtable", "listoverridetable", "rsidtbl",
        "generator", "xmlnstbl", "filetbl", "revtbl", "header", "headerl", "headerr", "headerf",
        "footer", "footerl", "footerr", "footerf", "fldinst", "bkmkstart", "bkmkend", "nonshppict",
    };
    return std::any_of(std::begin(navne), std::end(navne), [&](const char* n) { return ord == n; });
}

QChar tegnFor(QByteArrayView ord)
{
    struct Par { const char* ord; char16_t tegn; };
    static const Par par[] = {
        {"par", u'\n'}, {"line", u'\n'}, {"row", u'\n'}, {"sect", u'\n'}, {"page", u'\n'},
        {"tab", u'\t'}, {"cell", u'\t'}, {"emdash", u'\u2014'}, {"endash", u'\u2013'},
        {"bullet", u'\u2022'}, {"lquote", u'\u2018'}, {"rquote", u'\u2019'},
        {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u' '}, {"enspace", u' '},
    };
    for (const Par& p : par)
        if (ord == p.ord)
            return QChar(p.tegn);
    return QChar();
}

int hexVaerdi(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

QString rtfTekst(QByteArrayView rtf, qsizetype loft)
{
    QString ud;
    std::vector<Gruppe> stak{Gruppe{}};
    // Groups nested deeper than any real document share their parent's state,
    // so a file of braces cannot grow the stack without end.
    constexpr std::size_t dybesteGruppe = 1000;
    qsizetype dybere = 0;
    QByteArray bytes;  // "\'hh" bytes waiting to be decoded together
    int overspring = 0;  // characters still to skip after a "\u"
    const qsizetype n = rtf.size();
    const auto tilfoejBytes = [&] {
        if (!bytes.isEmpty())
            ud += fromCp1252(bytes);
        bytes.clear();
    };
    const auto tegn = [&](QChar c) {
        if (overspring > 0) {
            --overspring;
            return;
        }
        if (!stak.back().skjult) {
            tilfoejBytes();
            ud += c;
        }
    };
    // A byte of the document's code page.
    const auto byte = [&](char b) {
        if (overspring > 0)
            --overspring;
        else if (!stak.back().skjult)
            bytes += b;
    };
    for (qsizetype i = 0; i < n && ud.size() + bytes.size() < loft;) {
        const char c = rtf[i];
        if (c == '{') {
            if (stak.size() < dybesteGruppe)
                stak.push_back(stak.back());
            else
                ++dybere;
            ++i;
            continue;
        }
        if (c == '}') {
            if (dybere > 0)
                --dybere;
            else if (stak.size() > 1)
                stak.pop_back();
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c != '\\') {
            // A run of plain text at once, unless a "\u" still skips some of it.
            qsizetype j = i + 1;
            if (overspring > 0) {
                byte(c);
            } else {
                while (j < n && rtf[j] != '{' && rtf[j] != '}' && rtf[j] != '\\' && rtf[j] != '\r' && rtf[j] != '\n')
                    ++j;
                if (!stak.back().skjult)
                    bytes += rtf.sliced(i, j - i);
            }
            i = j;
            continue;
        }
        // A control symbol or word.
        if (i + 1 >= n)
            break;
        const char s = rtf[i + 1];
        if (s == '\'') {
            const int hi = i + 2 < n ? hexVaerdi(rtf[i + 2]) : -1;
            const int lo = i + 3 < n ? hexVaerdi(rtf[i + 3]) : -1;
            i += 4;
            if (hi < 0 || lo < 0)
                continue;
            byte(char(hi * 16 + lo));
            continue;
        }
        if (!std::isalpha(uchar(s))) {
            i += 2;
            switch (s) {
            case '*': stak.back().skjult = true; break;
            case '~': tegn(QChar(0xA0)); break;
            case '_': tegn(QChar(u'-')); break;
            case '-': break;  // optional hyphen
            case '\r': case '\n': tegn(QChar(u'\n')); break;
            default: tegn(QChar::fromLatin1(s)); break;  // "\\", "\{", "\}"
            }
            continue;
        }
        qsizetype j = i + 1;
        while (j < n && std::isalpha(uchar(rtf[j])))
            ++j;
        const QByteArrayView ord = rtf.sliced(i + 1, j - i - 1);
        qsizetype k = j;
        if (k < n && rtf[k] == '-')
            ++k;
        while (k < n && std::isdigit(uchar(rtf[k])))
            ++k;
        const bool harTal = k > j && !(k == j + 1 && rtf[j] == '-');
        const long tal = harTal ? rtf.sliced(j, k - j).toByteArray().toLong() : 0;
        if (!harTal)
            k = j;
        if (k < n && rtf[k] == ' ')
            ++k;
        i = k;
        if (ord == "bin") {
            i += std::clamp<qsizetype>(tal, 0, n - i);  // raw bytes
        } else if (ord == "u" && harTal) {
            tegn(QChar(char16_t(tal < 0 ? tal + 65536 : tal)));
            overspring = stak.back().uc;
        } else if (ord == "uc" && harTal) {
            stak.back().uc = std::max(0L, tal);
        } else if (skjultDestination(ord)) {
            stak.back().skjult = true;
        } else if (const QChar t = tegnFor(ord); !t.isNull()) {
            tegn(t);
        }
    }
    tilfoejBytes();
    ud.truncate(loft);
    return ud;
}

} // namespace kv
