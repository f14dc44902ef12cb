#pragma once
// The progress window of a paste: counts and sizes, a bar for the current
// file and one for the whole paste, the folders being copied, and "Stop".
#include <QDialog>
#include <atomic>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace kv {

class Tprogressform : public QDialog {
    Q_OBJECT
public:
    explicit Tprogressform(QWidget* parent = nullptr);

    QLabel* LabelInfo;
    QLineEdit* destinationEdit;
    QLabel* kildeLabel;
    QLabel* LabelProcent;
    QLabel* LabelResterende;
    QLabel* LabelFart;  // speed and time left
    QProgressBar* pBar;
    QProgressBar* pBarAll;
    QProgressBar* pBarAktiv;
    QLabel* infoBarPanel[2];
    QListWidget* listbox;
    QPushButton* stopButton;

    // Set by "Stop"; the copy, on a thread of its own, looks at it as it goes.
    std::atomic<bool> FCancel = false;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace kv
