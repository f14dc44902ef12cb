#include "Tekstsoeger.h"
#include "Filmaske.h"
#include "RtfTekst.h"
#include "platform/Dokumentlaeser.h"
#include "platform/FileSystem.h"
#include "platform/RegularFile.h"
#include "platform/TextFile.h"

#include <QStringDecoder>
#include <algorithm>

namespace kv {

namespace {

constexpr qint64 blok = 1 << 20;
// Rich text, zip and PDF documents are read whole; a bigger one is not a document.
constexpr qint64 stoersteDokument = qint64(256) << 20;
// How much of a line is kept around an occurrence.
constexpr qsizetype linjeStykke = 300;

// True when the bytes end inside a UTF-8 sequence; the decoder keeps such a
// tail waiting for more and never calls it an error.
bool endeIUtf8Tegn(QByteArrayView data)
{
    for (qsizetype i = data.size() - 1, tilbage = 1; i >= 0 && tilbage <= 4; --i, ++tilbage) {
        const auto b = uchar(data[i]);
        if (b < 0x80)
            return false;
        if (b >= 0xC0)
            return tilbage < (b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2);
    }
    return false;
}

bool ordTegn(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Takes the text piece by piece and finds the occurrences in it; only the
// tail that a later occurrence or its line can still need is kept.
class Fundsamler {
public:
    Fundsamler(const QStringMatcher& matcher, bool heleOrd, std::vector<Fund>& fund)
        : m_matcher(matcher), m_laengde(matcher.pattern().size()), m_heleOrd(heleOrd), m_fund(fund),
          m_hale(std::max<qsizetype>(2 * linjeStykke, 2 * m_laengde))
    {
    }

    void tilfoej(QStringView stykke)
    {
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
        skan(false);
    }

    void slut() { skan(true); }

private:
    void skan(bool slut)
    {
        const qsizetype n = m_buf.size();
        for (;;) {
            const qsizetype i = m_matcher.indexIn(m_buf, m_fra);
            if (i < 0) {
                m_fra = std::max(m_fra, n - m_laengde + 1);
                break;
            }
            const qsizetype slutning = QStringView(m_buf).sliced(i, std::min(n - i, m_hale)).indexOf(u'\n');
            // The line and the character after the occurrence may still come.
            if (slutning < 0 && !slut && n - i < m_hale) {
                m_fra = i;
                break;
            }
            if (m_heleOrd && ((i > 0 && ordTegn(m_buf[i - 1])) || (i + m_laengde < n && ordTegn(m_buf[i + m_laengde])))) {
                m_fra = i + 1;
                continue;
            }
            const qsizetype start = std::max(i - linjeStykke, QStringView(m_buf).first(i).lastIndexOf(u'\n') + 1);
            const qsizetype ende = std::min(slutning < 0 ? n : i + slutning, i + m_laengde + linjeStykke);
            m_fund.push_back({m_bufStart + i, m_buf.sliced(start, ende - start)});
            m_fra = i + m_laengde;
        }
        // Keep the line's start before the next search point (bounded), and
        // the character before it for the whole-word test.
        const qsizetype bund = std::max<qsizetype>(0, m_fra - m_hale);
        const qsizetype linje = QStringView(m_buf).sliced(bund, m_fra - bund).lastIndexOf(u'\n');
        const qsizetype behold = std::max<qsizetype>(0, linje < 0 ? bund : bund + linje);
        m_buf.remove(0, behold);
        m_bufStart += behold;
        m_fra -= behold;
    }

    const QStringMatcher& m_matcher;
    const qsizetype m_laengde;
    const bool m_heleOrd;
    std::vector<Fund>& m_fund;
    const qsizetype m_hale;
    QString m_buf;
    qint64 m_bufStart = 0;  // position of m_buf's first character in the text
    qsizetype m_fra = 0;
    bool m_cr = false;
};

} // namespace

Tekstsoeger::Tekstsoeger(const QString& tekst, bool heleOrd, bool forskelStoreSmaa)
    : m_tekst(tekst), m_matcher(tekst, forskelStoreSmaa ? Qt::CaseSensitive : Qt::CaseInsensitive), m_heleOrd(heleOrd)
{
}

std::vector<Fund> Tekstsoeger::soegTekst(QStringView tekst) const
{
    std::vector<Fund> fund;
    if (m_tekst.isEmpty())
        return fund;
    Fundsamler samler(m_matcher, m_heleOrd, fund);
    samler.tilfoej(tekst);
    samler.slut();
    return fund;
}

bool Tekstsoeger::soeg(const QString& dokument, std::vector<Fund>& fund) const
{
    fund.clear();
    RegularFileStream in(locateFile(dokument));
    std::optional<QByteArray> start = in.read(blok);
    if (!start || m_tekst.isEmpty())
        return false;
    const Dokumentart art = dokumentart(*start);
    if (art == Dokumentart::Tekst)
        return soegBlokvis(in, *start, fund);
    if (in.size() > stoersteDokument)
        return false;
    std::optional<QByteArray> rest = in.read(stoersteDokument - start->size());
    if (!rest)
        return false;
    QByteArray data = *start + *rest;
    std::optional<QString> tekst;
    if (art == Dokumentart::Rtf)
        tekst = rtfTekst(data);
    else if (art == Dokumentart::Pdf)
        tekst = pdfTekst(data);
    else if (!(tekst = kontorTekst(data)))
        return soegBlokvis(in, data, fund, true);  // a zip of another kind: its bytes, already read whole
    if (!tekst)
        return false;
    fund = soegTekst(*tekst);
    return true;
}

bool Tekstsoeger::soegBlokvis(RegularFileStream& in, QByteArray data, std::vector<Fund>& fund, bool hel) const
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
        Fundsamler samler(m_matcher, m_heleOrd, fund);
        QStringDecoder dekoder(kode.value_or(QStringDecoder::Utf8));
        const QByteArray helt = data;
        bool omstart = false;
        while (!data.isEmpty()) {
            const QString tekst = gaet || kode ? QString(dekoder.decode(data)) : fromCp1252(data);
            if (gaet && dekoder.hasError()) {
                omstart = true;
                break;
            }
            samler.tilfoej(tekst);
            if (fortsaet && !fortsaet())
                return false;
            std::optional<QByteArray> naeste = hel ? QByteArray() : in.read(blok);
            if (!naeste)
                return false;
            if (gaet && naeste->isEmpty() && endeIUtf8Tegn(data)) {
                omstart = true;
                break;
            }
            data = *naeste;
        }
        if (!omstart) {
            samler.slut();
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

QStringList dokumenterI(const QString& mappe, const QString& maske)
{
    QStringList navne;
    for (const DirEntry& e : listFolder(mappe).value_or(std::vector<DirEntry>{}))
        if (!e.isDir && passerMaske(e.name, maske))
            navne << e.name;
    return navne;
}

} // namespace kv
