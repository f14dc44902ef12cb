#include "Filadresser.h"
#include "Platform.h"

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

QStringList programPaths(const QList<QUrl>& urls)
{
    QStringList stier;
    for (const QUrl& url : urls)
        if (const auto sti = programPathOf(url))
            stier << *sti;
    return stier;
}

} // namespace kv
