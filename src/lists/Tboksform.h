#pragma once
// The function window "Webadresser": the groups of web addresses, the
// addresses of the active group, and the store where groups rest.
#include "lists/Bogmaerker.h"
#include "ui/TFunktionsform.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolButton;
class QTreeWidget;

namespace kv {

class Baggrundsjob;
class TInternetside;
class TWebGrupper;

class Tboksform : public TFunktionsform {
    Q_OBJECT
public:
    Tboksform(Funktionsvaert* hoved, TInternetside* side);

    QTabWidget* bog;
    // Page "Grupper".
    QListWidget* gruppeBoks;
    QLineEdit *valgtGruppeEdit, *gEdit;
    // Page "Indfør element".
    QLineEdit *gruppeEdit, *FilnavnEdit, *tekstEdit;
    // Page "Fjern eller rediger element".
    QTreeWidget* programBoks;
    QLineEdit *nytekstEdit, *webUrlEdit, *gNameEdit;
    // Page "Administrer grupper".
    QListWidget *Box, *lagerBox;
    QToolButton *AvalgteTilLager, *AvalgteTilbage, *AalleTilLager, *AalleTilbage, *AflytOp, *AflytNed, *AgemForandringer;
    bool aendret = false;

    void loadBokse();
    // Box and lagerBox from the groups in use and in the store, keeping the moves not saved yet.
    void fyldAdministrer();
    void fyldGruppeBoks();
    void gruppeKlik(const QString& gruppe);
    void ingenAktiv();
    void indfoerGruppe();
    void sletGruppe();
    void redigerGruppe();
    void sorterGrupper();
    void indfoerElement();
    void fjernValgte();
    void udfoer();
    void flytElement(bool op);
    void indretAlfabetisk();
    void flytGrupper(bool tilLager, bool alle);
    void flytGruppe(bool op);
    // Writes the groups and the store; false when a file could not be written.
    bool gemForandringer();

    // The moves between the groups and the store not saved yet.
    QStringList ugemt() const override;
    bool gemUgemt() override { return gemForandringer(); }
    void kasserUgemt() override { aendret = false; }
    // The groups to and from the browsers' bookmark file (a program path).
    void eksporter(const QString& fil);
    // The import is read as a job, then put in the groups; importerer is true while it is read.
    void importer(const QString& fil);
    bool importerer() const;

private:
    void importerGrupper(const TWebGrupper& importeret, const QString& fejl, int antal);
    QWidget* byggGrupper();
    QWidget* byggIndfoer();
    QWidget* byggRediger();
    QWidget* byggAdministrer();
    void opdaterKnapper();
    QList<int> afkrydsede() const;
    void elementerAendret();
    TInternetside* const m_side;
    TWebGrupper& web;
    Baggrundsjob* m_import;
};

} // namespace kv
