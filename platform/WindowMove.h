// Moving a window with the pointer, until the mouse button that started the
// move is released.
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace platform {

// Starts moving `window` with the pointer while a button of `held` is held;
// a press released without motion leaves the window where it is. On Wayland
// the compositor moves the window; on X11 the window follows the pointer by
// hand, and through XWayland the desktop's move takes over at the first
// motion. `pointerOnScreen` is where the pointer was when the move began.
// Returns whether a move started (a compositor may refuse its move).
bool StartWindowMove(QWidget& window, Qt::MouseButtons held, QPoint pointerOnScreen);

}  // namespace platform
