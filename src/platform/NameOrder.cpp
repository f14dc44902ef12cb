#include "NameOrder.h"

#include <QChar>
#include <QVarLengthArray>
#include <algorithm>
#include <cstring>

namespace kv {

namespace {

// Key bytes: 0 ends the part of the key read first; a character below 0x80 is
// one byte (its lower-case code plus one, with æ, ø and å given the three codes
// after z); any other is 0xF0 and its folded code; a run of digits is the
// byte of '0', the count of its digits without leading zeros, and those digits.
// After the 0 come the leading zeros of each run, for the tie between them.
constexpr char keyEnd = 0;
constexpr uchar wide = 0xF0;

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

uchar narrowCode(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        c += 32;
    return uchar(c <= u'z' ? c + 1 : c + 4);
}

char* writeCount(char* out, qsizetype n)
{
    if (n < 0xFF) {
        *out++ = char(n);
        return out;
    }
    *out++ = char(0xFF);
    for (int shift = 24; shift >= 0; shift -= 8)
        *out++ = char((quint32(n) >> shift) & 0xFF);
    return out;
}

} // namespace

void appendSortKey(QByteArray& key, QStringView name)
{
    const char16_t* p = name.utf16();
    const char16_t* end = p + name.size();
    // Written in place: at most 3 bytes a character, 11 more for each run of digits.
    const qsizetype before = key.size();
    key.resize(before + name.size() * 14 + 1);
    char* out = key.data() + before;
    QVarLengthArray<qsizetype, 8> zeros;
    while (p < end) {
        const char16_t c = *p;
        if (isDigit(c)) {
            const char16_t* start = p;
            while (p < end && *p == u'0')
                ++p;
            const char16_t* significant = p;
            while (p < end && isDigit(*p))
                ++p;
            *out++ = char(narrowCode(u'0'));
            out = writeCount(out, p - significant);
            for (const char16_t* d = significant; d < p; ++d)
                *out++ = char(*d);
            zeros.append(significant - start);
            continue;
        }
        ++p;
        if (c < 0x80) {
            *out++ = char(narrowCode(c));
            continue;
        }
        switch (c) {
        case u'æ': case u'Æ': *out++ = char(narrowCode(u'z') + 1); continue;
        case u'ø': case u'Ø': *out++ = char(narrowCode(u'z') + 2); continue;
        case u'å': case u'Å': *out++ = char(narrowCode(u'z') + 3); continue;
        default: break;
        }
        const char16_t folded = QChar(c).toCaseFolded().unicode();
        *out++ = char(wide);
        *out++ = char(folded >> 8);
        *out++ = char(folded & 0xFF);
    }
    *out++ = keyEnd;
    for (const qsizetype z : zeros)
        out = writeCount(out, z);
    key.truncate(out - key.constData());
}

namespace {

int compareKeys(QByteArrayView a, QByteArrayView b)
{
    const int c = std::memcmp(a.data(), b.data(), size_t(std::min(a.size(), b.size())));
    if (c != 0)
        return c;
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

} // namespace

int compareNames(QStringView a, QStringView b)
{
    QByteArray ka, kb;
    appendSortKey(ka, a);
    appendSortKey(kb, b);
    const int c = compareKeys(ka, kb);
    return c != 0 ? c : a.compare(b);
}

namespace {

// The first 16 key bytes as two numbers, so most comparisons touch no key.
struct Plads {
    quint64 hoved = 0, hale = 0;
    quint32 start = 0, slut = 0, index = 0;
};

quint64 bigEndian(const char* p, qsizetype n)
{
    quint64 v = 0;
    for (qsizetype i = 0; i < 8; ++i)
        v = (v << 8) | (i < n ? uchar(p[i]) : 0);
    return v;
}

} // namespace

void sortByName(std::vector<DirEntry>& entries)
{
    // Every key in one buffer, made once; the sort then moves only small records.
    QByteArray keys;
    keys.reserve(qsizetype(entries.size()) * 24);
    std::vector<Plads> order(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        order[i].start = quint32(keys.size());
        appendSortKey(keys, entries[i].name);
        order[i].slut = quint32(keys.size());
        order[i].index = quint32(i);
    }
    for (Plads& p : order) {
        const qsizetype n = qsizetype(p.slut) - p.start;
        p.hoved = bigEndian(keys.constData() + p.start, n);
        p.hale = bigEndian(keys.constData() + p.start + std::min<qsizetype>(n, 8), n - 8);
    }
    std::sort(order.begin(), order.end(), [&](const Plads& a, const Plads& b) {
        if (a.hoved != b.hoved)
            return a.hoved < b.hoved;
        if (a.hale != b.hale)
            return a.hale < b.hale;
        const int c = compareKeys(QByteArrayView(keys).sliced(a.start, a.slut - a.start),
                                  QByteArrayView(keys).sliced(b.start, b.slut - b.start));
        return c != 0 ? c < 0 : entries[a.index].name < entries[b.index].name;
    });
    std::vector<DirEntry> sorted;
    sorted.reserve(entries.size());
    for (const Plads& p : order)
        sorted.push_back(std::move(entries[p.index]));
    entries = std::move(sorted);
}

} // namespace kv
