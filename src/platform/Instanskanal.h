#pragma once
// How one running program per user and display is found: the first start
// owns a name of its own on the session bus, or, where there is no session
// bus, a local socket in the user's runtime folder. A later start hands its
// message to the owner and waits for the answer.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>
#include <sys/types.h>
#include <thread>

class QThread;

namespace kv {

class Instanskanal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "dk.kvistlund.Kvistlund")
public:
    enum class Udfald {
        Ejer,        // this start owns the name; messages arrive through modtaget
        Afleveret,   // the owner took the message
        SvarerIkke,  // the owner did not answer in time
    };

    // Without a parent: the owner's channel moves to a thread of its own.
    Instanskanal();
    ~Instanskanal() override;

    // Takes the name of this user and display, or hands the message over to
    // the start that has it, waiting at most ventetidMs for its answer.
    Udfald start(const QByteArray& besked, int ventetidMs);

    // The name on the session bus and the socket path for this display.
    static QString tjenestenavn();
    static QString socketsti();

public slots:
    // Called over the session bus by a later start.
    Q_SCRIPTABLE void Aabn(const QByteArray& besked);

signals:
    // A later start's message, delivered from the event loop.
    void modtaget(const QByteArray& besked);

private:
    std::optional<Udfald> startPaaBus(const QByteArray& besked, int ventetidMs);
    Udfald startPaaSocket(const QByteArray& besked, int ventetidMs);
    void lyt(const QByteArray& sti);
    void betjen();
    // The owner answers later starts from a thread of its own, so it answers
    // at once even while its window is still being built.
    void svarFraEgenTraad();

    QThread* m_traad = nullptr;
    bool m_paaBus = false;
    // The socket this start listens on, and what ends its thread.
    int m_lytter = -1;
    int m_stop = -1;
    QByteArray m_socketsti;
    ino_t m_socketInode = 0;
    std::thread m_betjening;
};

} // namespace kv
