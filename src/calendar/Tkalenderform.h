#pragma once
// The function window "Kalender": a month calendar with a memo per day and
// folders per date, the pages "Alarmer" and "Ny alarm", and the difference
// between two dates on "Datoforskelle".
#include "ui/TFunktionsform.h"
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
class QTimer;
class QTreeWidget;

namespace kv {

class UpDown;

class Tkalenderform : public TFunktionsform {
    Q_OBJECT
public:
    explicit Tkalenderform(Funktionsvaert* hoved);
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
    UpDown* UpDownGentagelse;
    QComboBox* cbLydfiler;
    QPushButton* sbSide4Play;
    QPlainTextEdit* alarmMemo;
    QPushButton *sbGemAlarm, *sbNyAlarm;
    // Page "Datoforskelle".
    QCalendarWidget *kalender1, *kalender2;
    QLineEdit *day1Edit, *month1Edit, *year1Edit, *day2Edit, *month2Edit, *year2Edit;
    QPushButton *dato1Label, *dato2Label, *opdater1Knap, *opdater2Knap;
    QPushButton* beregnKnap;
    QLineEdit *Edit1, *Edit2;
    QTimer* scriptTimer;
    // Sets the "I dag: " captions again just after midnight.
    QTimer* idagTimer;

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
    // The date difference: the script is started, its result read by the timer.
    void beregnKnapClick();
    void scriptTimerTimer();
    QString datediffFil() const;

    // The day memo and the alarm being edited.
    QStringList ugemt() const override;
    bool gemUgemt() override;
    void kasserUgemt() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* byggKalenderside();
    QWidget* byggAlarmside();
    QWidget* byggNyAlarmside();
    QWidget* byggDatoforskelside();
    // The three "I dag: " captions from the clock; the timer is set for the next day.
    void visIdag();
    // True, with a word on the status line, while a paste or delete has the
    // structures: the calendar then leaves Struktur 2 alone.
    bool filhandlingKoerer() const;
    // One calendar of "Datoforskelle" with its edits and buttons (n is 1 or 2).
    QWidget* byggDatovaelger(int n, QCalendarWidget*& k, QLineEdit*& d, QLineEdit*& m, QLineEdit*& y,
                             QPushButton*& idag, QPushButton*& opdater);
    void visAlarmliste(const std::vector<TAlarmRecord>& liste);
    void visMappe(const QString& mappe);
    void gaaTil(const QDate& dato);
    static void gaaTil(QCalendarWidget* k, const QDate& dato);
    // The date three edits give; a message and an invalid date when they give none.
    static QDate skrevetDato(QLineEdit* d, QLineEdit* m, QLineEdit* y);
    // "Opdater": the edits cleaned to whole numbers, the calendar moved to their date.
    static void opdater(QLineEdit* d, QLineEdit* m, QLineEdit* y, QCalendarWidget* k);
    void visNotatdage();
    bool skrivNotat(const QDate& dato);
    void alarmAendret();
    bool alarmUgemt() const;
    // Asks whether a changed memo of the day shown is kept, and saves it then;
    // false when the save failed, and then the memo still holds the text.
    bool gemAendretNotat();
    static QPushButton* knap(const QString& navn, const QString& tekst, const QString& hint);
    static QLineEdit* talfelt(const QString& navn, int cifre, const QString& hint = {});

    QDate m_dato;  // the day the memo belongs to
    bool m_visAktive = true;  // the page "Alarmer" shows the pending alarms
    std::optional<TAlarmRecord> m_redigeret;  // the alarm "Rediger" loaded
    int m_tik = 0;  // ticks of scriptTimer since the script was started
};

} // namespace kv
