#include "Mappevagt.h"
#include "Vaert.h"

#include <QSet>
#include <QSocketNotifier>
#include <algorithm>
#include <unistd.h>
#include <sys/inotify.h>

namespace kv {

namespace {

// Names that come, go or are renamed, a file finished writing, and the folder itself gone.
constexpr uint32_t haendelser = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE
                                | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

Mappevagt::Mappevagt(QObject* parent, int stilleMs) : QObject(parent), m_stilleMs(stilleMs)
{
    m_ur.start();
    m_stille.setSingleShot(true);
    connect(&m_stille, &QTimer::timeout, this, &Mappevagt::udloeb);
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &Mappevagt::laesHaendelser);
    }
}

Mappevagt::~Mappevagt()
{
    stop();
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

void Mappevagt::stop()
{
    for (auto it = m_mapper.cbegin(); it != m_mapper.cend(); ++it)
        inotify_rm_watch(m_fd, it.key());
    m_mapper.clear();
    m_stille.stop();
}

int Mappevagt::tilfoej(const QString& mappe)
{
    if (mappe.isEmpty() || m_fd < 0)
        return -1;
    const std::optional<QByteArray> vaert = hostName(mappe);
    if (!vaert)
        return -1;
    const int wd = inotify_add_watch(m_fd, vaert->constData(), haendelser);
    if (wd < 0)
        return -1;
    // Two program paths for one host folder share a descriptor; the last one names it.
    Vagt& v = m_mapper[wd];
    v.mappe = mappe;
    return wd;
}

bool Mappevagt::vogt(const QString& mappe)
{
    if (m_mapper.size() == 1 && this->mappe() == mappe && !m_mapper.constBegin()->doed)
        return true;
    stop();
    return tilfoej(mappe) >= 0;
}

QStringList Mappevagt::mapper() const
{
    QStringList r;
    for (const Vagt& v : m_mapper)
        r << v.mappe;
    return r;
}

QStringList Mappevagt::vogtAlle(const QStringList& mapper)
{
    const QSet<QString> oenskede(mapper.cbegin(), mapper.cend());
    QSet<QString> har;
    for (auto it = m_mapper.begin(); it != m_mapper.end();) {
        if (oenskede.contains(it->mappe)) {
            har.insert(it->mappe);
            ++it;
        } else {
            inotify_rm_watch(m_fd, it.key());
            it = m_mapper.erase(it);
        }
    }
    QStringList fejlede;
    for (const QString& m : mapper)
        if (!har.contains(m) && tilfoej(m) < 0)
            fejlede << m;
    planlaeg();
    return fejlede;
}

void Mappevagt::laesHaendelser()
{
    alignas(inotify_event) char buf[8192];
    const qint64 nu = m_ur.elapsed();
    const auto merk = [&](Vagt& v) {
        // Without a spacing each change puts the notice off until the folder is quiet.
        if (m_mellemrumMs == 0)
            v.forfald = nu + m_stilleMs;
        else if (v.forfald < 0)
            v.forfald = std::max(nu + m_stilleMs, v.sidst + m_mellemrumMs);
    };
    for (;;) {
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n;) {
            const auto* h = reinterpret_cast<const inotify_event*>(buf + i);
            i += ssize_t(sizeof(inotify_event)) + h->len;
            // An overflowed queue may have lost changes of any folder.
            if (h->mask & IN_Q_OVERFLOW) {
                for (Vagt& v : m_mapper)
                    merk(v);
                continue;
            }
            // Events of a folder watched before may still be queued.
            const auto it = m_mapper.find(h->wd);
            if (it == m_mapper.end())
                continue;
            merk(*it);
            // The folder is gone or moved away: after the notice its watch
            // goes, so a later watch of the same path starts afresh.
            if (h->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF))
                it->doed = true;
        }
    }
    planlaeg();
}

void Mappevagt::planlaeg()
{
    qint64 foerst = -1;
    for (const Vagt& v : m_mapper)
        if (v.forfald >= 0 && (foerst < 0 || v.forfald < foerst))
            foerst = v.forfald;
    if (foerst < 0) {
        m_stille.stop();
        return;
    }
    m_stille.start(int(std::max<qint64>(0, foerst - m_ur.elapsed())));
}

void Mappevagt::udloeb()
{
    const qint64 nu = m_ur.elapsed();
    QStringList klar;
    for (auto it = m_mapper.begin(); it != m_mapper.end();) {
        if (it->forfald < 0 || it->forfald > nu) {
            ++it;
            continue;
        }
        klar << it->mappe;
        if (it->doed) {
            inotify_rm_watch(m_fd, it.key());
            it = m_mapper.erase(it);
            continue;
        }
        it->forfald = -1;
        it->sidst = nu;
        ++it;
    }
    planlaeg();
    // A receiver may change the watches; the list is taken first.
    for (const QString& m : klar)
        emit aendret(m);
}

} // namespace kv
