#pragma once
// The window "Alarm": the heading as caption, the alarm's text, the sound
// played "Gentagelse" times; "&Luk" stops the sound and closes it. Made once
// and used for every alarm; a second alarm replaces the first.
#include <QDialog>
#include <QHash>
#include <memory>

class QPlainTextEdit;
class QPushButton;

namespace kv {

struct TAlarmRecord;

class Talarmform : public QDialog {
    Q_OBJECT
public:
    // lydfilDir is the sound folder, ending in a backslash.
    explicit Talarmform(const QString& lydfilDir, QWidget* parent = nullptr);

    QPlainTextEdit* alarmMemo;
    QPushButton* ButtonLuk;
    QPushButton* ButtonUdsaet;

    // Shows the alarm, plays its sound and removes a one-time alarm's files.
    void playAlarm(const TAlarmRecord& alarm, bool forsinket);
    // Shows the window with the caption and the file's text; false when the
    // text could not be read (the window then says so under the caption).
    bool showAlarm(const QString& caption, const QString& filnavn);
    void ButtonLukClick();

signals:
    // A short message for the status line.
    void besked(const QString& tekst);
    // "Udsæt 5 min": the alarm shown is to ring again.
    void udsaet(const kv::TAlarmRecord& alarm);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString m_lydfilDir;
    std::unique_ptr<TAlarmRecord> m_alarm;  // the alarm shown
    QHash<QString, QString> m_tekster;      // texts of snoozed alarms, whose files may be gone
};

} // namespace kv
