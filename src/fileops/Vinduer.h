#pragma once
// Small helpers shared by the windows of the file operations.
class QWidget;

namespace kv {

// Centres a window on the window it belongs to, or on its screen.
void centrerPaaHoved(QWidget* vindue);

} // namespace kv
