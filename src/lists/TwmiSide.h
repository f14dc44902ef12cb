#pragma once
// The page "WMI": fetches the classes this computer serves into
// "classes.txt", loads them, and has the installed generators write a report
// script for the chosen class into the user's WMI folder.
#include "platform/Underproces.h"

#include <QDeadlineTimer>
#include <QWidget>

class QComboBox;
class QTimer;

namespace kv {

class Funktionsvaert;

class TwmiSide : public QWidget {
    Q_OBJECT
public:
    // bar holds the page's four actions.
    TwmiSide(Funktionsvaert* hoved, QWidget* bar);

    QComboBox* wmiBox;
    bool namespaceDone = false;
    bool wmiDone = false;
    QString vbsFile;

    // Binds "Hent classes", "Indlæs classes", "Skriv scriptet" and "Skriv HTML".
    void bind();
    void AloadListeExecute();
    void AwmiExecute();
    void AmakeFileExecute(bool html);
    // True while the class list or a script is being written.
    bool arbejder() { return m_hent.koerer() || m_generator.koerer(); }

    // How long each script may take.
    int hentGraense = 60000;
    int generatorGraense = 30000;

private:
    void wmiTimerTimer();

    Funktionsvaert* const hoved;
    Underproces m_hent;
    Underproces m_generator;
    QTimer* wmiTimer;
    QDeadlineTimer m_hentFrist{QDeadlineTimer::Forever};
    QDeadlineTimer m_generatorFrist{QDeadlineTimer::Forever};
};

} // namespace kv
