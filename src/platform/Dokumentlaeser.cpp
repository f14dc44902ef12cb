#include "Dokumentlaeser.h"

#include <QXmlStreamReader>
#include <memory>
#include <poppler-qt6.h>
#include <zip.h>

namespace kv {

Dokumentart dokumentart(QByteArrayView start)
{
    if (start.startsWith("{\\rtf"))
        return Dokumentart::Rtf;
    if (start.startsWith("%PDF-"))
        return Dokumentart::Pdf;
    if (start.startsWith("PK\x03\x04"))
        return Dokumentart::Zip;
    return Dokumentart::Tekst;
}

namespace {

std::optional<QByteArray> zipIndhold(zip_t* arkiv, const char* navn)
{
    zip_stat_t st;
    if (zip_stat(arkiv, navn, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) || st.size > (1u << 30))
        return std::nullopt;
    std::unique_ptr<zip_file_t, decltype(&zip_fclose)> fil(zip_fopen(arkiv, navn, 0), zip_fclose);
    if (!fil)
        return std::nullopt;
    QByteArray data(qsizetype(st.size), Qt::Uninitialized);
    if (zip_fread(fil.get(), data.data(), st.size) != zip_int64_t(st.size))
        return std::nullopt;
    return data;
}

// The character data of the text elements; paragraphs, breaks and tabs as
// the word processor shows them.
QString xmlTekst(const QByteArray& xml, bool openDocument)
{
    QXmlStreamReader r(xml);
    QString ud;
    int iTekst = 0;  // depth inside the elements whose characters are shown
    while (!r.atEnd()) {
        switch (r.readNext()) {
        case QXmlStreamReader::StartElement: {
            const auto navn = r.qualifiedName();
            if (openDocument ? (navn == u"text:p" || navn == u"text:h") : navn == u"w:t")
                ++iTekst;
            else if (navn == (openDocument ? u"text:tab" : u"w:tab"))
                ud += u'\t';
            else if (navn == (openDocument ? u"text:line-break" : u"w:br") || navn == u"w:cr")
                ud += u'\n';
            else if (openDocument && navn == u"text:s")
                ud += QString(std::max(1, r.attributes().value(QLatin1String("text:c")).toInt()), u' ');
            else if (openDocument && navn == u"text:note")
                --iTekst;  // footnotes stand elsewhere on the page
            break;
        }
        case QXmlStreamReader::EndElement: {
            const auto navn = r.qualifiedName();
            if (openDocument ? (navn == u"text:p" || navn == u"text:h") : navn == u"w:t")
                --iTekst;
            if (navn == (openDocument ? u"text:p" : u"w:p") || navn == u"text:h")
                ud += u'\n';
            else if (openDocument && navn == u"text:note")
                ++iTekst;
            break;
        }
        case QXmlStreamReader::Characters:
            if (iTekst > 0)
                ud += r.text();
            break;
        default:
            break;
        }
    }
    return ud;
}

} // namespace

std::optional<QString> kontorTekst(const QByteArray& zip)
{
    zip_error_t fejl;
    zip_error_init(&fejl);
    zip_source_t* kilde = zip_source_buffer_create(zip.constData(), zip_uint64_t(zip.size()), 0, &fejl);
    zip_error_fini(&fejl);
    if (!kilde)
        return std::nullopt;
    std::unique_ptr<zip_t, decltype(&zip_discard)> arkiv(zip_open_from_source(kilde, ZIP_RDONLY, nullptr), zip_discard);
    if (!arkiv) {
        zip_source_free(kilde);
        return std::nullopt;
    }
    if (auto xml = zipIndhold(arkiv.get(), "content.xml"))
        return xmlTekst(*xml, true);
    if (auto xml = zipIndhold(arkiv.get(), "word/document.xml"))
        return xmlTekst(*xml, false);
    return std::nullopt;
}

std::optional<QString> pdfTekst(const QByteArray& pdf)
{
    const std::unique_ptr<Poppler::Document> dok = Poppler::Document::loadFromData(pdf);
    if (!dok || dok->isLocked())
        return std::nullopt;
    QString ud;
    for (int i = 0; i < dok->numPages(); ++i) {
        if (i > 0)
            ud += u'\n';
        if (const std::unique_ptr<Poppler::Page> side = dok->page(i))
            ud += side->text(QRectF());
    }
    return ud;
}

} // namespace kv
