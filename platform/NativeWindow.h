// What only the desktop's own interface can do for a window. Each desktop
// platform implements these in its own folder (x11/, win32/); nothing outside
// platform/ asks which one it runs on.
#pragma once

#include <Qt>

class QWidget;

namespace platform::native {

// Asks the desktop not to list `window` in its taskbar or pager. Must run
// before the window is first shown.
void SetSkipTaskbar(QWidget& window);

// Whether a press of `button` on a window's background is moved by the
// desktop's own move from the press on (the caption-drag move of Windows),
// rather than by the program.
bool DesktopMovesFromPress(Qt::MouseButton button);

// Starts the desktop's own move of `window` for the held `button`. On
// Windows it runs the platform's move loop and returns when the move has
// ended; on X11 it asks the window manager, which takes over the pointer.
// Returns whether the desktop took the move.
bool RunDesktopMove(QWidget& window, Qt::MouseButton button);

}  // namespace platform::native
