#pragma once
// The text of documents that are not plain text: OpenDocument and Office Open
// XML text (a zip with "content.xml" or "word/document.xml") and PDF pages.
// The kind is told by the content, never by the name. The text is handed on
// in pieces, so that neither a zip bomb nor a long PDF is ever held whole.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>

namespace kv {

enum class Dokumentart { Tekst, Rtf, Zip, Pdf };

// The most text taken from one document, and the most bytes inflated from a
// zip entry; what lies beyond is left unread.
constexpr qsizetype flestDokumenttegn = qsizetype(64) << 20;

// Receives the text piece by piece; returning false stops the reading. It is
// also called with an empty piece now and then while a long decode finds no
// text, so that a stop is heard.
using Tekstmodtager = std::function<bool(QStringView)>;

// From the first bytes of a file.
Dokumentart dokumentart(QByteArrayView start);

// Paragraphs end a line ('\n'). False, before anything is handed on, when the
// zip is broken or holds neither a text document nor a word-processing one.
bool kontorTekst(const QByteArray& zip, const Tekstmodtager& modtag);
// The pages' text, one page at a time, a line break between pages; false
// when the document cannot be read.
bool pdfTekst(const QByteArray& pdf, const Tekstmodtager& modtag);

} // namespace kv
