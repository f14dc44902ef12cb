#include "Filadresser.h"
#include "HostName.h"
#include "Platform.h"
#include "ProgramPath.h"

namespace kv {

QUrl fileUrl(const QString& programPath)
{
    const auto host = drives().toHostBytes(programPath);
    return host ? QUrl::fromEncoded("file://" + host->toPercentEncoding("/"), QUrl::StrictMode) : QUrl();
}

bool isLocalFileUrl(const QUrl& url)
{
    // file://otherhost/x names a file on another computer, never our /x.
    return url.isLocalFile() && (url.host().isEmpty() || url.host().compare(u"localhost", Qt::CaseInsensitive) == 0);
}

std::optional<QString> programPathOf(const QUrl& url)
{
    if (!isLocalFileUrl(url))
        return std::nullopt;
    // The path's bytes as sent: a name that is not UTF-8 arrives whole.
    const QByteArray vaert = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return drives().toProgram(QByteArrayView(vaert));
}

std::optional<QString> programPathOfTyped(const QString& tekst)
{
    QString t = tekst.trimmed();
    if (isProgramPath(t)) {
        t[0] = t[0].toUpper();
        if (t.size() > 2 && t.endsWith(u'\\'))
            t.chop(1);
        return drives().driveOf(t) && drives().toHost(t) ? std::optional<QString>(t) : std::nullopt;
    }
    if (t.startsWith(u"file:", Qt::CaseInsensitive))
        return programPathOf(QUrl(t));
    if (t == u"~" || t.startsWith(u"~/")) {
        const QByteArray home = qgetenv("HOME");
        if (!home.startsWith('/'))
            return std::nullopt;
        return drives().toProgram(QByteArrayView(home + encodeHostName(t.mid(1))));
    }
    if (t.startsWith(u'/'))
        return drives().toProgram(QByteArrayView(encodeHostName(t)));
    return std::nullopt;
}

QStringList programPaths(const QList<QUrl>& urls)
{
    QStringList stier;
    for (const QUrl& url : urls)
        if (const auto sti = programPathOf(url))
            stier << *sti;
    return stier;
}

} // namespace kv
