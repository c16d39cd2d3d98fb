// Twips to pixels: any edge, screen factor and offset either converts to the
// nearest whole pixel (an exact half going to the even one) or is refused
// with TwipsConversionError; a box's pixel rectangle is its edges converted.
#include "platform/Screen.h"
#include "tests/fuzz/FuzzInput.h"

#include <cmath>

namespace {

void CheckEdge(double twips, float perPixel, std::int16_t offset) {
    std::int32_t pixel = 0;
    try {
        pixel = platform::TwipsToPixel(twips, perPixel, offset);
    } catch (const platform::TwipsConversionError&) {
        return;
    }
    const long double exact = static_cast<long double>(twips / static_cast<double>(perPixel) + offset);
    const long double away = std::fabs(static_cast<long double>(pixel) - exact);
    fuzz::Check(away <= 0.5L);
    if (away == 0.5L) fuzz::Check(pixel % 2 == 0);
}

void CheckBox(int left, int top, int width, int height, platform::TwipsPerPixel factors) {
    QRect box;
    try {
        box = platform::TwipsBoxToPixels(left, top, width, height, factors);
    } catch (const platform::TwipsConversionError&) {
        return;
    }
    fuzz::Check(box.x() == platform::TwipsToPixel(left, factors.x));
    fuzz::Check(box.y() == platform::TwipsToPixel(top, factors.y));
    fuzz::Check(static_cast<std::int64_t>(box.x()) + box.width() ==
                platform::TwipsToPixel(static_cast<double>(left) + width, factors.x));
    fuzz::Check(static_cast<std::int64_t>(box.y()) + box.height() ==
                platform::TwipsToPixel(static_cast<double>(top) + height, factors.y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const double twips = in.take<double>();
    const float perPixel = in.take<float>();
    const auto offset = in.take<std::int16_t>();
    CheckEdge(twips, perPixel, offset);
    CheckEdge(static_cast<double>(in.take<std::int32_t>()), perPixel, offset);  // whole twips, as layouts hold

    const int left = in.take<std::int32_t>(), top = in.take<std::int32_t>();
    const int width = in.take<std::int32_t>(), height = in.take<std::int32_t>();
    CheckBox(left, top, width, height, {perPixel, in.take<float>()});
    return 0;
}
