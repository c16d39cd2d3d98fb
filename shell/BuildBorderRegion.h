// The outline builder: turns a window's border shapes (its `shpborder` set)
// into one region in window pixels, the union of one piece per member.
#pragma once

#include "platform/Regions.h"
#include "platform/Screen.h"

#include <cstdint>
#include <stdexcept>

namespace shell {

// One member of a window's `shpborder` set. Positions and sizes are in twips
// from the top-left corner of the window.
class BorderShape {
public:
    virtual ~BorderShape() = default;
    // 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle, 5 rounded square.
    virtual std::int16_t Shape() const = 0;
    virtual void setShape(std::int16_t kind) = 0;
    virtual float Left() const = 0;
    virtual float Top() const = 0;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
};

class BorderShapeSet {
public:
    virtual ~BorderShapeSet() = default;
    virtual std::int16_t LBound() const = 0;
    virtual std::int16_t UBound() const = 0;
    virtual BorderShape* member(std::int16_t index) = 0;  // nullptr: no member at that index
};

class RegionBuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Builds the outline of a border-shape set: every member from LBound to UBound
// becomes a piece (rectangle, ellipse, or rounded rectangle with a 28 x 28
// pixel corner ellipse; kinds 1, 3 and 5 use the square centred in the
// member's box), and the result is their union, moved by the offsets. Edges
// become pixels by platform::TwipsToPixel. A set with LBound above UBound
// gives an empty region. Kind 2 and kinds outside 0..5 make an oval, and the
// member's Shape is set to 2.
//
// The caller owns the returned region. On failure (a missing member, a
// property that cannot be read, a screen factor of 0 or another non-finite
// coordinate, a coordinate outside 32 bits, a centring half-difference outside
// 16 bits, a member at index 32767, a region that cannot be created) it throws
// RegionBuildError naming what failed, and every region the build created has
// been released.
platform::RegionHandle BuildBorderRegion(BorderShapeSet& shapes, const platform::TwipsPerPixel& screen,
                                         platform::RegionApi& regions,
                                         std::int16_t xOffset, std::int16_t yOffset);

}  // namespace shell
