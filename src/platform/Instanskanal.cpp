#include "Instanskanal.h"
#include "platform/Sessionsbus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

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
    if (m_betjening.joinable()) {
        const quint64 en = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_stop, &en, sizeof(en));
        m_betjening.join();
        // The socket goes with its owner, unless a later owner has put its own there.
        struct stat st;
        if (::lstat(m_socketsti.constData(), &st) == 0 && st.st_ino == m_socketInode)
            ::unlink(m_socketsti.constData());
        ::close(m_lytter);
        ::close(m_stop);
    }
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

namespace {

using Frist = std::chrono::steady_clock::time_point;

int tilbage(Frist frist)
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(frist - std::chrono::steady_clock::now()).count();
    return int(std::clamp<long long>(ms, 0, 1 << 30));
}

// Waits until fd is ready for what is asked, or the deadline passes.
bool vent(int fd, short paa, Frist frist)
{
    for (;;) {
        pollfd p{fd, paa, 0};
        const int n = ::poll(&p, 1, tilbage(frist));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

// Moves all n bytes with flyt (a send or a recv on fd), waiting in between
// for fd to be ready for paa; false when the other end closes or the deadline passes.
template <typename Flyt>
bool helt(int fd, short paa, size_t n, Frist frist, Flyt flyt)
{
    while (n > 0) {
        const ssize_t k = flyt(n);
        if (k > 0) {
            n -= size_t(k);
        } else if (k < 0 && errno == EINTR) {
            continue;
        } else if (k < 0 && errno == EAGAIN) {
            if (!vent(fd, paa, frist))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

bool skrivAlt(int fd, const char* data, size_t n, Frist frist)
{
    return helt(fd, POLLOUT, n, frist, [&](size_t rest) {
        const ssize_t k = ::send(fd, data, rest, MSG_NOSIGNAL);
        data += std::max<ssize_t>(k, 0);
        return k;
    });
}

bool laesAlt(int fd, char* data, size_t n, Frist frist)
{
    return helt(fd, POLLIN, n, frist, [&](size_t rest) {
        const ssize_t k = ::recv(fd, data, rest, 0);
        data += std::max<ssize_t>(k, 0);
        return k;
    });
}

std::optional<sockaddr_un> adresse(const QByteArray& sti)
{
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    if (sti.isEmpty() || size_t(sti.size()) >= sizeof(a.sun_path))
        return std::nullopt;
    std::memcpy(a.sun_path, sti.constData(), size_t(sti.size()));
    return a;
}

int nySocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

} // namespace

void Instanskanal::lyt(const QByteArray& sti)
{
    const auto maal = adresse(sti);
    // Made aside and then put in place, so a later start never finds a socket
    // that is not yet listening or open to others.
    const QByteArray aside = sti + '.' + QByteArray::number(::getpid());
    const auto ved = adresse(aside);
    if (!maal || !ved)
        return;
    const int fd = nySocket();
    if (fd < 0)
        return;
    ::unlink(aside.constData());
    struct stat st;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&*ved), sizeof(*ved)) != 0
        || ::chmod(aside.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 16) != 0
        || ::stat(aside.constData(), &st) != 0 || ::link(aside.constData(), sti.constData()) != 0) {
        ::unlink(aside.constData());
        ::close(fd);
        return;
    }
    // Linked, not renamed: whatever else is in its place stays as it is.
    ::unlink(aside.constData());
    m_stop = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_stop < 0) {
        ::unlink(sti.constData());
        ::close(fd);
        return;
    }
    m_lytter = fd;
    m_socketsti = sti;
    m_socketInode = st.st_ino;
    m_betjening = std::thread([this] { betjen(); });
}

