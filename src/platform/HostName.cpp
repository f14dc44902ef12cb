#include "HostName.h"

#include <algorithm>

namespace kv {

namespace {

constexpr char16_t escapeBase = 0xF000;

// The code point of a valid UTF-8 sequence at p, and its length; 0 when the
// bytes there are no valid sequence (overlong, surrogate, beyond U+10FFFF, cut short).
int decodeSequence(const uchar* p, const uchar* end, char32_t& cp)
{
    const uchar b = p[0];
    int len;
    char32_t min;
    if (b >= 0xC2 && b <= 0xDF) { len = 2; cp = b & 0x1F; min = 0x80; }
    else if (b >= 0xE0 && b <= 0xEF) { len = 3; cp = b & 0x0F; min = 0x800; }
    else if (b >= 0xF0 && b <= 0xF4) { len = 4; cp = b & 0x07; min = 0x10000; }
    else return 0;
    if (end - p < len)
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

bool needsEscape(uchar b)
{
    return b == '\\' || b == '\r' || b == '\n';
}

void appendUtf8(QByteArray& raw, char32_t cp)
{
    if (cp < 0x80) {
        raw.append(char(cp));
    } else if (cp < 0x800) {
        raw.append(char(0xC0 | (cp >> 6)));
        raw.append(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        raw.append(char(0xE0 | (cp >> 12)));
        raw.append(char(0x80 | ((cp >> 6) & 0x3F)));
        raw.append(char(0x80 | (cp & 0x3F)));
    } else {
        raw.append(char(0xF0 | (cp >> 18)));
        raw.append(char(0x80 | ((cp >> 12) & 0x3F)));
        raw.append(char(0x80 | ((cp >> 6) & 0x3F)));
        raw.append(char(0x80 | (cp & 0x3F)));
    }
}

} // namespace

QString decodeHostName(QByteArrayView raw)
{
    const auto* p = reinterpret_cast<const uchar*>(raw.data());
    const auto* end = p + raw.size();
    // Most names are plain ASCII: one pass, one allocation.
    const uchar* q = p;
    while (q < end && *q < 0x80 && !needsEscape(*q))
        ++q;
    if (q == end)
        return QString::fromLatin1(raw);

    QString name;
    name.reserve(raw.size());
    name.append(QLatin1StringView(raw.first(q - p)));
    while (q < end) {
        if (*q < 0x80) {
            name.append(QChar(needsEscape(*q) ? char16_t(escapeBase + *q) : char16_t(*q)));
            ++q;
            continue;
        }
        char32_t cp;
        const int len = decodeSequence(q, end, cp);
        if (len == 0 || isEscapedByte(cp)) {
            // Each byte on its own; the rest of a broken sequence follows as bytes too.
            const int n = len == 0 ? 1 : len;
            for (int i = 0; i < n; ++i)
                name.append(QChar(char16_t(escapeBase + q[i])));
            q += n;
            continue;
        }
        if (cp > 0xFFFF) {
            name.append(QChar(QChar::highSurrogate(cp)));
            name.append(QChar(QChar::lowSurrogate(cp)));
        } else {
            name.append(QChar(char16_t(cp)));
        }
        q += len;
    }
    return name;
}

QByteArray encodeHostName(QStringView name)
{
    const char16_t* p = name.utf16();
    const char16_t* end = p + name.size();
    const char16_t* q = p;
    while (q < end && *q < 0x80)
        ++q;
    if (q == end)
        return name.toLatin1();

    QByteArray raw;
    raw.reserve(name.size() * 3);
    for (const char16_t* c = p; c < end; ++c) {
        if (isEscapedByte(*c)) {
            raw.append(char(*c - escapeBase));
            continue;
        }
        char32_t cp = *c;
        if (QChar::isHighSurrogate(*c) && c + 1 < end && QChar::isLowSurrogate(c[1])) {
            cp = QChar::surrogateToUcs4(c[0], c[1]);
            ++c;
        } else if (QChar::isSurrogate(*c)) {
            cp = QChar::ReplacementCharacter;  // a lone half has no UTF-8
        }
        appendUtf8(raw, cp);
    }
    return raw;
}

bool isSafeComponent(QStringView component)
{
    if (component.isEmpty() || component == u"." || component == u".." || component.contains(QChar(0)))
        return false;
    // A character that stands for a byte is judged by the byte it becomes:
    // U+F02E U+F02E is "..", U+F02F a slash, U+F000 a NUL.
    if (std::none_of(component.begin(), component.end(), [](QChar c) { return isEscapedByte(c.unicode()); }))
        return true;
    const QByteArray raw = encodeHostName(component);
    return raw != "." && raw != ".." && !raw.contains('/') && !raw.contains('\0');
}

} // namespace kv
