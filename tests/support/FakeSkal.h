#pragma once
// A shell for tests: it records what it was asked to open and starts nothing.
#include "platform/Skal.h"

#include <QStringList>

namespace kvtest {

class FakeSkal : public kv::Skal {
public:
    // Makes a fresh fake the installed shell and returns it.
    static FakeSkal& install();

    int aabn(const QString& fil, bool redigering) override
    {
        kald << (redigering ? u"rediger "_qs : u"aabn "_qs) + fil;
        return svar;
    }
    int aabnMappe(const QString& mappe) override
    {
        kald << u"mappe "_qs + mappe;
        return svar;
    }

    // Recorded as "start <program>"; the whole command and folder in startet.
    int startProgram(QStringList kommando, const QString& mappe) override
    {
        kald << u"start "_qs + kommando.value(0);
        startet.append({kommando, mappe});
        return svar;
    }

    struct Start {
        QStringList kommando;
        QString mappe;
    };
    QStringList kald;
    QList<Start> startet;
    int svar = kv::skalUdfoert;
};

} // namespace kvtest
