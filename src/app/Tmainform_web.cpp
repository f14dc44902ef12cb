// The actions of the page "Internet", the maker's pages on "Information",
// and the window "Webadresser".
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "lists/TInternetside.h"
#include "lists/Tboksform.h"
#include "ui/TDovenSide.h"

namespace kv {

void Tmainform::bindWeb()
{
    for (const char* navn : {"webGrupper", "webGrupper2"})
        handlinger->bind(navn, [this] { aabnBoksform(); }, [this] { return !boksform; });
    const auto side = [this](const char* navn, const QString& url) {
        handlinger->bind(navn, [this, url] { TInternetside::aabn(this, url); });
    };
    side("tavlonUrlen", TInternetside::makersSide(u"/"_qs));
    side("kritikUrl", TInternetside::makersSide(u"/sendmail.asp?strEmne=Tornhaven"_qs));
    side("TornhavenUrl", TInternetside::makersSide(u"/gruppe0_8.asp"_qs));
}

// The page's own actions work on its fields, so they are bound once it is made.
void Tmainform::bindInternetside(TInternetside* s)
{
    s->start(OptMappe, egenskaber.gruppenavn, egenskaber.findTekst);
    handlinger->bind("webUrl", [s] { s->webUrlExecute(); }, [s] { return s->webUrlUpdate(); });
    handlinger->bind("webInsertInList", [s] { s->webInsertInListExecute(); }, [s] { return s->webInsertInListUpdate(); });
    handlinger->bind("googleUrl", [s] { s->soeg(false); });
    handlinger->bind("youtubeUrl", [s] { s->soeg(true); });
    // Usable at once, as they were before the page was made.
    handlinger->opdaterAlle();
}

TInternetside* Tmainform::internetside()
{
    return static_cast<TInternetside*>(internetFane->indhold());
}

void Tmainform::aabnBoksform()
{
    boksform = new Tboksform(this, internetside());
    boksform->show();
}

} // namespace kv
