#pragma once
// The base of the eight function windows (structure editor, calendar, program
// editor, applets, shortcuts, help, web addresses, text search). Its box under
// "Åben funktioner externt:" decides at creation whether the window is docked
// in the free area beside the columns, with a tab in the row `tc`, or opened
// outside, kept in front of the main window and centred on it. A subclass
// lays out its own content in its constructor; the opener then shows it.
#include "ui/UgemtArbejde.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QScrollArea;

namespace kv {

class Funktionsvaert;

struct Funktion {
    const char16_t* navn;       // tab caption and window caption
    const char16_t* boks;       // the box under "Åben funktioner externt:"
    const char16_t* boksTekst;
};
// By number 1..8.
const Funktion& funktion(int nummer);

class TFunktionsform : public QWidget, public UgemtArbejde {
    Q_OBJECT
public:
    // capNavn is the function's tab caption, funktion(nummer).navn.
    TFunktionsform(Funktionsvaert* hoved, int nummer, const QString& capNavn);
    ~TFunktionsform() override;

    int nummer() const { return m_nummer; }
    static constexpr int mindsteDokBredde = 200;
    bool opstart = true;
    bool showType = false;  // outside; fixed at creation
    QString CapNavn;
    // Docked: in front of the other docked windows.
    void laegForrest();
    void setVisible(bool visible) override;
    // Asks about the unsaved work, if any, with "Annuller"; then saves it or
    // lets it go. False when the window must stay: called off or not saved.
    bool maaLukkes();

protected:
    Funktionsvaert* const hoved;
    // Outside the window keeps 580 pixels' width and its height; the help
    // window clears this to be resizable.
    bool fastRamme = true;

    void showEvent(QShowEvent* event) override;
    // Unsaved work is asked about first: saved, let go, or the window stays.
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* obj, QEvent* event) override;

private:
    // Moves the content into a scroll area filling the window.
    void rulIndhold();

    const int m_nummer;
    QCheckBox* m_boks;
    // Docked: the window's own scroll area, filling the free area, so that a
    // free area smaller than the content scrolls instead of squeezing it.
    QPointer<QScrollArea> m_rulle;
};

} // namespace kv
