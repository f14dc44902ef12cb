#include "Hjaelpesider.h"

#include <QTextBlock>
#include <QTextDocument>

namespace kvtest {

QStringList sideLinks(const QTextDocument& doc)
{
    QStringList links;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isAnchor() && !f.anchorHref().isEmpty() && !links.contains(f.anchorHref()))
                links << f.anchorHref();
        }
    }
    return links;
}

} // namespace kvtest
