#pragma once
// Danish date texts and the dates of the Danish holidays of a year.
#include <QDate>
#include <QString>
#include <array>

namespace kv {

// " Januar" … " December" (month 1..12): each begins with a space.
QString maanedstekst(int maaned);
// "Mandag " … "Søndag " (Monday = 1): each ends with a space.
QString ugedagstekst(int ugedag);

// Today's line of the date page: "Søndag 07. December 2025".
QString datolinje(const QDate& dato);

// Easter Sunday of a year of the Gregorian calendar, by Gauss's method.
QDate paaskedag(int aar);

// The date texts of the twelve holiday rows of a year, top to bottom:
// Nytårsdag, the eight days that follow Easter, and the three days of Christmas.
std::array<QString, 12> helligdage(int aar);

} // namespace kv
