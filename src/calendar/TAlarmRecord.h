#pragma once
// One alarm and its two files: the record in "Alarmer" and the text in
// "Alarmtekster", both named after the alarm's date and minute
// ("0000-00-00-07-05.txt" daily, "3016-12-24-18-00.txt" yearly).
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace kv {

struct TAlarmRecord {
    quint16 aar = 0, maaned = 0, dag = 0, time = 0, minut = 0;
    quint8 alarmtype = 0;  // 0 "Daglig", 1 "Dato", 2 "Gentaget"
    quint8 gentagelse = 1;
    qint32 alarmfil = 0;   // index into programfiler::alarmlyde
    QString overskrift;
    QString tekstfilnavn, filnavn;
    QString aarS, maanedS, dagS, timeS, minutS;

    // "yyyy-mm-dd-hh-mm.txt" from the text fields.
    QString navn() const { return QStringList{aarS, maanedS, dagS, timeS, minutS}.join(u'-') + u".txt"_qs; }
};

inline constexpr int maxOverskrift = 36;
inline constexpr quint16 gentagetAar = 3016;

// The five numbers of an alarm file name, or nothing for any other name.
std::optional<std::array<int, 5>> alarmNavnDele(const QString& navn);

// The record file; nothing when it is short, holds no number where one
// belongs, or cannot be read.
std::optional<TAlarmRecord> laesAlarmfil(const QString& sti);
QStringList alarmLinjer(const TAlarmRecord& a);

// Every alarm of the folder, in name order. Names that are no alarm names and
// files that cannot be read are passed over. The two paths are those of the
// pair by its own name in the two folders (each ending in a backslash).
std::vector<TAlarmRecord> hentAlleAlarmer(const QString& alarmDir, const QString& alarmTekster);

// What the page "Ny alarm" holds.
struct AlarmIndtastning {
    int type = 0;
    QString aar, maaned, dag, time, minut, gentagelse, overskrift;
    int lyd = 0;
};
// The alarm the values describe, or the message of the first bad value.
std::variant<TAlarmRecord, QString> byggAlarm(const AlarmIndtastning& ind, const QString& alarmDir,
                                              const QString& alarmTekster, const QDateTime& nu);

// Writes the text and then the record, each whole or not at all; on a failure
// neither is left. An empty text is stored as "Ingen tekst.".
bool gemAlarmfiler(const TAlarmRecord& a, QStringList tekst, QString* fejl);
// Removes the text and the record, each where it exists; false, with the
// system's reason in fejl, when one of them stays.
bool sletAlarmfiler(const TAlarmRecord& a, QString* fejl);
// The sound file of the alarm in the sound folder (ending in a backslash).
QString alarmLydfil(const QString& lydfilDir, int alarmfil);

} // namespace kv
