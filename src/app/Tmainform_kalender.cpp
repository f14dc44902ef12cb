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
        alarmform = nyAlarmform();
        connect(alarmplan, &TAlarmplan::ring, this, [this](const TAlarmRecord& a, bool forsinket) {
            // An alarm shown stays until it is closed: the next one gets a window of its own.
            if (!alarmform->isVisible())
                return alarmform->playAlarm(a, forsinket);
            Talarmform* w = nyAlarmform();
            w->setAttribute(Qt::WA_DeleteOnClose);
            w->playAlarm(a, forsinket);
            w->move(w->pos() + QPoint(24, 24) * int(findChildren<Talarmform*>().size() - 1));
        });
    }
    alarmplan->hentAlarmer();
}

Talarmform* Tmainform::nyAlarmform()
{
    auto* w = new Talarmform(lydfilDir, this);
    connect(w, &Talarmform::besked, this, &Tmainform::UdskrivInfo);
    connect(w, &Talarmform::udsaet, alarmplan, &TAlarmplan::udsaet);
    return w;
}

void Tmainform::aabnKalenderform()
{
    kalenderform = new Tkalenderform(this);
    kalenderform->show();
}

} // namespace kv
