#pragma once
// The shell on a freedesktop desktop. Programs are always started with an
// argument list, never a command line a shell parses.
#include "Programopslag.h"
#include "Skal.h"

#include <QStringList>
#include <functional>

namespace kv {

class DesktopSkal : public Skal {
public:
    // Starts a program detached: program, arguments, working folder; false when it could not.
    using Starter = std::function<bool(const QString&, const QStringList&, const QString&)>;

    explicit DesktopSkal(Programopslag opslag = Programopslag::fraMiljoe(), Starter starter = {});

    int aabn(const QString& fil, bool redigering) override;
    int aabnMappe(const QString& mappe) override;
    int startProgram(QStringList kommando, const QString& mappe) override;

private:
    int medProgram(const QString& type, const QString& vaert, const QString& mappe);

    Programopslag m_opslag;
    Starter m_starter;
};

} // namespace kv
