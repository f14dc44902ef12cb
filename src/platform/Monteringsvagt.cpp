#include "Monteringsvagt.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <unistd.h>

namespace kv {

Monteringsvagt::Monteringsvagt(QObject* parent) : QObject(parent)
{
    m_fd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0)
        return;
    laes();
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Exception, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        laes();
        emit aendret();
    });
}

Monteringsvagt::~Monteringsvagt()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

// Reading the table to its end from the start marks this change as seen.
void Monteringsvagt::laes()
{
    char buf[16384];
    ::lseek(m_fd, 0, SEEK_SET);
    while (::read(m_fd, buf, sizeof buf) > 0) {
    }
}

} // namespace kv
