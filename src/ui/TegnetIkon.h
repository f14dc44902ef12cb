#pragma once
// An icon drawn by code at the size it is shown, so it is sharp at every scaling.
#include <QIcon>
#include <functional>

class QPainter;

namespace kv {

using Tegner = std::function<void(QPainter& p, const QRectF& r)>;
// Disabled icons are drawn faded. The name tells the picture apart from the
// program's other drawn ones: it is its key in the store kept between runs.
QIcon tegnetIkon(QString navn, Tegner tegner);

} // namespace kv
