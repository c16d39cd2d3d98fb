// Window regions: the drawing system's region calls behind a small interface,
// so that the outline builder can run against the real regions (QtRegions.h)
// or against a test double that records every call.
//
// Plain C++: no Qt here.
#pragma once

#include <cstdint>

namespace platform {

// A region is known by its handle; 0 means no region.
using RegionHandle = std::uintptr_t;

// Combination modes of CombineRgn.
inline constexpr int RGN_OR = 2;    // destination = source1 united with source2
inline constexpr int RGN_COPY = 5;  // destination = copy of source1 (source2 unused)

// What CombineRgn returns: the kind of the resulting region, or RGN_ERROR when
// nothing was combined (an unknown handle or mode; the destination is unchanged).
inline constexpr int RGN_ERROR = 0;
inline constexpr int NULLREGION = 1;     // empty
inline constexpr int SIMPLEREGION = 2;   // one rectangle
inline constexpr int COMPLEXREGION = 3;  // more than one rectangle

// The region calls. Boxes are in pixels, (x1, y1) inclusive and (x2, y2)
// exclusive; swapped corners are put in order first. Every Create call returns
// a new region owned by the caller (0 if none could be made), to be released
// with DeleteObject unless its ownership is handed on.
class RegionApi {
public:
    virtual ~RegionApi() = default;
    virtual RegionHandle CreateRectRgn(int x1, int y1, int x2, int y2) = 0;
    // The ellipse inscribed in the box.
    virtual RegionHandle CreateEllipticRgn(int x1, int y1, int x2, int y2) = 0;
    // The box with its corners rounded by an ellipse w pixels wide and h high.
    virtual RegionHandle CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) = 0;
    // The destination must already exist. Returns the kind of the result or RGN_ERROR.
    virtual int CombineRgn(RegionHandle dst, RegionHandle src1, RegionHandle src2, int mode) = 0;
    // False for a handle that is not a live region.
    virtual bool DeleteObject(RegionHandle region) = 0;
};

}  // namespace platform
