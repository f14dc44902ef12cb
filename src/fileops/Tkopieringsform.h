#pragma once
// The confirmation window of copies and deletes: the folders and files in
// two lists, the question, the destination, and "Ja" or "Nej".
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;

namespace kv {

class Tkopieringsform : public QDialog {
    Q_OBJECT
public:
    // Reads its sizes from the settings file, when there is one.
    explicit Tkopieringsform(const QString& indstillingsfil, QWidget* parent = nullptr);

    QListWidget* mappeBox;
    QListWidget* filBox;
    QLabel* LabelSpm;
    QLabel* billede;
    QLineEdit* EditDest;
    QPushButton* aUdfold;
    QPushButton* aSammenfold;
    QSplitter* deler;
    // The paste is a move: the question asks whether to move.
    bool deleteAfterCopy = false;

    bool skalElementerKopieres(const QString& aDestDir, const QStringList& filelist, const QStringList& mappelist);
    bool skalElementerSlettes(const QStringList& filelist, const QStringList& mappelist, bool tilPapirkurv);
    // Writes the width and the width of the file list ("Spm_kopiering.txt").
    void gemStoerrelse();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool spoerg(const QString& titel, const QString& spm, int billedtype, const QString& dest,
                const QStringList& filer, const QStringList& mapper);
    void saetBredde(int bredde);

    QString m_fil;
};

} // namespace kv
