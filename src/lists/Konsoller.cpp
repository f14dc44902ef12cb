#include "lists/Konsoller.h"
#include "ui/Funktionsvaert.h"
#include "platform/FileSystem.h"
#include "platform/Skal.h"
#include "platform/Terminal.h"
#include "ui/Beskeder.h"

#include <QStandardPaths>

namespace kv::konsoller {

QString drevAf(const QString& mappe)
{
    return folderExists(mappe) ? mappe.left(2) : u"C:"_qs;
}

bool harPowerShell()
{
    return !QStandardPaths::findExecutable(u"pwsh"_qs).isEmpty();
}

void aabn(Funktionsvaert* hoved, bool powerShell)
{
    const QStringList kommando = terminalKommando(powerShell ? QStringList{u"pwsh"_qs, u"-NoExit"_qs} : QStringList{});
    if (kommando.isEmpty()) {
        visInformation(u"Der blev ikke fundet et terminalprogram på computeren."_qs);
        return;
    }
    // The drive's root is the child's working folder; no shell string, no policy switch.
    const int svar = Skal::instance().startProgram(kommando, Skal::argument(drevAf(hoved->aktuelleMappe())));
    if (svar <= 32)
        hoved->ErrorInfo(svar);
}

} // namespace kv::konsoller
