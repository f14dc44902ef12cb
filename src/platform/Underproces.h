#pragma once
// An installed script we wait for: run by /bin/sh with an argument list,
// never through a command line, in a working folder that is the child's only.
// Paths are handed over as the exact host names, UTF-8 or not. Nothing waits
// beyond the limit the caller gives.
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>
#include <sys/types.h>

namespace kv {

class Underproces {
public:
    Underproces() = default;
    // A child still running is stopped.
    ~Underproces();
    Underproces(const Underproces&) = delete;
    Underproces& operator=(const Underproces&) = delete;

    // skript and mappe are program paths (mappe empty keeps ours); the
    // arguments are the texts, then the host names of the paths stier.
    // Output goes nowhere. False when the child could not be started.
    bool start(const QString& skript, const QStringList& tekster, const QStringList& stier = {},
               const QString& mappe = {});
    // True while the child runs; looks without waiting.
    bool koerer();
    // The exit status of a child that ended by itself.
    std::optional<int> udfald() const { return m_udfald; }
    // Why the last start failed, as an errno value; 0 after a start.
    int startfejl() const { return m_startfejl; }
    // Waits at most ms milliseconds, and no longer than afbryd says false;
    // a child still running then is stopped.
    std::optional<int> vent(int ms, const std::function<bool()>& afbryd = {});
    void stop();

private:
    bool start(const QList<QByteArray>& argv, const QByteArray& mappe);

    pid_t m_pid = -1;
    std::optional<int> m_udfald;
    int m_startfejl = 0;
};

// Runs a script to its end, at most ms milliseconds and while afbryd says
// false: its exit status, or nothing when it could not start, ended by a
// signal, took too long or was called off.
std::optional<int> koerOgVent(int ms, const QString& skript, const QStringList& tekster,
                              const QStringList& stier = {}, const QString& mappe = {},
                              const std::function<bool()>& afbryd = {});

} // namespace kv
