// The screen's twips-per-pixel factors, and twips in pixels: the one rounding
// that control boxes and window outlines share.
#pragma once

#include <QRect>

#include <cstdint>
#include <stdexcept>

namespace platform {

// The layouts and their pictures were drawn at 96 DPI: 15 twips per pixel.
inline constexpr float kDrawnTwipsPerPixel = 15.0f;

struct TwipsPerPixel {
    float x = kDrawnTwipsPerPixel;
    float y = kDrawnTwipsPerPixel;
};

// From the primary screen's logical DPI: 1440 twips per inch, so 15 at 96 DPI.
TwipsPerPixel ScreenTwipsPerPixel();

// How much larger than drawn a picture is shown, so that it keeps its place
// among the controls, whose boxes follow the screen factor: 1 at 96 DPI,
// 0.75 at 72 (from the horizontal factor; screens are square).
qreal PictureScale();

class TwipsConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Nearest whole number, a value exactly halfway going to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -0.5 -> 0), whatever the floating-point rounding mode.
// The value must be finite.
double RoundHalfEven(double value);

// A twips edge as a pixel coordinate: edge / twipsPerPixel + offset, rounded
// half to even. Throws TwipsConversionError for a twipsPerPixel of 0, a
// non-finite value or a result outside the 32-bit signed range.
std::int32_t TwipsToPixel(double edgeTwips, float twipsPerPixel, std::int16_t offset = 0);

// A control box in twips as a pixel rectangle: each edge converted on its own,
// so the size is the difference of the rounded edges. Throws
// TwipsConversionError where an edge or the size has no pixel value.
QRect TwipsBoxToPixels(int left, int top, int width, int height, TwipsPerPixel factors);

}  // namespace platform
