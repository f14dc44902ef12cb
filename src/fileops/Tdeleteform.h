#pragma once
// The window of a delete: what is deleted, where to, and how far it has come.
#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;

namespace kv {

class Tdeleteform : public QDialog {
    Q_OBJECT
public:
    explicit Tdeleteform(QWidget* parent = nullptr);

    QLabel* LabelInfo;
    QLabel* destLabel;
    QLabel* mapperLabel;
    QLabel* LabelProcent;
    QLabel* LabelResterende;
    QProgressBar* proBar;
    QListWidget* listbox;

    // Set to stop a running delete; the files not yet deleted stay.
    bool FCancel = false;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace kv
