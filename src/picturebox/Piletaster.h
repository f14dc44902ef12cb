#pragma once
// Controls that move something with the arrow keys claim them before the
// window uses them to move the focus.
#include <QKeyEvent>

namespace kv {

// True, with the event accepted, when it offers an arrow key.
inline bool tagPiletast(QEvent* e)
{
    if (e->type() != QEvent::ShortcutOverride)
        return false;
    const int k = static_cast<QKeyEvent*>(e)->key();
    if (k != Qt::Key_Left && k != Qt::Key_Right && k != Qt::Key_Up && k != Qt::Key_Down)
        return false;
    e->accept();
    return true;
}

} // namespace kv
