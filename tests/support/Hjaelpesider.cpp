#include "Hjaelpesider.h"

#include <QTextBlock>
#include <QTextDocument>

namespace kvtest {

namespace {

// What each piece of text says of itself, once each, in order.
QStringList samlet(const QTextDocument& doc, QString (*hvad)(const QTextCharFormat&))
{
    QStringList alle;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString s = hvad(it.fragment().charFormat());
            if (!s.isEmpty() && !alle.contains(s))
                alle << s;
        }
    }
    return alle;
}

} // namespace

QStringList sideLinks(const QTextDocument& doc)
{
    return samlet(doc, [](const QTextCharFormat& f) { return f.isAnchor() ? f.anchorHref() : QString(); });
}

QStringList sideBilleder(const QTextDocument& doc)
{
    return samlet(doc, [](const QTextCharFormat& f) { return f.isImageFormat() ? f.toImageFormat().name() : QString(); });
}

} // namespace kvtest
