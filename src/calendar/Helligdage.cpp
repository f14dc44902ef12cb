#include "calendar/Helligdage.h"

namespace kv {

namespace {

const char16_t* const maaneder[] = {u" Januar", u" Februar", u" Marts",  u" April",   u" Maj",      u" Juni",
                                    u" Juli",   u" August",  u" September", u" Oktober", u" November", u" December"};
const char16_t* const ugedage[] = {u"Mandag ", u"Tirsdag ", u"Onsdag ", u"Torsdag ", u"Fredag ", u"Lørdag ", u"Søndag "};

// Days after Easter Sunday of Skærtorsdag … Anden pinsedag.
constexpr int flytbare[] = {-3, -2, 0, 1, 26, 39, 49, 50};

} // namespace

QString maanedstekst(int maaned)
{
    return QString::fromUtf16(maaneder[maaned - 1]);
}

QString ugedagstekst(int ugedag)
{
    return QString::fromUtf16(ugedage[ugedag - 1]);
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
    std::array<QString, 12> r;
    const auto fast = [aar](int dag) {
        return QString::number(dag) + u". December - "_qs + ugedagstekst(QDate(aar, 12, dag).dayOfWeek());
    };
    r[0] = u"01. Januar - "_qs + ugedagstekst(QDate(aar, 1, 1).dayOfWeek());
    const QDate paaske = paaskedag(aar);
    for (int i = 0; i < 8; ++i) {
        const QDate d = paaske.addDays(flytbare[i]);
        // The two days before Easter have one space after the dot, the rest two.
        const QString maaned = i < 2 ? (d.month() == 3 ? u". Marts - "_qs : u". April - "_qs)
                                     : u". "_qs + maanedstekst(d.month()) + u" - "_qs;
        r[i + 1] = QString::number(d.day()) + maaned + ugedagstekst(d.dayOfWeek());
    }
    for (int i = 0; i < 3; ++i)
        r[9 + i] = fast(24 + i);
    return r;
}

} // namespace kv
