// The real program started twice on one display with a throw-away home and
// runtime folder: the second start hands its folder to the first and ends,
// a left-over socket is cleaned up, and a first start that hangs leaves the
// second running without writing settings. Also --help, --version and a
// wrong option.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TstEnkeltinstans : public QObject {
    Q_OBJECT
    QTemporaryDir* m_dir = nullptr;
    QProcess* m_bus = nullptr;
    QString m_busAdresse;
    bool m_ingenBusAdresse = false;

    QString hjem() const { return m_dir->path() + u"/hjem"_qs; }
    QString koersel() const { return m_dir->path() + u"/koersel"_qs; }
    QString socket() const { return koersel() + u"/kvistlund-offscreen"_qs; }
    QString indstillinger() const
    {
        return hjem() + u"/Kvistlund/"_qs + QString::fromLocal8Bit(getpwuid(geteuid())->pw_name)
            + u"/Egenskaber/MainEgenskaber.txt"_qs;
    }

    QProcess* start(const QStringList& argumenter, const QString& mappe = {})
    {
        auto* p = new QProcess(this);
        p->setWorkingDirectory(mappe);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_qs, hjem());
        env.insert(u"XDG_RUNTIME_DIR"_qs, koersel());
        env.insert(u"XDG_CONFIG_HOME"_qs, hjem() + u"/.config"_qs);
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        env.remove(u"DISPLAY"_qs);
        env.remove(u"WAYLAND_DISPLAY"_qs);
        // Without a bus of its own the program falls back on the socket, also
        // where no bus address is given and none can be launched.
        if (m_ingenBusAdresse) {
            env.remove(u"DBUS_SESSION_BUS_ADDRESS"_qs);
            env.insert(u"PATH"_qs, koersel());
        } else if (m_busAdresse.isEmpty())
            env.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, u"unix:path="_qs + koersel() + u"/ingen-bus"_qs);
        else
            env.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, m_busAdresse);
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(KV_PROGRAM), argumenter);
        return p;
    }

    // True once the first start has taken the name or socket of this display.
    bool klar()
    {
        // A socket file alone may be the one left over: someone must listen on it.
        if (m_busAdresse.isEmpty()) {
            QLocalSocket s;
            s.connectToServer(socket());
            return s.waitForConnected(200);
        }
        // Named by its address: each bus of a row gets a connection of its own.
        QDBusConnection bus = QDBusConnection::connectToBus(m_busAdresse, m_busAdresse);
        return bus.interface()->isServiceRegistered(u"dk.kvistlund.Kvistlund.skaerm_offscreen"_qs);
    }

    void afslut(QProcess* p)
    {
        ::kill(pid_t(p->processId()), SIGTERM);
        QVERIFY(p->waitForFinished(30000));
        QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    }

    QByteArray gemt()
    {
        QFile f(indstillinger());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        m_dir = new QTemporaryDir;
        QDir().mkpath(hjem() + u"/Ny mappe"_qs);
        QDir().mkpath(hjem() + u"/Anden"_qs);
        QDir().mkpath(koersel());
        QFile::setPermissions(koersel(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // The program folder as run.sh installs it beside a build.
        QDir().mkpath(hjem() + u"/Kvistlund"_qs);
        QCOMPARE(QProcess::execute(u"cmake"_qs, {u"--install"_qs, QStringLiteral(KV_BYGGEMAPPE), u"--component"_qs,
                                                 u"programfolder"_qs, u"--prefix"_qs, hjem() + u"/Kvistlund/Program"_qs}),
                 0);
    }
    void cleanup()
    {
        for (QProcess* p : findChildren<QProcess*>()) {
            if (p != m_bus && p->state() != QProcess::NotRunning) {
                ::kill(pid_t(p->processId()), SIGCONT);
                p->kill();
                p->waitForFinished();
            }
            if (p != m_bus)
                delete p;
        }
        m_busAdresse.clear();
        m_ingenBusAdresse = false;
        if (m_bus) {
            m_bus->kill();
            m_bus->waitForFinished();
            delete m_bus;
            m_bus = nullptr;
        }
        delete m_dir;
    }

    void helpVersionAndWrongOption()
    {
        QProcess* p = start({u"--help"_qs});
        QVERIFY(p->waitForFinished(30000));
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(QString::fromUtf8(p->readAllStandardOutput()).startsWith(u"Brug: kvistlund [MAPPE|FIL|file://-adresse]..."));
        p = start({u"--version"_qs});
        QVERIFY(p->waitForFinished(30000));
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(p->readAllStandardOutput().startsWith("Kvistlund "));
        p = start({u"/tmp"_qs, u"--ukendt"_qs});
        QVERIFY(p->waitForFinished(30000));
        QCOMPARE(p->exitCode(), 2);
        const QByteArray fejl = p->readAllStandardError();
        QCOMPARE(fejl.count('\n'), 1);
        QVERIFY2(fejl.contains("ukendt valg \"--ukendt\""), fejl.constData());
    }

    void secondStartHandsOver_data()
    {
        QTest::addColumn<bool>("bus");
        QTest::addColumn<bool>("adresse");
        QTest::newRow("socket") << false << true;
        QTest::newRow("socket, no bus address") << false << false;
        QTest::newRow("session bus") << true << true;
        QTest::newRow("user bus, no bus address") << true << false;
    }
    void secondStartHandsOver()
    {
        QFETCH(bool, bus);
        QFETCH(bool, adresse);
        m_ingenBusAdresse = !adresse;
        if (bus) {
            m_bus = new QProcess;
            // Without an address the user bus is the one at its place in the run folder.
            QStringList argumenter{u"--session"_qs, u"--nofork"_qs, u"--print-address=1"_qs};
            if (!adresse)
                argumenter << u"--address=unix:path="_qs + koersel() + u"/bus"_qs;
            m_bus->start(u"dbus-daemon"_qs, argumenter);
            if (!m_bus->waitForStarted() || !m_bus->waitForReadyRead(10000))
                QSKIP("dbus-daemon is not available");
            m_busAdresse = QString::fromUtf8(m_bus->readLine().trimmed());
        } else {
            // A socket left by a start that crashed: nobody listens on it.
            const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un adr = {};
            adr.sun_family = AF_UNIX;
            qstrncpy(adr.sun_path, QFile::encodeName(socket()).constData(), sizeof adr.sun_path);
            QCOMPARE(::bind(s, reinterpret_cast<sockaddr*>(&adr), sizeof adr), 0);
            ::close(s);
            QVERIFY(QFile::exists(socket()));
        }
        QProcess* foerste = start({hjem() + u"/Ny mappe"_qs});
        QTRY_VERIFY_WITH_TIMEOUT(klar(), 30000);
        QVERIFY(foerste->state() == QProcess::Running);

        // Relative to the second start's own folder, as a shell gives it.
        QProcess* anden = start({u"Anden"_qs}, hjem());
        QVERIFY(anden->waitForFinished(30000));
        QCOMPARE(anden->exitStatus(), QProcess::NormalExit);
        QCOMPARE(anden->exitCode(), 0);
        QVERIFY(foerste->state() == QProcess::Running);

        // The first shows the folder it was handed and keeps it in its settings.
        afslut(foerste);
        QVERIFY2(gemt().contains("C:\\Anden\r\n"), gemt().constData());
        if (!bus)
            QVERIFY(!QFile::exists(socket()));
    }

    // Callers that send nothing, half a message or a length past every bound
    // hold up no later start, and the one past the bound is sent away.
    void strangersOnTheSocketHoldUpNothing()
    {
        QProcess* foerste = start({});
        QTRY_VERIFY_WITH_TIMEOUT(klar(), 30000);
        const auto forbind = [this](const QByteArray& data) {
            const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un adr = {};
            adr.sun_family = AF_UNIX;
            qstrncpy(adr.sun_path, QFile::encodeName(socket()).constData(), sizeof adr.sun_path);
            if (::connect(s, reinterpret_cast<sockaddr*>(&adr), sizeof adr) != 0
                || ::send(s, data.constData(), size_t(data.size()), MSG_NOSIGNAL) != data.size()) {
                ::close(s);
                return -1;
            }
            return s;
        };
        const int tavs = forbind({});
        const int halv = forbind(QByteArray("\0\0", 2));
        const int for_stor = forbind("\xff\xff\xff\xff");
        QVERIFY(tavs >= 0 && halv >= 0 && for_stor >= 0);
        const auto lukkes = qScopeGuard([&] {
            for (int s : {tavs, halv, for_stor})
                ::close(s);
        });
        pollfd p{for_stor, POLLIN, 0};
        char c;
        QVERIFY(::poll(&p, 1, 10000) == 1 && ::recv(for_stor, &c, 1, 0) == 0);

        QProcess* anden = start({hjem() + u"/Anden"_qs});
        QVERIFY(anden->waitForFinished(30000));
        QCOMPARE(anden->exitCode(), 0);
        QVERIFY2(!anden->readAllStandardError().contains("svarer ikke"), "the second start took the first for hanging");
        afslut(foerste);
        QVERIFY2(gemt().contains("C:\\Anden\r\n"), gemt().constData());
    }

    // Something else in the socket's place is no socket left over: it stays,
    // and the program starts without a channel.
    void aFileInTheSocketsPlaceIsLeftAlone()
    {
        QFile fil(socket());
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.write("ikke en socket");
        fil.close();
        QProcess* p = start({});
        QVERIFY(p->waitForStarted());
        // Long enough to have claimed its channel, and to have failed at it.
        QTest::qWait(1000);
        QVERIFY(p->state() == QProcess::Running);
        afslut(p);
        QVERIFY(fil.open(QIODevice::ReadOnly));
        QCOMPARE(fil.readAll(), QByteArray("ikke en socket"));
    }

    void hangingFirstStartLeavesTheSecondReadOnly()
    {
        QProcess* foerste = start({});
        QTRY_VERIFY_WITH_TIMEOUT(klar(), 30000);
        ::kill(pid_t(foerste->processId()), SIGSTOP);

        QProcess* anden = start({hjem() + u"/Anden"_qs});
        QByteArray fejl;
        QTRY_VERIFY_WITH_TIMEOUT((fejl += anden->readAllStandardError()).contains("svarer ikke"), 30000);
        QVERIFY(anden->state() == QProcess::Running);
        afslut(anden);
        QVERIFY(!QFile::exists(indstillinger()));

        ::kill(pid_t(foerste->processId()), SIGCONT);
        afslut(foerste);
        QVERIFY(QFile::exists(indstillinger()));
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TstEnkeltinstans test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_enkeltinstans.moc"
