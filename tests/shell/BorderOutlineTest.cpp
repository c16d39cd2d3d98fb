// Whole outlines: the builder on the real regions.
#include "platform/QtRegions.h"
#include "shell/BuildBorderRegion.h"

#include "RegionTestDoubles.h"

#include <QRect>
#include <QRegion>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using platform::QtRegionApi;
using shell::BuildBorderRegion;
using shelltest::FakeShapeSet;
using shelltest::ShapeValues;

namespace {

struct OutlineCase {
    const char* name;
    ShapeValues member;
    float twipsPerPixel;
    QRect bounds;  // QRect(left, top, width, height)
};

void PrintTo(const OutlineCase& c, std::ostream* os) { *os << c.name; }

class WindowOutline : public testing::TestWithParam<OutlineCase> {};

TEST_P(WindowOutline, IsTheRoundedBoxOfItsMember) {
    const OutlineCase& c = GetParam();
    FakeShapeSet set(0, {c.member});
    QtRegionApi api;

    const QRegion outline =
        api.takeRegion(BuildBorderRegion(set, {c.twipsPerPixel, c.twipsPerPixel}, api, 0, 0));

    EXPECT_EQ(api.liveRegions(), 0u) << "only the outline survives the build";
    EXPECT_EQ(outline.boundingRect(), c.bounds);
    const QRect& b = c.bounds;
    for (QPoint corner : {b.topLeft(), b.topRight(), b.bottomLeft(), b.bottomRight()})
        EXPECT_FALSE(outline.contains(corner)) << "corner " << corner.x() << "," << corner.y();
    for (QPoint side : {QPoint(b.center().x(), b.top()), QPoint(b.center().x(), b.bottom()),
                        QPoint(b.left(), b.center().y()), QPoint(b.right(), b.center().y()), b.center()})
        EXPECT_TRUE(outline.contains(side)) << "side " << side.x() << "," << side.y();
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowOutline, testing::Values(
    OutlineCase{"Exit", {4, 0, -10, 3975, 3135}, 15, QRect(QPoint(0, -1), QPoint(264, 207))},
    OutlineCase{"MagnifierAt15", {4, 0, 30, 4635, 4200}, 15, QRect(QPoint(0, 2), QPoint(308, 281))},
    OutlineCase{"MagnifierAt12", {4, 0, 30, 4635, 4200}, 12, QRect(QPoint(0, 2), QPoint(385, 351))},
    OutlineCase{"Main", {4, 0, 0, 8355, 7935}, 15, QRect(0, 0, 557, 529)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BorderOutline, OverlappingMembersUniteInAnyOrder) {
    const ShapeValues rectangle{0, 0, 0, 1500, 750};    // (0, 0, 100, 50)
    const ShapeValues circle{3, 750, 0, 3000, 1500};    // centred square (100, 0, 200, 100)
    const ShapeValues rounded{4, 600, 300, 1200, 1200};  // (40, 20, 120, 100)
    QtRegionApi api;
    const platform::TwipsPerPixel screen{15, 15};

    auto build = [&](std::initializer_list<ShapeValues> members) {
        FakeShapeSet set(0, members);
        return api.takeRegion(BuildBorderRegion(set, screen, api, 0, 0));
    };
    const QRegion forwards = build({rectangle, circle, rounded});
    const QRegion backwards = build({rounded, circle, rectangle});
    const QRegion united = build({rectangle}) + build({circle}) + build({rounded});

    EXPECT_EQ(forwards, backwards);
    EXPECT_EQ(forwards, united);
    EXPECT_EQ(forwards.boundingRect(), QRect(0, 0, 200, 100));
    EXPECT_EQ(api.liveRegions(), 0u);
}

TEST(BorderOutline, EmptySetGivesAnEmptyOutline) {
    FakeShapeSet set(0, -1);
    QtRegionApi api;
    EXPECT_TRUE(api.takeRegion(BuildBorderRegion(set, {15, 15}, api, 0, 0)).isEmpty());
    EXPECT_EQ(api.liveRegions(), 0u);
}

TEST(BorderOutline, FailedBuildLeavesNoRegion) {
    FakeShapeSet set(0, {{4, 0, 0, 8355, 7935}, {4, 0, 0, 1e12f, 10}});
    QtRegionApi api;
    EXPECT_THROW(BuildBorderRegion(set, {15, 15}, api, 0, 0), shell::RegionBuildError);
    EXPECT_EQ(api.liveRegions(), 0u);
}

}  // namespace
