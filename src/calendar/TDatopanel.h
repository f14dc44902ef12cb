#pragma once
// The page "Datoer" of the main window's right-hand panel: today's date line,
// a running clock, and the dates of the Danish holidays of a chosen year.
#include <QDate>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;

namespace kv {

class Funktionsvaert;

class TDatopanel : public QWidget {
    Q_OBJECT
public:
    // The years the holidays are shown for: the first whole year of the
    // Gregorian calendar, and the last year with four digits.
    static constexpr int foersteAar = 1583, sidsteAar = 9999;

    explicit TDatopanel(Funktionsvaert* hoved);

    // "Datoer", or "Datoer: " + the year last computed: the heading of the page.
    QString DatoerCaption = u"Datoer"_qs;
    QLineEdit* yearEdit;
    QLabel* klokkenLabel;
    QLabel* datoLabel;
    std::array<QLabel*, 12> hdNavne;  // the fixed names beside the dates
    std::array<QLabel*, 12> hdLabel;  // hdLabel0 … hdLabel11
    QToolButton* infoUr;
    QToolButton* hdButton;
    QToolButton *yearNuButton, *yearTilbageButton10, *yearTilbageButton, *yearFremButton, *yearFremButton10;
    QTimer* TimerKlokken;

    void hdButtonClick();
    void flytAar(int skridt);
    void yearNuButtonClick();
    // The clock's tick: the time, and the date line once the day has changed.
    void TimerKlokkenTimer();
    // The page was shown (the clock runs) or left (it stops).
    void vist(bool synlig);

private:
    void opdaterAarknapper();

    Funktionsvaert* hoved;
    QDate m_vistDato;  // the day the date line shows
};

} // namespace kv
