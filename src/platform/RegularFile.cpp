#include "RegularFile.h"
#include "Vaert.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace kv {

LocatedFile locateFile(const QString& path)
{
    LocatedFile f;
    f.path = path;
    f.m_host = hostName(path, &f.m_error).value_or(QByteArray());
    return f;
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* error)
{
    return readRegularFile(locateFile(path), maxBytes, error);
}

std::optional<QByteArray> readRegularFile(const LocatedFile& file, qint64 maxBytes, QString* error)
{
    const QByteArray* host = &file.m_host;
    if (host->isEmpty()) {
        if (error) *error = file.m_error;
        return std::nullopt;
    }
    auto fejl = [&](int err) {
        if (error) *error = failure(file.path, err);
        return std::nullopt;
    };
    struct stat st;
    if (::stat(host->constData(), &st) != 0)
        return fejl(errno);
    if (!S_ISREG(st.st_mode))
        return fejl(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    // Not waiting, should it have been swapped for a special file since.
    Fd in(::open(host->constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (in.fd < 0 || ::fstat(in.fd, &st) != 0)
        return fejl(errno);
    if (!S_ISREG(st.st_mode))
        return fejl(EINVAL);
    if (st.st_size > maxBytes)
        return fejl(EFBIG);
    QByteArray data(st.st_size, Qt::Uninitialized);
    qint64 laest = 0;
    while (laest < data.size()) {
        const ssize_t n = ::read(in.fd, data.data() + laest, data.size() - laest);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fejl(errno);
        if (n == 0)
            break;  // shrank meanwhile: what is there
        laest += n;
    }
    data.truncate(laest);
    return data;
}

} // namespace kv
