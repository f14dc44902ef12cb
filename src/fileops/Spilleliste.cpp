#include "fileops/Spilleliste.h"
#include "platform/HostName.h"
#include "platform/ProgramPath.h"

namespace kv {

namespace {

QByteArray dokument(const QStringList& linjer)
{
    QByteArray ud("\xEF\xBB\xBF");
    for (const QString& l : linjer)
        ud += l.toUtf8() + "\r\n";
    return ud;
}

const QStringList htmlSkelet = {u"<!DOCTYPE html>"_qs, u"<html>"_qs, u"<head>"_qs, u"<title></title>"_qs,
                                u"</head>"_qs, u"<body>"_qs, QString(), u"</body>"_qs, u"</html>"_qs};

QStringList hoved(Dokumentart art, const QString& url, const QStringList& kilder)
{
    static const char16_t* const titler[] = {u"", u"Filmliste", u"Musikliste", u"Billedliste"};
    QStringList l = {u"<!DOCTYPE html>"_qs, u"<html>"_qs, u"<head>"_qs,
                     u"<title>"_qs + QString::fromUtf16(titler[art]) + u"</title>"_qs,
                     u"<base href=\""_qs + htmlTekst(url) + u"\">"_qs, QString(), u"<script>"_qs};
    if (art == Billedliste)
        l << u"function setProcent(procent){"_qs << u"procent=procent+\"%\";"_qs
          << u"var ele=document.getElementById(\"afspiller\");"_qs << u"ele.style.width=procent;"_qs
          << u"ele.style.height=procent;}"_qs << QString();
    l << u"function afspil(melodiNo,checkid){"_qs << u"var eleSrc;"_qs << u"switch(melodiNo){"_qs;
    for (qsizetype i = 0; i < kilder.size(); ++i)
        l << u"case "_qs + QString::number(i) + u':' << u"eleSrc=\""_qs + scriptTekst(kilder[i]) + u"\";"_qs
          << u"break;"_qs;
    l << u"}"_qs << u"var ele=document.getElementById(\"afspiller\");"_qs << u"ele.src=eleSrc;"_qs
      << u"ele.autoplay=true;"_qs << u"document.getElementById(checkid).checked=true;}"_qs << u"</script>"_qs
      << QString() << u"<style type=\"text/css\">"_qs << u"*{font-family: Verdana; font-size: 9pt; color #000000;}"_qs
      << u"caption{"_qs << u"color: #0000FF;"_qs << u"margin-bottom: 4px;"_qs << u"}"_qs
      << u"table,th,td{"_qs << u"border: 1px solid #888888;"_qs << u"border-collapse:collapse;"_qs << u"}"_qs
      << u"th{"_qs << u"padding-left: 4px;"_qs << u"padding-right: 4px;"_qs << u"padding-top: 4px;"_qs
      << u"padding-bottom: 4px;"_qs << u"color: #FFFFFF;"_qs << u"background-color:#228822;"_qs
      << u"text-align: left;"_qs << u"}"_qs
      << u"td{"_qs << u"padding-left: 4px;"_qs << u"padding-right: 4px;"_qs << u"padding-top: 2px;"_qs
      << u"padding-bottom: 2px;"_qs << u"}"_qs
      << u"button::before{"_qs
      << (art == Musikliste ? u"content: \"\\266C\" \" \";"_qs : u"content: \"\\25B6\" \" \";"_qs)
      << u"}"_qs << u"</style>"_qs << QString() << u"</head>"_qs;
    return l;
}

QStringList tabel(const QString& caption, const QString& knap, const QStringList& navne)
{
    QStringList l = {u"<table>"_qs, u"<caption>"_qs + caption + u"</caption>"_qs, u"<colgroup>"_qs,
                     u" <col span=\"1\" style=\"background-color: #DDDDDD;\">"_qs,
                     u" <col span=\"1\" style=\"background-color: #FFFFFF;\">"_qs,
                     u" <col style=\"background-color: #FFFFFF;\">"_qs, u"</colgroup>"_qs,
                     u"<tr><th>&nbsp;</th><th>Titel</th><th>&nbsp;</th></tr>"_qs};
    for (qsizetype i = 0; i < navne.size(); ++i) {
        const QString id = u"melodi"_qs + QString::number(i);
        l << u"<tr>"_qs
          << u" <td><input type=\"radio\" name=\"aktuel\" id=\""_qs + id + (i == 0 ? u"\" disabled checked></td>"_qs
                                                                             : u"\" disabled></td>"_qs)
          << u" <td>"_qs + htmlTekst(visningsnavn(navne[i])) + u"</td>"_qs
          << u" <td><button onclick=\"afspil("_qs + QString::number(i) + u",'"_qs + id + u"')\">"_qs + knap
                 + u"</button></td>"_qs
          << u"</tr>"_qs;
    }
    l << u"</table>"_qs;
    return l;
}

QString procentKnap(int p, bool valgt)
{
    return u"<td><input type=\"radio\" name=\"bredde\" "_qs + (valgt ? u"checked=\"true\" "_qs : QString())
         + u"onclick=\"setProcent("_qs + QString::number(p) + u")\">"_qs + QString::number(p) + u"%</td>"_qs;
}

} // namespace

QString htmlTekst(const QString& s)
{
    QString ud;
    ud.reserve(s.size());
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '&': ud += u"&amp;"_qs; break;
        case '<': ud += u"&lt;"_qs; break;
        case '>': ud += u"&gt;"_qs; break;
        case '"': ud += u"&quot;"_qs; break;
        case '\'': ud += u"&#39;"_qs; break;
        default: ud += c;
        }
    }
    return ud;
}

