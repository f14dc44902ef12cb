#pragma once
// The visible text of a rich-text document, read by our own small reader:
// groups, control words and symbols, "\'hh" bytes, "\uN" characters and
// paragraph marks; tables of fonts, colours and styles, the document's
// information, pictures and every "\*" destination are left out.
#include <QByteArrayView>
#include <QString>
#include "platform/Dokumentlaeser.h"

namespace kv {

// Paragraphs, rows and line breaks end a line ('\n'); tabs and cells give '\t'.
// At most loft characters.
QString rtfTekst(QByteArrayView rtf, qsizetype loft = flestDokumenttegn);

} // namespace kv
