// Moving a window with the pointer, until the mouse button that started the
// move is released.
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace platform {

// Starts moving `window` with the pointer while a button of `held` is held;
// a press released without motion leaves the window where it is. Follows the
// pointer by hand on X11 and where the desktop offers no move of its own
// (offscreen), and uses the desktop's own move elsewhere.
// `pointerOnScreen` is where the pointer was when the move began.
// Returns whether a move started.
bool StartWindowMove(QWidget& window, Qt::MouseButtons held, QPoint pointerOnScreen);

}  // namespace platform
