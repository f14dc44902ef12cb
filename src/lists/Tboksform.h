#pragma once
// The function window "Webadresser": the groups of web addresses, the
// addresses of the active group, and the store where groups rest.
#include "app/TFunktionsform.h"

class QLineEdit;
class QListWidget;
class QTabWidget;
class QToolButton;
class QTreeWidget;

namespace kv {

class TInternetside;
class TWebGrupper;

class Tboksform : public TFunktionsform {
    Q_OBJECT
public:
    Tboksform(Tmainform* hoved, TInternetside* side);

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
    void gemForandringer();
    // The groups to and from the browsers' bookmark file (a program path).
    void eksporter(const QString& fil);
    void importer(const QString& fil);

private:
    QWidget* byggGrupper();
    QWidget* byggIndfoer();
    QWidget* byggRediger();
    QWidget* byggAdministrer();
    void opdaterKnapper();
    QList<int> afkrydsede() const;
    void elementerAendret();
    TInternetside* const m_side;
    TWebGrupper& web;
};

} // namespace kv
