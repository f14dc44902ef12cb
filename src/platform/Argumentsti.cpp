#include "Argumentsti.h"
#include "Filadresser.h"
#include "Platform.h"

#include <QRegularExpression>
#include <QUrl>
#include <cerrno>
#include <unistd.h>

namespace kv {

static bool erUrl(const QByteArray& argument)
{
    static const QRegularExpression skema(u"^[A-Za-z][A-Za-z0-9+.-]*://"_qs);
    return argument.startsWith("file:") || skema.match(QString::fromLatin1(argument.left(64))).hasMatch();
}

QByteArray absoluteArgument(const QByteArray& argument)
{
    if (argument.startsWith('/') || erUrl(argument))
        return argument;
    QByteArray mappe(4096, '\0');
    while (!getcwd(mappe.data(), size_t(mappe.size()))) {
        if (errno != ERANGE)
            return argument;
        mappe.resize(mappe.size() * 2);
    }
    mappe.truncate(qsizetype(qstrlen(mappe.constData())));
    return mappe + '/' + argument;
}

std::optional<QString> programPathOfArgument(const QByteArray& argument)
{
    if (erUrl(argument))
        return programPathOf(QUrl::fromEncoded(argument));
    if (!argument.startsWith('/'))
        return std::nullopt;
    return drives().toProgram(QByteArrayView(argument));
}

} // namespace kv
