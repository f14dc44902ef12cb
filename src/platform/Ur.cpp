#include "platform/Ur.h"

namespace kv {

namespace {
std::unique_ptr<Ur>& installeret()
{
    static std::unique_ptr<Ur> ur = std::make_unique<Ur>();
    return ur;
}
} // namespace

Ur& Ur::instance() { return *installeret(); }
void Ur::install(std::unique_ptr<Ur> ur) { installeret() = std::move(ur); }

} // namespace kv
