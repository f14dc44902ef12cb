#include "lists/TWebGrupper.h"
#include "platform/FileSystem.h"
#include "platform/Helfiler.h"
#include "platform/NameOrder.h"
#include "platform/Omdoebning.h"
#include "platform/ProgramPath.h"
#include "platform/TextFile.h"

#include <QHash>
#include <QSet>
#include <QUrl>
#include <algorithm>
#include <numeric>
#include <string_view>

namespace kv {

namespace {

bool findesUdenSkelAfStore(const QStringList& liste, const QString& navn, const QString& undtagen = {})
{
    return std::any_of(liste.begin(), liste.end(), [&](const QString& s) {
        return s.compare(navn, Qt::CaseInsensitive) == 0 && s.compare(undtagen, Qt::CaseInsensitive) != 0;
    });
}

QString skriv(const QString& fil, const QStringList& linjer)
{
    QString fejl;
    return writeTextLines(fil, linjer, &fejl) ? QString() : fejl;
}

// Sorts the strings by the keys, keeping equal keys in their order.
std::vector<int> ordenEfterNavn(const QStringList& navne)
{
    std::vector<QByteArray> noegler(navne.size());
    for (qsizetype i = 0; i < navne.size(); ++i)
        appendSortKey(noegler[i], navne[i]);
    std::vector<int> orden(navne.size());
    std::iota(orden.begin(), orden.end(), 0);
    std::stable_sort(orden.begin(), orden.end(), [&](int a, int b) { return noegler[a] < noegler[b]; });
    return orden;
}

} // namespace

QString TWebGrupper::gruppefil(const QString& gruppe) const
{
    // A name that could leave the folder (from a settings file edited by
    // hand) counts as no group.
    if (gruppe.isEmpty() || !checkTypedName(u"webliste "_qs + gruppe + u".txt"_qs).isEmpty())
        return OptMappe + u"\\webliste.txt"_qs;
    return OptMappe + u"\\webliste "_qs + gruppe + u".txt"_qs;
}

QStringList TWebGrupper::laesPar(const QString& fil, QString* besked)
{
    if (!fileExists(fil))
        return {};
    QString fejl;
    auto linjer = readTextLines(fil, &fejl);
    if (!linjer) {
        *besked = u"Filen \"%1\" kunne ikke læses:\r%2"_qs.arg(fil, fejl);
        return {};
    }
    if (linjer->size() % 2 == 1) {
        // A lone last address keeps its place, named by itself; a blank line is only dropped.
        const QString sidste = linjer->constLast().trimmed();
        if (sidste.isEmpty()) {
            linjer->removeLast();
        } else {
            linjer->append(sidste);
            *besked = u"Filen \"%1\" endte med en adresse uden kort navn.\rAdressen er også brugt som kort navn."_qs.arg(fil);
        }
    }
    return *linjer;
}

QString TWebGrupper::hentGrupper()
{
    QString besked;
    for (auto [fil, liste] : {std::pair{webGruppefil(), &gruppeliste}, {webLagerfil(), &lagerliste}}) {
        liste->clear();
        if (!fileExists(fil))
            continue;
        QString fejl;
        if (const auto linjer = readTextLines(fil, &fejl)) {
            for (const QString& navn : *linjer) {
                if (!navn.trimmed().isEmpty())
                    liste->append(navn);
            }
        } else {
            besked += u"Filen \"%1\" kunne ikke læses:\r%2\r"_qs.arg(fil, fejl);
        }
    }
    return besked.trimmed();
}

QString TWebGrupper::loadGruppefil()
{
    if (webFilename() == gruppefil({}))
        gruppenavn.clear();
    QString besked;
    webSL = laesPar(webFilename(), &besked);
    m_ulaeseligt = webSL.isEmpty() && !besked.isEmpty();
    return besked;
}

QString TWebGrupper::saveWebSL()
{
    if (m_ulaeseligt)
        return u"Filen \"%1\" kunne ikke læses, så den bliver ikke overskrevet."_qs.arg(webFilename());
    return skriv(webFilename(), webSL);
}

QString TWebGrupper::gemGrupper() const
{
    return skriv(webGruppefil(), gruppeliste);
}

QString TWebGrupper::gemLager() const
{
    return skriv(webLagerfil(), lagerliste);
}

QStringList TWebGrupper::kortNavne() const
{
    QStringList navne;
    navne.reserve(antal());
    for (int i = 0; i < antal(); ++i)
        navne << kortNavn(i);
    return navne;
}

void TWebGrupper::tilfoej(const QString& url, const QString& navn)
{
    webSL << url << navn;
}

void TWebGrupper::ret(int i, const QString& url, const QString& navn)
{
    if (i < 0 || i >= antal())
        return;
    webSL[2 * i] = url;
    webSL[2 * i + 1] = navn;
}

void TWebGrupper::fjern(QList<int> indekser)
{
    // From the last, so the indices before stay valid.
    std::sort(indekser.begin(), indekser.end(), std::greater<>());
    indekser.erase(std::unique(indekser.begin(), indekser.end()), indekser.end());
    for (int i : indekser) {
        if (i >= 0 && i < antal())
            webSL.remove(2 * i, 2);
    }
}

void TWebGrupper::byt(int i, int j)
{
    if (i < 0 || j < 0 || i >= antal() || j >= antal())
        return;
    webSL.swapItemsAt(2 * i, 2 * j);
    webSL.swapItemsAt(2 * i + 1, 2 * j + 1);
}

void TWebGrupper::sorter()
{
    QStringList ny;
    ny.reserve(webSL.size());
    for (int i : ordenEfterNavn(kortNavne()))
        ny << adresse(i) << kortNavn(i);
    webSL = std::move(ny);
}

QString TWebGrupper::afvisGruppenavn(const QString& navn, const QString& gammel) const
{
    if (navn.trimmed().isEmpty())
        return u"Der mangler et gruppenavn!"_qs;
    // The name becomes part of a file name: the whole file name passes the check.
    if (QString fejl = checkTypedName(navn); !fejl.isEmpty())
        return fejl;
    if (QString fejl = checkTypedName(u"webliste "_qs + navn + u".txt"_qs); !fejl.isEmpty())
        return fejl;
    if (findesUdenSkelAfStore(gruppeliste, navn, gammel) || findesUdenSkelAfStore(lagerliste, navn, gammel))
        return u"Gruppen \"%1\" findes allerede."_qs.arg(navn);
    return {};
}

QString TWebGrupper::nyGruppe(const QString& navn)
{
    if (QString fejl = afvisGruppenavn(navn); !fejl.isEmpty())
        return fejl;
    gruppeliste << navn;
    return gemGrupper();
}

QString TWebGrupper::omdoebGruppe(const QString& gammel, const QString& ny)
{
    QStringList* liste = gruppeliste.contains(gammel) ? &gruppeliste : lagerliste.contains(gammel) ? &lagerliste : nullptr;
    if (!liste)
        return u"Gruppen \"%1\" findes ikke."_qs.arg(gammel);
    if (QString fejl = afvisGruppenavn(ny, gammel); !fejl.isEmpty())
        return fejl;
    // The addresses go with the name; a file already named so is never taken over.
    const QString fra = gruppefil(gammel), til = gruppefil(ny);
    if (fileExists(fra)) {
        QString fejl;
        switch (renameNoReplace(fra, til, &fejl)) {
        case RenameStatus::Omdoebt:
            break;
        case RenameStatus::Optaget:
            return u"Der findes allerede en fil med navnet \"%1\".\rGruppen er ikke omdøbt."_qs.arg(nameOf(til));
        case RenameStatus::Fejl:
            return fejl;
        }
    } else if (fileExists(til)) {
        return u"Der findes allerede en fil med navnet \"%1\".\rGruppen er ikke omdøbt."_qs.arg(nameOf(til));
    }
    (*liste)[liste->indexOf(gammel)] = ny;
    if (gruppenavn == gammel)
        gruppenavn = ny;
    return liste == &gruppeliste ? gemGrupper() : gemLager();
}

bool TWebGrupper::sletGruppe(QString* fejl)
{
    if (!gruppenavn.isEmpty() && gruppeliste.removeAll(gruppenavn) > 0)
        *fejl = gemGrupper();
    const QString fil = webFilename();
    const bool fandtes = fileExists(fil);
    if (fandtes && fejl->isEmpty())
        removeFile(fil, fejl);
    gruppenavn.clear();
    loadGruppefil();
    return fandtes;
}

void TWebGrupper::sorterGrupper()
{
    QStringList ny;
    for (int i : ordenEfterNavn(gruppeliste))
        ny << gruppeliste[i];
    gruppeliste = std::move(ny);
}

QList<Webgruppe> TWebGrupper::alleGrupper() const
{
    QList<Webgruppe> grupper;
    QString besked;
    for (const QString& navn : QStringList{QString()} + gruppeliste + lagerliste)
        grupper.append({navn, navn == gruppenavn ? webSL : laesPar(gruppefil(navn), &besked)});
    return grupper;
}

QString TWebGrupper::importer(const QList<Webgruppe>& grupper, int* antal)
{
    *antal = 0;
    // The groups there are, by name without regard to case.
    QHash<QString, QString> navne;
    for (const QStringList* liste : {&gruppeliste, &lagerliste})
        for (const QString& s : *liste)
            navne.insert(s.toCaseFolded(), s);
    // The groups that get addresses, written together at the end; a name met
    // again goes on with its pairs.
    struct Gruppe {
        QString navn;
        QString fil;
        QStringList par;
        QSet<QString> kendte;
        int nye = 0;
        bool ny = false;        // not among the groups before
        qsizetype besked = 0;   // its place among the messages
    };
    QList<Gruppe> skrives;
    QHash<QString, qsizetype> skrivesNr;
    QStringList beskeder;
    for (const Webgruppe& g : grupper) {
        // A folder name that cannot be a group name is mended, never dropped.
        QString navn;
        navn.reserve(g.navn.size());
        for (const QChar c : g.navn) {
            if (c == u'\\' || c == u'/')
                navn += u'-';
            else if (c.unicode() >= 0x20)
                navn += c;
        }
        navn = navn.trimmed().left(100);
        if (!navn.isEmpty() && !checkTypedName(navn).isEmpty())
            navn = u"Bogmærker"_qs;
        navn = navne.value(navn.toCaseFolded(), navn);
        qsizetype nr = skrivesNr.value(navn, -1);
        if (nr < 0) {
            Gruppe ny{navn, gruppefil(navn), {}, {}, 0, false, 0};
            QString besked;
            ny.par = navn == gruppenavn ? webSL : laesPar(ny.fil, &besked);
            if (ny.par.isEmpty() && !besked.isEmpty()) {
                beskeder << besked;
                continue;
            }
            ny.kendte.reserve((ny.par.size() + g.par.size()) / 2);
            for (qsizetype j = 0; j < ny.par.size(); j += 2)
                ny.kendte.insert(ny.par[j]);
            ny.ny = !navn.isEmpty() && !navne.contains(navn.toCaseFolded());
            ny.besked = beskeder.size();
            beskeder << QString();
            nr = skrives.size();
            skrivesNr.insert(navn, nr);
            skrives << std::move(ny);
        }
        Gruppe& m = skrives[nr];
        for (qsizetype i = 0; i + 1 < g.par.size(); i += 2) {
            if (!m.kendte.contains(g.par[i]) && erWebadresse(g.par[i])) {
                m.kendte.insert(g.par[i]);
                m.par << g.par[i] << g.par[i + 1];
                ++m.nye;
            }
        }
        // A new group with addresses is the one later spellings of its name go to.
        if (m.ny && m.nye > 0)
            navne.insert(navn.toCaseFolded(), navn);
    }
    QList<Helfil> filer;
    for (const Gruppe& m : std::as_const(skrives))
        if (m.nye > 0)
            filer.append({m.fil, encodeTextLines(m.par)});
    const QStringList fejl = writeWholeFiles(filer);
    bool nyeGrupper = false;
    qsizetype f = 0;
    for (const Gruppe& m : std::as_const(skrives)) {
        if (m.nye == 0)
            continue;
        if (const QString& fejlen = fejl[f++]; !fejlen.isEmpty()) {
            beskeder[m.besked] = fejlen;
            continue;
        }
        *antal += m.nye;
        if (m.navn == gruppenavn)
            webSL = m.par;
        if (m.ny) {
            gruppeliste << m.navn;
            nyeGrupper = true;
        }
    }
    QString tekst;
    for (const QString& b : std::as_const(beskeder))
        if (!b.isEmpty())
            tekst += b + u'\r';
    if (nyeGrupper)
        tekst += gemGrupper();
    return tekst.trimmed();
}

namespace {

bool erAlnum(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool erHex(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// An address plainly valid without asking QUrl: http, https or ftp in lower
// case, a host of plain ASCII labels with a letter in the last one (so no
// number address and no encoded name), an optional port, and a rest of
// characters that need no escape, each '%' followed by two hex digits and
// at most one '#'. Anything else is left to QUrl; this only answers yes.
bool enkelWebadresse(QStringView s)
{
    qsizetype i;
    if (s.startsWith(u"http://"))
        i = 7;
    else if (s.startsWith(u"https://"))
        i = 8;
    else if (s.startsWith(u"ftp://"))
        i = 6;
    else
        return false;
    const qsizetype n = s.size();
    const qsizetype vaertStart = i;
    qsizetype etiket = i;
    bool bogstav = false;
    for (;; ++i) {
        const char16_t c = i < n ? s[i].unicode() : u'/';
        if (erAlnum(c) || c == u'-') {
            bogstav |= !(c >= u'0' && c <= u'9') && c != u'-';
            continue;
        }
        // The label just ended: 1 to 63 characters, no hyphen at either end, no "--".
        const QStringView l = s.sliced(etiket, i - etiket);
        if (l.isEmpty() || l.size() > 63 || l.startsWith(u'-') || l.endsWith(u'-') || l.contains(u"--"))
            return false;
        if (c != u'.')
            break;
        etiket = i + 1;
        bogstav = false;
    }
    if (!bogstav || i - vaertStart > 253)
        return false;
    if (i < n && s[i] == u':') {
        const qsizetype fra = ++i;
        uint port = 0;
        while (i < n && s[i] >= u'0' && s[i] <= u'9' && i - fra < 5)
            port = port * 10 + (s[i++].unicode() - u'0');
        if (i == fra || port > 65535 || (s[fra] == u'0' && i - fra > 1))
            return false;
    }
    if (i < n && s[i] != u'/' && s[i] != u'?' && s[i] != u'#')
        return false;
    static constexpr std::u16string_view tilladte = u"-._~!$&'()*+,;=:@/?";
    bool fragment = false;
    for (; i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (erAlnum(c) || tilladte.find(c) != std::u16string_view::npos)
            continue;
        if (c == u'%' && i + 2 < n && erHex(s[i + 1].unicode()) && erHex(s[i + 2].unicode())) {
            i += 2;
            continue;
        }
        if (c == u'#' && !fragment) {
            fragment = true;
            continue;
        }
        return false;
    }
    return true;
}

} // namespace

bool TWebGrupper::erWebadresse(const QString& tekst)
{
    if (enkelWebadresse(tekst))
        return true;
    const QUrl url(tekst.trimmed(), QUrl::StrictMode);
    const QString skema = url.scheme().toLower();
    return url.isValid() && (skema == u"http" || skema == u"https" || skema == u"ftp") && !url.host().isEmpty();
}

QString TWebGrupper::soegeUrl(const QString& base, const QString& tekst)
{
    return base + QString::fromLatin1(QUrl::toPercentEncoding(tekst));
}

} // namespace kv
