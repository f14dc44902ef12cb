#pragma once
// The information window: one page each for a file, a drive and a folder,
// and only the page of the element it was opened for can be seen.
#include <QDialog>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace kv {

struct Optaelling;
class Baggrundsjob;

class Tfilinfoform : public QDialog {
    Q_OBJECT
public:
    explicit Tfilinfoform(QWidget* parent);
    ~Tfilinfoform() override;

    QString Filnavn;     // the file whose attributes "Anvend" writes
    int SideNummer = 0;  // 0 file, 1 drive, 2 folder

    QTabWidget* Bog;
    // "Fil"
    QLabel* ikonBox;
    QLineEdit* EditFilnavn;
    QLineEdit* EditPath;
    QLabel* LabelSize;
    QLabel* LabelOprettet;
    QLabel* LabelForandret;
    QLabel* LabelAabnet;
    QCheckBox* cbReadOnly;
    QCheckBox* cbHidden;
    QLabel* LabelFiltype;
    // "Drev"
    QLabel* drevBillede;
    QLineEdit* EditDisknavn;
    QLabel* LabelFreeSpace;
    QLabel* LabelAnvendtSpace;
    QLabel* LabelKapasitet;
    QProgressBar* ProgressBar;
    QLabel* LabelType;
    QLabel* LabelFilsystem;
    // "Mappe"
    QLineEdit* EditMappenavn;
    QLabel* LabelPlacering;
    QLabel* LabelMappeSize;
    QLabel* LabelMappeIndhold;
    QLabel* LabeloprettelsesDato;

    QAction* aAnvend;
    QAction* aUdfold;
    QAction* aSammenfold;
    QPushButton* infoKnap;
    QPushButton* lukKnap;

    // Opens a help page: the page's file and title.
    std::function<void(const QString&, const QString&)> onInfoHelp;

    // Shows page n (0 file, 1 drive, 2 folder) with this caption.
    void visSide(int n, const QString& caption);
    // Counts the folder's content into the folder page as a job, the numbers
    // growing while it runs; it stops when the window closes or hides, or a
    // new count begins.
    void countMappeInfo(const QString& mappe);
    bool taeller() const;
    void visOptaelling(const Optaelling& o);
    void anvend();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Baggrundsjob* m_job;
};

} // namespace kv
