#pragma once
// The order a person reads a folder in: case does not count, æ, ø and å come
// after z in that order, and runs of digits compare by their value ("fil2"
// before "fil10"). Equal values with more leading zeros come later, and names
// that still tie are ordered by their characters, so the order is total.
#include "FileSystem.h"

#include <QByteArray>
#include <QStringView>
#include <vector>

namespace kv {

// Appends bytes that compare (as unsigned bytes, shorter first) in that order,
// up to the final tie on the characters themselves.
void appendSortKey(QByteArray& key, QStringView name);

// Negative, zero or positive as a comes before, is, or comes after b.
int compareNames(QStringView a, QStringView b);

void sortByName(std::vector<DirEntry>& entries);

} // namespace kv