QString scriptTekst(const QString& s)
{
    // Besides the quote and the backslash, "<", ">" and "&" are written as
    // escapes so no text can end the script element or look like markup.
    QString ud;
    ud.reserve(s.size());
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == '"' || u == '\'' || u == '\\' || u == '<' || u == '>' || u == '&' || u == 0x2028
            || u == 0x2029)
            ud += u"\\u"_qs + QString::number(u, 16).rightJustified(4, u'0');
        else
            ud += c;
    }
    return ud;
}

QString urlNavn(const QString& navn)
{
    return QString::fromLatin1(encodeHostName(navn).toPercentEncoding());
}

QString mappeUrl(const QByteArray& vaertMappe)
{
    QByteArray sti = vaertMappe.toPercentEncoding("/");
    if (!sti.endsWith('/'))
        sti += '/';
    return u"file://"_qs + QString::fromLatin1(sti);
}

QByteArray skabelon(const QString& ext)
{
    if (ext == u".html"_qs)
        return dokument(htmlSkelet);
    if (ext == u".asp"_qs)
        return dokument(QStringList{u"<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>"_qs} + htmlSkelet);
    if (ext == u".wsf"_qs)
        return dokument({u"<job id=\"\">"_qs, u"<script language=\"VBScript\">"_qs, QString(), u"</script>"_qs,
                         u"</job>"_qs});
    return QByteArray();
}

QByteArray spilleliste(Dokumentart art, const QString& url, const QStringList& navne)
{
    QStringList kilder;
    for (const QString& n : navne)
        kilder << urlNavn(n);
    const QString foerste = htmlTekst(kilder.value(0));
    QStringList l = hoved(art, url, kilder);
    switch (art) {
    case Filmliste:
        l << u"<body style=\"display: flex; flex-wrap: wrap;\">"_qs << QString() << u"<div>"_qs
          << u"<video controls id=\"afspiller\" style=\"width: auto;\">"_qs
          << u"<source src=\""_qs + foerste + u"\">"_qs << u"</video>"_qs << u"</div>"_qs << QString()
          << u"<div style=\"margin: 16px 0px 0px 16px;\">"_qs << tabel(u"Filmliste"_qs, u"Afspil"_qs, navne)
          << u"</div>"_qs << QString();
        break;
    case Musikliste:
        l << u"<body>"_qs << QString() << u"<audio controls id=\"afspiller\" style=\"width: auto;\">"_qs
          << u"<source src=\""_qs + foerste + u"\">"_qs << u"</audio><br>"_qs << QString()
          << tabel(u"Musikliste"_qs, u"Afspil"_qs, navne) << QString();
        break;
    default:
        l << u"<body style=\"display: flex; flex-wrap: wrap;\">"_qs << QString() << u"<div>"_qs << u"<table>"_qs
          << u"<caption>Billedstørrelse</caption>"_qs << u"<tr>"_qs;
        for (int p = 100; p >= 60; p -= 10)
            l << procentKnap(p, p == 100);
        l << u"</tr>"_qs << u"<tr>"_qs;
        for (int p = 50; p >= 10; p -= 10)
            l << procentKnap(p, false);
        l << u"</tr>"_qs << u"</table><br>"_qs << QString() << tabel(u"Billedliste"_qs, u"Vis"_qs, navne)
          << u"</div>"_qs << QString()
          << u"<img id=\"afspiller\" style=\"margin: 16px 0px 0px 16px;\" src=\""_qs + foerste + u"\">"_qs
          << QString();
        break;
    }
    l << u"</body>"_qs << u"</html>"_qs;
    return dokument(l);
}

} // namespace kv
