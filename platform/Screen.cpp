#include "platform/Screen.h"

#include "platform/NumberText.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <limits>
#include <string>

namespace platform {
namespace {

// The length from one rounded edge to the other. QRect keeps the last pixel
// (to - 1), so `to` must have one below it, and its width (right - left + 1)
// must fit an int too, which rules out a length of INT_MIN.
int size(std::int32_t from, std::int32_t to, const char* what) {
    const std::int64_t length = static_cast<std::int64_t>(to) - from;
    if (length <= std::numeric_limits<int>::min() || length > std::numeric_limits<int>::max() ||
        to == std::numeric_limits<std::int32_t>::min())
        throw TwipsConversionError(std::string("the box's ") + what + " from pixel " + std::to_string(from) +
                                   " to " + std::to_string(to) + " has no 32-bit pixel rectangle");
    return static_cast<int>(length);
}

}  // namespace

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

qreal PictureScale() { return kDrawnTwipsPerPixel / ScreenTwipsPerPixel().x; }

double RoundHalfEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

std::int32_t TwipsToPixel(double edgeTwips, float twipsPerPixel, std::int16_t offset) {
    if (twipsPerPixel == 0.0f)
        throw TwipsConversionError("cannot convert " + NumberText(edgeTwips) +
                                   " twips: the screen factor (twips per pixel) is 0");
    const double pixels = edgeTwips / static_cast<double>(twipsPerPixel) + offset;
    if (!std::isfinite(pixels))
        throw TwipsConversionError(NumberText(edgeTwips) + " twips at " + NumberText(twipsPerPixel) +
                                   " twips per pixel is not a finite pixel coordinate");
    const double rounded = RoundHalfEven(pixels);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        throw TwipsConversionError(NumberText(edgeTwips) + " twips at " + NumberText(twipsPerPixel) +
                                   " twips per pixel gives pixel " + NumberText(rounded) +
                                   ", outside the 32-bit coordinate range");
    return static_cast<std::int32_t>(rounded);
}

QRect TwipsBoxToPixels(int left, int top, int width, int height, TwipsPerPixel factors) {
    const std::int32_t x1 = TwipsToPixel(left, factors.x);
    const std::int32_t y1 = TwipsToPixel(top, factors.y);
    const std::int32_t x2 = TwipsToPixel(static_cast<double>(left) + width, factors.x);
    const std::int32_t y2 = TwipsToPixel(static_cast<double>(top) + height, factors.y);
    return QRect(x1, y1, size(x1, x2, "width"), size(y1, y2, "height"));
}

}  // namespace platform
