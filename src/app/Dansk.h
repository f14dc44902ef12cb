#pragma once
// Danish dates, numbers and standard texts, whatever the machine's locale.
namespace kv {

void brugDansk();

} // namespace kv
