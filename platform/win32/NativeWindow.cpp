// The Windows desktop's own interface (Win32 USER), for windows on Qt's
// windows platform; on another Qt platform (offscreen in tests) the window
// has no Win32 handle and each call does nothing.
#include "platform/NativeWindow.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>

namespace platform::native {
namespace {

HWND Handle(QWidget& window) {
    if (QGuiApplication::platformName() != QLatin1String("windows")) return nullptr;
    return reinterpret_cast<HWND>(window.winId());
}

}  // namespace

// A tool window has no taskbar button (set before the first show: the
// taskbar reads the style when the window appears).
void SetSkipTaskbar(QWidget& window) {
    HWND handle = Handle(window);
    if (!handle) return;
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_EXSTYLE);
    SetWindowLongPtrW(handle, GWL_EXSTYLE, (style | WS_EX_TOOLWINDOW) & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW));
}

// The caption-drag move loop ends on the left button's release only: a move
// begun by the right or middle button would leave the window on the pointer
// after that button came up. Those buttons are moved by the program.
bool DesktopMovesFromPress(Qt::MouseButton button) {
    return button == Qt::LeftButton && QGuiApplication::platformName() == QLatin1String("windows");
}

// As a press on the caption: the press's capture is released, then the
// window is told its caption was pressed, and the platform's move loop runs
// inside this call until the button comes up.
bool RunDesktopMove(QWidget& window, Qt::MouseButton button) {
    HWND handle = Handle(window);
    if (!handle || button != Qt::LeftButton) return false;
    ReleaseCapture();
    SendMessageW(handle, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return true;
}

}  // namespace platform::native
