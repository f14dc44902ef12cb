#include "NameOrder.h"

#include <QChar>

namespace kv {

namespace {

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The weight a character sorts by; room is left after 'z' for æ, ø and å.
char32_t weight(char16_t c)
{
    if (c < 0x80) {
        if (c >= u'A' && c <= u'Z')
            c += 32;
        return char32_t(c) << 2;
    }
    switch (c) {
    case u'æ': case u'Æ': return (char32_t(u'z') << 2) + 1;
    case u'ø': case u'Ø': return (char32_t(u'z') << 2) + 2;
    case u'å': case u'Å': return (char32_t(u'z') << 2) + 3;
    default: return char32_t(QChar::toCaseFolded(char32_t(c))) << 2;
    }
}

} // namespace

int compareNames(QStringView a, QStringView b)
{
    const char16_t* p = a.utf16();
    const char16_t* pEnd = p + a.size();
    const char16_t* q = b.utf16();
    const char16_t* qEnd = q + b.size();
    int zeros = 0;  // the first difference in leading zeros, kept for a tie
    while (p < pEnd && q < qEnd) {
        if (isDigit(*p) && isDigit(*q)) {
            const char16_t* p0 = p;
            const char16_t* q0 = q;
            while (p < pEnd && *p == u'0')
                ++p;
            while (q < qEnd && *q == u'0')
                ++q;
            const char16_t* ps = p;
            const char16_t* qs = q;
            while (p < pEnd && isDigit(*p))
                ++p;
            while (q < qEnd && isDigit(*q))
                ++q;
            // More significant digits is the larger number; else the first digit that differs.
            if ((p - ps) != (q - qs))
                return (p - ps) < (q - qs) ? -1 : 1;
            for (qsizetype i = 0; i < p - ps; ++i)
                if (ps[i] != qs[i])
                    return ps[i] < qs[i] ? -1 : 1;
            if (zeros == 0 && (p - p0) != (q - q0))
                zeros = (p - p0) < (q - q0) ? -1 : 1;
            continue;
        }
        if (*p != *q) {
            const char32_t wp = weight(*p);
            const char32_t wq = weight(*q);
            if (wp != wq)
                return wp < wq ? -1 : 1;
        }
        ++p;
        ++q;
    }
    if (p < pEnd || q < qEnd)
        return p < pEnd ? 1 : -1;
    if (zeros != 0)
        return zeros;
    return a.compare(b);
}

} // namespace kv
