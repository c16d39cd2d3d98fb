// Windows without a taskbar button of their own (splash, exit).
#pragma once

class QWidget;

namespace platform {

// Asks the desktop not to list the window in its taskbar or pager. Must run
// before the window is first shown; does nothing where the platform is not
// X11 (on offscreen the native interface has no connection).
void SetSkipTaskbar(QWidget& window);

}  // namespace platform
