// The layouts in pixels at any screen factors: each window's client size,
// every control's box and the window's outline, with now and then one
// control's twips changed. A box either converts or is refused with
// TwipsConversionError; boxes of non-negative size never come out negative;
// the outline is built, or refused with RegionBuildError, leaving exactly
// its own region alive.
#include "platform/Screen.h"
#include "shell/BuildBorderRegion.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/shell/RegionTestDoubles.h"

#include <bit>
#include <vector>

namespace {

float Factor(fuzz::Input& in) {
    const auto choice = in.take<std::uint16_t>();
    if (choice < 0x8000) return 1440.0f / static_cast<float>(72 + choice % 217);  // 72 to 288 dpi
    if (choice < 0xF000) return static_cast<float>(choice - 0x7FFF) / 256.0f;    // any scale
    return std::bit_cast<float>(in.take<std::uint32_t>());
}

void CheckBox(int left, int top, int width, int height, platform::TwipsPerPixel factors) {
    try {
        const QRect box = platform::TwipsBoxToPixels(left, top, width, height, factors);
        if (factors.x > 0 && width >= 0) fuzz::Check(box.width() >= 0);
        if (factors.y > 0 && height >= 0) fuzz::Check(box.height() >= 0);
    } catch (const platform::TwipsConversionError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const auto& windows = fuzz::WindowLayouts();
    const layouts::WindowLayout& window = *windows[in.take<std::uint8_t>() % windows.size()];
    const platform::TwipsPerPixel factors{Factor(in), Factor(in)};

    std::vector<layouts::ControlLayout> controls = window.controls;
    if (!controls.empty() && in.take<std::uint8_t>() % 4 == 0) {
        layouts::ControlLayout& changed = controls[in.take<std::uint16_t>() % controls.size()];
        changed.left = in.take<std::int32_t>();
        changed.top = in.take<std::int32_t>();
        changed.width = in.take<std::int32_t>();
        changed.height = in.take<std::int32_t>();
        changed.shape = in.take<std::int8_t>();
    }

    CheckBox(0, 0, window.clientWidth, window.clientHeight, factors);
    int lowest = 32767, highest = -32768;
    for (const auto& c : controls) {
        CheckBox(c.left, c.top, c.width, c.height, factors);
        if (c.name == "shpborder") lowest = std::min(lowest, c.index), highest = std::max(highest, c.index);
    }

    if (lowest > highest) lowest = 0, highest = -1;
    shelltest::FakeShapeSet shapes(static_cast<std::int16_t>(lowest), static_cast<std::int16_t>(highest));
    for (const auto& c : controls)
        if (c.name == "shpborder")
            shapes.add(static_cast<std::int16_t>(c.index),
                       {static_cast<std::int16_t>(c.shape), static_cast<float>(c.left), static_cast<float>(c.top),
                        static_cast<float>(c.width), static_cast<float>(c.height)});
    shelltest::RecordingRegions regions;
    try {
        const platform::RegionHandle outline = shell::BuildBorderRegion(shapes, factors, regions, 0, 0);
        fuzz::Check(regions.live.size() == 1 && regions.live.count(outline) == 1);
    } catch (const shell::RegionBuildError&) {
        fuzz::Check(regions.live.empty());
    }
    fuzz::Check(regions.misuses == 0);
    return 0;
}
