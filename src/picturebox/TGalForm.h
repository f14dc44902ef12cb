#pragma once
// The picture box: the pictures of Struktur 2's folder as thumbnails, a page
// at a time, and the few things a user does with the one picture chosen.
// Made once and hidden when closed; it stays in front of the other windows.
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

namespace kv {

class Mappevagt;
class TBibPan;
class TProgressCompo;
class TRulskakt;
class Funktionsvaert;
struct Billedboksindstillinger;

class TGalForm : public QWidget {
    Q_OBJECT
public:
    TGalForm(Funktionsvaert* hoved, const Billedboksindstillinger& e);

    QString picFilnavn;  // full path of the chosen picture; empty when none is chosen
    int AntalV = 4, AntalL = 1;
    bool tilladResize = false;
    int colIndex = 4;

    QToolButton* BibKnap;
    TProgressCompo* StepPan;
    QLineEdit* antalEdit;
    QToolButton *BVknapPlus, *BVknapMinus, *BLknapPlus, *BLknapMinus;
    QLineEdit *BVedit, *BLedit;
    TBibPan* BibPan;
    TRulskakt* BibRul;
    QLineEdit *Breddefelt, *Hojdefelt, *Navnfelt, *mappeFelt;
    QLabel* positionLabel;
    QLabel* ulaeseligLabel;
    QToolButton* infoKnap;
    QToolButton* colButton;
    QMenu* ddFarver;
    QAction *Amappe, *Avis, *AOpenPic, *AKopier, *AkopierMappe, *AopenSF, *ADelete;

    // The enabling rules of the window's actions, run again now.
    void opdaterHandlinger();
    // The counts, size and position as the settings file keeps them.
    void gemIndstillinger(Billedboksindstillinger& e) const;

    void AmappeExecute();
    void ADeleteExecute();
    void saetFarve(int index);
    void saetAntal(int vandret, int lodret);
    void formatKlik(int vandret, int lodret);
    // The picture with this number becomes the chosen one.
    void vaelgBillede(int nr);

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* obj, QEvent* e) override;

private:
    void byggVindue();
    QWidget* byggTaellere();
    QWidget* byggFilfelter();
    QWidget* byggVaerktoejslinje();
    void bindHandlinger();
    void bindPanel();
    QAction* handling(const QString& navn, const QString& caption, const QString& hint, const char* genvej,
                      void (TGalForm::*udfoer)());
    void AvisExecute();
    void AOpenPicExecute();
    void AKopierExecute();
    void AkopierMappeExecute();
    void AopenSFExecute();
    void glemValg();
    // Width and height of picture nr as decoded; empty while unknown.
    void visStoerrelse(int nr);
    // The folder listed again after a change on disk, on the same page, the
    // choice kept while its file is still there unchanged.
    void genindlaes();
    void mappeAendret(const QString& mappe);
    void nulstilSkakt();
    void visPosition();
    // The counts in BVedit and BLedit: those the grid shows once the window is up.
    void visAntal();
    void laasStoerrelse();
    // The file actions are refused while the main window runs a file operation.
    bool filhandlingTilladt() const;

    Funktionsvaert* m_hoved;
    Mappevagt* m_vagt;
    QRect m_startGeometri;  // from the settings as read at program start
    bool m_vist = false;
    int m_valgtNr = -1;
    qint64 m_valgtStoerrelse = 0, m_valgtAendret = 0;  // as listed
};

} // namespace kv
