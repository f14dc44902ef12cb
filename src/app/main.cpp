// Program entry: the command line, one program per user and display, Danish
// locale and texts, the style "Sky", the main window and the shared windows,
// then the event loop.
#include "app/Dansk.h"
#include "app/Design.h"
#include "app/Enkeltinstans.h"
#include "app/Kommandolinje.h"
#include "app/Tmainform.h"
#include "ui/TspmForm.h"
#include "platform/Afslutningssignal.h"
#include "platform/Argumentsti.h"
#include "platform/Ikonlager.h"
#include "platform/Skrifter.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QIcon>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

namespace {

// Runs what can wait until the window is first painted, once.
class EfterFoersteMaling : public QObject {
public:
    explicit EfterFoersteMaling(std::function<void()> arbejde) : m_arbejde(std::move(arbejde)) {}

    bool eventFilter(QObject* vindue, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            vindue->removeEventFilter(this);
            QTimer::singleShot(0, this, m_arbejde);
        }
        return false;
    }

private:
    std::function<void()> m_arbejde;
};

} // namespace

int main(int argc, char* argv[])
{
    using kv::Kommandolinje;
    const Kommandolinje kommando = Kommandolinje::fortolk(argc, argv);
    switch (kommando.handling()) {
    case Kommandolinje::Handling::Hjaelp:
        std::fputs(Kommandolinje::hjaelpetekst().toLocal8Bit().constData(), stdout);
        return 0;
    case Kommandolinje::Handling::Version:
        std::fputs(Kommandolinje::versionstekst().toLocal8Bit().constData(), stdout);
        return 0;
    case Kommandolinje::Handling::Fejl:
        std::fprintf(stderr, "%s\n", kommando.fejl().toLocal8Bit().constData());
        return 2;
    case Kommandolinje::Handling::Start:
        break;
    }

    // Parsing the font configuration takes as long as connecting to the
    // display, so the two go side by side.
    std::jthread skriftopsaetning(kv::indlaesSkriftopsaetning);
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Kvistlund"_qs);
    QGuiApplication::setDesktopFileName(u"dk.kvistlund.Kvistlund"_qs);
    // What the window's first item view and first text would wait for is done
    // meanwhile: the accessibility bridge asks for the session bus (its first
    // connection, or the failed try where there is none), and the fonts are
    // listed from fontconfig.
    std::jthread forvarmning([] {
        QDBusConnection::sessionBus();
        QFontDatabase::families();
    });

    // From here a SIGTERM closes as the close button would. It waits until the
    // window is shown and the event loop is idle at its top: never from inside
    // work that lets events run (a listing, a paste), which would find its
    // window closed under it. An open question is answered "no" first.
    kv::Afslutningssignal afslutning;
    bool vist = false, afslutVenter = false;
    const kv::Tmainform* vindue = nullptr;
    QObject::connect(&afslutning, &kv::Afslutningssignal::afslut, &app, [&] {
        afslutVenter = true;
        // A running paste or delete takes the close itself: it stops, then the window closes.
        if (vindue && vindue->optaget()) {
            afslutVenter = false;
            QApplication::closeAllWindows();
        }
    });
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &app, [&] {
        if (!afslutVenter || !vist)
            return;
        if (QWidget* aaben = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                               : QApplication::activeModalWidget()) {
            aaben->close();
            return;
        }
        if (QThread::currentThread()->loopLevel() > 1)
            return;
        // Here, not posted: a posted close could be run by work that lets events run.
        afslutVenter = false;
        QApplication::closeAllWindows();
    });

    QList<QByteArray> maal;
    for (const QByteArray& arg : kommando.maal())
        maal << kv::absoluteArgument(arg);
    kv::Enkeltinstans instans(maal);
    const auto udfald = instans.start();
    if (udfald == kv::Instanskanal::Udfald::Afleveret)
        return 0;
    if (udfald == kv::Instanskanal::Udfald::SvarerIkke)
        std::fputs("kvistlund: Kvistlund kører allerede, men svarer ikke; indstillingerne gemmes ikke ved lukning\n", stderr);

    kv::brugDansk();
    // The icons drawn in the last run are taken from the user's cache.
    kv::Ikonlager::brug(kv::Ikonlager::standardFil());

    kv::anvendDesign(u"Sky"_qs);

    kv::Tmainform mainform(nullptr, kv::Tmainform::Opstart::Struktur2Bagefter);
    vindue = &mainform;
    new kv::TspmForm(&mainform);
    instans.bind(mainform, udfald);
    // bench/startup times the start until the window is first painted: with
    // KV_BENCH_QUIT_ON_SHOW=1 the program ends there, without the close steps.
    // Otherwise the icon the package installs is looked up then, for the theme
    // lookup is slow; a build folder has none and keeps Qt's.
    EfterFoersteMaling efterMaling(qEnvironmentVariableIntValue("KV_BENCH_QUIT_ON_SHOW") == 1
                                       ? std::function<void()>([] { std::_Exit(0); })
                                       : [] { QApplication::setWindowIcon(QIcon::fromTheme(u"dk.kvistlund.Kvistlund"_qs)); });
    mainform.installEventFilter(&efterMaling);
    mainform.show();
    // After what bind posts: a SIGTERM that comes meanwhile closes the window
    // only once it has opened what this start and the later ones handed it.
    QTimer::singleShot(0, &mainform, [&vist] { vist = true; });
    return app.exec();
}
