#include "core/WordTable.h"

#include <gtest/gtest.h>

#include <ostream>

#include <set>
#include <stdexcept>
#include <string>

using namespace core;

TEST(WordTable, HoldsSixtySixDistinctHeadwords) {
    ASSERT_EQ(EntryCount(), 66u);
    std::set<std::string_view> seen;
    for (std::size_t p = 0; p < EntryCount(); ++p) seen.insert(Headword(p));
    EXPECT_EQ(seen.size(), 66u);
}

TEST(WordTable, OnlyTheFiveKnownHeadwordsEndInABlank) {
    std::set<std::size_t> withBlank;
    for (std::size_t p = 0; p < EntryCount(); ++p)
        if (Headword(p).ends_with(' ')) withBlank.insert(p);
    EXPECT_EQ(withBlank, (std::set<std::size_t>{45, 50, 51, 56, 57}));
    EXPECT_EQ(Headword(45), "Wvm ");
    EXPECT_EQ(Headword(57), "\x87" "fw\x9A\xCD ");
}

struct EntryCase {
    std::size_t position;
    std::string_view headword, meaning, origin;
};
inline void PrintTo(const EntryCase& c, std::ostream* out) { *out << "position " << c.position; }

class WordTableEntries : public testing::TestWithParam<EntryCase> {};

TEST_P(WordTableEntries, ReadsByteForByte) {
    const auto& c = GetParam();
    EXPECT_EQ(Headword(c.position), c.headword);
    EXPECT_EQ(Meaning(c.position), c.meaning);
    EXPECT_EQ(Origin(c.position), c.origin);
}

// The canonical origin has bytes 0x76 0xA9 in third and fourth place; the
// near-identical one of positions 35 and 41 has them swapped.
constexpr std::string_view kOrigin = "Phv\xA9" "c` Gi e\xA8vKiY";
constexpr std::string_view kOriginSwapped = "Ph\xA9vc` Gi e\xA8vKiY";

INSTANTIATE_TEST_SUITE_P(
    Positions, WordTableEntries,
    testing::Values(
        EntryCase{0, "AwK\x87j\x87mu", "A\x87K\xAC\x87k: webv cwik\xD6\x87g", kOrigin},
        EntryCase{1, "A\x94Qnyu", "AvwQ", kOrigin},
        EntryCase{2, "A\x94Q\xFB", "AvwQ", kOrigin},
        EntryCase{8, "Ki\xE6Yv bvex", "Ki\xE6" "bv \x86" "b\x8AKv", kOrigin},
        EntryCase{10, "\x87KWzAvj", "`vuo", kOrigin},
        EntryCase{35, "K\x85\xF2Ry\x87" "e\xA9\x87`", "e\xA8vKiY", kOriginSwapped},
        EntryCase{36, "AvbWz", "nq bvB", "ms\xAF\x8B\x85Z"},
        EntryCase{38, "my\xA4\xA7v", "\x87hvM",
                  "BUvwjqvb, Uzib\x87Mv nvwjZ Gi my\xA4\xA7v wW Gwi_wgwUKv \x86_\x87K"},
        EntryCase{39, "ci\x87" "cvm", "D\x87\xCFk\xA8", "d&\xAAv\x87\xDDi k\xE3, ga\xA8 hyM"},
        EntryCase{40, "Zb", "\x87`n", "ms\xAF\x8B\x85Z "},
        EntryCase{41, "KZ", "nvD", kOriginSwapped},
        EntryCase{52, "Awfavb", "wWK\x87kbvix", "ms\xAF\x8B\x85Z"},
        EntryCase{65, "Rb\xA5", "Rvg", "c\xD6vfvAv \x86_\x87K"}),
    [](const auto& info) { return "Position" + std::to_string(info.param.position); });

TEST(WordTable, LongestOriginIsFiftyOneBytes) {
    std::size_t longest = 0;
    for (std::size_t p = 0; p < EntryCount(); ++p) longest = std::max(longest, Origin(p).size());
    EXPECT_EQ(longest, 51u);
    EXPECT_EQ(Origin(38).size(), 51u);
}

TEST(WordTable, KeepsTableOrderNotByteOrder) {
    // Position 10 begins with byte 0x87 yet stands between two Latin-lettered headwords.
    EXPECT_EQ(Headword(9), "Kj-Gj-mv\x87`");
    EXPECT_EQ(static_cast<unsigned char>(Headword(10)[0]), 0x87);
    EXPECT_EQ(Headword(11), "MAb");
}

TEST(WordTable, PositionsOutsideTheTableHaveNoEntry) {
    EXPECT_THROW(EntryAt(66), std::out_of_range);
    EXPECT_THROW(Meaning(static_cast<std::size_t>(-1)), std::out_of_range);
}
