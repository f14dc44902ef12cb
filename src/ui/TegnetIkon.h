#pragma once
// An icon drawn by code at the size it is shown, so it is sharp at every scaling.
#include <QIcon>
#include <functional>

class QPainter;

namespace kv {

using Tegner = std::function<void(QPainter& p, const QRectF& r)>;
// Disabled icons are drawn faded.
QIcon tegnetIkon(Tegner tegner);

} // namespace kv
