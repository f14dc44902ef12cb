#pragma once
// Answers the modal windows a test brings up, as a user would, and keeps
// their texts: message boxes get OK, the question window "Ja" or "Nej".
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace kvtest {

class DialogSvarer : public QObject {
    Q_OBJECT
public:
    explicit DialogSvarer(bool ja = true);
    QStringList tekster;
    bool ja;
    // While any are left, the question window is answered with the next
    // button of these names ("jaKnap", "nejKnap", "annullerKnap") instead.
    QStringList knapper;
    // Runs while the question window is on screen, before it is answered.
    std::function<void()> foerSvar;

private:
    void kig();
    QTimer m_timer;
};

} // namespace kvtest
