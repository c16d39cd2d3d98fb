// The region calls on QRegion. Each region lives in a table under its handle
// until it is released (DeleteObject) or handed to a window (takeRegion).
#pragma once

#include "platform/Regions.h"

#include <QRegion>

#include <cstddef>
#include <unordered_map>

namespace platform {

class QtRegionApi : public RegionApi {
public:
    // Coordinates are clamped to this many pixels either side of 0, far beyond
    // any screen; it bounds the work of building a curved region.
    static constexpr int kCoordinateLimit = 1 << 20;

    QtRegionApi() = default;
    QtRegionApi(const QtRegionApi&) = delete;
    QtRegionApi& operator=(const QtRegionApi&) = delete;

    RegionHandle CreateRectRgn(int x1, int y1, int x2, int y2) override;
    RegionHandle CreateEllipticRgn(int x1, int y1, int x2, int y2) override;
    RegionHandle CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) override;
    int CombineRgn(RegionHandle dst, RegionHandle src1, RegionHandle src2, int mode) override;
    bool DeleteObject(RegionHandle region) override;

    // Removes the region from the table and returns it: its ownership passes
    // to the caller (the window it is applied to). An unknown handle gives an
    // empty region.
    QRegion takeRegion(RegionHandle region);

    // A copy of a live region, the table left as it is; empty for an unknown handle.
    QRegion region(RegionHandle region) const;

    // How many regions are alive (created and neither released nor taken).
    std::size_t liveRegions() const { return regions_.size(); }

private:
    RegionHandle add(QRegion region);

    std::unordered_map<RegionHandle, QRegion> regions_;
    RegionHandle next_ = 1;  // handles are never reused
};

}  // namespace platform
