#pragma once
// The window "Alarm": the heading as caption, the alarm's text, the sound
// played "Gentagelse" times; "&Luk" and Esc stop the sound and close it.
// An alarm that rings while one is shown gets a window of its own.
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
    ~Talarmform() override;

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

public:
    // Every way the window closes (the button, Esc, the title bar) comes here.
    void done(int r) override;

private:
    QString m_lydfilDir;
    std::unique_ptr<TAlarmRecord> m_alarm;  // the alarm shown
    // Texts of snoozed alarms, whose files may be gone, for whichever window rings them again.
    static inline QHash<QString, QString> s_tekster;
};

} // namespace kv
