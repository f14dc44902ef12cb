#pragma once
// The links and pictures of a help page as the help window's browser sees them.
#include <QStringList>

class QTextDocument;

namespace kvtest {

// Every link address of the document, in order, once each.
QStringList sideLinks(const QTextDocument& doc);
// Every picture's source, in order, once each.
QStringList sideBilleder(const QTextDocument& doc);

} // namespace kvtest
