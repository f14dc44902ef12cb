// The small launchers of the page "Andre funktioner": the applet and
// shortcut windows, the consoles, and the actions of the page "WMI".
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "lists/Konsoller.h"
#include "lists/Tgenvejform.h"
#include "lists/TwaForm.h"
#include "lists/TwmiSide.h"
#include "ui/TDovenSide.h"

namespace kv {

void Tmainform::bindLaunchere()
{
    handlinger->bind("winApp", [this] { (new TwaForm(this))->show(); }, [this] { return !funktionsvindue(4); });
    handlinger->bind("opretGenveje", [this] { (new Tgenvejform(this))->show(); },
                     [this] { return !funktionsvindue(5); });
    handlinger->bind("mDos", [this] { konsoller::aabn(this, false); });
    const bool powerShell = konsoller::harPowerShell();
    handlinger->bind("mPowerShell", [this] { konsoller::aabn(this, true); }, [powerShell] { return powerShell; });
}

TwmiSide* Tmainform::wmiSide()
{
    return static_cast<TwmiSide*>(wmiFane->indhold());
}

} // namespace kv
