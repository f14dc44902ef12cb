#pragma once
// The shared question window: a question in a read-only memo, "Ja" or "Nej".
#include <QDialog>

class QPlainTextEdit;

namespace kv {

class TspmForm : public QDialog {
    Q_OBJECT
public:
    explicit TspmForm(QWidget* parent = nullptr);

    QPlainTextEdit* info;

    // Clears the memo, shows the lines and waits; true only for "Ja".
    bool spoerg(const QStringList& linjer);

protected:
    void showEvent(QShowEvent* event) override;
};

// The one question window: the first one created, normally by the program
// entry with the main window as parent; made on demand when there is none.
TspmForm& spmForm();

} // namespace kv
