// The help pages: every information button of every window comes here.
#include "app/Tmainform.h"

namespace kv {

void Tmainform::InfoHelp(const QString& S, const QString& Inf)
{
    // The help window is being built; until then the request is only shown.
    UdskrivInfo(Inf + u": "_qs + S);
}

} // namespace kv
