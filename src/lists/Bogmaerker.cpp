#include "lists/Bogmaerker.h"

#include <QRegularExpression>

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

QList<Webgruppe> laesBogmaerker(const QString& html)
{
    // The tags that matter, in the order they come: a folder's title, the
    // start and end of a list, and a bookmark with its address.
    static const QRegularExpression maerke(
        u"<H3[^>]*>(.*?)</H3>|<DL[\\s>]|</DL\\s*>|<A\\s[^>]*?HREF\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')[^>]*>(.*?)</A>"_qs,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tags(u"<[^>]*>"_qs);
    QList<Webgruppe> grupper;
    QStringList mapper;        // open folders, innermost last
    QString naesteMappe;       // the title whose list comes next
    bool ventendeMappe = false;
    QList<bool> lister;        // each open list: true when it is a folder's
    const auto gruppe = [&grupper](const QString& navn) -> Webgruppe& {
        for (Webgruppe& g : grupper) {
            if (g.navn == navn)
                return g;
        }
        grupper.append({navn, {}});
        return grupper.last();
    };
    for (auto it = maerke.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        const QString hel = m.captured(0);
        if (hel.startsWith(u"<H3"_qs, Qt::CaseInsensitive)) {
            naesteMappe = unescape(m.captured(1).remove(tags));
            ventendeMappe = true;
        } else if (hel.startsWith(u"</"_qs)) {
            if (!lister.isEmpty() && lister.takeLast())
                mapper.removeLast();
        } else if (hel.startsWith(u"<DL"_qs, Qt::CaseInsensitive)) {
            // The outermost list is the file's own; each list after a title is that folder's.
            lister << (!lister.isEmpty() && ventendeMappe);
            if (lister.last())
                mapper << naesteMappe;
            ventendeMappe = false;
        } else {
            const QString adresse = unescape(m.captured(2).isNull() ? m.captured(3) : m.captured(2));
            QString titel = unescape(m.captured(4).remove(tags));
            gruppe(mapper.isEmpty() ? QString() : mapper.last()).par << adresse << (titel.isEmpty() ? adresse : titel);
        }
    }
    return grupper;
}

} // namespace kv
