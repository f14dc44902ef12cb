#pragma once

namespace kv {

// Reads the desktop's font configuration and caches. It is the same work the
// first text of a window would do, and safe on any thread, so it can run
// while the display is being connected.
void indlaesSkriftopsaetning();

} // namespace kv
