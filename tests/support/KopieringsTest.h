#pragma once
// What the copy, move and delete tests share: the main window on a fresh
// test platform, and the steps a user takes with it.
#include "TestPlatform.h"
#include "app/Tmainform.h"

#include <QObject>
#include <functional>
#include <memory>

namespace kvtest {

class KopieringsTest : public QObject {
protected:
    TestPlatform* tp = nullptr;
    std::unique_ptr<kv::Tmainform> f;

    // A new platform with the installed files the window needs, then the window.
    void startVindue(const std::function<void()>& foerVinduet);
    void slutVindue();

    bool findes(const QString& sti);
    QByteArray indhold(const QString& sti);
    void politik(int kopiering, int spm = 2);
    // Shows a folder in Struktur 2 and makes it the active structure.
    void vis(const QString& mappe);
    // Runs an action as its shortcut would: false when it is disabled.
    bool udfoer(const char* navn);
    QString status();
    // Registers the paths and pastes them into the destination.
    void saetInd(const QStringList& stier, const QString& destination);
    QStringList papirkurv();
    // The paste copies on a thread of its own, and a test's fault hook runs
    // there: what it does with the windows it does through this, on their
    // thread, while the copy waits.
    static void iVinduet(const std::function<void()>& handling);
};

} // namespace kvtest
