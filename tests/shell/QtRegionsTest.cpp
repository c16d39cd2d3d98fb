// The region calls on QRegion: boxes, curves, combining and ownership.
#include "platform/QtRegions.h"

#include <QRect>
#include <QRegion>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

using platform::QtRegionApi;
using platform::RegionHandle;

namespace {

// Pixels of a region, counted row by row (the rectangles never overlap).
long long Area(const QRegion& region) {
    long long area = 0;
    for (const QRect& r : region) area += static_cast<long long>(r.width()) * r.height();
    return area;
}

QRegion MirroredAcross(const QRegion& region, const QRect& box) {
    QRegion mirrored;
    for (const QRect& r : region)
        mirrored += QRect(box.left() + box.right() - r.right(), r.top(), r.width(), r.height());
    return mirrored;
}

QRegion MirroredDown(const QRegion& region, const QRect& box) {
    QRegion mirrored;
    for (const QRect& r : region)
        mirrored += QRect(r.left(), box.top() + box.bottom() - r.bottom(), r.width(), r.height());
    return mirrored;
}

// The same region rebuilt by plain unions, which QRegion keeps in its own
// banded form.
QRegion Rebuilt(const QRegion& region) {
    QRegion rebuilt;
    for (const QRect& r : region) rebuilt += r;
    return rebuilt;
}

TEST(QtRegionApi, RectangleLeavesOutItsRightAndBottomEdges) {
    QtRegionApi api;
    const QRegion r = api.region(api.CreateRectRgn(0, 0, 10, 10));
    EXPECT_EQ(r.boundingRect(), QRect(0, 0, 10, 10));
    EXPECT_EQ(r.rectCount(), 1);
    EXPECT_TRUE(r.contains(QPoint(9, 9)));
    EXPECT_FALSE(r.contains(QPoint(10, 9)));
    EXPECT_FALSE(r.contains(QPoint(9, 10)));
}

struct BoxCall {
    const char* name;
    RegionHandle (*create)(QtRegionApi&, int, int, int, int);
};

const BoxCall kBoxCalls[] = {
    {"Rect", [](QtRegionApi& a, int x1, int y1, int x2, int y2) { return a.CreateRectRgn(x1, y1, x2, y2); }},
    {"Elliptic", [](QtRegionApi& a, int x1, int y1, int x2, int y2) { return a.CreateEllipticRgn(x1, y1, x2, y2); }},
    {"RoundRect",
     [](QtRegionApi& a, int x1, int y1, int x2, int y2) { return a.CreateRoundRectRgn(x1, y1, x2, y2, 28, 28); }},
};

void PrintTo(const BoxCall& c, std::ostream* os) { *os << c.name; }

class EveryBoxCall : public testing::TestWithParam<BoxCall> {};

TEST_P(EveryBoxCall, BoxWithoutWidthOrHeightIsEmpty) {
    QtRegionApi api;
    for (QRect box : {QRect(QPoint(0, 0), QPoint(0, 0)), QRect(QPoint(5, 5), QPoint(5, 40)),
                      QRect(QPoint(5, 5), QPoint(40, 5)), QRect(QPoint(-3, 7), QPoint(-3, 7))}) {
        const RegionHandle h = GetParam().create(api, box.left(), box.top(), box.right(), box.bottom());
        EXPECT_NE(h, 0u);
        EXPECT_TRUE(api.region(h).isEmpty()) << box.left() << "," << box.top() << "," << box.right() << "," << box.bottom();
    }
}

TEST_P(EveryBoxCall, SwappedCornersAreTakenInOrder) {
    QtRegionApi api;
    const QRegion ordered = api.region(GetParam().create(api, -20, 10, 80, 70));
    EXPECT_EQ(api.region(GetParam().create(api, 80, 70, -20, 10)), ordered);
    EXPECT_EQ(api.region(GetParam().create(api, 80, 10, -20, 70)), ordered);
    EXPECT_EQ(api.region(GetParam().create(api, -20, 70, 80, 10)), ordered);
    EXPECT_EQ(ordered.boundingRect(), QRect(-20, 10, 100, 60));
}

TEST_P(EveryBoxCall, ExtremeCoordinatesAreClampedNotOverflowed) {
    QtRegionApi api;
    const int limit = QtRegionApi::kCoordinateLimit;
    const QRegion whole = api.region(GetParam().create(api, INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(whole.boundingRect(), QRect(QPoint(-limit, -limit), QPoint(limit - 1, limit - 1)));
    EXPECT_TRUE(api.region(GetParam().create(api, INT_MAX, INT_MAX, INT_MAX, INT_MAX)).isEmpty());
    EXPECT_TRUE(api.region(GetParam().create(api, INT_MIN, 0, INT_MIN + 5, 10)).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Calls, EveryBoxCall, testing::ValuesIn(kBoxCalls),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- curved regions ---------------------------------------------------------

struct CurveCase {
    const char* name;
    QRect box;
    int cornerW, cornerH;  // 0, 0: CreateEllipticRgn
    // Whether every pixel follows its centre: in when the centre lies inside
    // the rounded outline, out when outside. Very thin shapes keep extra
    // pixels so that they still reach every side of their box.
    bool followsCentres;
};

void PrintTo(const CurveCase& c, std::ostream* os) { *os << c.name; }

class CurvedRegion : public testing::TestWithParam<CurveCase> {
protected:
    QRegion Make(QtRegionApi& api) const {
        const CurveCase& c = GetParam();
        const QRect& b = c.box;
        const int x2 = b.left() + b.width(), y2 = b.top() + b.height();
        return api.region(c.cornerW == 0 ? api.CreateEllipticRgn(b.left(), b.top(), x2, y2)
                                         : api.CreateRoundRectRgn(b.left(), b.top(), x2, y2, c.cornerW, c.cornerH));
    }
};

TEST_P(CurvedRegion, FillsItsBoxExactlyAndSymmetrically) {
    QtRegionApi api;
    const QRegion r = Make(api);
    const QRect& box = GetParam().box;

    EXPECT_EQ(r.boundingRect(), box);
    EXPECT_EQ(MirroredAcross(r, box), r);
    EXPECT_EQ(MirroredDown(r, box), r);
    EXPECT_EQ(Rebuilt(r), r) << "the rectangles are not in QRegion's banded form";
    // One run of pixels per row, widening towards the middle row.
    int previousWidth = 0;
    for (int y = box.top(); y <= box.top() + (box.height() - 1) / 2; ++y) {
        const QRegion row = r.intersected(QRect(box.left(), y, box.width(), 1));
        ASSERT_EQ(row.rectCount(), 1) << "row " << y;
        EXPECT_GE(row.boundingRect().width(), previousWidth) << "row " << y;
        previousWidth = row.boundingRect().width();
    }
}

// The shapes whose pixels all follow their centres.
class CentreSampledRegion : public CurvedRegion {};

TEST_P(CentreSampledRegion, TakesThePixelsWhoseCentresAreInside) {
    const CurveCase& c = GetParam();
    QtRegionApi api;
    const QRegion r = Make(api);
    const QRect& box = c.box;
    const double a = std::min<double>(c.cornerW == 0 ? box.width() : c.cornerW, box.width()) / 2.0;
    const double b = std::min<double>(c.cornerH == 0 ? box.height() : c.cornerH, box.height()) / 2.0;
    const double x1 = box.left(), y1 = box.top();
    const double x2 = x1 + box.width(), y2 = y1 + box.height();

    int checked = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            // Distance from the nearest corner ellipse's centre, 1 on its outline.
            const double dx = (cx - std::clamp(cx, x1 + a, x2 - a)) / a;
            const double dy = (cy - std::clamp(cy, y1 + b, y2 - b)) / b;
            const double v = dx * dx + dy * dy;
            if (std::abs(v - 1.0) < 1e-9) continue;  // on the outline itself
            EXPECT_EQ(r.contains(QPoint(x, y)), v < 1.0) << "pixel " << x << "," << y;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

const std::vector<CurveCase> kCurves = {
    CurveCase{"Circle28", QRect(0, 0, 28, 28), 0, 0, true},
    CurveCase{"Circle29", QRect(0, 0, 29, 29), 0, 0, true},
    CurveCase{"EllipseOddSizesOffOrigin", QRect(-50, -20, 201, 81), 0, 0, true},
    CurveCase{"EllipseTall", QRect(10, 10, 40, 300), 0, 0, true},
    CurveCase{"Ellipse4x4", QRect(0, 0, 4, 4), 0, 0, true},
    CurveCase{"Ellipse1x1", QRect(3, 3, 1, 1), 0, 0, true},
    CurveCase{"Ellipse2x2", QRect(0, 0, 2, 2), 0, 0, true},
    CurveCase{"EllipseFlat2", QRect(0, 0, 100, 2), 0, 0, false},
    CurveCase{"EllipseFlat3", QRect(0, 0, 100, 3), 0, 0, true},
    CurveCase{"EllipseThin3", QRect(0, 0, 3, 100), 0, 0, true},
    CurveCase{"EllipseThin2", QRect(0, 0, 2, 100), 0, 0, false},
    CurveCase{"MainWindow", QRect(0, 0, 557, 529), 28, 28, true},
    CurveCase{"ExitWindow", QRect(0, -1, 265, 209), 28, 28, true},
    CurveCase{"WideCorners", QRect(0, 0, 200, 100), 60, 20, true},
    CurveCase{"CornerBiggerThanBox", QRect(5, 5, 10, 12), 28, 28, true},
    CurveCase{"CornerOfTheBoxHeight", QRect(0, 0, 300, 28), 28, 28, true},
    CurveCase{"FlatBoxBigCorner", QRect(0, 0, 300, 3), 28, 28, true}};

std::vector<CurveCase> CentreSampled() {
    std::vector<CurveCase> cases;
    std::copy_if(kCurves.begin(), kCurves.end(), std::back_inserter(cases),
                 [](const CurveCase& c) { return c.followsCentres; });
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Shapes, CurvedRegion, testing::ValuesIn(kCurves),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Shapes, CentreSampledRegion, testing::ValuesIn(CentreSampled()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QtRegionApi, RoundedCornersCutTheBoxCorners) {
    QtRegionApi api;
    const QRegion r = api.region(api.CreateRoundRectRgn(0, 0, 100, 60, 28, 28));
    for (QPoint corner : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 59), QPoint(99, 59), QPoint(2, 3), QPoint(96, 57)})
        EXPECT_FALSE(r.contains(corner)) << corner.x() << "," << corner.y();
    // The straight sides begin where the corner ellipse meets them.
    for (QPoint side : {QPoint(14, 0), QPoint(85, 0), QPoint(0, 14), QPoint(0, 45), QPoint(99, 30), QPoint(50, 59),
                        QPoint(4, 4)})
        EXPECT_TRUE(r.contains(side)) << side.x() << "," << side.y();
}

TEST(QtRegionApi, RoundRectCornerSizes) {
    QtRegionApi api;
    const QRegion rect = api.region(api.CreateRectRgn(0, 0, 80, 50));
    const QRegion ellipse = api.region(api.CreateEllipticRgn(0, 0, 80, 50));
    // Corners of less than 2 pixels cut nothing.
    EXPECT_EQ(api.region(api.CreateRoundRectRgn(0, 0, 80, 50, 0, 0)), rect);
    EXPECT_EQ(api.region(api.CreateRoundRectRgn(0, 0, 80, 50, 1, 40)), rect);
    EXPECT_EQ(api.region(api.CreateRoundRectRgn(0, 0, 80, 50, 40, 1)), rect);
    // A corner ellipse as large as the box or larger makes the inscribed ellipse.
    EXPECT_EQ(api.region(api.CreateRoundRectRgn(0, 0, 80, 50, 80, 50)), ellipse);
    EXPECT_EQ(api.region(api.CreateRoundRectRgn(0, 0, 80, 50, 1000, INT_MAX)), ellipse);
    // Only the size of the corner ellipse counts, not its sign.
    EXPECT_EQ(api.region(api.CreateRoundRectRgn(0, 0, 80, 50, -28, -28)),
              api.region(api.CreateRoundRectRgn(0, 0, 80, 50, 28, 28)));
    EXPECT_EQ(api.region(api.CreateRoundRectRgn(0, 0, 80, 50, INT_MIN, INT_MIN)), ellipse);
}

TEST(QtRegionApi, EllipseAreaIsCloseToTheTrueArea) {
    QtRegionApi api;
    for (QSize size : {QSize(28, 28), QSize(265, 209), QSize(1000, 10), QSize(10, 1000)}) {
        const QRegion r = api.region(api.CreateEllipticRgn(0, 0, size.width(), size.height()));
        const double exact = std::numbers::pi * size.width() * size.height() / 4.0;
        EXPECT_NEAR(static_cast<double>(Area(r)), exact, exact * 0.03) << size.width() << "x" << size.height();
    }
}

// ---- combining, releasing, handing over ------------------------------------

TEST(QtRegionApi, CombineCopiesAndUnites) {
    QtRegionApi api;
    const RegionHandle dst = api.CreateRectRgn(0, 0, 0, 0);
    const RegionHandle a = api.CreateRectRgn(0, 0, 10, 10);
    const RegionHandle b = api.CreateRectRgn(5, 5, 20, 20);
    const RegionHandle empty = api.CreateRectRgn(0, 0, 0, 0);

    EXPECT_EQ(api.CombineRgn(dst, a, 0, platform::RGN_COPY), platform::SIMPLEREGION);  // source2 unused
    EXPECT_EQ(api.region(dst), QRegion(0, 0, 10, 10));
    EXPECT_EQ(api.CombineRgn(dst, dst, b, platform::RGN_OR), platform::COMPLEXREGION);
    EXPECT_EQ(api.region(dst), QRegion(0, 0, 10, 10).united(QRegion(5, 5, 15, 15)));
    EXPECT_EQ(api.CombineRgn(dst, empty, empty, platform::RGN_COPY), platform::NULLREGION);
    EXPECT_TRUE(api.region(dst).isEmpty());
    EXPECT_EQ(api.CombineRgn(dst, empty, a, platform::RGN_OR), platform::SIMPLEREGION);
    // The sources are left as they were.
    EXPECT_EQ(api.region(a), QRegion(0, 0, 10, 10));
    EXPECT_EQ(api.region(b), QRegion(5, 5, 15, 15));
}

TEST(QtRegionApi, CombineWithAnUnknownHandleOrModeChangesNothing) {
    QtRegionApi api;
    const RegionHandle dst = api.CreateRectRgn(0, 0, 3, 3);
    const RegionHandle src = api.CreateRectRgn(0, 0, 10, 10);
    const RegionHandle gone = api.CreateRectRgn(0, 0, 50, 50);
    api.DeleteObject(gone);

    struct Call { RegionHandle dst, src1, src2; int mode; };
    for (Call c : {Call{0, src, src, platform::RGN_COPY}, Call{gone, src, src, platform::RGN_COPY},
                   Call{dst, 0, src, platform::RGN_COPY}, Call{dst, 999, src, platform::RGN_OR},
                   Call{dst, src, gone, platform::RGN_OR}, Call{dst, src, 0, platform::RGN_OR},
                   Call{dst, src, src, 0}, Call{dst, src, src, 1}, Call{dst, src, src, 4}, Call{dst, src, src, -7}}) {
        EXPECT_EQ(api.CombineRgn(c.dst, c.src1, c.src2, c.mode), platform::RGN_ERROR)
            << c.dst << "," << c.src1 << "," << c.src2 << "," << c.mode;
    }
    EXPECT_EQ(api.region(dst), QRegion(0, 0, 3, 3));
    EXPECT_EQ(api.liveRegions(), 2u);
}

TEST(QtRegionApi, DeleteReleasesEachRegionOnce) {
    QtRegionApi api;
    const RegionHandle a = api.CreateEllipticRgn(0, 0, 10, 10);
    const RegionHandle b = api.CreateRectRgn(0, 0, 10, 10);
    EXPECT_NE(a, b);
    EXPECT_EQ(api.liveRegions(), 2u);
    EXPECT_TRUE(api.DeleteObject(a));
    EXPECT_FALSE(api.DeleteObject(a));
    EXPECT_FALSE(api.DeleteObject(0));
    EXPECT_FALSE(api.DeleteObject(12345));
    EXPECT_EQ(api.liveRegions(), 1u);
    // A released handle is not given out again.
    const RegionHandle c = api.CreateRectRgn(0, 0, 1, 1);
    EXPECT_NE(c, a);
}

TEST(QtRegionApi, TakeHandsTheRegionOver) {
    QtRegionApi api;
    const RegionHandle h = api.CreateRoundRectRgn(0, 0, 100, 100, 28, 28);
    const QRegion expected = api.region(h);

    const QRegion taken = api.takeRegion(h);
    EXPECT_EQ(taken, expected);
    EXPECT_EQ(api.liveRegions(), 0u);
    EXPECT_TRUE(api.takeRegion(h).isEmpty());
    EXPECT_FALSE(api.DeleteObject(h));
    EXPECT_TRUE(api.takeRegion(0).isEmpty());
}

}  // namespace
