#include "Filadresser.h"
#include "Platform.h"

namespace kv {

QUrl fileUrl(const QString& programPath)
{
    const auto host = drives().toHostBytes(programPath);
    return host ? QUrl::fromEncoded("file://" + host->toPercentEncoding("/"), QUrl::StrictMode) : QUrl();
}

std::optional<QString> programPathOf(const QUrl& url)
{
    if (!url.isLocalFile())
        return std::nullopt;
    // The path's bytes as sent: a name that is not UTF-8 arrives whole.
    const QByteArray vaert = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return drives().toProgram(QByteArrayView(vaert));
}

} // namespace kv
