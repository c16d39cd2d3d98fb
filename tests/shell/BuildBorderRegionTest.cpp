// The outline builder against a region API that records every call.
#include "shell/BuildBorderRegion.h"

#include "RegionTestDoubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

using shell::BuildBorderRegion;
using shell::RegionBuildError;
using shelltest::FakeShapeSet;
using shelltest::RecordingRegions;
using shelltest::ShapeValues;
using Calls = std::vector<std::string>;

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

platform::TwipsPerPixel At(float twipsPerPixel) { return {twipsPerPixel, twipsPerPixel}; }

// The exit window's member: a rounded rectangle starting above the window.
constexpr ShapeValues kExitMember{4, 0, -10, 3975, 3135};

TEST(BuildBorderRegion, OneMemberMakesTheFullCallSequence) {
    FakeShapeSet set(1, {kExitMember});
    RecordingRegions regions;

    const platform::RegionHandle outline = BuildBorderRegion(set, At(15), regions, 0, 0);

    EXPECT_EQ(regions.calls, (Calls{
        "CreateRectRgn(0,0,0,0) -> 1",                    // accumulator
        "CreateRectRgn(0,0,0,0) -> 2",                    // scratch
        "CreateRoundRectRgn(0,-1,265,208,28,28) -> 3",    // the piece
        "CombineRgn(2,1,1,RGN_COPY)",
        "CombineRgn(1,2,3,RGN_OR)",
        "DeleteObject(3)",
        "DeleteObject(2)",
    }));
    EXPECT_EQ(outline, 1u);
    EXPECT_EQ(regions.live, (std::set<platform::RegionHandle>{1}));
    EXPECT_EQ(regions.misuses, 0);
}

TEST(BuildBorderRegion, EveryMemberIsAddedInIndexOrder) {
    FakeShapeSet set(-1, {{0, 0, 0, 1500, 1500}, {2, 1500, 0, 1500, 750}});
    RecordingRegions regions;

    const platform::RegionHandle outline = BuildBorderRegion(set, At(15), regions, 0, 0);

    EXPECT_EQ(regions.calls, (Calls{
        "CreateRectRgn(0,0,0,0) -> 1",
        "CreateRectRgn(0,0,0,0) -> 2",
        "CreateRectRgn(0,0,100,100) -> 3",
        "CombineRgn(2,1,1,RGN_COPY)",
        "CombineRgn(1,2,3,RGN_OR)",
        "DeleteObject(3)",
        "CreateEllipticRgn(100,0,200,50) -> 4",
        "CombineRgn(2,1,1,RGN_COPY)",
        "CombineRgn(1,2,4,RGN_OR)",
        "DeleteObject(4)",
        "DeleteObject(2)",
    }));
    EXPECT_EQ(outline, 1u);
    EXPECT_EQ(regions.live.size(), 1u);
    EXPECT_EQ(regions.misuses, 0);
}

TEST(BuildBorderRegion, SetWithLowestIndexAboveHighestGivesTheEmptyRegion) {
    for (auto [lbound, ubound] : {std::pair<std::int16_t, std::int16_t>{1, 0}, {32767, -32768}}) {
        FakeShapeSet set(lbound, ubound);
        RecordingRegions regions;

        const platform::RegionHandle outline = BuildBorderRegion(set, At(15), regions, 0, 0);

        EXPECT_EQ(regions.calls, (Calls{"CreateRectRgn(0,0,0,0) -> 1", "CreateRectRgn(0,0,0,0) -> 2",
                                        "DeleteObject(2)"}));
        EXPECT_EQ(outline, 1u);
        EXPECT_EQ(regions.live.size(), 1u);
    }
}

// ---- the piece each member makes --------------------------------------------

struct PieceCase {
    const char* name;
    ShapeValues member;
    platform::TwipsPerPixel screen;
    std::int16_t xOffset, yOffset;
    const char* piece;  // the piece's creation call
};

void PrintTo(const PieceCase& c, std::ostream* os) { *os << c.name; }

class MemberPiece : public testing::TestWithParam<PieceCase> {};

