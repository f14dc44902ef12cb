#include "ui/UdenAtStandse.h"

namespace kv {

namespace {

// Only the window's thread lets events run.
int dybde = 0;

} // namespace

void ladHaendelserKoere(QEventLoop::ProcessEventsFlags flag)
{
    ++dybde;
    // Counted down however the events end, an exception included.
    struct Ned {
        ~Ned() { --dybde; }
    } ned;
    QCoreApplication::processEvents(flag);
}

bool arbejdeUndervejs()
{
    return dybde > 0;
}

} // namespace kv
