#pragma once
// A desktop notification, so an alarm is seen when the window is on another
// desktop. Sent without waiting for an answer; nothing happens without a
// session bus or a notification service.
#include <QString>

namespace kv {

void visSkrivebordsbesked(const QString& titel, const QString& tekst);

} // namespace kv
