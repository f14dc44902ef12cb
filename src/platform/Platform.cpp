#include "Platform.h"
#include "LinuxPlatform.h"

namespace kv {

static std::unique_ptr<Platform>& current()
{
    static std::unique_ptr<Platform> p;
    return p;
}

Platform& Platform::instance()
{
    if (!current())
        current() = std::make_unique<LinuxPlatform>();
    return *current();
}

void Platform::install(std::unique_ptr<Platform> platform)
{
    current() = std::move(platform);
}

} // namespace kv
