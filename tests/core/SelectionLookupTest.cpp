#include "core/SelectionLookup.h"
#include "core/WordTable.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace core;

class LookupOutsideTable : public testing::TestWithParam<std::int16_t> {};

TEST_P(LookupOutsideTable, GivesEmptyMeaningAndOrigin) {
    const Displays d = SelectionLookup(GetParam());
    EXPECT_TRUE(d.meaning.empty());
    EXPECT_TRUE(d.origin.empty());
}

INSTANTIATE_TEST_SUITE_P(Positions, LookupOutsideTable,
                         testing::Values(std::int16_t{-1}, std::int16_t{-2}, std::int16_t{-32768},
                                         std::int16_t{66}, std::int16_t{67}, std::int16_t{32767}));

TEST(SelectionLookup, EveryRowGivesItsOwnEntry) {
    for (std::int16_t p = 0; p <= 65; ++p) {
        const Displays d = SelectionLookup(p);
        EXPECT_EQ(d.meaning, Meaning(p)) << p;
        EXPECT_EQ(d.origin, Origin(p)) << p;
    }
}

TEST(SelectionLookup, FirstAndLastRows) {
    EXPECT_EQ(SelectionLookup(0).meaning, "A\x87K\xAC\x87k: webv cwik\xD6\x87g");
    EXPECT_EQ(SelectionLookup(0).origin, "Phv\xA9" "c` Gi e\xA8vKiY");
    EXPECT_EQ(SelectionLookup(65).meaning, "Rvg");
    EXPECT_EQ(SelectionLookup(65).origin, "c\xD6vfvAv \x86_\x87K");
}

TEST(SelectionLookup, RowsOneAndTwoShareTheirEntry) {
    EXPECT_EQ(SelectionLookup(1).meaning, SelectionLookup(2).meaning);
    EXPECT_EQ(SelectionLookup(1).origin, SelectionLookup(2).origin);
}