TEST_P(MemberPiece, IsCreatedWithItsPixelBox) {
    const PieceCase& c = GetParam();
    FakeShapeSet set(0, {c.member});
    RecordingRegions regions;

    BuildBorderRegion(set, c.screen, regions, c.xOffset, c.yOffset);

    ASSERT_GE(regions.calls.size(), 3u);
    EXPECT_EQ(regions.calls[2], std::string(c.piece) + " -> 3");
}

INSTANTIATE_TEST_SUITE_P(Windows, MemberPiece, testing::Values(
    // -10 / 15 is about -0.67: the top goes to -1.
    PieceCase{"Exit", kExitMember, At(15), 0, 0, "CreateRoundRectRgn(0,-1,265,208,28,28)"},
    PieceCase{"MagnifierAt15", {4, 0, 30, 4635, 4200}, At(15), 0, 0, "CreateRoundRectRgn(0,2,309,282,28,28)"},
    // 30 / 12 = 2.5 -> 2 and 4230 / 12 = 352.5 -> 352; the corner stays 28 x 28 pixels.
    PieceCase{"MagnifierAt12", {4, 0, 30, 4635, 4200}, At(12), 0, 0, "CreateRoundRectRgn(0,2,386,352,28,28)"},
    PieceCase{"Main", {4, 0, 0, 8355, 7935}, At(15), 0, 0, "CreateRoundRectRgn(0,0,557,529,28,28)"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Rules, MemberPiece, testing::Values(
    // Wider than high: d = 999 / 2 = 499.5 -> 500, the square is centred across.
    PieceCase{"SquareWide", {1, 0, 0, 3000, 2001}, At(15), 0, 0, "CreateRectRgn(33,0,167,133)"},
    PieceCase{"SquareTall", {1, 0, 0, 2001, 3000}, At(15), 0, 0, "CreateRectRgn(0,33,133,167)"},
    // d = 997 / 2 = 498.5 goes down to the even 498, d = 999 / 2 = 499.5 up to 500.
    PieceCase{"SquareHalfDownToEven", {1, 0, 0, 1997, 1000}, At(1), 0, 0, "CreateRectRgn(498,0,1499,1000)"},
    PieceCase{"SquareHalfUpToEven", {1, 0, 0, 1999, 1000}, At(1), 0, 0, "CreateRectRgn(500,0,1499,1000)"},
    // d = 750: left 150 + 750, right (150 - 750) + 3000.
    PieceCase{"SquareAwayFromOrigin", {1, 150, 300, 3000, 1500}, At(15), 0, 0, "CreateRectRgn(60,20,160,120)"},
    // d = 65534 / 2 = 32767 is the largest that fits.
    PieceCase{"SquareLargestHalfDifference", {1, 0, 0, 65534, 0}, At(1), 0, 0, "CreateRectRgn(32767,0,32767,0)"},
    PieceCase{"SquareOfEqualSidesIsTheRectangle", {1, 15, 30, 1500, 1500}, At(15), 0, 0, "CreateRectRgn(1,2,101,102)"},
    PieceCase{"Rectangle", {0, 15, 30, 1500, 1500}, At(15), 0, 0, "CreateRectRgn(1,2,101,102)"},
    PieceCase{"CircleOfEqualSidesIsTheOval", {3, 15, 30, 1500, 1500}, At(15), 0, 0, "CreateEllipticRgn(1,2,101,102)"},
    PieceCase{"Oval", {2, 15, 30, 1500, 1500}, At(15), 0, 0, "CreateEllipticRgn(1,2,101,102)"},
    PieceCase{"Offsets", {0, 0, 0, 1500, 1500}, At(15), 3, -2, "CreateRectRgn(3,-2,103,98)"},
    // 8 / 15 -> 1 and 1508 / 15 -> 101 would give a right edge of 102; the
    // edge 1516 is formed first and divided once.
    PieceCase{"EdgeFormedInTwipsFirst", {0, 8, 8, 1508, 1508}, At(15), 0, 0, "CreateRectRgn(1,1,101,101)"},
    // 22.5 / 15 + 1 = 2.5 -> 2 (rounding first would give 3); 37.5 / 15 + 1 = 3.5 -> 4.
    PieceCase{"OffsetAddedBeforeRounding", {0, 22.5f, 22.5f, 15, 15}, At(15), 1, 1, "CreateRectRgn(2,2,4,4)"},
    PieceCase{"XAndYFactors", {0, 0, 0, 1500, 1500}, {15, 12}, 0, 0, "CreateRectRgn(0,0,100,125)"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- kinds ------------------------------------------------------------------

struct KindCase {
    std::int16_t kind;
    const char* piece;       // for the member (0, 0, 3000, 2001) at 15 twips per pixel
    std::int16_t kindAfter;  // the member's Shape after the build
};

void PrintTo(const KindCase& c, std::ostream* os) { *os << "kind " << c.kind; }

class MemberKind : public testing::TestWithParam<KindCase> {};

TEST_P(MemberKind, ChoosesTheBoxAndTheCall) {
    const KindCase& c = GetParam();
    FakeShapeSet set(0, {{c.kind, 0, 0, 3000, 2001}});
    RecordingRegions regions;

    BuildBorderRegion(set, At(15), regions, 0, 0);

    ASSERT_GE(regions.calls.size(), 3u);
    EXPECT_EQ(regions.calls[2], std::string(c.piece) + " -> 3");
    const auto& log = set.at(0).log();
    EXPECT_EQ(set.at(0).kind(), c.kindAfter);
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "Shape");
    if (c.kind == 2 || c.kind < 0 || c.kind > 5) {
        EXPECT_EQ(log[1], "setShape(2)") << "an unknown kind becomes an oval before anything else";
    } else {
        EXPECT_EQ(std::count(log.begin(), log.end(), "setShape(2)"), 0);
    }
    if (c.kind == 1 || c.kind == 3 || c.kind == 5) {
        EXPECT_EQ(log[1], "Width");  // compared first
        EXPECT_EQ(log[2], "Height");
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, MemberKind, testing::Values(
    KindCase{0, "CreateRectRgn(0,0,200,133)", 0},
    KindCase{1, "CreateRectRgn(33,0,167,133)", 1},
    KindCase{2, "CreateEllipticRgn(0,0,200,133)", 2},
    KindCase{3, "CreateEllipticRgn(33,0,167,133)", 3},
    KindCase{4, "CreateRoundRectRgn(0,0,200,133,28,28)", 4},
    KindCase{5, "CreateRoundRectRgn(33,0,167,133,28,28)", 5},
    KindCase{6, "CreateEllipticRgn(0,0,200,133)", 2},
    KindCase{-1, "CreateEllipticRgn(0,0,200,133)", 2},
    KindCase{32767, "CreateEllipticRgn(0,0,200,133)", 2},
    KindCase{-32768, "CreateEllipticRgn(0,0,200,133)", 2}),
    [](const auto& info) {
        const int k = info.param.kind;
        return (k < 0 ? "Minus" + std::to_string(-k) : std::to_string(k));
    });

// ---- failures ---------------------------------------------------------------

struct FailureCase {
    const char* name;
    std::function<std::unique_ptr<FakeShapeSet>()> set;
    platform::TwipsPerPixel screen;
    int failCreation;     // 0: every region can be created
    const char* message;  // part of the error's text
};

std::unique_ptr<FakeShapeSet> One(ShapeValues v) {
    return std::make_unique<FakeShapeSet>(0, std::initializer_list<ShapeValues>{v});
}

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class BuildFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(BuildFailure, ThrowsAndReleasesEveryRegion) {
    const FailureCase& c = GetParam();
    auto set = c.set();
    RecordingRegions regions;
    regions.failCreation = c.failCreation;

    try {
        BuildBorderRegion(*set, c.screen, regions, 0, 0);
        FAIL() << "the build should have failed";
    } catch (const RegionBuildError& e) {
        EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
    EXPECT_TRUE(regions.live.empty()) << regions.live.size() << " region(s) left alive";
    EXPECT_EQ(regions.misuses, 0);
}

INSTANTIATE_TEST_SUITE_P(Failures, BuildFailure, testing::Values(
    FailureCase{"MissingMember",
                [] {
                    auto s = std::make_unique<FakeShapeSet>(0, std::initializer_list<ShapeValues>{
                        {0, 0, 0, 150, 150}, {0, 0, 0, 150, 150}, {0, 0, 0, 150, 150}});
                    s->remove(1);
                    return s;
                },
                At(15), 0, "shpborder(1): no member"},
    FailureCase{"ZeroTwipsPerPixelX", [] { return One(kExitMember); }, {0, 15}, 0, "left edge"},
    FailureCase{"ZeroTwipsPerPixelY", [] { return One(kExitMember); }, {15, 0}, 0, "top edge"},
    FailureCase{"NaNTwipsPerPixel", [] { return One(kExitMember); }, At(kNaN), 0, "not a finite"},
    FailureCase{"InfiniteLeft", [] { return One({4, kInf, 0, 150, 150}); }, At(15), 0, "not a finite"},
    FailureCase{"NaNHeight", [] { return One({0, 0, 0, 150, kNaN}); }, At(15), 0, "bottom edge"},
    FailureCase{"RightBeyond32Bits", [] { return One({0, 0, 0, 3e9f, 150}); }, At(1), 0, "right edge"},
    FailureCase{"TopBelow32Bits", [] { return One({0, 0, -3e9f, 150, 150}); }, At(1), 0, "outside the 32-bit"},
    // 65535 / 2 = 32767.5 -> 32768, one past the 16-bit range.
    FailureCase{"HalfDifferenceWide", [] { return One({1, 0, 0, 65535, 0}); }, At(15), 0, "half-difference"},
    FailureCase{"HalfDifferenceTall", [] { return One({3, 0, 0, 0, 100000}); }, At(15), 0, "half-difference"},
    FailureCase{"HalfDifferenceNaN", [] { return One({5, 0, 0, kNaN, 150}); }, At(15), 0, "half-difference"},
    FailureCase{"MemberAtIndex32767",
                [] { return std::make_unique<FakeShapeSet>(32767, std::initializer_list<ShapeValues>{kExitMember}); },
                At(15), 0, "32767"},
    FailureCase{"SetEndingAt32767",
                [] {
                    return std::make_unique<FakeShapeSet>(32765, std::initializer_list<ShapeValues>{
                        kExitMember, kExitMember, kExitMember});
                },
                At(15), 0, "32767"},
    FailureCase{"PropertyCannotBeRead",
                [] {
                    auto s = One(kExitMember);
                    s->at(0).failing = "Width";
                    return s;
                },
                At(15), 0, "shpborder(0): Width cannot be read"},
    FailureCase{"AccumulatorNotCreated", [] { return One(kExitMember); }, At(15), 1, "could not create"},
    FailureCase{"ScratchNotCreated", [] { return One(kExitMember); }, At(15), 2, "could not create"},
    FailureCase{"PieceNotCreated", [] { return One(kExitMember); }, At(15), 3, "CreateRoundRectRgn could not"},
    FailureCase{"SecondPieceNotCreated",
                [] {
                    return std::make_unique<FakeShapeSet>(0, std::initializer_list<ShapeValues>{
                        kExitMember, {2, 0, 0, 150, 150}});
                },
                At(15), 4, "shpborder(1): CreateEllipticRgn could not"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildBorderRegion, SetEndingJustBelow32767Builds) {
    FakeShapeSet set(32765, {kExitMember, kExitMember});
    RecordingRegions regions;
    EXPECT_NO_THROW(BuildBorderRegion(set, At(15), regions, 0, 0));
    EXPECT_EQ(regions.live.size(), 1u);
}

TEST(BuildBorderRegion, MemberAt32767IsBuiltBeforeTheCounterOverflows) {
    FakeShapeSet set(32767, {kExitMember});
    RecordingRegions regions;
    EXPECT_THROW(BuildBorderRegion(set, At(15), regions, 0, 0), RegionBuildError);
    // The member's piece was made and added before the counter stepped on.
    ASSERT_GE(regions.calls.size(), 6u);
    EXPECT_EQ(regions.calls[2], "CreateRoundRectRgn(0,-1,265,208,28,28) -> 3");
    EXPECT_EQ(regions.calls[5], "DeleteObject(3)");
}

}  // namespace
