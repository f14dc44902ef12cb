#include "Tekstsoeger.h"
#include "Filmaske.h"
#include "RtfTekst.h"
#include "platform/Dokumentlaeser.h"
#include "platform/FileSystem.h"
#include "platform/Listning.h"
#include "platform/RegularFile.h"
#include "platform/TextFile.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <bit>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kv {

namespace {

constexpr qint64 blok = 1 << 20;
// Rich text, zip and PDF documents are read whole; a bigger one is not a document.
constexpr qint64 stoersteDokument = qint64(256) << 20;
// How much of a line is kept around an occurrence.
constexpr qsizetype linjeStykke = 300;

// How many bytes at the end start a UTF-8 sequence that the next block
// completes; 0 when the bytes end with a whole character.
qsizetype utf8Hale(QByteArrayView data)
{
    for (qsizetype i = data.size() - 1, tilbage = 1; i >= 0 && tilbage <= 4; --i, ++tilbage) {
        const auto b = uchar(data[i]);
        if (b < 0x80)
            return 0;
        if (b >= 0xC0)
            return tilbage < (b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2) ? tilbage : 0;
    }
    return 0;
}

bool ordTegn(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

constexpr qsizetype foldStykke = 32;

// A Latin-1 character other than the micro sign, case-folded.
constexpr char16_t latin1Foldet(unsigned c)
{
    const bool stort = (c - u'A' < 26u) | ((c - 0xC0u < 0x1Fu) & (c != 0xD7));
    return char16_t(c + (stort ? 32 : 0));
}

// Folds a piece of foldStykke code units of Latin-1 in loops the compiler can
// vectorise; false, with nothing written, when the piece holds anything else
// (or the micro sign, which folds outside Latin-1).
bool foldLatin1(const char16_t* __restrict ind, char16_t* __restrict ud)
{
    char16_t udenfor = 0;
    for (qsizetype k = 0; k < foldStykke; ++k)
        udenfor |= char16_t((ind[k] & 0xFF00) | (ind[k] == 0xB5));
    if (udenfor)
        return false;
    for (qsizetype k = 0; k < foldStykke; ++k)
        ud[k] = latin1Foldet(ind[k]);
    return true;
}

// Appends the text case-folded, one code unit for one (a pair for a pair), so
// that a position in the folded text is the same in the original.
void foldInd(QStringView fra, QString& til)
{
    const qsizetype foer = til.size();
    const qsizetype n = fra.size();
    til.resize(foer + n);
    char16_t* ud = reinterpret_cast<char16_t*>(til.data()) + foer;
    const char16_t* ind = fra.utf16();
    for (qsizetype i = 0; i < n;) {
        if (n - i >= foldStykke && foldLatin1(ind + i, ud + i)) {
            i += foldStykke;
            continue;
        }
        for (const qsizetype slut = std::min(n, i + foldStykke); i < slut; ++i) {
            const char16_t c = ind[i];
            if (c < 0x80) {
                ud[i] = latin1Foldet(c);
            } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(ind[i + 1])) {
                const char32_t f = QChar::toCaseFolded(QChar::surrogateToUcs4(c, ind[i + 1]));
                const bool par = QChar::requiresSurrogates(f);
                ud[i] = par ? QChar::highSurrogate(f) : c;
                ud[i + 1] = par ? QChar::lowSurrogate(f) : ind[i + 1];
                ++i;
            } else {
                const char32_t f = QChar::toCaseFolded(char32_t(c));
                ud[i] = f <= 0xFFFF ? char16_t(f) : c;
            }
        }
    }
}

// The first place in tekst from fra where one of the four code units
// stands, or -1: eight at a time where the processor compares so.
qsizetype findEnAf(QStringView tekst, qsizetype fra, const std::array<char16_t, 4>& f)
{
    const char16_t* s = tekst.utf16();
    const qsizetype n = tekst.size();
    qsizetype i = fra;
#ifdef __SSE2__
    const __m128i a = _mm_set1_epi16(short(f[0])), b = _mm_set1_epi16(short(f[1]));
    const __m128i c = _mm_set1_epi16(short(f[2])), d = _mm_set1_epi16(short(f[3]));
    for (; i + 8 <= n; i += 8) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i lig = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(x, a), _mm_cmpeq_epi16(x, b)),
                                         _mm_or_si128(_mm_cmpeq_epi16(x, c), _mm_cmpeq_epi16(x, d)));
        if (const int maske = _mm_movemask_epi8(lig))
            return i + (std::countr_zero(unsigned(maske)) >> 1);
    }
#endif
    for (; i < n; ++i)
        if (s[i] == f[0] || s[i] == f[1] || s[i] == f[2] || s[i] == f[3])
            return i;
    return -1;
}

