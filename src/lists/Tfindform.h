#pragma once
// "Søg": searches the documents of one folder for a text and lists every
// occurrence with its document, position and line. The page "Filtre" keeps
// the list of document types offered in the filter box.
#include "ui/TFunktionsform.h"

#include <QStringList>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kv {

class Baggrundsjob;
class TFolderDialog;

class Tfindform : public TFunktionsform {
    Q_OBJECT
public:
    explicit Tfindform(Funktionsvaert* hoved);

    QString FTekst;
    QString optfil;         // Findoptions.txt
    QString typelistenavn;  // Filtertyper.txt
    QStringList filliste;   // the type list as triples: name, mask, "1" when offered
    // The type chosen in the filter box, counted among the offered types;
    // -1 for all of them at once (the first entry), as on the first opening.
    int filterItemIndex = -1;
    QString Mappe;          // always ends in a backslash

    // The program list's active program; empty while none is set.
    std::function<QString()> aktivtProgram = [] { return QString(); };

    QTabWidget* sider;
    QLineEdit* dirEdit;
    QComboBox* EditFind;
    QComboBox* filterBoks;
    QCheckBox* Check1;  // "Kun hele ord"
    QCheckBox* Check2;  // "Forskel på store og små bogstaver"
    QTreeWidget* findis;
    QLabel* countdis;
    QLabel* ulaeseligeLabel;
    QTreeWidget* typeliste;
    QLineEdit* tekstedit;
    QLineEdit* typeedit;
    QPushButton* saveknap;
    TFolderDialog* mappeDia;
    QAction* AfindBib;
    QAction* Astop;
    QAction* Afjern;
    QAction* AsletAlt;
    QAction* AopenAll;
    QAction* AvisValgte;
    QAction* ArunValgte;
    QAction* Aop;
    QAction* Aned;
    QAction* Pennehus;

    // The folder to search; shown in dirEdit.
    void saetMappe(const QString& mappe);
    bool soeger() const { return m_soeger; }
    // The documents the last search could not read.
    int ulaeselige() const { return m_ulaeselige; }
    // The standard type list as triples.
    static QStringList standardliste();
    // The mask of a typed type: "*.*" as it is, otherwise "*." and what
    // follows the last full stop.
    static QString maskeFor(const QString& type);
    // The filter box's first entry, which searches every offered type.
    static QString alleTyper();
    void opdaterHandlinger();

    void AfindBibExecute();
    void AopenAllExecute();
    void AvisValgteExecute();
    void ArunValgteExecute();
    void insertknapKlik();
    void deleteknapKlik();
    void standardKnapKlik();
    void saveknapKlik();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* byggSoegeside();
    QWidget* byggFiltreside();
    QAction* nyHandling(const char* navn, const QString& tekst, const QString& hint, void (Tfindform::*udfoer)());
    void hentTyper();
    void fyldTypeliste();
    void fyldFilterBoks();
    void flytType(int retning);
    void visAntal();
    // The selected row's document, when it still exists; else says so.
    QString valgtDokument() const;

    // Rows found and documents that could not be read since the last batch.
    struct Parti {
        QList<QStringList> raekker;
        int ulaeselige = 0;
    };
    void tilfoej(const Parti& parti);

    Baggrundsjob* m_job;
    bool m_soeger = false;
    int m_ulaeselige = 0;
};

} // namespace kv
