#include "calendar/Helligdage.h"

#include <algorithm>

namespace kv {

namespace {

constexpr QStringView maaneder[] = {u" Januar", u" Februar", u" Marts",     u" April",   u" Maj",      u" Juni",
                                    u" Juli",   u" August",  u" September", u" Oktober", u" November", u" December"};
constexpr QStringView ugedage[] = {u"Mandag ", u"Tirsdag ", u"Onsdag ", u"Torsdag ", u"Fredag ", u"Lørdag ", u"Søndag "};
// The days of the month in plain digits, 1 to 31, one after the other.
constexpr char16_t dagcifre[] = u"12345678910111213141516171819202122232425262728293031";

// Days after Easter Sunday of Skærtorsdag … Anden pinsedag.
constexpr int flytbare[] = {-3, -2, 0, 1, 26, 39, 49, 50};

QStringView dagtal(int dag)
{
    return dag < 10 ? QStringView(dagcifre + dag - 1, 1) : QStringView(dagcifre + 9 + 2 * (dag - 10), 2);
}

// A text from its pieces in a single allocation.
QString raekke(std::initializer_list<QStringView> dele)
{
    qsizetype n = 0;
    for (QStringView d : dele)
        n += d.size();
    QString t(n, Qt::Uninitialized);
    QChar* ud = t.data();
    for (QStringView d : dele)
        ud = std::copy(d.begin(), d.end(), ud);
    return t;
}

} // namespace

QString maanedstekst(int maaned)
{
    return maaneder[maaned - 1].toString();
}

QString ugedagstekst(int ugedag)
{
    return ugedage[ugedag - 1].toString();
}

QString datolinje(const QDate& dato)
{
    return ugedagstekst(dato.dayOfWeek()) + QString::number(dato.day()).rightJustified(2, u'0') + u'.'
           + maanedstekst(dato.month()) + u' ' + QString::number(dato.year());
}

QDate paaskedag(int aar)
{
    const int a = aar % 19, b = aar % 4, c = aar % 7, k = aar / 100;
    const int p = (8 * k + 13) / 25, q = k / 4;
    const int M = (15 - p + k - q) % 30, N = (4 + k - q) % 7;
    const int d = (19 * a + M) % 30, e = (2 * b + 4 * c + 6 * d + N) % 7;
    if (d == 29 && e == 6)
        return QDate(aar, 4, 19);
    if (d == 28 && e == 6 && a > 10)
        return QDate(aar, 4, 18);
    return 22 + d + e > 31 ? QDate(aar, 4, d + e - 9) : QDate(aar, 3, 22 + d + e);
}

std::array<QString, 12> helligdage(int aar)
{
    // What follows the day of the month, by month and weekday: the rows of
    // thousands of years are then a number and one ready text each.
    using Haler = std::array<std::array<QString, 7>, 12>;
    static const auto haler = [](QStringView foer, bool enMellemrum) {
        Haler h;
        for (int m = 0; m < 12; ++m)
            for (int u = 0; u < 7; ++u)
                h[m][u] = raekke({foer, enMellemrum ? maaneder[m].mid(1) : maaneder[m], u" - ", ugedage[u]});
        return h;
    };
    // The two days before Easter have one space after the dot, the rest two.
    static const Haler foerPaaske = haler(u". ", true), efterPaaske = haler(u". ", false);
    std::array<QString, 12> r;
    const int nytaar = QDate(aar, 1, 1).dayOfWeek();
    r[0] = raekke({u"01", foerPaaske[0][nytaar - 1]});
    // The movable days, counted from 1 March; Easter is a Sunday, so each keeps its weekday.
    const QDate paaske = paaskedag(aar);
    const int fraMarts = (paaske.month() == 3 ? 0 : 31) + paaske.day() - 1;
    constexpr int maanedslaengde[] = {31, 30, 31, 30};
    for (int i = 0; i < 8; ++i) {
        int dag = fraMarts + flytbare[i], maaned = 3;
        for (; dag >= maanedslaengde[maaned - 3]; ++maaned)
            dag -= maanedslaengde[maaned - 3];
        const int ugedag = (flytbare[i] % 7 + 13) % 7;
        r[i + 1] = raekke({dagtal(dag + 1), (i < 2 ? foerPaaske : efterPaaske)[maaned - 1][ugedag]});
    }
    // 24 December is 357 days after 1 January, one more in a leap year.
    const int juleaften = nytaar - 1 + 357 + (QDate::isLeapYear(aar) ? 1 : 0);
    for (int i = 0; i < 3; ++i)
        r[9 + i] = raekke({dagtal(24 + i), foerPaaske[11][(juleaften + i) % 7]});
    return r;
}

} // namespace kv
