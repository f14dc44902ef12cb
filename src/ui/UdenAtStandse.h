#pragma once
// Work that lets events run in its middle, so the window goes on answering.
// While it does, the work is on the stack below whatever those events do: a
// window closed meanwhile must not let go of what the work still uses.
#include <QCoreApplication>
#include <chrono>
#include <future>

namespace kv {

// QCoreApplication::processEvents, counted for arbejdeUndervejs.
void ladHaendelserKoere(QEventLoop::ProcessEventsFlags flag = QEventLoop::AllEvents);

// True while events are handled from inside ladHaendelserKoere, that is
// with work further down the stack.
bool arbejdeUndervejs();

// Work that may wait on the disk, run on a thread of its own: gives its
// result; meanwhile events run and undervejs is called every 10 ms on the
// calling thread.
template <class Arbejde, class Undervejs>
auto udenAtStandse(Arbejde arbejde, Undervejs undervejs)
{
    auto svar = std::async(std::launch::async, std::move(arbejde));
    while (svar.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        ladHaendelserKoere();
        undervejs();
    }
    return svar.get();
}

} // namespace kv