// Takes the text piece by piece and finds the occurrences in it; only the
// tail that a later occurrence or its line can still need is kept.
class Fundsamler {
public:
    // former: the forms of the first character, when case does not matter and
    // they are few; otherwise the whole text is folded.
    // At most plads occurrences are kept; the search stops at one more.
    Fundsamler(QStringView moenster, QStringView former, bool foldet, bool heleOrd, std::vector<Fund>& fund,
               qsizetype plads)
        : m_moenster(moenster), m_former(former), m_laengde(moenster.size()),
          m_foldHele(foldet && former.isEmpty()), m_heleOrd(heleOrd), m_fund(fund),
          m_hale(std::max<qsizetype>(2 * linjeStykke, 2 * m_laengde)), m_plads(plads)
    {
        for (qsizetype f = 0; f < qsizetype(m_formTegn.size()) && !former.isEmpty(); ++f)
            m_formTegn[size_t(f)] = former[f < former.size() ? f : 0].unicode();
    }

    // More occurrences were found than there is room for.
    bool fuld() const { return m_fuld; }

    void tilfoej(QStringView stykke)
    {
        if (m_fuld)
            return;
        const qsizetype foer = m_buf.size();
        // CR LF and a lone CR become one line break.
        if (m_cr && stykke.startsWith(u'\n'))
            stykke = stykke.sliced(1);
        m_cr = false;
        if (!stykke.contains(u'\r')) {
            m_buf += stykke;
        } else {
            for (qsizetype i = 0; i < stykke.size(); ++i) {
                if (stykke[i] != u'\r') {
                    m_buf += stykke[i];
                    continue;
                }
                m_buf += u'\n';
                if (i + 1 == stykke.size())
                    m_cr = true;
                else if (stykke[i + 1] == u'\n')
                    ++i;
            }
        }
        if (m_foldHele)
            foldInd(QStringView(m_buf).sliced(foer), m_fold);
        skan(false);
    }

    void slut()
    {
        if (!m_fuld)
            skan(true);
    }

private:
    // The next occurrence from fra: a fast scan for the first character,
    // then the rest compared.
    qsizetype find(qsizetype fra)
    {
        if (!m_former.isEmpty())
            return findForm(fra);
        const QStringView tekst(m_foldHele ? m_fold : m_buf);
        const QStringView rest = m_moenster.sliced(1);
        // Where the first character can stand with the rest after it.
        const QStringView starter = tekst.first(tekst.size() - rest.size());
        for (;;) {
            const qsizetype i = starter.indexOf(m_moenster.front(), fra);
            if (i < 0 || tekst.sliced(i + 1, rest.size()) == rest)
                return i;
            fra = i + 1;
        }
    }

    // The first character in any of its forms, the rest compared case-folded.
    qsizetype findForm(qsizetype fra)
    {
        const QStringView starter = QStringView(m_buf).first(m_buf.size() - m_laengde + 1);
        for (;;) {
            const qsizetype i = findEnAf(starter, fra, m_formTegn);
            if (i < 0 || restenPasser(i + 1))
                return i;
            fra = i + 1;
        }
    }

    // Whether the text from fra, case-folded, goes on as the pattern after its
    // first character: ASCII is folded here, the first other character sends
    // the rest through the full folding.
    bool restenPasser(qsizetype fra)
    {
        const QStringView rest = m_moenster.sliced(1);
        const char16_t* tekst = reinterpret_cast<const char16_t*>(m_buf.constData()) + fra;
        for (qsizetype k = 0; k < rest.size(); ++k) {
            if (tekst[k] >= 0x80) {
                m_kladde.resize(0);  // keeps its room
                foldInd(QStringView(tekst + k, rest.size() - k), m_kladde);
                return m_kladde == rest.sliced(k);
            }
            if (latin1Foldet(tekst[k]) != rest[k])
                return false;
        }
        return true;
    }

