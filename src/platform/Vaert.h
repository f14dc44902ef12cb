#pragma once
// Host-path helpers shared inside the platform layer only.
#include <QByteArray>

namespace kv {

// Removes a host file, link or folder tree without following links; 0 or the
// first error number met.
int fjernVaertTrae(const QByteArray& vaert);

} // namespace kv
