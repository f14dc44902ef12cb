#pragma once
// The shared question window: a question in a read-only memo, "Ja" or "Nej",
// and "Annuller" where the question may also be called off.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace kv {

class TspmForm : public QDialog {
    Q_OBJECT
public:
    explicit TspmForm(QWidget* parent = nullptr);

    QPlainTextEdit* info;

    // Clears the memo, shows the lines and waits; true only for "Ja".
    bool spoerg(const QStringList& linjer);
    enum class Svar { Ja, Nej, Annuller };
    // The same with "Annuller" too; closing the window counts as "Annuller".
    Svar spoergMedAnnuller(const QStringList& linjer);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* m_annuller;
};

// The one question window: the first one created, normally by the program
// entry with the main window as parent; made on demand when there is none.
TspmForm& spmForm();

} // namespace kv