void Instanskanal::betjen()
{
    // Every caller is heard side by side, so one that sends nothing holds up
    // no other; it is given up after a while.
    struct Forbindelse {
        int fd;
        QByteArray ind;
        Frist frist;
    };
    std::vector<Forbindelse> aabne;
    constexpr size_t flestAabne = 32;
    const auto luk = [&aabne](size_t i) {
        ::close(aabne[i].fd);
        aabne.erase(aabne.begin() + qsizetype(i));
    };
    for (;;) {
        std::vector<pollfd> p{{m_lytter, POLLIN, 0}, {m_stop, POLLIN, 0}};
        int ventetid = -1;
        for (const Forbindelse& f : aabne) {
            p.push_back({f.fd, POLLIN, 0});
            ventetid = ventetid < 0 ? tilbage(f.frist) : std::min(ventetid, tilbage(f.frist));
        }
        if (::poll(p.data(), p.size(), ventetid) < 0 && errno != EINTR)
            break;
        if (p[1].revents)
            break;
        // Backwards, so a closed one moves none that is still to be read.
        for (size_t i = aabne.size(); i-- > 0;) {
            Forbindelse& f = aabne[i];
            if (p[i + 2].revents) {
                char bid[4096];
                const ssize_t r = ::recv(f.fd, bid, sizeof(bid), 0);
                if (r <= 0) {
                    if (r == 0 || (errno != EINTR && errno != EAGAIN))
                        luk(i);
                    continue;
                }
                f.ind.append(bid, r);
                // A message is its length (four bytes, big-endian) and its bytes.
                if (f.ind.size() < 4)
                    continue;
                const quint32 laengde = qFromBigEndian<quint32>(f.ind.constData());
                if (laengde > stoersteBesked) {
                    luk(i);
                } else if (f.ind.size() >= 4 + qsizetype(laengde)) {
                    // On its way to the window before the later start hears it was taken.
                    Aabn(f.ind.mid(4, qsizetype(laengde)));
                    ::send(f.fd, kvittering.constData(), size_t(kvittering.size()), MSG_NOSIGNAL);
                    luk(i);
                }
            } else if (tilbage(f.frist) == 0) {
                luk(i);
            }
        }
        if (p[0].revents) {
            for (int fd; (fd = ::accept4(m_lytter, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0;) {
                if (aabne.size() == flestAabne)
                    luk(0);
                aabne.push_back({fd, {}, std::chrono::steady_clock::now() + std::chrono::seconds(10)});
            }
        }
    }
    for (const Forbindelse& f : aabne)
        ::close(f.fd);
}

Instanskanal::Udfald Instanskanal::startPaaSocket(const QByteArray& besked, int ventetidMs)
{
    const QByteArray sti = QFile::encodeName(socketsti());
    const Frist frist = std::chrono::steady_clock::now() + std::chrono::milliseconds(ventetidMs);
    // Two starts at once must not both take a stale socket for their own.
    const int laas = ::open((sti + ".flock").constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    if (laas >= 0) {
        while (::flock(laas, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK && tilbage(frist) > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const auto slipLaas = qScopeGuard([laas] {
        if (laas >= 0)
            ::close(laas);
    });
    const auto maal = adresse(sti);
    const int ejer = maal ? nySocket() : -1;
    if (ejer < 0)
        return Udfald::Ejer;  // no socket can be made here: nothing to share, start as usual
    const auto luk = qScopeGuard([ejer] { ::close(ejer); });
    // The owner is asked first: listening would put a new socket over its own.
    if (::connect(ejer, reinterpret_cast<const sockaddr*>(&*maal), sizeof(*maal)) != 0) {
        if (errno == EAGAIN || errno == EINPROGRESS) {
            // The owner's queue is full: it is there, but does not take its calls.
            return Udfald::SvarerIkke;
        }
        if (errno == ECONNREFUSED || errno == ENOENT) {
            // Nobody listens: there is no socket, or it is left over from a start that crashed.
            struct stat st;
            if (::lstat(sti.constData(), &st) == 0 && S_ISSOCK(st.st_mode))
                ::unlink(sti.constData());
            lyt(sti);
        }
        return Udfald::Ejer;
    }
    const quint32 laengde = qToBigEndian(quint32(besked.size()));
    if (!skrivAlt(ejer, reinterpret_cast<const char*>(&laengde), 4, frist)
        || !skrivAlt(ejer, besked.constData(), size_t(besked.size()), frist))
        return Udfald::SvarerIkke;
    char svar[2] = {};
    return laesAlt(ejer, svar, sizeof(svar), frist) && QByteArray(svar, 2) == kvittering ? Udfald::Afleveret
                                                                                       : Udfald::SvarerIkke;
}

} // namespace kv
