#include "platform/QtRegions.h"

#include <QRect>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace platform {
namespace {

// A box in pixels: left and top inclusive, right and bottom exclusive.
struct Box {
    int x1, y1, x2, y2;
    int width() const { return x2 - x1; }
    int height() const { return y2 - y1; }
    bool empty() const { return x1 == x2 || y1 == y2; }
};

int clampCoordinate(int v) {
    return std::clamp(v, -QtRegionApi::kCoordinateLimit, QtRegionApi::kCoordinateLimit);
}

// Corners in order and inside the coordinate limit.
Box orderedBox(int x1, int y1, int x2, int y2) {
    x1 = clampCoordinate(x1);
    y1 = clampCoordinate(y1);
    x2 = clampCoordinate(x2);
    y2 = clampCoordinate(y2);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    return {x1, y1, x2, y2};
}

QRegion rectRegion(const Box& box) {
    if (box.empty()) return {};
    return QRegion(box.x1, box.y1, box.width(), box.height());
}

// The box with its corners rounded by quarters of an ellipse cornerW pixels
// wide and cornerH high, built row by row: a pixel belongs to the region when
// its centre lies inside the rounded outline. The rounded sides touch the box
// in their middle, so every row keeps at least its middle pixel (two for an
// even width) and the middle row(s) of a corner ellipse span the whole width:
// the region's extents are exactly the box.
QRegion roundedRegion(const Box& box, long long cornerW, long long cornerH) {
    if (box.empty()) return {};
    const int width = box.width();
    const int height = box.height();
    cornerW = std::min<long long>(std::llabs(cornerW), width);
    cornerH = std::min<long long>(std::llabs(cornerH), height);
    if (cornerW < 2 || cornerH < 2) return rectRegion(box);  // nothing to cut

    const double a = static_cast<double>(cornerW) / 2.0;  // corner radii
    const double b = static_cast<double>(cornerH) / 2.0;
    const int maxInset = (width - 1) / 2;

    // Inset from both sides of row k counted from the top (the bottom rows
    // mirror the top ones). Rows whose centre lies within half a pixel of the
    // corner ellipse's centre line are not inset.
    auto inset = [&](int k) {
        const double dy = b - (k + 0.5);
        if (dy <= 0.5) return 0;
        const double t = dy / b;
        const double halfSpan = a * std::sqrt(std::max(0.0, 1.0 - t * t));
        const double cut = std::ceil(a - halfSpan - 0.5);
        return std::clamp(static_cast<int>(cut), 0, maxInset);
    };

    // Rows with an inset: those whose centre lies more than half a pixel above
    // the corner ellipse's centre line. They never reach the middle row(s).
    const int cornerRows = std::max(0, static_cast<int>(std::ceil(b - 1.0)));

    // Runs of rows (inset, row count) from top to bottom.
    std::vector<std::pair<int, int>> runs;
    auto addRows = [&runs](int in, int count) {
        if (count <= 0) return;
        if (!runs.empty() && runs.back().first == in)
            runs.back().second += count;
        else
            runs.emplace_back(in, count);
    };
    std::vector<int> top;
    top.reserve(static_cast<std::size_t>(cornerRows));
    for (int k = 0; k < cornerRows; ++k) top.push_back(inset(k));
    for (int in : top) addRows(in, 1);
    addRows(0, height - 2 * cornerRows);
    for (auto it = top.rbegin(); it != top.rend(); ++it) addRows(*it, 1);

    // One rectangle per run, top to bottom: already the sorted, banded and
    // coalesced form that QRegion keeps.
    std::vector<QRect> rects;
    rects.reserve(runs.size());
    int y = box.y1;
    for (const auto& [in, count] : runs) {
        rects.emplace_back(box.x1 + in, y, width - 2 * in, count);
        y += count;
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

int kindOf(const QRegion& region) {
    if (region.isEmpty()) return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace

RegionHandle QtRegionApi::add(QRegion region) {
    const RegionHandle handle = next_++;
    regions_.emplace(handle, std::move(region));
    return handle;
}

RegionHandle QtRegionApi::CreateRectRgn(int x1, int y1, int x2, int y2) {
    return add(rectRegion(orderedBox(x1, y1, x2, y2)));
}

RegionHandle QtRegionApi::CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    const Box box = orderedBox(x1, y1, x2, y2);
    return add(roundedRegion(box, box.width(), box.height()));
}

RegionHandle QtRegionApi::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
    return add(roundedRegion(orderedBox(x1, y1, x2, y2), w, h));
}

int QtRegionApi::CombineRgn(RegionHandle dst, RegionHandle src1, RegionHandle src2, int mode) {
    const auto target = regions_.find(dst);
    const auto first = regions_.find(src1);
    if (target == regions_.end() || first == regions_.end()) return RGN_ERROR;
    switch (mode) {
    case RGN_COPY:
        target->second = first->second;
        break;
    case RGN_OR: {
        const auto second = regions_.find(src2);
        if (second == regions_.end()) return RGN_ERROR;
        target->second = first->second.united(second->second);
        break;
    }
    default:
        return RGN_ERROR;
    }
    return kindOf(target->second);
}

bool QtRegionApi::DeleteObject(RegionHandle region) {
    return regions_.erase(region) == 1;
}

QRegion QtRegionApi::takeRegion(RegionHandle region) {
    const auto it = regions_.find(region);
    if (it == regions_.end()) return {};
    QRegion taken = std::move(it->second);
    regions_.erase(it);
    return taken;
}

QRegion QtRegionApi::region(RegionHandle region) const {
    const auto it = regions_.find(region);
    return it == regions_.end() ? QRegion() : it->second;
}

}  // namespace platform
