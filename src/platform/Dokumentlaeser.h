#pragma once
// The text of documents that are not plain text: OpenDocument and Office Open
// XML text (a zip with "content.xml" or "word/document.xml") and PDF pages.
// The kind is told by the content, never by the name.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace kv {

enum class Dokumentart { Tekst, Rtf, Zip, Pdf };

// From the first bytes of a file.
Dokumentart dokumentart(QByteArrayView start);

// Paragraphs end a line ('\n'). Nothing when the zip is broken or holds
// neither a text document nor a word-processing one.
std::optional<QString> kontorTekst(const QByteArray& zip);
// The pages' text, a line break between pages; nothing when it cannot be read.
std::optional<QString> pdfTekst(const QByteArray& pdf);

} // namespace kv
