#pragma once
// The folder browser: a tree over the drives of the drive table, each folder
// listed when it is first opened. Everything in it is a program path.
#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace kv {

class TFolderDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFolderDialog(QWidget* parent = nullptr);

    QTreeWidget* trae;
    QLineEdit* stiFelt;

    // Shows the drives anew and opens the tree at folder, as far as it exists.
    void visDrev(const QString& mappe = {});
    // The selected folder; empty when nothing is selected.
    QString valgtMappe() const;
    // Runs the dialog from folder start; the chosen folder, or empty when cancelled.
    QString vaelg(const QString& start = {});

private:
    void udfold(QTreeWidgetItem* node);
    QDialogButtonBox* m_knapper;
};

} // namespace kv
