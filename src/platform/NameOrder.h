#pragma once
// The order a person reads a folder in: case does not count, æ, ø and å come
// after z in that order, and runs of digits compare by their value ("fil2"
// before "fil10"). Equal values with more leading zeros come later, and names
// that still tie are ordered by their characters, so the order is total.
#include <QStringView>

namespace kv {

// Negative, zero or positive as a comes before, is, or comes after b.
int compareNames(QStringView a, QStringView b);

} // namespace kv
