#pragma once
// The alarms still due today, checked once a second. An alarm rings once in a
// run: at its minute, or late when that minute was missed (the machine slept,
// the clock jumped, the hour did not exist that night). The list is collected
// again at local midnight and after the clock jumps.
#include "calendar/TAlarmRecord.h"

#include <QObject>
#include <QSet>

class QTimer;

namespace kv {

class TAlarmplan : public QObject {
    Q_OBJECT
public:
    // The two folders end in a backslash.
    TAlarmplan(const QString& alarmDir, const QString& alarmTekster, QObject* parent = nullptr);

    // Pending, oldest first.
    std::vector<TAlarmRecord> alarm;
    QTimer* alarmTimer;

    // Collects today's alarms from the current minute on.
    void hentAlarmer();
    void alarmTimerTimer();
    // Rings the alarm again in five minutes (at the latest at 23:59).
    void udsaet(const kv::TAlarmRecord& alarm);

signals:
    // The alarm has left the list; late when its minute had passed.
    void ring(const kv::TAlarmRecord& alarm, bool forsinket);
    // The list of pending alarms is another now.
    void aendret();

private:
    void hent(QDateTime fra);
    void sorter();  // a copy: it may be m_sidst

    QString m_alarmDir, m_alarmTekster;
    QSet<QString> m_ringet;  // date and name of what rang in this run
    QDateTime m_sidst;       // the time of the last look at the clock
    std::vector<TAlarmRecord> m_udsat;  // snoozed, kept when the list is collected again
};

} // namespace kv
