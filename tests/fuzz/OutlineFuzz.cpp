// The outline builder over recorded region calls: a window's border shapes
// (from a layout, or made up), screen factors, offsets, a region creation
// that fails and a property that cannot be read. The build either returns
// the one region still alive, or throws RegionBuildError with none alive;
// no call ever names a region that is not alive.
#include "shell/BuildBorderRegion.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/shell/RegionTestDoubles.h"

#include <bit>
#include <cmath>
#include <optional>

namespace {

// Mostly values a layout could hold; now and then any bit pattern (NaN, inf).
float Coordinate(fuzz::Input& in) {
    const auto raw = in.take<std::uint32_t>();
    if ((raw & 0xF) == 0xF) return std::bit_cast<float>(in.take<std::uint32_t>());
    return static_cast<float>(static_cast<std::int32_t>(raw) >> 12);
}

float Factor(fuzz::Input& in) {
    const auto choice = in.take<std::uint8_t>();
    if (choice < 128) return 15.0f;
    if (choice < 240) return static_cast<float>(choice - 127) / 8.0f;
    return std::bit_cast<float>(in.take<std::uint32_t>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const auto source = in.take<std::uint8_t>();
    std::optional<shelltest::FakeShapeSet> shapes;
    const auto& windows = fuzz::WindowLayouts();
    if (source % 16 < windows.size()) {
        // A window's own border shapes, then changes to some of them.
        int lowest = 32767, highest = -32768;
        for (const auto& c : windows[source % 16]->controls)
            if (c.name == "shpborder") lowest = std::min(lowest, c.index), highest = std::max(highest, c.index);
        if (lowest > highest) lowest = 0, highest = -1;
        shapes.emplace(static_cast<std::int16_t>(lowest), static_cast<std::int16_t>(highest));
        for (const auto& c : windows[source % 16]->controls)
            if (c.name == "shpborder")
                shapes->add(static_cast<std::int16_t>(c.index),
                            {static_cast<std::int16_t>(c.shape), static_cast<float>(c.left),
                             static_cast<float>(c.top), static_cast<float>(c.width), static_cast<float>(c.height)});
        for (int changes = in.take<std::uint8_t>() % 4; changes > 0; --changes) {
            const auto index = static_cast<std::int16_t>(lowest + in.take<std::uint8_t>() % 8);
            if (in.take<std::uint8_t>() % 8 == 0) {
                shapes->remove(index);
                continue;
            }
            shapes->add(index, {in.take<std::int16_t>(), Coordinate(in), Coordinate(in), Coordinate(in), Coordinate(in)});
        }
    } else {
        // A made-up set: any bounds, a few members, some missing.
        const auto lbound = in.take<std::int16_t>();
        const int count = in.take<std::uint8_t>() % 24;
        const bool reversed = (source & 0x80) != 0;
        const auto ubound = static_cast<std::int16_t>(reversed ? in.take<std::int16_t>()
                                                               : std::min(32767, lbound + count - 1));
        shapes.emplace(lbound, ubound);
        for (int i = 0; i < count && lbound + i <= 32767; ++i) {
            const auto index = static_cast<std::int16_t>(lbound + i);
            if (in.take<std::uint8_t>() % 16 == 0) continue;  // missing member
            shapes->add(index, {in.take<std::int16_t>(), Coordinate(in), Coordinate(in), Coordinate(in), Coordinate(in)});
        }
    }

    const platform::TwipsPerPixel screen{Factor(in), Factor(in)};
    const auto xOffset = in.take<std::int16_t>(), yOffset = in.take<std::int16_t>();
    shelltest::RecordingRegions regions;
    regions.failCreation = in.take<std::uint8_t>() % 32;
    const auto unreadable = in.take<std::uint8_t>();
    static const char* const kProperties[] = {"Shape", "Left", "Top", "Width", "Height"};
    if (unreadable % 8 < 5 && !in.empty()) {
        const auto index = static_cast<std::int16_t>(shapes->LBound() + in.take<std::uint8_t>() % 8);
        if (shapes->member(index) != nullptr) shapes->at(index).failing = kProperties[unreadable % 8];
    }

    try {
        const platform::RegionHandle outline = shell::BuildBorderRegion(*shapes, screen, regions, xOffset, yOffset);
        fuzz::Check(regions.live.size() == 1 && regions.live.count(outline) == 1);
    } catch (const shell::RegionBuildError&) {
        fuzz::Check(regions.live.empty());
    }
    fuzz::Check(regions.misuses == 0);
    return 0;
}
