#pragma once
// The function window "Kalender": a month calendar with a memo per day and
// folders per date, and the pages "Alarmer" and "Ny alarm".
#include "app/TFunktionsform.h"
#include "calendar/TAlarmRecord.h"

#include <QDate>
#include <optional>

class QButtonGroup;
class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace kv {

class Tkalenderform : public TFunktionsform {
    Q_OBJECT
public:
    explicit Tkalenderform(Tmainform* hoved);
    ~Tkalenderform() override;

    QString optFilnavnKalender;
    int alarmLydIndex = 0;
    QString memoFilename;
    std::vector<TAlarmRecord> alarmX;

    QTabWidget* bog;
    // Page "Kalender".
    QLineEdit* mappeEdit;
    QPushButton* InsertMappeButton;
    QLineEdit *dayEdit, *monthEdit, *yearEdit;
    QPushButton* opdaterKnap;
    QCalendarWidget* kalender;
    QPushButton *mPrev, *mNext, *yPrev, *yNext;
    QPushButton* datoLabel;
    QPushButton* ButtonOpretMappe;
    QPushButton* visDatomappe;
    QPlainTextEdit* notatMemo;
    QPushButton* gemNotatKnap;
    QPushButton* sletNotatKnap;
    QPushButton* visNotatmappe;
    QPushButton* ButtonLuk;
    // Page "Alarmer".
    QLabel* LabelOverskrift;
    QTreeWidget* alarmBox;
    QPushButton *sbUdskrivAktive, *sbUdskrivAlle, *sbSletValgte, *sbRedigerValgte;
    // Page "Ny alarm".
    QButtonGroup* alarmtypeValg;
    QLineEdit *EditYear, *EditMonth, *EditDay, *EditTime, *EditMinut, *EditGentagelse, *EditOverskrift;
    QComboBox* cbLydfiler;
    QPushButton* sbSide4Play;
    QPlainTextEdit* alarmMemo;
    QPushButton *sbGemAlarm, *sbNyAlarm;

    // The memo file of a date: the name never depends on the desktop's date format.
    QString memoFil(const QDate& dato) const;
    // Date folder pieces: "10 Oktober", "30 Onsdag".
    static QString maanedsmappe(const QDate& dato);
    static QString dagsmappe(const QDate& dato);

    void kalenderChange();
    void opdaterKnapClick();
    void opretMappe();
    void aMemoGem();
    void aMemoSlet();
    void alarmtypeValgClick();
    void sbNyAlarmClick();
    void sbGemAlarmClick();
    // False when a value was refused, the user kept the old pair or a write failed.
    bool gemAlarm();
    void sbUdskrivAktiveClick();
    void sbUdskrivAlleClick();
    void sbRedigerValgteClick();
    void sbSletValgteClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* byggKalenderside();
    QWidget* byggAlarmside();
    QWidget* byggNyAlarmside();
    void visAlarmliste(const std::vector<TAlarmRecord>& liste);
    void visMappe(const QString& mappe);
    void gaaTil(const QDate& dato);
    void visNotatdage();
    bool skrivNotat(const QDate& dato);
    void alarmAendret();
    // Asks whether a changed memo of the day shown is kept, and saves it then.
    void gemAendretNotat();
    static QPushButton* knap(const QString& navn, const QString& tekst, const QString& hint);
    static QLineEdit* talfelt(const QString& navn, int cifre, const QString& hint = {});

    QDate m_dato;  // the day the memo belongs to
    std::optional<TAlarmRecord> m_redigeret;  // the alarm "Rediger" loaded
};

} // namespace kv
