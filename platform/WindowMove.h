// Moving a window with the pointer, until the mouse button that started the
// move is released.
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace platform {

// Starts moving `window` with the pointer while a button of `held` is held;
// a press released without motion leaves the window where it is. On Windows
// the left button's move is the platform's caption drag (this returns when it
// has ended) and other buttons follow by hand; on Wayland the compositor
// moves the window; on X11 the window follows the pointer by hand, and
// through XWayland the desktop's move takes over at the first motion. `pointerOnScreen` is where the pointer was when the move began.
// Returns whether a move started (a compositor may refuse its move).
bool StartWindowMove(QWidget& window, Qt::MouseButtons held, QPoint pointerOnScreen);

// Whether the desktop's own move, begun for `button`, ends when that button
// comes up. GNOME's compositor ends a move only on the release of the left
// button or of its resize button (the middle one, or the right if the user
// chose so), and which of those two is the user's setting: there only the
// left button's move is the desktop's. `desktops` is the session's
// XDG_CURRENT_DESKTOP (nullptr: none).
bool DesktopMoveEndsOnRelease(Qt::MouseButton button, const char* desktops);

}  // namespace platform
