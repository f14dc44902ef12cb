#include "TextFile.h"
#include "FileSystem.h"
#include "RegularFile.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace kv {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five unused ones map to the C1 controls.
constexpr std::array<char16_t, 32> cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The character in Windows-1252, or -1 when it has none.
int cp1252(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (cp1252High[i] == u)
            return 0x80 + i;
    return -1;
}

// A line without a byte-order mark that is valid UTF-8 and not plain ASCII
// was written in UTF-8; Windows-1252 text is almost never that. Each line is
// judged alone, so one stray Windows-1252 byte leaves the other lines intact.
QString decodeLine(QByteArrayView bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    if (ascii)
        return QString::fromLatin1(bytes);
    // A U+FEFF at the start of a line is text, not a mark: the file's own mark is gone by now.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString decoded = utf8.decode(bytes);
    return utf8.hasError() ? fromCp1252(bytes) : decoded;
}

// Whether bytes could be UTF-8 beyond ASCII: only if the first byte above
// ASCII starts a sequence; most Windows-1252 text fails here without decoding.
bool kanVaereUtf8(QByteArrayView bytes)
{
    const auto i = std::find_if(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; });
    return i != bytes.end() && uchar(*i) >= 0xC2 && uchar(*i) <= 0xF4 && i + 1 != bytes.end() && (uchar(i[1]) & 0xC0) == 0x80;
}

// A line saved holds no line break: one in a value (a field takes them when
// pasted) would split it, and every line after it would shift by one, so
// names would be read as addresses. It is saved as a space.
QString udenLinjeskift(const QString& line)
{
    if (!line.contains(u'\r') && !line.contains(u'\n'))
        return line;
    QString s = line;
    for (QChar& c : s)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return s;
}

// Calls add with each line of text; CR LF, CR and LF each end a line, and a
// last line without an end counts.
template <typename View, typename Add>
void splitLines(View text, Add add)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        add(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        add(text.sliced(start));
}

} // namespace

QString fromCp1252(QByteArrayView bytes)
{
    QString s = QString::fromLatin1(bytes);
    // Only the bytes 0x80 to 0x9F differ from Latin-1; pieces without them
    // are passed over by a test the compiler can vectorise.
    char16_t* p = reinterpret_cast<char16_t*>(s.data());
    const auto ret = [p](qsizetype fra, qsizetype til) {
        for (qsizetype k = fra; k < til; ++k)
            if ((p[k] & 0xFFE0) == 0x80)
                p[k] = cp1252High[p[k] - 0x80];
    };
    const qsizetype n = s.size();
    constexpr qsizetype stykke = 64;
    qsizetype i = 0;
    for (; i + stykke <= n; i += stykke) {
        char16_t c1 = 0;
        for (qsizetype k = 0; k < stykke; ++k)
            c1 |= char16_t((p[i + k] & 0xFFE0) == 0x80);
        if (c1)
            ret(i, i + stykke);
    }
    ret(i, n);
    return s;
}

QStringList decodeTextLines(const QByteArray& data)
{
    QByteArrayView bytes(data);
    // After a UTF-8 mark too, a line that is no valid UTF-8 keeps its bytes as
    // Windows-1252 characters, so saving it again gives the same text.
    const bool utf8Mark = bytes.startsWith("\xEF\xBB\xBF");
    if (utf8Mark)
        bytes = bytes.sliced(3);
    QString text;
    if (!utf8Mark && bytes.startsWith("\xFF\xFE")) {
        text = QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.sliced(2));
    } else if (!utf8Mark && bytes.startsWith("\xFE\xFF")) {
        text = QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.sliced(2));
    } else {
        QStringList lines;
        splitLines(bytes, [&](QByteArrayView line) { lines << decodeLine(line); });
        return lines;
    }
    QStringList lines;
    splitLines(QStringView(text), [&](QStringView line) { lines << line.toString(); });
    return lines;
}

QByteArray encodeTextLines(const QStringList& lines)
{
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    const auto somUtf8 = [&] {
        QString text;
        text.reserve(size);
        for (const QString& l : lines)
            text.append(udenLinjeskift(l)).append(u"\r\n");
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    };
    // Windows-1252 when every character has a byte there, one byte each, and
    // the bytes read back as the same text: a line such as "Ã¦" would read as
    // UTF-8 ("æ"), and a start such as "ÿþ" as a byte-order mark.
    QByteArray out(size, Qt::Uninitialized);
    char* p = out.data();
    for (const QString& line : lines) {
        const char* start = p;
        for (const QChar c : line) {
            const int b = cp1252(c.unicode());
            if (b < 0)
                return somUtf8();
            *p++ = b == '\r' || b == '\n' ? ' ' : char(b);
        }
        const QByteArrayView bytes(start, p);
        if (kanVaereUtf8(bytes) && decodeLine(bytes) != udenLinjeskift(line))
            return somUtf8();
        *p++ = '\r';
        *p++ = '\n';
    }
    const QByteArrayView alt(out);
    if (alt.startsWith("\xEF\xBB\xBF") || alt.startsWith("\xFF\xFE") || alt.startsWith("\xFE\xFF"))
        return somUtf8();
    return out;
}

std::optional<QStringList> readTextLines(const QString& path, QString* error, qint64 maxBytes)
{
    const auto data = readRegularFile(path, maxBytes, error);
    if (!data)
        return std::nullopt;
    return decodeTextLines(*data);
}

bool writeTextLines(const QString& path, const QStringList& lines, QString* error)
{
    return writeWholeFile(path, encodeTextLines(lines), error);
}

} // namespace kv
