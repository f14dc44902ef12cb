// The actions of the page "Internet", the maker's pages on "Information",
// and the window "Webadresser".
#include "app/THandlingsliste.h"
#include "app/Tmainform.h"
#include "lists/TInternetside.h"
#include "lists/Tboksform.h"

namespace kv {

void Tmainform::bindWeb()
{
    TInternetside* s = internetside;
    handlinger->bind("webUrl", [s] { s->webUrlExecute(); }, [s] { return s->webUrlUpdate(); });
    handlinger->bind("webInsertInList", [s] { s->webInsertInListExecute(); }, [s] { return s->webInsertInListUpdate(); });
    handlinger->bind("googleUrl", [s] { s->soeg(false); });
    handlinger->bind("youtubeUrl", [s] { s->soeg(true); });
    for (const char* navn : {"webGrupper", "webGrupper2"})
        handlinger->bind(navn, [this] { aabnBoksform(); }, [this] { return !boksform; });
    const auto side = [this, s](const char* navn, const QString& url) {
        handlinger->bind(navn, [s, url] { s->aabn(url); });
    };
    side("tavlonUrlen", TInternetside::makersSide(u"/"_qs));
    side("kritikUrl", TInternetside::makersSide(u"/sendmail.asp?strEmne=Tornhaven"_qs));
    side("TornhavenUrl", TInternetside::makersSide(u"/gruppe0_8.asp"_qs));
}

void Tmainform::aabnBoksform()
{
    boksform = new Tboksform(this, internetside);
    boksform->show();
}

} // namespace kv
