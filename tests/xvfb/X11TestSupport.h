// What the tests on a real X server share: the X connection, and a window
// shown and drawn at a place the server reports. Include this last: Xlib's
// macros (None, Bool, Expose ...) clash with names in other headers.
#pragma once

#include "platform/Form.h"

#include <QGuiApplication>
#include <QPoint>
#include <QTest>

#include <gtest/gtest.h>

#include <X11/Xlib.h>

namespace x11test {

inline Display* XDisplay() { return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display(); }

// Where the X server has the window (its top-left corner on the screen).
inline QPoint PositionOnScreen(QWidget& window) {
    Display* display = XDisplay();
    XSync(display, False);
    Window child = 0;
    int x = 0, y = 0;
    XTranslateCoordinates(display, static_cast<Window>(window.winId()), DefaultRootWindow(display), 0, 0, &x, &y,
                          &child);
    return {x, y};
}

// Shows the window, waits until the server has drawn it, and says where it is.
inline QPoint ShowOnScreen(platform::Form& window) {
    window.Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    return PositionOnScreen(window);
}

}  // namespace x11test
