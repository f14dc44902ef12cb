#pragma once
// The structure editor "Mappestrukturer": makes, edits, saves and deletes the
// structure files, and shows them as level or point structures in Struktur 1.
#include "ui/TFunktionsform.h"

class QAction;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;

namespace kv {

class Funktionsvaert;
class TFolderDialog;

class Tmappestrukturform : public TFunktionsform {
    Q_OBJECT
public:
    explicit Tmappestrukturform(Funktionsvaert* hoved);

    // The structure being edited has unsaved changes.
    bool redigeret = false;

    QTabWidget* sider;
    QListWidget* strukturListeMapper;
    QListWidget* strukturListe;
    QListWidget* strukturMappeListe;
    QLineEdit* EditGem;
    QPushButton* insertMappeKnap;
    QPushButton* opdaterKnap;
    QPushButton* visMappeKnap;
    QAction* aDoBefore;
    QAction* aSlet;
    QAction* aOp;
    QAction* aNed;
    QAction* aGem;
    QAction* aStrukturmappe;
    QAction* aStrukturmappe1;
    QAction* aRedigerMappestruktur;
    QAction* aDelete;
    TFolderDialog* mappeDia;

    // The structure files of the structure folder, by file name.
    void visStrukturfiler(const QStringList& filnavne);
    // Runs every enabling rule of the window's actions.
    void opdaterHandlinger();

    // The structure being edited.
    QStringList ugemt() const override;
    bool gemUgemt() override { return gem(); }
    void kasserUgemt() override { redigeret = false; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The file "Rediger valgte" took in; saving under its shown name writes it back.
    QString m_hentetFil;
    QWidget* byggRedigerSide();
    QWidget* byggStrukturSide();
    QAction* nyHandling(const char* navn, const QString& tekst, const QString& hint, void (Tmappestrukturform::*udfoer)());
    // True when there are no unsaved edits, or the user lets them go.
    bool maaKasseres(const QString& spoergsmaal);
    QString valgtStrukturfil() const;
    QStringList mapperI(const QListWidget* liste) const;
    void indsaetMapper(QListWidget* liste, const QStringList& mapper);
    void aendret();

    void aDoBeforeExecute();
    void insertMappeKlik();
    void aSletExecute();
    void flyt(int retning);
    void aGemExecute() { gem(); }
    // Saves the structure being edited under its name; false when it was not saved.
    bool gem();
    void aStrukturmappeExecute();
    void aStrukturmappe1Execute();
    void aRedigerMappestrukturExecute();
    void aDeleteExecute();
    void visMappeKlik();
    void strukturListeKlik();
    void strukturMappeListeDobbeltKlik();

    QString m_sidsteMappe;
};

} // namespace kv
