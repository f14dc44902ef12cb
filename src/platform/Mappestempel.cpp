#include "Mappestempel.h"
#include "Vaert.h"

#include <QFile>
#include <QSet>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>

namespace kv {

// devtmpfs tells itself apart from tmpfs only in the mount table.
static const QSet<quint64>& devtmpfsEnheder()
{
    static const QSet<quint64> enheder = [] {
        QSet<quint64> s;
        QFile f(u"/proc/self/mounts"_qs);
        if (!f.open(QIODevice::ReadOnly))
            return s;
        for (const QByteArray& linje : f.readAll().split('\n')) {
            const QList<QByteArray> felter = linje.split(' ');
            struct stat st;
            if (felter.size() > 2 && felter[2] == "devtmpfs" && ::stat(felter[1].constData(), &st) == 0)
                s.insert(st.st_dev);
        }
        return s;
    }();
    return enheder;
}

static bool erPseudo(unsigned long type)
{
    switch (type) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case PSTOREFS_MAGIC:
    case BPF_FS_MAGIC:
    case 0x62656570:  // configfs
    case 0x19800202:  // mqueue
    case 0x65735543:  // fusectl
    case AUTOFS_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

std::optional<Mappestempel> mappestempel(const QString& mappe)
{
    const auto vaert = hostName(mappe);
    struct stat st;
    if (!vaert || ::lstat(vaert->constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    Mappestempel m{quint64(st.st_dev), quint64(st.st_ino), devtmpfsEnheder().contains(st.st_dev)};
    struct statfs fs;
    if (!m.pseudo && ::statfs(vaert->constData(), &fs) == 0)
        m.pseudo = erPseudo(static_cast<unsigned long>(fs.f_type));
    return m;
}

} // namespace kv
