#pragma once
// "Genveje": makes a shortcut ("Navn.lnk", a symbolic link) to a folder,
// program or file in a chosen folder, by the installed shortcut scripts, and
// shows that folder in Struktur 2.
#include "ui/TFunktionsform.h"

#include <optional>

class QLineEdit;
class QPushButton;

namespace kv {

class Baggrundsjob;

class Tgenvejform : public TFunktionsform {
    Q_OBJECT
public:
    explicit Tgenvejform(Funktionsvaert* hoved);

    QLineEdit* EditTarget;
    QLineEdit* EditDest;
    QLineEdit* EditName;
    QPushButton* insertMappe;
    QPushButton* insertFil;
    QPushButton* destinationMappe;
    QPushButton* opretGenvej;

    // The enabling rules of the buttons.
    void opdater();
    // Runs the shortcut script as a job; opretter is true while it runs.
    void opretGenvejClick();
    bool opretter() const;

private:
    void fejl(int udfald, const QString& link);
    // What the shortcut script answered.
    void genvejOprettet(std::optional<int> udfald, const QString& link, const QString& placering);

    Baggrundsjob* m_job;
};

} // namespace kv
