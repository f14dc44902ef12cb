#include "app/TEgenskaber.h"
#include "app/Design.h"
#include "picturebox/Billedboksvalg.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <climits>
#include <variant>

namespace kv {

namespace {

using S = TEgenskaber;
using Felt = std::variant<QString S::*, int S::*, bool S::*>;

// A number outside [min, max] makes the line bad, except for sizes, which are
// brought within their limits instead.
struct Linje {
    Felt felt;
    int min = INT_MIN, max = INT_MAX;
    bool klem = false;
};

constexpr int stor = 32000;  // beyond any screen

Linje linje(Felt f) { return {f}; }
Linje tal(int S::*f, int min, int max) { return {f, min, max}; }
Linje stoerrelse(int S::*f, int min, int max) { return {f, min, max, true}; }

const Linje& linjeNr(int n)
{
    static const Linje linjer[S::antalLinjer] = {
        linje(&S::designName),
        tal(&S::vinduesVenstre, -stor, stor),
        tal(&S::vinduesTop, -stor, stor),
        stoerrelse(&S::vinduesBredde, 970, stor),
        stoerrelse(&S::vinduesHoejde, 650, stor),
        tal(&S::resultBox, 0, 2),
        linje(&S::findTekst),
        linje(&S::medtagPrivat),
        linje(&S::placerPrivat),
        linje(&S::gemtFilMappe),
        tal(&S::LastStrukturNo, 0, 3),
        tal(&S::bogSide, 0, 7),
        tal(&S::topBogSide, 0, 8),
        linje(&S::hsMenuNiveau),
        tal(&S::fileRunNumber, 0, 1),
        tal(&S::idSize, 1, 99),
        stoerrelse(&S::listeHoejde, 105, 300),
        stoerrelse(&S::spalte1, 250, 1200),
        stoerrelse(&S::listeHoejde2, 105, 300),
        stoerrelse(&S::spalte2, 270, 1200),
        stoerrelse(&S::hoejrePanel, 286, 1200),
        linje(&S::visSpalte1),
        linje(&S::visSpalte2),
        linje(&S::visHoejre),
        linje(&S::kalenderMappe),
        tal(&S::AMfunktionsNumber, 0, 1),
        tal(&S::tabBox, 0, 2),
        linje(&S::exeProgram),
        tal(&S::progBox, 0, 1),
        linje(&S::mappeBox),
        linje(&S::visTopBog),
        tal(&S::rpBox, 0, 1),
        linje(&S::FDirMappe),
        linje(&S::hpSynligt),
        linje(&S::CheckInfo),
        tal(&S::spmBox, 0, 2),
        linje(&S::ryd),
        linje(&S::gruppenavn),
        linje(&S::CheckGenveje),
        linje(&S::CheckOpret),
        linje(&S::CheckApplets),
        linje(&S::CheckKalender),
        linje(&S::CheckInsert),
        linje(&S::CheckWeb),
        linje(&S::luk),
        linje(&S::papirkurv),
        linje(&S::CheckFind),
        linje(&S::visInfoPanel),
        linje(&S::gemtMappe3),
        linje(&S::dragDrop),
        linje(&S::kopiLister),
        stoerrelse(&S::maxElementer, 10, S::maxElementerLoft),
        stoerrelse(&S::notatHoejde, 50, 2000),
        // The picture box's grid: never more fields than it can show.
        stoerrelse(&S::GBoxV, 1, maxFeltAntal),
        stoerrelse(&S::GBoxL, 1, maxFeltAntal),
        tal(&S::GBoxW, 1, stor),
        tal(&S::GBoxH, 1, stor),
        tal(&S::GBoxLeft, -stor, stor),
        tal(&S::GBoxTop, -stor, stor),
        tal(&S::colIndex, 0, int(feltfarver().size()) - 1),
        linje(&S::opdater),
    };
    return linjer[n];
}

// A line break inside a text would shift every later line.
QString enLinje(QString tekst)
{
    return tekst.replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace

QList<int> TEgenskaber::laes(const QStringList& linjer)
{
    QList<int> daarlige;
    for (int n = 0; n < antalLinjer; ++n) {
        if (n >= linjer.size()) {
            daarlige << n;
            continue;
        }
        const QString& tekst = linjer[n];
        const Linje& l = linjeNr(n);
        bool ok = true;
        if (const auto* f = std::get_if<QString S::*>(&l.felt)) {
            // An unknown style keeps the one the program started with.
            ok = n != 0 || designNavne().contains(tekst);
            if (ok)
                this->**f = tekst;
        } else {
            const int v = tekst.trimmed().toInt(&ok);
            if (const auto* b = std::get_if<bool S::*>(&l.felt)) {
                ok = ok && (v == 0 || v == 1);
                if (ok)
                    this->**b = v == 1;
            } else if (ok && (l.klem || (v >= l.min && v <= l.max))) {
                this->*std::get<int S::*>(l.felt) = std::clamp(v, l.min, l.max);
            } else {
                ok = false;
            }
        }
        if (!ok)
            daarlige << n;
    }
    ekstra = linjer.mid(antalLinjer);
    return daarlige;
}

QStringList TEgenskaber::skriv() const
{
    QStringList linjer;
    for (int n = 0; n < antalLinjer; ++n) {
        const Felt& f = linjeNr(n).felt;
        if (const auto* t = std::get_if<QString S::*>(&f))
            linjer << enLinje(this->**t);
        else if (const auto* b = std::get_if<bool S::*>(&f))
            linjer << QString::number(this->**b ? 1 : 0);
        else
            linjer << QString::number(this->*std::get<int S::*>(f));
    }
    for (const QString& e : ekstra)
        linjer << enLinje(e);
    return linjer;
}

bool TEgenskaber::hent(const QString& sti, QString* fejl)
{
    const auto linjer = readTextLines(sti, fejl);
    if (!linjer)
        return false;
    laes(*linjer);
    return true;
}

bool TEgenskaber::gem(const QString& sti, QString* fejl) const
{
    return writeTextLines(sti, skriv(), fejl);
}

bool& TEgenskaber::udenfor(int nummer)
{
    bool* const bokse[] = {&CheckOpret, &CheckKalender, &CheckInsert, &CheckApplets,
                           &CheckGenveje, &CheckInfo, &CheckWeb, &CheckFind};
    return *bokse[std::clamp(nummer, 1, 8) - 1];
}

} // namespace kv
