#pragma once
// The pointer while elements are dragged: a page for one element, a stack of
// pages for several, with a plus sign when the drop copies.
#include <QPixmap>

namespace kv {

QPixmap traekMarkoer(bool flere, bool kopi);

} // namespace kv
