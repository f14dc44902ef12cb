#pragma once
// The "Omdøb" window: the folder, the old name and the new one.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kv {

class TrenameForm : public QDialog {
    Q_OBJECT
public:
    explicit TrenameForm(QWidget* parent = nullptr);

    QLineEdit* mappeEdit;
    QLineEdit* oldEdit;
    QLineEdit* newEdit;
    QPushButton* omdoebKnap;

    // Fills the fields, empties and focuses newEdit and waits; true for "Omdøb".
    bool vis(const QString& mappe, const QString& gammel);

protected:
    // For windows of the same kind: a text above the fields, then the fields
    // by their captions in the order given (mappeEdit, oldEdit, newEdit).
    TrenameForm(QWidget* parent, const QString& titel, const QString& tekst, const QStringList& felter,
                const QList<int>& orden);
    bool eventFilter(QObject* obj, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace kv
