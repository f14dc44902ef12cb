#pragma once

#include <QDBusConnection>
#include <optional>
#include <sys/stat.h>

namespace kv {

// The desktop's session bus, when it has one. Without an address (nor the
// user bus's socket) libdbus would launch a bus through X11 instead: a
// process forked at every start, that outlives the program where it runs.
inline std::optional<QDBusConnection> sessionsbus()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        const QByteArray koersel = qgetenv("XDG_RUNTIME_DIR");
        struct stat st;
        if (koersel.isEmpty() || ::stat((koersel + "/bus").constData(), &st) != 0 || !S_ISSOCK(st.st_mode))
            return std::nullopt;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    return bus;
}

} // namespace kv
