#include "Instanskanal.h"
#include "platform/Sessionsbus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>
#include <csignal>
#include <pthread.h>

namespace kv {

static const QString objektsti = u"/dk/kvistlund/Kvistlund"_qs;
static const QString graenseflade = u"dk.kvistlund.Kvistlund"_qs;
// A message is a handful of paths; anything near this is no start of ours.
static constexpr quint32 stoersteBesked = 1 << 20;
static const QByteArray kvittering = "OK";

// The display this start shows its windows on, as letters, digits and "_".
static QString skaerm()
{
    const QString platform = QGuiApplication::platformName();
    QString navn = platform;
    if (platform.startsWith(u"wayland")) {
        navn = qEnvironmentVariable("WAYLAND_DISPLAY", u"wayland-0"_qs);
    } else if (platform == u"xcb") {
        // ":0" and ":0.0" are the same display.
        static const QRegularExpression skaermnummer(u"\\.\\d+$"_qs);
        navn = u"x"_qs + qEnvironmentVariable("DISPLAY").remove(skaermnummer);
    }
    static const QRegularExpression andre(u"[^A-Za-z0-9]"_qs);
    return navn.replace(andre, u"_"_qs);
}

QString Instanskanal::tjenestenavn()
{
    // A bus name's elements may not begin with a digit.
    return graenseflade + u".skaerm_"_qs + skaerm();
}

QString Instanskanal::socketsti()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u"/kvistlund-"_qs + skaerm();
}

Instanskanal::Instanskanal() = default;

Instanskanal::~Instanskanal()
{
    if (m_paaBus)
        QDBusConnection::sessionBus().unregisterObject(objektsti);
    if (m_traad) {
        m_traad->quit();
        m_traad->wait();
        delete m_traad;
    }
}

void Instanskanal::svarFraEgenTraad()
{
    m_traad = new QThread;
    m_traad->setObjectName(u"Instanskanal"_qs);
    // A later start that gave up has closed its end: the answer written to it
    // must fail quietly, not end this program with SIGPIPE.
    connect(m_traad, &QThread::started, m_traad, [] {
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    }, Qt::DirectConnection);
    m_traad->start();
    moveToThread(m_traad);
}

Instanskanal::Udfald Instanskanal::start(const QByteArray& besked, int ventetidMs)
{
    if (const auto udfald = startPaaBus(besked, ventetidMs))
        return *udfald;
    return startPaaSocket(besked, ventetidMs);
}

void Instanskanal::Aabn(const QByteArray& besked)
{
    // Answered at once from the channel's own thread; the window gets the
    // message through its event loop, so a large folder never makes the
    // caller think this start hangs.
    emit modtaget(besked);
}

std::optional<Instanskanal::Udfald> Instanskanal::startPaaBus(const QByteArray& besked, int ventetidMs)
{
    const auto sessionsBus = sessionsbus();
    if (!sessionsBus)
        return std::nullopt;
    QDBusConnection bus = *sessionsBus;
    // Twice: the owner may end between our failed claim and the call.
    for (int forsoeg = 0; forsoeg < 2; ++forsoeg) {
        if (bus.registerService(tjenestenavn())) {
            m_paaBus = bus.registerObject(objektsti, this, QDBusConnection::ExportScriptableSlots);
            if (m_paaBus) {
                svarFraEgenTraad();
                return Udfald::Ejer;
            }
            bus.unregisterService(tjenestenavn());
            return std::nullopt;
        }
        QDBusMessage kald = QDBusMessage::createMethodCall(tjenestenavn(), objektsti, graenseflade, u"Aabn"_qs);
        kald << besked;
        const QDBusMessage svar = bus.call(kald, QDBus::Block, ventetidMs);
        if (svar.type() == QDBusMessage::ReplyMessage)
            return Udfald::Afleveret;
        if (svar.errorName() != u"org.freedesktop.DBus.Error.ServiceUnknown"
            && svar.errorName() != u"org.freedesktop.DBus.Error.NameHasNoOwner")
            return Udfald::SvarerIkke;
    }
    return Udfald::SvarerIkke;
}

bool Instanskanal::lyt()
{
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketsti())) {
        delete server;
        return false;
    }
    m_server = server;
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* forbindelse = m_server->nextPendingConnection()) {
            connect(forbindelse, &QLocalSocket::readyRead, this, [this, forbindelse] { laesForbindelse(forbindelse); });
            connect(forbindelse, &QLocalSocket::disconnected, forbindelse, &QObject::deleteLater);
            laesForbindelse(forbindelse);
        }
    });
    svarFraEgenTraad();
    return true;
}

void Instanskanal::laesForbindelse(QLocalSocket* forbindelse)
{
    // A message is its length (four bytes, big-endian) and its bytes.
    if (forbindelse->bytesAvailable() < 4)
        return;
    quint32 laengde = 0;
    forbindelse->peek(reinterpret_cast<char*>(&laengde), 4);
    laengde = qFromBigEndian(laengde);
    if (laengde > stoersteBesked) {
        forbindelse->abort();
        return;
    }
    if (forbindelse->bytesAvailable() < 4 + qint64(laengde))
        return;
    forbindelse->read(4);
    const QByteArray besked = forbindelse->read(laengde);
    // On its way to the window before the later start hears it was taken.
    Aabn(besked);
    forbindelse->write(kvittering);
    forbindelse->disconnectFromServer();
}

Instanskanal::Udfald Instanskanal::startPaaSocket(const QByteArray& besked, int ventetidMs)
{
    const QString sti = socketsti();
    // Two starts at once must not both take a stale socket for their own.
    QLockFile laas(sti + u".lock"_qs);
    laas.tryLock(ventetidMs);
    // The owner is asked first: listening would put a new socket over its
    // own (the server is made aside and renamed into place).
    QDeadlineTimer frist(ventetidMs);
    QLocalSocket ejer;
    ejer.connectToServer(sti);
    if (!ejer.waitForConnected(int(frist.remainingTime()))) {
        // Nobody listens: there is no socket, or it is left over from a start that crashed.
        if (ejer.error() == QLocalSocket::ConnectionRefusedError || ejer.error() == QLocalSocket::ServerNotFoundError) {
            QLocalServer::removeServer(sti);
            lyt();
        }
        // Where no socket can be made at all there is nothing to share: start as usual.
        return ejer.error() == QLocalSocket::SocketTimeoutError ? Udfald::SvarerIkke : Udfald::Ejer;
    }
    const quint32 laengde = qToBigEndian(quint32(besked.size()));
    ejer.write(reinterpret_cast<const char*>(&laengde), 4);
    ejer.write(besked);
    ejer.flush();
    QByteArray svar;
    while (svar.size() < kvittering.size() && ejer.waitForReadyRead(int(frist.remainingTime())))
        svar += ejer.readAll();
    return svar.startsWith(kvittering) ? Udfald::Afleveret : Udfald::SvarerIkke;
}

} // namespace kv
