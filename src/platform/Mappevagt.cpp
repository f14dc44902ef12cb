#include "Mappevagt.h"
#include "Vaert.h"

#include <QSocketNotifier>
#include <unistd.h>
#include <sys/inotify.h>

namespace kv {

namespace {

// Names that come, go or are renamed, a file finished writing, and the folder itself gone.
constexpr uint32_t haendelser = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE
                                | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

Mappevagt::Mappevagt(QObject* parent, int stilleMs) : QObject(parent)
{
    m_stille.setSingleShot(true);
    m_stille.setInterval(stilleMs);
    connect(&m_stille, &QTimer::timeout, this, [this] {
        if (!m_mappe.isEmpty())
            emit aendret(m_mappe);
    });
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
    if (m_wd >= 0)
        inotify_rm_watch(m_fd, m_wd);
    m_wd = -1;
    m_mappe.clear();
    m_stille.stop();
}

bool Mappevagt::vogt(const QString& mappe)
{
    if (mappe == m_mappe && m_wd >= 0)
        return true;
    stop();
    if (mappe.isEmpty() || m_fd < 0)
        return false;
    const std::optional<QByteArray> vaert = hostName(mappe);
    if (!vaert)
        return false;
    m_wd = inotify_add_watch(m_fd, vaert->constData(), haendelser);
    if (m_wd < 0)
        return false;
    m_mappe = mappe;
    return true;
}

void Mappevagt::laesHaendelser()
{
    alignas(inotify_event) char buf[8192];
    bool vores = false;
    for (;;) {
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n;) {
            const auto* h = reinterpret_cast<const inotify_event*>(buf + i);
            // An overflowed queue may have lost some of ours; events of a
            // folder watched before may still be queued.
            vores = vores || (h->mask & IN_Q_OVERFLOW);
            if (h->wd == m_wd && m_wd >= 0) {
                vores = true;
                // The folder is gone: the next watch of it starts afresh.
                if (h->mask & IN_IGNORED)
                    m_wd = -1;
            }
            i += ssize_t(sizeof(inotify_event)) + h->len;
        }
    }
    // Each change puts the notice off until the folder is quiet.
    if (vores)
        m_stille.start();
}

} // namespace kv
