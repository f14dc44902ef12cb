#include "lists/Bogmaerker.h"

#include <QHash>
#include <cstring>
#include <optional>
#include <string_view>

namespace kv {

namespace {

QString escape(const QString& s)
{
    return s.toHtmlEscaped();
}

} // namespace

QString bogmaerkerHtml(const QList<Webgruppe>& grupper)
{
    QString html = u"<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                   "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                   "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n"_qs;
    const auto bogmaerker = [&html](const QStringList& par, const QString& indryk) {
        for (qsizetype i = 0; i + 1 < par.size(); i += 2)
            html += indryk + u"<DT><A HREF=\"%1\">%2</A>\n"_qs.arg(escape(par[i]), escape(par[i + 1]));
    };
    for (const Webgruppe& g : grupper) {
        if (g.navn.isEmpty()) {
            bogmaerker(g.par, u"    "_qs);
            continue;
        }
        html += u"    <DT><H3>%1</H3>\n    <DL><p>\n"_qs.arg(escape(g.navn));
        bogmaerker(g.par, u"        "_qs);
        html += u"    </DL><p>\n"_qs;
    }
    return html + u"</DL><p>\n"_qs;
}

namespace {

bool erMellemrum(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool erHex(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The ASCII text at p equals maerke (given in upper case) in any case.
bool ligner(const char* p, std::string_view maerke)
{
    for (const char m : maerke) {
        const char c = *p++;
        if (c != m && !(m >= 'A' && m <= 'Z' && c == m + ('a' - 'A')))
            return false;
    }
    return true;
}

// Finds the next closing tag (or quote, or '>') in any case, for starts that
// only grow: a find past the start is kept for the next ask, and once a
// search has run to the end later ones answer at once. So a file full of
// tags or quotes that are never closed is still read in one pass. Every mark
// begins with a character that has no case.
class Slutmaerke {
public:
    Slutmaerke(std::string_view tekst, std::string_view maerke) : m_tekst(tekst), m_maerke(maerke) {}
    qsizetype fra(qsizetype start)
    {
        if (m_sidst >= start || m_sidst == ingen)
            return m_sidst;
        m_sidst = ingen;
        const char* const slut = m_tekst.data() + m_tekst.size();
        for (const char* p = m_tekst.data() + start;
             (p = static_cast<const char*>(std::memchr(p, m_maerke[0], size_t(slut - p)))); ++p) {
            if (size_t(slut - p) >= m_maerke.size() && ligner(p, m_maerke)) {
                m_sidst = p - m_tekst.data();
                break;
            }
        }
        return m_sidst;
    }
    static constexpr qsizetype ingen = -1;

private:
    std::string_view m_tekst;
    std::string_view m_maerke;
    qsizetype m_sidst = -2;
};

// The name of the tag that starts at i (just after '<') is navn: only short
// names matter, so at most four characters are read.
bool tagnavnEr(std::string_view html, qsizetype i, std::string_view navn)
{
    qsizetype j = i;
    while (j < qsizetype(html.size()) && j - i < 4 && html[j] != '>' && !erMellemrum(html[j]))
        ++j;
    return j - i == qsizetype(navn.size()) && ligner(html.data() + i, navn);
}

struct Slutter {
    Slutmaerke tag, h3, a, dobbelt, enkelt;
};

// The value of HREF in the tag html[fra, til), quoted either way.
std::optional<std::string_view> hrefI(std::string_view html, qsizetype fra, qsizetype& til, Slutter& slut)
{
    for (qsizetype i = fra; i + 4 < til; ++i) {
        if (!erMellemrum(html[i - 1]) || !ligner(html.data() + i, "HREF"))
            continue;
        qsizetype k = i + 4;
        while (k < til && erMellemrum(html[k]))
            ++k;
        if (k >= til || html[k] != '=')
            continue;
        ++k;
        while (k < til && erMellemrum(html[k]))
            ++k;
        if (k >= qsizetype(html.size()) || (html[k] != '"' && html[k] != '\''))
            continue;
        const qsizetype citat = (html[k] == '"' ? slut.dobbelt : slut.enkelt).fra(k + 1);
        if (citat < 0)
            return std::nullopt;
        // A quoted value may hold '>': the tag ends after it.
        if (citat >= til) {
            til = slut.tag.fra(citat);
            if (til < 0)
                return std::nullopt;
        }
        return html.substr(size_t(k + 1), size_t(citat - k - 1));
    }
    return std::nullopt;
}

// Tags inside a title go: each '<' up to the next '>'.
QString udenTags(QString s)
{
    qsizetype i = s.indexOf(u'<');
    if (i < 0)
        return s;
    QString ud;
    qsizetype fra = 0;
    for (; i >= 0; i = s.indexOf(u'<', fra)) {
        const qsizetype j = s.indexOf(u'>', i + 1);
        if (j < 0)
            break;
        ud += QStringView(s).sliced(fra, i - fra);
        fra = j + 1;
    }
    ud += QStringView(s).sliced(fra);
    return ud;
}

// References by number, &#65; or &#x41;; one that is no printable character stays as written.
QString talreferencer(const QString& s)
{
    QString ud;
    qsizetype fra = 0;
    const qsizetype n = s.size();
    for (qsizetype i = s.indexOf(u"&#"); i >= 0; i = s.indexOf(u"&#", i + 1)) {
        qsizetype j = i + 2;
        const bool hex = j < n && s[j] == u'x';
        if (hex)
            ++j;
        qsizetype k = j;
        while (k < n && erHex(s[k].unicode()))
            ++k;
        if (k == j || k >= n || s[k] != u';')
            continue;
        bool ok = false;
        const uint kode = QStringView(s).sliced(j, k - j).toUInt(&ok, hex ? 16 : 10);
        ud += QStringView(s).sliced(fra, i - fra);
        if (ok && QChar::isPrint(char32_t(kode)))
            ud += QString::fromUcs4(reinterpret_cast<const char32_t*>(&kode), 1);
        else
            ud += QStringView(s).sliced(i, k + 1 - i);
        fra = k + 1;
        i = k;
    }
    if (fra == 0)
        return s;
    ud += QStringView(s).sliced(fra);
    return ud;
}

// The named references that browsers write, in one pass after those by number.
QString navngivne(const QString& s)
{
    static constexpr std::pair<std::u16string_view, char16_t> navne[] = {
        {u"lt;", u'<'}, {u"gt;", u'>'}, {u"quot;", u'"'}, {u"#39;", u'\''}, {u"nbsp;", u' '}, {u"amp;", u'&'}};
    QString ud;
    const QStringView v(s);
    qsizetype fra = 0;  // the text from here on is not yet in ud
    for (qsizetype i = v.indexOf(u'&'); i >= 0; i = v.indexOf(u'&', i + 1)) {
        for (const auto& [navn, tegn] : navne) {
            if (v.sliced(i + 1).startsWith(QStringView(navn))) {
                ud.reserve(s.size());
                ud += v.sliced(fra, i - fra);
                ud += tegn;
                i += qsizetype(navn.size());
                fra = i + 1;
                break;
            }
        }
    }
    if (fra == 0)
        return s;
    ud += v.sliced(fra);
    return ud;
}

// simplified() would give the text back as it is.
bool simpel(QStringView s)
{
    bool forrige = true;  // a blank before the first character counts as leading
    for (const QChar c : s) {
        const bool blank = c.isSpace();
        if (blank && (forrige || c != u' '))
            return false;
        forrige = blank;
    }
    return !forrige || s.isEmpty();
}

QString unescape(QString s)
{
    if (s.contains(u'&'))
        s = navngivne(talreferencer(s));
    return simpel(s) ? s : s.simplified();
}

QString tekst(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace

QList<Webgruppe> laesBogmaerker(const QString& tekst)
{
    return laesBogmaerker(tekst.toUtf8());
}

QList<Webgruppe> laesBogmaerker(const QByteArray& utf8)
{
    // One pass over the tags that matter, in the order they come: a folder's
    // title, the start and end of a list, and a bookmark with its address.
    // The markup is ASCII, so the bytes are scanned and only names and
    // addresses are decoded.
    const std::string_view html(utf8.constData(), size_t(utf8.size()));
    QList<Webgruppe> grupper;
    QHash<QString, qsizetype> gruppeNr;
    QStringList mapper;        // open folders, innermost last
    qsizetype aktuel = -1;     // the group of the innermost folder, once it has a bookmark
    QString naesteMappe;       // the title whose list comes next
    bool ventendeMappe = false;
    QList<bool> lister;        // each open list: true when it is a folder's
    Slutter slutter{{html, ">"}, {html, "</H3"}, {html, "</A"}, {html, "\""}, {html, "'"}};
    const auto gruppe = [&]() -> Webgruppe& {
        if (aktuel < 0) {
            const QString navn = mapper.isEmpty() ? QString() : mapper.last();
            auto it = gruppeNr.constFind(navn);
            if (it == gruppeNr.cend()) {
                it = gruppeNr.insert(navn, grupper.size());
                grupper.append({navn, {}});
            }
            aktuel = *it;
        }
        return grupper[aktuel];
    };
    const auto naeste = [&](qsizetype fra) -> qsizetype {
        const void* p = std::memchr(html.data() + fra, '<', html.size() - size_t(fra));
        return p ? static_cast<const char*>(p) - html.data() : -1;
    };
    for (qsizetype i = naeste(0); i >= 0; i = naeste(i + 1)) {
        qsizetype slut = slutter.tag.fra(i);
        if (slut < 0)
            break;
        if (tagnavnEr(html, i + 1, "H3")) {
            const qsizetype luk = slutter.h3.fra(slut);
            if (luk < 0)
                continue;
            naesteMappe = unescape(udenTags(tekst(html.substr(size_t(slut + 1), size_t(luk - slut - 1)))));
            ventendeMappe = true;
            i = luk;
        } else if (tagnavnEr(html, i + 1, "DL")) {
            // The outermost list is the file's own; each list after a title is that folder's.
            lister << (!lister.isEmpty() && ventendeMappe);
            if (lister.last()) {
                mapper << naesteMappe;
                aktuel = -1;
            }
            ventendeMappe = false;
        } else if (tagnavnEr(html, i + 1, "/DL")) {
            if (!lister.isEmpty() && lister.takeLast()) {
                mapper.removeLast();
                aktuel = -1;
            }
        } else if (tagnavnEr(html, i + 1, "A")) {
            const std::optional<std::string_view> href = hrefI(html, i + 2, slut, slutter);
            const qsizetype luk = href ? slutter.a.fra(slut) : Slutmaerke::ingen;
            if (luk < 0)
                continue;
            const QString adresse = unescape(tekst(*href));
            const QString titel = unescape(udenTags(tekst(html.substr(size_t(slut + 1), size_t(luk - slut - 1)))));
            gruppe().par << adresse << (titel.isEmpty() ? adresse : titel);
            i = luk;
        }
    }
    return grupper;
}

} // namespace kv