    void skan(bool slut)
    {
        const qsizetype n = m_buf.size();
        for (;;) {
            const qsizetype i = n < m_laengde ? -1 : find(m_fra);
            if (i < 0) {
                m_fra = std::max(m_fra, n - m_laengde + 1);
                break;
            }
            // An occurrence in the whole line of the last one, near enough to
            // both its ends that the line is not cut, shares its text unmeasured.
            const qint64 her = m_bufStart + i;
            const bool sammeLinje = m_linjeHel && her >= m_linjeFra && her < m_linjeTil
                                    && her - m_linjeFra <= linjeStykke && m_linjeTil - her <= m_laengde + linjeStykke;
            const qsizetype slutning = sammeLinje ? qsizetype(m_linjeTil - her)
                                                  : QStringView(m_buf).sliced(i, std::min(n - i, m_hale)).indexOf(u'\n');
            // The line and the character after the occurrence may still come.
            if (slutning < 0 && !slut && n - i < m_hale) {
                m_fra = i;
                break;
            }
            if (m_heleOrd && ((i > 0 && ordTegn(m_buf[i - 1])) || (i + m_laengde < n && ordTegn(m_buf[i + m_laengde])))) {
                m_fra = i + 1;
                continue;
            }
            if (!sammeLinje) {
                // The line break that ended the last line bounds the look back.
                const qsizetype bund = std::max<qsizetype>(
                    {0, i - linjeStykke, m_linjeHel && m_linjeTil < her ? qsizetype(m_linjeTil - m_bufStart) : 0});
                const qsizetype start = bund + QStringView(m_buf).sliced(bund, i - bund).lastIndexOf(u'\n') + 1;
                const qsizetype ende = std::min(slutning < 0 ? n : i + slutning, i + m_laengde + linjeStykke);
                // Occurrences in one line share its text.
                if (m_bufStart + start != m_linjeFra || m_bufStart + ende != m_linjeTil) {
                    m_linje = m_buf.sliced(start, ende - start);
                    m_linjeFra = m_bufStart + start;
                    m_linjeTil = m_bufStart + ende;
                }
                m_linjeHel = slutning >= 0 && slutning <= m_laengde + linjeStykke
                             && (m_linjeFra == 0 || (start > 0 && m_buf[start - 1] == u'\n'));
            }
            if (qsizetype(m_fund.size()) >= m_plads) {
                m_fuld = true;
                return;
            }
            m_fund.push_back({m_bufStart + i, m_linje});
            m_fra = i + m_laengde;
        }
        // Keep the line's start before the next search point (bounded), and
        // the character before it for the whole-word test.
        const qsizetype bund = std::max<qsizetype>(0, m_fra - m_hale);
        const qsizetype linje = QStringView(m_buf).sliced(bund, m_fra - bund).lastIndexOf(u'\n');
        const qsizetype behold = std::max<qsizetype>(0, linje < 0 ? bund : bund + linje);
        m_buf.remove(0, behold);
        if (m_foldHele)
            m_fold.remove(0, behold);
        m_bufStart += behold;
        m_fra -= behold;
    }

    const QStringView m_moenster;
    const QStringView m_former;
    const qsizetype m_laengde;
    const bool m_foldHele;
    const bool m_heleOrd;
    std::vector<Fund>& m_fund;
    const qsizetype m_hale;
    const qsizetype m_plads;
    bool m_fuld = false;
    QString m_buf;
    QString m_fold;         // m_buf case-folded, when the whole text is
    std::array<char16_t, Tekstsoeger::flestFormer> m_formTegn{};  // the forms, the first repeated to fill
    QString m_kladde;
    qint64 m_bufStart = 0;  // position of m_buf's first character in the text
    qsizetype m_fra = 0;
    bool m_cr = false;
    QString m_linje;        // the text of the last occurrence's line, and where it lies
    qint64 m_linjeFra = -1;
    qint64 m_linjeTil = -1;
    bool m_linjeHel = false;  // that text is its whole line, from a line start to a line break
};

} // namespace

Tekstsoeger::Tekstsoeger(const QString& tekst, bool heleOrd, bool forskelStoreSmaa)
    : m_foldet(!forskelStoreSmaa), m_heleOrd(heleOrd)
{
    if (!m_foldet) {
        m_moenster = tekst;
        return;
    }
    foldInd(tekst, m_moenster);
    if (m_moenster.isEmpty() || m_moenster.front().isSurrogate())
        return;
    for (char32_t c = 0; c < 0x10000; ++c)
        if (!QChar::isSurrogate(c) && QChar::toCaseFolded(c) == m_moenster.front().unicode())
            m_former += QChar(c);
    if (m_former.size() > flestFormer)
        m_former.clear();
}

std::vector<Fund> Tekstsoeger::soegTekst(QStringView tekst) const
{
    std::vector<Fund> fund;
    if (m_moenster.isEmpty())
        return fund;
    Fundsamler samler(m_moenster, m_former, m_foldet, m_heleOrd, fund, flestFund);
    samler.tilfoej(tekst);
    samler.slut();
    return fund;
}

bool Tekstsoeger::videre() const
{
    return !(stop && stop->load(std::memory_order_relaxed)) && (!fortsaet || fortsaet());
}

