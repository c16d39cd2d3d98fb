#include "shell/BuildBorderRegion.h"

#include "platform/NumberText.h"

#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
#include <string>

namespace shell {
namespace {

using platform::RegionApi;
using platform::RegionHandle;
using platform::NumberText;

// The corner ellipse of the rounded kinds, in pixels whatever the screen.
constexpr int kCornerEllipse = 28;

// (larger - smaller) / 2 rounded to whole twips and held in 16 bits.
std::int16_t halfDifference(float larger, float smaller) {
    const double half = (static_cast<double>(larger) - static_cast<double>(smaller)) / 2.0;
    if (!std::isfinite(half))
        throw RegionBuildError("the centring half-difference of width " + NumberText(larger) +
                               " and height " + NumberText(smaller) + " twips is not a finite number");
    const double d = platform::RoundHalfEven(half);
    if (d < std::numeric_limits<std::int16_t>::min() || d > std::numeric_limits<std::int16_t>::max())
        throw RegionBuildError("the centring half-difference " + NumberText(d) +
                               " twips is outside -32768..32767");
    return static_cast<std::int16_t>(d);
}

// A member's box in twips, edges formed before any conversion.
struct TwipsBox {
    double left, top, right, bottom;
};

TwipsBox memberBox(std::int16_t kind, const BorderShape& member) {
    if (kind == 1 || kind == 3 || kind == 5) {
        // The square centred in the member's box: full height, centred across
        // the width when the box is wider than high; full width, centred down
        // the height otherwise.
        const float width = member.Width();
        const float height = member.Height();
        const double left = member.Left();
        const double top = member.Top();
        if (width > height) {
            const double d = halfDifference(width, height);
            return {d + left, top, (left - d) + width, top + height};
        }
        const double d = halfDifference(height, width);
        return {left, d + top, left + width, (top - d) + height};
    }
    const double left = member.Left();
    const double top = member.Top();
    const double width = member.Width();
    const double height = member.Height();
    return {left, top, left + width, top + height};
}

std::int32_t edgeToPixel(const char* edge, double twips, float twipsPerPixel, std::int16_t offset) {
    try {
        return platform::TwipsToPixel(twips, twipsPerPixel, offset);
    } catch (const platform::TwipsConversionError& e) {
        throw RegionBuildError(std::string(edge) + " edge: " + e.what());
    }
}

RegionHandle created(RegionHandle handle, const char* call, const std::string& what) {
    if (handle == 0) throw RegionBuildError(std::string(call) + " could not create " + what);
    return handle;
}

// Releases a region the build still holds; a failure here must not hide the
// error that stopped the build.
void releaseQuietly(RegionApi& regions, RegionHandle& handle) noexcept {
    if (handle == 0) return;
    try {
        regions.DeleteObject(handle);
    } catch (...) {
    }
    handle = 0;
}

}  // namespace

RegionHandle BuildBorderRegion(BorderShapeSet& shapes, const platform::TwipsPerPixel& screen,
                               RegionApi& regions, std::int16_t xOffset, std::int16_t yOffset) {
    RegionHandle accumulator = 0;
    RegionHandle scratch = 0;
    RegionHandle piece = 0;
    int index = 0;
    bool inMember = false;

    try {
        accumulator = created(regions.CreateRectRgn(0, 0, 0, 0), "CreateRectRgn", "the outline");
        scratch = created(regions.CreateRectRgn(0, 0, 0, 0), "CreateRectRgn", "the scratch region");

        const int lowest = shapes.LBound();
        const int highest = shapes.UBound();
        // The index runs as a 16-bit counter advanced after each member, so a
        // member at index 32767 is the last one the counter can step past.
        for (index = lowest; index <= highest; ++index) {
            inMember = true;
            BorderShape* member = shapes.member(static_cast<std::int16_t>(index));
            if (member == nullptr)
                throw RegionBuildError("no member at this index (the set runs from " +
                                       std::to_string(lowest) + " to " + std::to_string(highest) + ")");

            std::int16_t kind = member->Shape();
            if (kind == 2 || kind < 0 || kind > 5) {
                member->setShape(2);  // anything unknown is drawn as an oval
                kind = 2;
            }

            const TwipsBox box = memberBox(kind, *member);
            const int x1 = edgeToPixel("left", box.left, screen.x, xOffset);
            const int y1 = edgeToPixel("top", box.top, screen.y, yOffset);
            const int x2 = edgeToPixel("right", box.right, screen.x, xOffset);
            const int y2 = edgeToPixel("bottom", box.bottom, screen.y, yOffset);

            switch (kind) {
            case 0:
            case 1:
                piece = created(regions.CreateRectRgn(x1, y1, x2, y2), "CreateRectRgn", "the piece");
                break;
            case 2:
            case 3:
                piece = created(regions.CreateEllipticRgn(x1, y1, x2, y2), "CreateEllipticRgn", "the piece");
                break;
            default:  // 4, 5
                piece = created(regions.CreateRoundRectRgn(x1, y1, x2, y2, kCornerEllipse, kCornerEllipse),
                                "CreateRoundRectRgn", "the piece");
                break;
            }

            regions.CombineRgn(scratch, accumulator, accumulator, platform::RGN_COPY);
            regions.CombineRgn(accumulator, scratch, piece, platform::RGN_OR);
            const RegionHandle done = piece;
            piece = 0;
            regions.DeleteObject(done);
            inMember = false;

            if (index == std::numeric_limits<std::int16_t>::max())
                throw RegionBuildError("the index counter stepped past 32767 after member 32767");
        }

        const RegionHandle done = scratch;
        scratch = 0;
        regions.DeleteObject(done);
        return accumulator;
    } catch (...) {
        releaseQuietly(regions, piece);
        releaseQuietly(regions, scratch);
        releaseQuietly(regions, accumulator);

        const std::string where = inMember ? "shpborder(" + std::to_string(index) + "): " : "";
        try {
            throw;
        } catch (const RegionBuildError& e) {
            throw RegionBuildError("building the window outline failed: " + where + e.what());
        } catch (const std::exception& e) {
            throw RegionBuildError("building the window outline failed: " + where + e.what());
        }
        // anything else passes on as it is
    }
}

}  // namespace shell
