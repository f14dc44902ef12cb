#include "calendar/TAlarmplan.h"
#include "platform/FileSystem.h"
#include "platform/Ur.h"

#include <QTimer>
#include <algorithm>

namespace kv {

namespace {
QString noegle(const QDate& dato, const TAlarmRecord& a) { return dato.toString(Qt::ISODate) + a.navn(); }
QTime klokken(const TAlarmRecord& a) { return QTime(a.time, a.minut); }
bool sammeAlarm(const TAlarmRecord& x, const TAlarmRecord& y) { return x.navn() == y.navn() && klokken(x) == klokken(y); }
} // namespace

void TAlarmplan::sorter()
{
    std::stable_sort(alarm.begin(), alarm.end(),
                     [](const TAlarmRecord& x, const TAlarmRecord& y) { return klokken(x) < klokken(y); });
}

void TAlarmplan::udsaet(const TAlarmRecord& a)
{
    const QDateTime n = nu();
    const QDateTime senere = n.addSecs(5 * 60);
    const QTime t = senere.date() == n.date() ? senere.time() : QTime(23, 59);
    TAlarmRecord igen = a;
    igen.time = quint16(t.hour()), igen.minut = quint16(t.minute());
    m_udsat.push_back(igen);
    alarm.push_back(igen);
    sorter();
    emit aendret();
}

TAlarmplan::TAlarmplan(const QString& alarmDir, const QString& alarmTekster, QObject* parent)
    : QObject(parent), alarmTimer(new QTimer(this)), m_alarmDir(alarmDir), m_alarmTekster(alarmTekster)
{
    alarmTimer->setInterval(1000);
    connect(alarmTimer, &QTimer::timeout, this, &TAlarmplan::alarmTimerTimer);
}

void TAlarmplan::hentAlarmer() { hent(nu()); }

void TAlarmplan::hent(QDateTime fra)
{
    const QDateTime n = nu();
    m_sidst = n;
    const QDate idag = n.date();
    const QTime fraMinut = fra.date() < idag ? QTime(0, 0) : QTime(fra.time().hour(), fra.time().minute());
    alarm.clear();
    const auto indhold = listFolder(m_alarmDir.chopped(1));
    for (const DirEntry& e : indhold ? *indhold : std::vector<DirEntry>{}) {
        const auto d = e.isDir ? std::nullopt : alarmNavnDele(e.name);
        if (!d)
            continue;
        const auto [aar, maaned, dag, time, minut] = *d;
        // Daily (year 0), yearly (year 3016) on its day, one-time on its own date only.
        const bool idagsDato = maaned == idag.month() && dag == idag.day();
        const bool dagens = aar == 0 || (idagsDato && (aar == gentagetAar || aar == idag.year()));
        if (!dagens || QTime(time, minut) < fraMinut)
            continue;
        auto a = laesAlarmfil(m_alarmDir + e.name);
        if (!a)
            continue;
        a->filnavn = m_alarmDir + e.name;
        a->tekstfilnavn = m_alarmTekster + e.name;
        if (!m_ringet.contains(noegle(idag, *a)))
            alarm.push_back(*a);
    }
    alarm.insert(alarm.end(), m_udsat.begin(), m_udsat.end());
    sorter();
    // Runs also while nothing is pending, to collect the next day's alarms.
    alarmTimer->start();
    emit aendret();
}

void TAlarmplan::alarmTimerTimer()
{
    const QDateTime n = nu();
    // A new day, or a clock that jumped: collect again from where we were.
    const qint64 skridt = m_sidst.isValid() ? m_sidst.secsTo(n) : 0;
    if (m_sidst.isValid() && n.date() != m_sidst.date())
        m_udsat.clear();
    if (m_sidst.isValid() && (n.date() != m_sidst.date() || skridt < 0 || skridt > 90))
        hent(std::min(m_sidst, n));
    m_sidst = n;
    // Local wall-clock time: an alarm in the hour skipped in spring rings when
    // the clock has passed it, one in the hour repeated in autumn only once.
    if (alarm.empty() || klokken(alarm.front()) > n.time())
        return;
    const TAlarmRecord a = alarm.front();
    alarm.erase(alarm.begin());
    m_ringet.insert(noegle(n.date(), a));
    std::erase_if(m_udsat, [&](const TAlarmRecord& u) { return sammeAlarm(u, a); });
    const bool forsinket = n.time() >= klokken(a).addSecs(60);
    emit aendret();
    emit ring(a, forsinket);
}

} // namespace kv
