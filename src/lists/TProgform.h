#pragma once
// The program window "Programmer": adds programs to the program list (a file
// selected in Struktur 2, or one of the installed applications), moves,
// saves and removes them.
#include "ui/TFunktionsform.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace kv {

class Funktionsvaert;
class TMenuExeFiler;

class TProgform : public TFunktionsform {
    Q_OBJECT
public:
    explicit TProgform(Funktionsvaert* hoved);

    QTabWidget* sider;
    // "Nyt program"
    QLineEdit* FilEdit;
    QLineEdit* CapEdit;
    QCheckBox* maxTekstCheck;
    QLabel* addText;
    QAction* aExeFile;
    QAction* aInsertProgram;
    // "Rediger"
    QTreeWidget* programListe;
    QLineEdit* fileText;
    QLineEdit* placeringEdit;
    QAction* AFlytOp;
    QAction* AFlytNed;
    QAction* AGem;
    QAction* ADelprog;
    QWidget* sletSpoergsmaal;
    QLabel* sletTekst;
    bool aendret = false;  // moves not saved yet
    // "Installerede programmer"
    QLineEdit* soegEdit;
    QListWidget* installeretListe;

    // Runs every enabling rule of the window's actions.
    void opdaterHandlinger();
    void aExeFileExecute();
    void aInsertProgramExecute();
    void flyt(bool op);
    void AGemExecute() { gemRaekkefoelge(); }
    // Writes the moved list; false, with the user told why, when it could not.
    bool gemRaekkefoelge();

    // The moves not saved yet.
    QStringList ugemt() const override;
    bool gemUgemt() override { return gemRaekkefoelge(); }
    void kasserUgemt() override;
    // "&Ja" to the question of ADelprog.
    void sletProgram();
    void visInstallerede();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* byggNySide();
    QWidget* byggRedigerSide();
    QWidget* byggInstalleretSide();
    QAction* nyHandling(const char* navn, const QString& tekst, const QString& hint);
    void visProgramliste(int valgt = -1);
    int valgtProgram() const;
    void tomFelter();

    TMenuExeFiler* const menuExe;
    bool m_installeredeHentet = false;
};

} // namespace kv
