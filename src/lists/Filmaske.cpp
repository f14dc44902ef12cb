#include "Filmaske.h"

namespace kv {

namespace {

bool passer(QStringView navn, QStringView maske)
{
    // Iterative wildcard match: on a mismatch, let the last "*" take one more character.
    qsizetype n = 0, m = 0, stjerne = -1, efterStjerne = 0;
    while (n < navn.size()) {
        if (m < maske.size() && maske[m] == u'*') {
            stjerne = m++;
            efterStjerne = n;
        } else if (m < maske.size() && (maske[m] == u'?' || maske[m].toCaseFolded() == navn[n].toCaseFolded())) {
            ++m;
            ++n;
        } else if (stjerne >= 0) {
            m = stjerne + 1;
            n = ++efterStjerne;
        } else {
            return false;
        }
    }
    while (m < maske.size() && maske[m] == u'*')
        ++m;
    return m == maske.size();
}

} // namespace

bool passerMaske(QStringView navn, QStringView maske)
{
    if (passer(navn, maske))
        return true;
    return maske.endsWith(u".*") && !navn.contains(u'.') && passer(navn, maske.chopped(2));
}

} // namespace kv
