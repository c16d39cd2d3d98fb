// The desktop's interactive move of a window, following the pointer until
// the mouse button is released.
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace platform {

// Starts moving `window` with the pointer, but only while a mouse button is
// held: on X11 a move started with no button held leaves the window stuck to
// the pointer. Uses the desktop's own move where it offers one, and follows
// the pointer by hand where it does not (a bare X server, offscreen).
// `pointerOnScreen` is where the pointer was when the move began.
// Returns whether a move started.
bool StartWindowMove(QWidget& window, Qt::MouseButtons held, QPoint pointerOnScreen);

}  // namespace platform
