#include "app/Tmainform.h"
#include "app/THandlingsliste.h"
#include "calendar/TAlarmplan.h"
#include "calendar/Talarmform.h"
#include "calendar/Tkalenderform.h"

namespace kv {

void Tmainform::bindKalender()
{
    handlinger->bind("visKalender", [this] { aabnKalenderform(); }, [this] { return !kalenderform; });
}

void Tmainform::hentAlarmer()
{
    // Made on first use: the folders are known only once the window is built.
    if (!alarmplan) {
        alarmplan = new TAlarmplan(alarmDir, alarmTekster, this);
        alarmform = new Talarmform(lydfilDir, this);
        connect(alarmplan, &TAlarmplan::ring, alarmform, &Talarmform::playAlarm);
        connect(alarmform, &Talarmform::besked, this, &Tmainform::UdskrivInfo);
        connect(alarmform, &Talarmform::udsaet, alarmplan, &TAlarmplan::udsaet);
    }
    alarmplan->hentAlarmer();
}

void Tmainform::aabnKalenderform()
{
    kalenderform = new Tkalenderform(this);
    kalenderform->show();
}

} // namespace kv