bool Tekstsoeger::soeg(const QString& dokument, std::vector<Fund>& fund, qsizetype plads, bool* fuld) const
{
    fund.clear();
    if (fuld)
        *fuld = false;
    RegularFileStream in(locateFile(dokument));
    std::optional<QByteArray> start = in.read(blok);
    if (!start || m_moenster.isEmpty())
        return false;
    const Dokumentart art = dokumentart(*start);
    if (art == Dokumentart::Tekst)
        return soegBlokvis(in, *start, fund, plads, fuld, false);
    if (in.size() > stoersteDokument)
        return false;
    std::optional<QByteArray> rest = in.read(stoersteDokument - start->size());
    if (!rest)
        return false;
    QByteArray data = *start + *rest;
    Fundsamler samler(m_moenster, m_former, m_foldet, m_heleOrd, fund, plads);
    // The decoded text goes to the search piece by piece, up to the cap.
    qsizetype taget = 0;
    bool stoppet = false;
    const Tekstmodtager modtag = [&](QStringView stykke) {
        stykke = stykke.first(std::min(stykke.size(), flestDokumenttegn - taget));
        taget += stykke.size();
        samler.tilfoej(stykke);
        stoppet = !videre();
        return !stoppet && !samler.fuld() && taget < flestDokumenttegn;
    };
    bool laest = true;
    if (art == Dokumentart::Rtf)
        modtag(rtfTekst(data));
    else if (art == Dokumentart::Pdf)
        laest = pdfTekst(data, modtag);
    else if (!kontorTekst(data, modtag))
        return soegBlokvis(in, data, fund, plads, fuld, true);  // a zip of another kind: its bytes, already read whole
    if (stoppet || !laest) {
        fund.clear();
        return false;
    }
    samler.slut();
    if (fuld)
        *fuld = samler.fuld();
    return true;
}

bool Tekstsoeger::soegBlokvis(RegularFileStream& in, QByteArray data, std::vector<Fund>& fund, qsizetype plads,
                              bool* fuld, bool hel) const
{
    std::optional<QStringDecoder::Encoding> kode;
    bool gaet = false;  // UTF-8 while it stays valid, else Windows-1252
    if (data.startsWith("\xEF\xBB\xBF"))
        kode = QStringDecoder::Utf8;
    else if (data.startsWith("\xFF\xFE"))
        kode = QStringDecoder::Utf16LE;
    else if (data.startsWith("\xFE\xFF"))
        kode = QStringDecoder::Utf16BE;
    else
        gaet = true;
    for (;;) {
        fund.clear();
        Fundsamler samler(m_moenster, m_former, m_foldet, m_heleOrd, fund, plads);
        QStringDecoder dekoder(kode.value_or(QStringDecoder::Utf8));
        const QByteArray helt = data;
        QByteArray rest;  // a UTF-8 character that the next block completes
        bool omstart = false;
        while (!data.isEmpty()) {
            // The bytes are checked before they are decoded, so that a
            // Windows-1252 file costs no decoding as UTF-8 first.
            if (gaet) {
                const QByteArray bytes = rest.isEmpty() ? data : rest + data;
                const qsizetype hale = utf8Hale(bytes);
                if (!QByteArrayView(bytes).chopped(hale).isValidUtf8()) {
                    omstart = true;
                    break;
                }
                rest = bytes.last(hale);
            }
            const QString tekst = gaet || kode ? QString(dekoder.decode(data)) : fromCp1252(data);
            if (gaet && dekoder.hasError()) {
                omstart = true;
                break;
            }
            samler.tilfoej(tekst);
            if (!videre()) {
                fund.clear();
                return false;
            }
            if (samler.fuld())
                break;
            std::optional<QByteArray> naeste = hel ? QByteArray() : in.read(blok);
            if (!naeste)
                return false;
            if (gaet && naeste->isEmpty() && !rest.isEmpty()) {
                omstart = true;
                break;
            }
            data = *naeste;
        }
        if (!omstart) {
            samler.slut();
            if (fuld)
                *fuld = samler.fuld();
            return true;
        }
        gaet = false;
        kode.reset();
        std::optional<QByteArray> forfra = hel ? helt : in.rewind() ? in.read(blok) : std::nullopt;
        if (!forfra)
            return false;
        data = *forfra;
    }
}

QStringList dokumenterI(const QString& mappe, const QStringList& masker)
{
    QStringList navne;
    if (masker.isEmpty())
        return navne;
    for (const DirEntry& e : listFolderShown(mappe).value_or(std::vector<DirEntry>{}))
        if (!e.isDir && std::any_of(masker.cbegin(), masker.cend(), [&e](const QString& m) { return passerMaske(e.name, m); }))
            navne << e.name;
    return navne;
}

} // namespace kv
