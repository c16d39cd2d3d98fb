// Twips to pixels: the one rounding that control boxes and window outlines share.
#include "platform/Screen.h"

#include <QRect>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

struct ConversionCase {
    double twips;
    float twipsPerPixel;
    std::int16_t offset;
    std::int32_t pixel;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.twips << " twips at " << c.twipsPerPixel << " + " << c.offset;
}

class TwipsToPixel : public testing::TestWithParam<ConversionCase> {};

TEST_P(TwipsToPixel, RoundsHalvesToEvenAfterAddingTheOffset) {
    const ConversionCase& c = GetParam();
    EXPECT_EQ(platform::TwipsToPixel(c.twips, c.twipsPerPixel, c.offset), c.pixel);
}

INSTANTIATE_TEST_SUITE_P(Table, TwipsToPixel, testing::Values(
    ConversionCase{37.5, 15, 0, 2},     // 2.5
    ConversionCase{52.5, 15, 0, 4},     // 3.5
    ConversionCase{-7.5, 15, 0, 0},     // -0.5
    ConversionCase{-22.5, 15, 0, -2},   // -1.5
    ConversionCase{-37.5, 15, 0, -2},   // -2.5
    ConversionCase{-10, 15, 0, -1},     // -0.67
    ConversionCase{30, 12, 0, 2},       // 2.5
    ConversionCase{4230, 12, 0, 352},   // 352.5
    ConversionCase{4635, 12, 0, 386},   // 386.25
    ConversionCase{22.5, 15, 1, 2},     // 1.5 + 1 = 2.5; rounding first would give 3
    ConversionCase{7.5, 15, 1, 2},      // 0.5 + 1 = 1.5; rounding first would give 1
    ConversionCase{0, 15, -32768, -32768},
    ConversionCase{1500, 15, 32767, 32867},
    ConversionCase{1500, -15, 0, -100},
    ConversionCase{2147483647.0, 1, 0, 2147483647},
    ConversionCase{2147483648.0, 1, -1, 2147483647},  // back in range once the offset is added
    ConversionCase{-2147483648.5, 1, 0, -2147483648}  // halfway: to the even -2147483648
));

struct BadConversionCase {
    double twips;
    float twipsPerPixel;
    std::int16_t offset;
};

void PrintTo(const BadConversionCase& c, std::ostream* os) {
    *os << c.twips << " twips at " << c.twipsPerPixel << " + " << c.offset;
}

class TwipsToPixelFailure : public testing::TestWithParam<BadConversionCase> {};

TEST_P(TwipsToPixelFailure, Throws) {
    const BadConversionCase& c = GetParam();
    EXPECT_THROW(platform::TwipsToPixel(c.twips, c.twipsPerPixel, c.offset), platform::TwipsConversionError);
}

INSTANTIATE_TEST_SUITE_P(Table, TwipsToPixelFailure, testing::Values(
    BadConversionCase{150, 0, 0},
    BadConversionCase{0, 0, 0},
    BadConversionCase{150, -0.0f, 0},
    BadConversionCase{150, kNaN, 0},
    BadConversionCase{kInf, 15, 0},
    BadConversionCase{-kInf, 15, 0},
    BadConversionCase{kNaN, 15, 0},
    BadConversionCase{150, 1e-45f, 0},                   // far beyond 32 bits
    BadConversionCase{2147483647.5, 1, 0},               // rounds to 2147483648
    BadConversionCase{2147483647.0, 1, 1},               // the offset takes it out of range
    BadConversionCase{-2147483649.5, 1, 0}));

// ---- control boxes ----------------------------------------------------------

struct BoxCase {
    int left, top, width, height;
    float twipsPerPixel;
    QRect pixels;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << c.left << "," << c.top << " " << c.width << "x" << c.height << " twips at " << c.twipsPerPixel;
}

class TwipsBoxToPixels : public testing::TestWithParam<BoxCase> {};

TEST_P(TwipsBoxToPixels, RoundsEachEdgeOnItsOwn) {
    const BoxCase& c = GetParam();
    EXPECT_EQ(platform::TwipsBoxToPixels(c.left, c.top, c.width, c.height, {c.twipsPerPixel, c.twipsPerPixel}),
              c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Table, TwipsBoxToPixels, testing::Values(
    BoxCase{480, 2760, 4575, 2895, 15, QRect(32, 184, 305, 193)},  // the terms window's disclaimer box
    BoxCase{18, 6, 12, 12, 12, QRect(2, 0, 0, 2)},  // x 1.5..2.5 -> 2..2: no width, though 12 twips is 1 pixel
    BoxCase{30, 30, 4200, 4200, 12, QRect(2, 2, 350, 350)},       // edges 2.5 and 352.5: both to even
    BoxCase{0, 0, 0, 0, 15, QRect(0, 0, 0, 0)}));

TEST(TwipsBoxToPixelsFailure, ThrowsWhereThereIsNoPixelRectangle) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    EXPECT_THROW(platform::TwipsBoxToPixels(0, 0, 150, 150, {0, 15}), platform::TwipsConversionError);
    EXPECT_THROW(platform::TwipsBoxToPixels(0, 0, 150, 150, {15, kNaN}), platform::TwipsConversionError);
    // Edges at both ends of the 32-bit range: no int holds the width.
    EXPECT_THROW(platform::TwipsBoxToPixels(kMin / 2, 0, kMax, 10, {0.5f, 1}), platform::TwipsConversionError);
    // A right edge at the lowest pixel has no last pixel before it.
    EXPECT_THROW(platform::TwipsBoxToPixels(kMin, 0, 0, 10, {1, 1}), platform::TwipsConversionError);
}

}  // namespace
