#include "core/PrefixSearch.h"
#include "core/WordTable.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

using namespace core;

namespace {
std::vector<std::string> HeadwordRows() {
    std::vector<std::string> rows;
    for (std::size_t p = 0; p < EntryCount(); ++p) rows.emplace_back(Headword(p));
    return rows;
}
}  // namespace

struct SearchCase {
    const char* label;
    std::string text;
    int row;
};
inline void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.label; }

class HeadwordSearch : public testing::TestWithParam<SearchCase> {};

TEST_P(HeadwordSearch, FindsTheFirstRowFromTheTop) {
    const auto rows = HeadwordRows();
    EXPECT_EQ(FindFirstPrefix(rows, GetParam().text), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HeadwordSearch,
    testing::Values(
        SearchCase{"UpperA", "A", 0}, SearchCase{"LowerA", "a", 0},
        SearchCase{"LowerDFindsDBGBeforeDwo", "d", 6},
        SearchCase{"UpperGFindsgiYAAbv", "G", 25},
        SearchCase{"K", "K", 8},
        SearchCase{"KjFindsEarlierLongerHeadword", "Kj", 9},
        SearchCase{"ZzFindsEarlierLongerHeadword", "Zz", 47},
        SearchCase{"WvmWithoutBlank", "Wvm", 45}, SearchCase{"WvmWithBlank", "Wvm ", 45},
        SearchCase{"NoHeadwordBeginsWithE", "e", -1},
        SearchCase{"ExtendedPastTheMatch", "Kjz", -1},
        SearchCase{"WholeHeadword", "AwK\x87j\x87mu", 0},
        SearchCase{"LongerThanEveryRow", std::string(1000, 'A'), -1},
        SearchCase{"BytePrefix87", "\x87", 10},
        SearchCase{"EmptyTextMatchesNothing", "", -1}),
    [](const auto& info) { return std::string(info.param.label); });

struct FoldCase_ {
    unsigned char byte, folded;
};
inline void PrintTo(const FoldCase_& c, std::ostream* out) { *out << "byte " << int(c.byte); }

class CaseFolding : public testing::TestWithParam<FoldCase_> {};

TEST_P(CaseFolding, FoldsLettersWithACasePairOnly) {
    EXPECT_EQ(FoldCase(GetParam().byte), GetParam().folded);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, CaseFolding,
    testing::Values(FoldCase_{'A', 'a'}, FoldCase_{'Z', 'z'}, FoldCase_{'a', 'a'},
                    FoldCase_{'@', '@'}, FoldCase_{'[', '['}, FoldCase_{'`', '`'},
                    FoldCase_{0xC0, 0xE0}, FoldCase_{0xC6, 0xE6}, FoldCase_{0xDE, 0xFE},
                    FoldCase_{0xD7, 0xD7},   // multiplication sign has no pair
                    FoldCase_{0xF7, 0xF7},   // nor the division sign
                    FoldCase_{0xDF, 0xDF},   // sharp s has no upper-case byte
                    FoldCase_{0x8A, 0x9A}, FoldCase_{0x8C, 0x9C}, FoldCase_{0x8E, 0x9E},
                    FoldCase_{0x9F, 0xFF}, FoldCase_{0xFF, 0xFF},
                    FoldCase_{0x87, 0x87}, FoldCase_{0xAD, 0xAD}, FoldCase_{0x00, 0x00}),
    [](const auto& info) { return "Byte" + std::to_string(info.param.byte); });

TEST(PrefixSearch, AccentedLettersMatchTheirOtherCase) {
    const std::vector<std::string> rows{"x", "\xE6y"};
    EXPECT_EQ(FindFirstPrefix(rows, "\xC6"), 1);
    EXPECT_EQ(FindFirstPrefix(rows, "\xC6Y"), 1);
    EXPECT_EQ(FindFirstPrefix(rows, "\xF7"), -1);
}

TEST(PrefixSearch, EmptyListAnswersMinusOne) {
    EXPECT_EQ(FindFirstPrefix(std::vector<std::string>{}, "A"), -1);
}
