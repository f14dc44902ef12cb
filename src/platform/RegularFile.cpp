#include "RegularFile.h"
#include "HostName.h"
#include "Vaert.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <utility>

namespace kv {

namespace {

QString ikkeAlmindelig(const QString& path)
{
    return u"Filen er ikke en almindelig fil (men en FIFO, en enhed eller en sokkel) og læses ikke.\r"_qs + path;
}

} // namespace

LocatedFile locateFile(const QString& path)
{
    LocatedFile f;
    f.path = path;
    f.m_host = hostName(path, &f.m_error).value_or(QByteArray());
    return f;
}

LocatedFile locateHostFile(const QString& hostPath)
{
    LocatedFile f;
    f.path = hostPath;
    f.m_host = QFile::encodeName(hostPath);
    return f;
}

LocatedFile locateHostFile(const QByteArray& host)
{
    LocatedFile f;
    f.path = decodeHostName(host);
    f.m_host = host;
    return f;
}

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes, QString* error)
{
    return readRegularFile(locateFile(path), maxBytes, error);
}

RegularFileStream::RegularFileStream(const LocatedFile& file) : m_path(file.path)
{
    const QByteArray& host = file.m_host;
    if (host.isEmpty()) {
        m_error = file.m_error;
        return;
    }
    struct stat st;
    if (::stat(host.constData(), &st) != 0) {
        fail(errno);
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        if (S_ISDIR(st.st_mode))
            fail(EISDIR);
        else
            m_error = ikkeAlmindelig(m_path);
        return;
    }
    // Not waiting, should it have been swapped for a special file since.
    m_fd = ::open(host.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0) {
        fail(errno);
    } else if (!S_ISREG(st.st_mode)) {
        ::close(std::exchange(m_fd, -1));
        m_error = ikkeAlmindelig(m_path);
    } else {
        m_size = st.st_size;
    }
}

RegularFileStream::~RegularFileStream()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool RegularFileStream::fail(int err)
{
    m_error = failure(m_path, err);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    return false;
}

std::optional<QByteArray> RegularFileStream::read(qint64 maxBytes)
{
    if (m_fd < 0)
        return std::nullopt;
    // No bigger buffer than the rest of the file needs, one byte more to see
    // its end; past its size, a file that grew is read in smaller pieces.
    QByteArray data(std::min(maxBytes, m_pos < m_size ? m_size - m_pos + 1 : qint64(64) << 10), Qt::Uninitialized);
    qint64 laest = 0;
    while (laest < data.size()) {
        const ssize_t n = ::read(m_fd, data.data() + laest, data.size() - laest);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            fail(errno);
            return std::nullopt;
        }
        if (n == 0)
            break;
        laest += n;
    }
    data.truncate(laest);
    m_pos += laest;
    return data;
}

bool RegularFileStream::rewind()
{
    m_pos = 0;
    return m_fd >= 0 && (::lseek(m_fd, 0, SEEK_SET) == 0 || fail(errno));
}

std::optional<QByteArray> readRegularFile(const LocatedFile& file, qint64 maxBytes, QString* error)
{
    RegularFileStream in(file);
    if (in.isOpen() && in.size() > maxBytes) {
        if (error)
            *error = u"Filen er for stor til at blive læst: %1 byte, højst %2.\r"_qs.arg(in.size()).arg(maxBytes) + file.path;
        return std::nullopt;
    }
    auto data = in.read(in.size());  // a file that shrank meanwhile: what is there
    if (!data && error)
        *error = in.error();
    return data;
}

} // namespace kv
