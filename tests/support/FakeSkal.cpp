#include "FakeSkal.h"

namespace kvtest {

FakeSkal& FakeSkal::install()
{
    auto s = std::make_unique<FakeSkal>();
    FakeSkal& ref = *s;
    kv::Skal::install(std::move(s));
    return ref;
}

} // namespace kvtest
