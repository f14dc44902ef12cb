#include "Underproces.h"
#include "Vaert.h"

#include <QDeadlineTimer>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <vector>

extern char** environ;

namespace kv {

Underproces::~Underproces()
{
    stop();
}

bool Underproces::start(const QString& skript, const QStringList& tekster, const QStringList& stier,
                        const QString& mappe)
{
    // A path with no host name is one the host cannot have.
    m_startfejl = ENOENT;
    QList<QByteArray> argv{"/bin/sh"};
    const auto tilfoej = [&argv](const QString& sti) {
        const auto vaert = hostName(sti);
        if (vaert)
            argv << *vaert;
        return vaert.has_value();
    };
    if (!tilfoej(skript))
        return false;
    for (const QString& t : tekster)
        argv << t.toUtf8();
    for (const QString& s : stier) {
        if (!tilfoej(s))
            return false;
    }
    QByteArray vaertMappe;
    if (!mappe.isEmpty()) {
        const auto m = hostName(mappe);
        if (!m)
            return false;
        vaertMappe = *m;
    }
    return start(argv, vaertMappe);
}

bool Underproces::start(const QList<QByteArray>& argv, const QByteArray& mappe)
{
    stop();
    m_udfald.reset();
    m_startfejl = EINVAL;
    if (argv.isEmpty())
        return false;
    std::vector<char*> args;
    for (const QByteArray& a : argv)
        args.push_back(const_cast<char*>(a.constData()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t handlinger;
    posix_spawn_file_actions_init(&handlinger);
    posix_spawn_file_actions_addopen(&handlinger, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&handlinger, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&handlinger, 2, "/dev/null", O_WRONLY, 0);
    if (!mappe.isEmpty())
        posix_spawn_file_actions_addchdir_np(&handlinger, mappe.constData());
    // Its own process group, so stopping it stops what it started in the foreground too.
    posix_spawnattr_t egenskaber;
    posix_spawnattr_init(&egenskaber);
    posix_spawnattr_setflags(&egenskaber, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&egenskaber, 0);
    const int fejl = posix_spawnp(&m_pid, args[0], &handlinger, &egenskaber, args.data(), environ);
    posix_spawnattr_destroy(&egenskaber);
    posix_spawn_file_actions_destroy(&handlinger);
    if (fejl != 0)
        m_pid = -1;
    m_startfejl = fejl;
    return fejl == 0;
}

bool Underproces::koerer()
{
    if (m_pid <= 0)
        return false;
    int status = 0;
    if (::waitpid(m_pid, &status, WNOHANG) == 0)
        return true;
    m_pid = -1;
    if (WIFEXITED(status))
        m_udfald = WEXITSTATUS(status);
    return false;
}

std::optional<int> Underproces::vent(int ms, const std::function<bool()>& afbryd)
{
    const QDeadlineTimer frist(ms);
    const timespec lur{0, 2'000'000};
    while (koerer()) {
        if (frist.hasExpired() || (afbryd && afbryd())) {
            stop();
            break;
        }
        ::nanosleep(&lur, nullptr);
    }
    return m_udfald;
}

void Underproces::stop()
{
    if (m_pid <= 0)
        return;
    ::kill(-m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

std::optional<int> koerOgVent(int ms, const QString& skript, const QStringList& tekster, const QStringList& stier,
                              const QString& mappe, const std::function<bool()>& afbryd)
{
    Underproces p;
    if (!p.start(skript, tekster, stier, mappe))
        return std::nullopt;
    return p.vent(ms, afbryd);
}

} // namespace kv
