#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform {

TwipsPerPixel ScreenTwipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const double dpiX = screen->logicalDotsPerInchX();
    const double dpiY = screen->logicalDotsPerInchY();
    TwipsPerPixel factors;
    if (dpiX > 0) factors.x = static_cast<float>(1440.0 / dpiX);
    if (dpiY > 0) factors.y = static_cast<float>(1440.0 / dpiY);
    return factors;
}

QRect TwipsBoxToPixels(int left, int top, int width, int height, TwipsPerPixel factors) {
    auto px = [](double twips, float perPixel) {
        return static_cast<int>(std::nearbyint(twips / perPixel));  // default mode: halves to even
    };
    const int x1 = px(left, factors.x), y1 = px(top, factors.y);
    const int x2 = px(static_cast<double>(left) + width, factors.x);
    const int y2 = px(static_cast<double>(top) + height, factors.y);
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

}  // namespace platform
