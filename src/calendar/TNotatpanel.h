#pragma once
// The page "Noter" of the main window's right-hand panel: free-text notes,
// each a text file in the notes folder named after its heading.
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QToolButton;

namespace kv {

class Tmainform;

class TNotatpanel : public QWidget {
    Q_OBJECT
public:
    explicit TNotatpanel(Tmainform* hoved);

    QLineEdit* notatEdit;
    QPlainTextEdit* notatMemo;
    QListWidget* notatBox;
    QToolButton *notatNytKnap, *noteOpdaterKnap, *notatMappeVisKnap, *infoNotatKnap;

    // Lists the notes folder anew; the heading is emptied, the text kept.
    void opdaterListe();
    void aGemNotatExecute();
    void aHentNotatExecute();
    void notatNytKnapClick();
    void notatMappeVisKnapClick();
    // "Gem" is offered: a changed text with a heading.
    bool kanGemme() const;

protected:
    bool eventFilter(QObject* obj, QEvent* event) override;

private:
    QString notatFil(const QString& overskrift) const;
    // True when nothing unsaved is lost, or the user says so (spoergsmaal is the question's second line).
    bool maaKasseres(const QString& spoergsmaal) const;

    Tmainform* hoved;
    QString m_hentet;  // the heading of the note the text was loaded from or saved as
};

} // namespace kv
