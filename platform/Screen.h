// The screen's twips-per-pixel factors, and twips boxes in pixels.
#pragma once

#include <QRect>

namespace platform {

struct TwipsPerPixel {
    float x = 15.0f;
    float y = 15.0f;
};

// From the primary screen's logical DPI: 1440 twips per inch, so 15 at 96 DPI.
TwipsPerPixel ScreenTwipsPerPixel();

// A control box in twips as a pixel rectangle: each edge divided and rounded
// to the nearest pixel, halves to even.
QRect TwipsBoxToPixels(int left, int top, int width, int height, TwipsPerPixel factors);

}  // namespace platform
