#pragma once
// Work that may wait on the disk, run on a thread of its own while the window
// goes on answering.
#include <QCoreApplication>
#include <chrono>
#include <future>

namespace kv {

// Runs the work and gives its result; meanwhile events run and undervejs is
// called every 10 ms on the calling thread.
template <class Arbejde, class Undervejs>
auto udenAtStandse(Arbejde arbejde, Undervejs undervejs)
{
    auto svar = std::async(std::launch::async, std::move(arbejde));
    while (svar.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        QCoreApplication::processEvents();
        undervejs();
    }
    return svar.get();
}

template <class Arbejde>
auto udenAtStandse(Arbejde arbejde)
{
    return udenAtStandse(std::move(arbejde), [] {});
}

} // namespace kv
