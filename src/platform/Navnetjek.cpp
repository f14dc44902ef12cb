#include "platform/Navnetjek.h"

namespace kv {

bool erGyldigtNavn(const QString& navn)
{
    if (navn.trimmed().isEmpty() || navn == u"." || navn == u".." || navn.toUtf8().size() > 255)
        return false;
    for (const QChar c : navn)
        if (c == u'\\' || c == u'/' || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    return true;
}

} // namespace kv
