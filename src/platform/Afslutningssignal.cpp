#include "Afslutningssignal.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace kv {

// The handler may only write to a pipe; the event loop reads the other end.
static int roer[2] = {-1, -1};
static const int signaler[] = {SIGTERM, SIGINT, SIGHUP};

static void haandter(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(roer[1], &c, 1);
}

Afslutningssignal::Afslutningssignal(QObject* parent) : QObject(parent)
{
    if (::pipe2(roer, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(roer[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (::read(roer[0], buffer, sizeof buffer) > 0) {
        }
        emit afslut();
    });
    struct sigaction sa = {};
    sa.sa_handler = haandter;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : signaler)
        ::sigaction(s, &sa, nullptr);
}

Afslutningssignal::~Afslutningssignal()
{
    if (!m_notifier)
        return;
    for (int s : signaler)
        ::signal(s, SIG_DFL);
    ::close(roer[0]);
    ::close(roer[1]);
    roer[0] = roer[1] = -1;
}

} // namespace kv
