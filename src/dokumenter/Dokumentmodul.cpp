// The readers of OpenDocument, Office Open XML and PDF text, as a module of
// their own: Poppler and libzip, with the libraries they pull in, are loaded
// at the first search in such a document instead of at every start.
#include "platform/Dokumentlaeser.h"

#include <QXmlStreamReader>
#include <algorithm>
#include <memory>
#include <poppler-qt6.h>
#include <zip.h>

namespace kv {

namespace {

constexpr qsizetype stykke = 1 << 20;

// Gathers small pieces of text and hands them on a block at a time.
class Tekstudgang {
public:
    explicit Tekstudgang(const Tekstmodtager& modtag) : m_modtag(modtag) {}
    bool aaben() const { return m_aaben; }
    void tilfoej(QStringView tekst)
    {
        m_buf += tekst;
        if (m_buf.size() >= stykke)
            send();
    }
    // n spaces, handed on in blocks so that a huge count costs no more than the text it gives.
    void mellemrum(qint64 n)
    {
        while (n > 0 && m_aaben) {
            const qsizetype nu = qsizetype(std::min<qint64>(n, stykke));
            m_buf.append(QString(nu, u' '));
            n -= nu;
            if (m_buf.size() >= stykke)
                send();
        }
    }
    void send()
    {
        if (m_aaben)
            m_aaben = m_modtag(m_buf);
        m_buf.resize(0);
    }

private:
    const Tekstmodtager& m_modtag;
    QString m_buf;
    bool m_aaben = true;
};

// A run of blanks is shown as at most this many: no page holds more, and a
// document that asks for billions would otherwise fill the whole text cap.
constexpr qint64 maxMellemrum = 4096;

// The character data of the text elements; paragraphs, breaks and tabs as
// the word processor shows them.
class XmlTekst {
public:
    XmlTekst(bool openDocument, Tekstudgang& ud) : m_od(openDocument), m_ud(ud) {}

    // The next inflated bytes; the document may end in the middle of a token.
    void tilfoej(const QByteArray& data)
    {
        m_r.addData(data);
        while (m_ud.aaben() && !m_r.atEnd())
            token(m_r.readNext());
    }

    // The document ends here, at its end or at the cap. The reader gives the
    // characters of a text only at the markup after them: an empty comment
    // gives those of a text the cap cut off.
    void slut()
    {
        if (m_r.error() == QXmlStreamReader::PrematureEndOfDocumentError)
            tilfoej("<!---->");
    }

private:
    bool tekstElement(QStringView navn) const
    {
        return m_od ? (navn == u"text:p" || navn == u"text:h") : navn == u"w:t";
    }

    void token(QXmlStreamReader::TokenType t)
    {
        switch (t) {
        case QXmlStreamReader::StartElement: {
            const auto navn = m_r.qualifiedName();
            if (tekstElement(navn))
                ++m_iTekst;
            else if (navn == (m_od ? u"text:tab" : u"w:tab"))
                m_ud.tilfoej(u"\t");
            else if (navn == (m_od ? u"text:line-break" : u"w:br") || navn == u"w:cr")
                m_ud.tilfoej(u"\n");
            else if (m_od && navn == u"text:s")
                m_ud.mellemrum(std::clamp<qint64>(m_r.attributes().value(QLatin1String("text:c")).toLongLong(), 1,
                                                  maxMellemrum));
            else if (m_od && navn == u"text:note")
                --m_iTekst;  // footnotes stand elsewhere on the page
            break;
        }
        case QXmlStreamReader::EndElement: {
            const auto navn = m_r.qualifiedName();
            if (tekstElement(navn))
                --m_iTekst;
            if (navn == (m_od ? u"text:p" : u"w:p") || navn == u"text:h")
                m_ud.tilfoej(u"\n");
            else if (m_od && navn == u"text:note")
                ++m_iTekst;
            break;
        }
        case QXmlStreamReader::Characters:
            if (m_iTekst > 0)
                m_ud.tilfoej(m_r.text());
            break;
        default:
            break;
        }
    }

    QXmlStreamReader m_r;
    const bool m_od;
    Tekstudgang& m_ud;
    int m_iTekst = 0;  // depth inside the elements whose characters are shown
};

using Zipfil = std::unique_ptr<zip_file_t, decltype(&zip_fclose)>;

} // namespace

static bool laesKontor(const QByteArray& zip, const Tekstmodtager& modtag)
{
    zip_error_t fejl;
    zip_error_init(&fejl);
    zip_source_t* kilde = zip_source_buffer_create(zip.constData(), zip_uint64_t(zip.size()), 0, &fejl);
    zip_error_fini(&fejl);
    if (!kilde)
        return false;
    std::unique_ptr<zip_t, decltype(&zip_discard)> arkiv(zip_open_from_source(kilde, ZIP_RDONLY, nullptr), zip_discard);
    if (!arkiv) {
        zip_source_free(kilde);
        return false;
    }
    bool openDocument = true;
    Zipfil fil(zip_fopen(arkiv.get(), "content.xml", 0), zip_fclose);
    if (!fil) {
        openDocument = false;
        fil = Zipfil(zip_fopen(arkiv.get(), "word/document.xml", 0), zip_fclose);
    }
    if (!fil)
        return false;
    // Inflated a block at a time and never past the cap, whatever the entry
    // claims its size to be.
    Tekstudgang ud(modtag);
    XmlTekst xml(openDocument, ud);
    QByteArray data(stykke, Qt::Uninitialized);
    for (qsizetype inflateret = 0; ud.aaben() && inflateret < flestDokumenttegn;) {
        const zip_int64_t n = zip_fread(fil.get(), data.data(), zip_uint64_t(std::min(stykke, flestDokumenttegn - inflateret)));
        if (n <= 0)
            break;
        inflateret += qsizetype(n);
        xml.tilfoej(data.first(qsizetype(n)));
        ud.send();
    }
    xml.slut();
    ud.send();
    return true;
}

static bool laesPdf(const QByteArray& pdf, const Tekstmodtager& modtag)
{
    const std::unique_ptr<Poppler::Document> dok = Poppler::Document::loadFromData(pdf);
    if (!dok || dok->isLocked())
        return false;
    for (int i = 0; i < dok->numPages(); ++i) {
        if (i > 0 && !modtag(u"\n"))
            break;
        const std::unique_ptr<Poppler::Page> side = dok->page(i);
        if (!modtag(side ? side->text(QRectF()) : QString()))
            break;
    }
    return true;
}

} // namespace kv

// What the program looks up when it loads the module.
extern "C" Q_DECL_EXPORT bool kv_kontor_tekst(const QByteArray& zip, const kv::Tekstmodtager& modtag)
{
    return kv::laesKontor(zip, modtag);
}

extern "C" Q_DECL_EXPORT bool kv_pdf_tekst(const QByteArray& pdf, const kv::Tekstmodtager& modtag)
{
    return kv::laesPdf(pdf, modtag);
}
