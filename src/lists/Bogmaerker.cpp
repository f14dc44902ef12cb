#include "lists/Bogmaerker.h"

#include <QHash>
#include <QRegularExpression>
#include <optional>

namespace kv {

namespace {

QString escape(const QString& s)
{
    return s.toHtmlEscaped();
}

QString unescape(QString s)
{
    static const QRegularExpression tal(u"&#(x?)([0-9a-fA-F]+);"_qs);
    QString ud;
    qsizetype fra = 0;
    for (auto it = tal.globalMatch(s); it.hasNext();) {
        const auto m = it.next();
        ud += QStringView(s).mid(fra, m.capturedStart() - fra);
        bool ok = false;
        const uint kode = m.captured(2).toUInt(&ok, m.captured(1).isEmpty() ? 10 : 16);
        ud += ok && QChar::isPrint(char32_t(kode)) ? QString::fromUcs4(reinterpret_cast<const char32_t*>(&kode), 1)
                                                  : m.captured(0);
        fra = m.capturedEnd();
    }
    ud += QStringView(s).mid(fra);
    ud.replace(u"&lt;"_qs, u"<"_qs).replace(u"&gt;"_qs, u">"_qs).replace(u"&quot;"_qs, u"\""_qs);
    ud.replace(u"&#39;"_qs, u"'"_qs).replace(u"&nbsp;"_qs, u" "_qs);
    return ud.replace(u"&amp;"_qs, u"&"_qs).simplified();
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

// Finds the next closing tag (or quote, or '>') case-insensitively, for
// starts that only grow: a find past the start is kept for the next ask, and
// once a search has run to the end later ones answer at once. So a file full
// of tags or quotes that are never closed is still read in one pass.
class Slutmaerke {
public:
    Slutmaerke(QStringView html, QStringView maerke) : m_html(html), m_maerke(maerke) {}
    qsizetype fra(qsizetype start)
    {
        if (m_sidst >= start || m_sidst == ingen)
            return m_sidst;
        m_sidst = m_html.indexOf(m_maerke, start, Qt::CaseInsensitive);
        if (m_sidst < 0)
            m_sidst = ingen;
        return m_sidst;
    }
    static constexpr qsizetype ingen = -1;

private:
    QStringView m_html;
    QStringView m_maerke;
    qsizetype m_sidst = -2;
};

bool erMellemrum(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// The name of the tag that starts at i (just after '<'); only short names matter.
QStringView tagnavn(QStringView html, qsizetype i)
{
    qsizetype j = i;
    while (j < html.size() && j - i < 4 && html[j] != u'>' && !erMellemrum(html[j]))
        ++j;
    return html.sliced(i, j - i);
}

struct Slutter {
    Slutmaerke tag, h3, a, dobbelt, enkelt;
};

// The value of HREF in the tag html[fra, til), quoted either way.
std::optional<QStringView> hrefI(QStringView html, qsizetype fra, qsizetype& til, Slutter& slut)
{
    for (qsizetype i = fra; i + 4 < til; ++i) {
        if (!erMellemrum(html[i - 1]) || html.sliced(i, 4).compare(u"HREF", Qt::CaseInsensitive) != 0)
            continue;
        qsizetype k = i + 4;
        while (k < til && erMellemrum(html[k]))
            ++k;
        if (k >= til || html[k] != u'=')
            continue;
        ++k;
        while (k < til && erMellemrum(html[k]))
            ++k;
        if (k >= html.size() || (html[k] != u'"' && html[k] != u'\''))
            continue;
        const qsizetype citat = (html[k] == u'"' ? slut.dobbelt : slut.enkelt).fra(k + 1);
        if (citat < 0)
            return std::nullopt;
        // A quoted value may hold '>': the tag ends after it.
        if (citat >= til) {
            til = slut.tag.fra(citat);
            if (til < 0)
                return std::nullopt;
        }
        return html.sliced(k + 1, citat - k - 1);
    }
    return std::nullopt;
}

} // namespace

QList<Webgruppe> laesBogmaerker(const QString& tekst)
{
    // One pass over the tags that matter, in the order they come: a folder's
    // title, the start and end of a list, and a bookmark with its address.
    static const QRegularExpression tags(u"<[^>]*>"_qs);
    const QStringView html(tekst);
    QList<Webgruppe> grupper;
    QHash<QString, qsizetype> gruppeNr;
    QStringList mapper;        // open folders, innermost last
    QString naesteMappe;       // the title whose list comes next
    bool ventendeMappe = false;
    QList<bool> lister;        // each open list: true when it is a folder's
    Slutter slutter{{html, u">"}, {html, u"</H3"}, {html, u"</A"}, {html, u"\""}, {html, u"'"}};
    const auto gruppe = [&](const QString& navn) -> Webgruppe& {
        auto it = gruppeNr.constFind(navn);
        if (it == gruppeNr.cend()) {
            it = gruppeNr.insert(navn, grupper.size());
            grupper.append({navn, {}});
        }
        return grupper[*it];
    };
    for (qsizetype i = html.indexOf(u'<'); i >= 0; i = html.indexOf(u'<', i + 1)) {
        const QStringView navn = tagnavn(html, i + 1);
        qsizetype slut = slutter.tag.fra(i);
        if (slut < 0)
            break;
        if (navn.compare(u"H3", Qt::CaseInsensitive) == 0) {
            const qsizetype luk = slutter.h3.fra(slut);
            if (luk < 0)
                continue;
            naesteMappe = unescape(html.sliced(slut + 1, luk - slut - 1).toString().remove(tags));
            ventendeMappe = true;
            i = luk;
        } else if (navn.compare(u"DL", Qt::CaseInsensitive) == 0) {
            // The outermost list is the file's own; each list after a title is that folder's.
            lister << (!lister.isEmpty() && ventendeMappe);
            if (lister.last())
                mapper << naesteMappe;
            ventendeMappe = false;
        } else if (navn.compare(u"/DL", Qt::CaseInsensitive) == 0) {
            if (!lister.isEmpty() && lister.takeLast())
                mapper.removeLast();
        } else if (navn.compare(u"A", Qt::CaseInsensitive) == 0) {
            const std::optional<QStringView> href = hrefI(html, i + 2, slut, slutter);
            const qsizetype luk = href ? slutter.a.fra(slut) : Slutmaerke::ingen;
            if (luk < 0)
                continue;
            const QString adresse = unescape(href->toString());
            const QString titel = unescape(html.sliced(slut + 1, luk - slut - 1).toString().remove(tags));
            gruppe(mapper.isEmpty() ? QString() : mapper.last()).par << adresse << (titel.isEmpty() ? adresse : titel);
            i = luk;
        }
    }
    return grupper;
}

} // namespace kv
