#pragma once
// "Genveje": makes a shortcut ("Navn.lnk", a symbolic link) to a folder,
// program or file in a chosen folder, by the installed shortcut scripts, and
// shows that folder in Struktur 2.
#include "app/TFunktionsform.h"

class QLineEdit;
class QPushButton;

namespace kv {

class Tgenvejform : public TFunktionsform {
    Q_OBJECT
public:
    explicit Tgenvejform(Tmainform* hoved);

    QLineEdit* EditTarget;
    QLineEdit* EditDest;
    QLineEdit* EditName;
    QPushButton* insertMappe;
    QPushButton* insertFil;
    QPushButton* destinationMappe;
    QPushButton* opretGenvej;

    // The enabling rules of the buttons.
    void opdater();
    void opretGenvejClick();

private:
    void fejl(int udfald, const QString& link);
};

} // namespace kv
