#pragma once
// The page "Noter" of the main window's right-hand panel: free-text notes,
// each a text file in the notes folder named after its heading.
#include "ui/UgemtArbejde.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSplitter;
class QToolButton;

namespace kv {

class Funktionsvaert;

class TNotatpanel : public QWidget, public UgemtArbejde {
    Q_OBJECT
public:
    explicit TNotatpanel(Funktionsvaert* hoved);

    QLineEdit* notatEdit;
    QPlainTextEdit* notatMemo;
    QListWidget* notatBox;
    QWidget* notatPanel;  // heading and text, above the list
    QToolButton *notatNytKnap, *noteOpdaterKnap, *notatMappeVisKnap, *infoNotatKnap;

    // The height of the note above the list, kept in the main settings.
    int notatHoejde() const { return m_notatHoejde; }
    void saetNotatHoejde(int hoejde);

    // Lists the notes folder anew; the heading is emptied, the text kept.
    void opdaterListe();
    void aGemNotatExecute();
    void aHentNotatExecute();
    void notatNytKnapClick();
    void notatMappeVisKnapClick();
    // "Gem" is offered: a changed text with a heading.
    bool kanGemme() const;

    QStringList ugemt() const override;
    bool gemUgemt() override;
    void kasserUgemt() override;

protected:
    bool eventFilter(QObject* obj, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString notatFil(const QString& overskrift) const;
    // Writes the text under its heading; false, with the user told why, when it was not written.
    bool gemNotat();
    // True when nothing unsaved is lost, or the user says so (spoergsmaal is the question's second line).
    bool maaKasseres(const QString& spoergsmaal) const;

    Funktionsvaert* hoved;
    void placerDeler();

    QSplitter* deler;
    int m_notatHoejde = 200;
    QString m_hentet;  // the heading of the note the text was loaded from or saved as
};

} // namespace kv
