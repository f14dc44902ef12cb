#pragma once
// An up-down control bound to a number edit: its arrows, and the Up and Down
// keys in the edit, step the edit's number within a range.
#include <QWidget>

class QLineEdit;

namespace kv {

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* felt, int min, int max, QWidget* parent = nullptr);

    // One step up (1) or down (-1), held to the range; a text that is no
    // number becomes the range's start.
    void trin(int retning);

signals:
    // The edit's number was stepped.
    void aendret();

protected:
    bool eventFilter(QObject* obj, QEvent* event) override;

private:
    QLineEdit* m_felt;
    int m_min, m_max;
};

} // namespace kv
