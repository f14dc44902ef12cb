// Copying one file or link, with the host details a copy must get right.
#include "FileSystem.h"
#include "Vaert.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

namespace {

mode_t prosessensUmask()
{
    // Read once: changing it to read it is not safe while other threads create files.
    static const mode_t maske = [] {
        const mode_t m = ::umask(022);
        ::umask(m);
        return m;
    }();
    return maske;
}

} // namespace

CopyResult copyFile(const QString& from, const QString& to, const CopyOptions& options)
{
    CopyResult result;
    const auto src = hostName(from, &result.error);
    const auto dst = hostName(to, &result.error);
    if (!src || !dst)
        return result;
    Fd in(injiceret(FejlPunkt::AabnLaesning, *src) ? -1 : ::open(src->constData(), O_RDONLY | O_CLOEXEC));
    struct stat st;
    if (in.fd < 0 || ::fstat(in.fd, &st) != 0) {
        result.error = failure(from, errno);
        return result;
    }
    if (S_ISDIR(st.st_mode)) {
        result.error = failure(from, EISDIR);
        return result;
    }
    // A new target is created in place; O_EXCL never opens an existing file,
    // so the source itself cannot be opened for writing that way.
    const mode_t mode = st.st_mode & 07777;
    QByteArray writeName = *dst;
    bool replace = false;
    int fd = -1;
    if (injiceret(FejlPunkt::AabnSkrivning, *dst)) {
        result.error = failure(to, errno);
        return result;
    }
    fd = ::open(dst->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode | S_IWUSR);
    if (fd < 0 && errno == EEXIST) {
        // Never write over the source itself, whatever name it is reached by.
        struct stat existing;
        if (::stat(dst->constData(), &existing) == 0 && existing.st_dev == st.st_dev && existing.st_ino == st.st_ino) {
            result.status = CopyStatus::SammeFil;
            result.error = u"Kilden og destinationen er den samme fil."_qs + u'\r' + to;
            return result;
        }
        if (!options.overwrite) {
            result.error = failure(to, EEXIST);
            return result;
        }
        // An existing target is only replaced when the copy is whole.
        replace = true;
        fd = openTemporaryBeside(*dst, writeName);
    }
    if (fd < 0) {
        result.error = failure(to, errno);
        return result;
    }
    Fd out(fd);
    const auto fail = [&](int err, CopyStatus status = CopyStatus::Failed) {
        ::unlink(writeName.constData());
        result.status = status;
        result.error = status == CopyStatus::Stopped ? QString() : failure(to, err);
        return result;
    };

    const qint64 total = st.st_size;
    qint64 copied = 0;
    bool kernelCopy = true;
    std::vector<char> buffer;
    constexpr qint64 chunk = 32 << 20;
    for (;;) {
        ssize_t n = -1;
        if (injiceret(FejlPunkt::Skriv, *dst, copied))
            return fail(errno);
        if (kernelCopy) {
            n = ::copy_file_range(in.fd, nullptr, out.fd, nullptr, size_t(chunk), 0);
            if (n < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)
                && copied == 0) {
                kernelCopy = false;
                continue;
            }
        } else {
            if (buffer.empty())
                buffer.resize(1 << 20);
            n = ::read(in.fd, buffer.data(), buffer.size());
            if (n > 0 && !writeAll(out.fd, buffer.data(), n))
                return fail(errno);
        }
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            break;
        copied += n;
        if (options.progress && !options.progress(copied, total))
            return fail(0, CopyStatus::Stopped);
        // The size read at the start is what is copied; no call to find the end.
        if (S_ISREG(st.st_mode) && copied >= total)
            break;
    }
    if (copied == 0 && options.progress && !options.progress(0, total))
        return fail(0, CopyStatus::Stopped);

    // Set the permissions only where the umask or the write bit made them differ.
    if ((((mode | S_IWUSR) & ~prosessensUmask()) != mode) || replace)
        ::fchmod(out.fd, mode);
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out.fd, times);
    if (::close(out.fd) != 0) {
        out.fd = -1;
        return fail(errno);
    }
    out.fd = -1;
    if (replace && ::rename(writeName.constData(), dst->constData()) != 0)
        return fail(errno);
    result.status = CopyStatus::Copied;
    result.bytes = copied;
    return result;
}

CopyResult copyLink(const QString& from, const QString& to, bool overwrite)
{
    CopyResult result;
    const auto src = hostName(from, &result.error);
    const auto dst = hostName(to, &result.error);
    if (!src || !dst)
        return result;
    QByteArray maal(4096, Qt::Uninitialized);
    const ssize_t n = ::readlink(src->constData(), maal.data(), size_t(maal.size()));
    if (n < 0) {
        result.error = failure(from, errno);
        return result;
    }
    maal.truncate(n);
    struct stat st;
    const bool findes = ::lstat(dst->constData(), &st) == 0;
    if (findes && (!overwrite || S_ISDIR(st.st_mode))) {
        result.error = failure(to, findes && S_ISDIR(st.st_mode) ? EISDIR : EEXIST);
        return result;
    }
    // Made under a new name and renamed into place, so a failure leaves the old target.
    QByteArray temp;
    for (int forsoeg = 0; forsoeg < 100; ++forsoeg) {
        temp = *dst + ".kvistlund-" + QByteArray::number(quint64(::random()), 36);
        if (::symlink(maal.constData(), temp.constData()) == 0)
            break;
        if (errno != EEXIST) {
            result.error = failure(to, errno);
            return result;
        }
    }
    if (::rename(temp.constData(), dst->constData()) != 0) {
        result.error = failure(to, errno);
        ::unlink(temp.constData());
        return result;
    }
    result.status = CopyStatus::Copied;
    return result;
}

} // namespace kv
