#include "platform/Skrivebordsbesked.h"
#include "platform/Sessionsbus.h"

#include <QDBusMessage>
#include <QVariantMap>

namespace kv {

void visSkrivebordsbesked(const QString& titel, const QString& tekst)
{
    auto bus = sessionsbus();
    if (!bus)
        return;
    QDBusMessage besked = QDBusMessage::createMethodCall(
        u"org.freedesktop.Notifications"_qs, u"/org/freedesktop/Notifications"_qs, u"org.freedesktop.Notifications"_qs,
        u"Notify"_qs);
    // Application, id to replace, icon, summary, body, actions, hints, timeout (-1: the server's).
    besked << u"Kvistlund"_qs << 0u << u"alarm-clock"_qs << titel << tekst << QStringList() << QVariantMap()
           << qint32(-1);
    bus->send(besked);
}

} // namespace kv
