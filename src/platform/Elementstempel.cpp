#include "Elementstempel.h"
#include "Vaert.h"

#include <sys/stat.h>

namespace kv {

std::optional<Elementstempel> elementstempel(const QString& sti)
{
    const auto vaert = hostName(sti);
    struct stat st;
    if (!vaert || ::lstat(vaert->constData(), &st) != 0)
        return std::nullopt;
    Elementstempel s{quint64(st.st_dev), quint64(st.st_ino), 0, 0};
    if (!S_ISDIR(st.st_mode)) {
        s.stoerrelse = qint64(st.st_size);
        s.mtimeNs = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    }
    return s;
}

} // namespace kv
