#pragma once
// The links of a help page as the help window's browser sees them.
#include <QStringList>

class QTextDocument;

namespace kvtest {

// Every link address of the document, in order, once each.
QStringList sideLinks(const QTextDocument& doc);

} // namespace kvtest
