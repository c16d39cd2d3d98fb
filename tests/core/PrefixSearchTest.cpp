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

// A byte and its case partner (the byte itself when it has none).
struct CasePair {
    unsigned char byte, partner;
};
inline void PrintTo(const CasePair& c, std::ostream* out) { *out << "byte " << int(c.byte); }

class CaseFolding : public testing::TestWithParam<CasePair> {};

TEST_P(CaseFolding, ByteMatchesItselfAndItsCasePartnerOnly) {
    const std::string byte(1, static_cast<char>(GetParam().byte));
    for (int other = 0; other < 256; ++other) {
        const bool expected = other == GetParam().byte || other == GetParam().partner;
        EXPECT_EQ(StartsWithFolded(byte, std::string(1, static_cast<char>(other))), expected) << "against " << other;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, CaseFolding,
    testing::Values(CasePair{'A', 'a'}, CasePair{'Z', 'z'}, CasePair{'a', 'A'},
                    CasePair{'@', '@'}, CasePair{'[', '['}, CasePair{'`', '`'},
                    CasePair{0xC0, 0xE0}, CasePair{0xC6, 0xE6}, CasePair{0xDE, 0xFE},
                    CasePair{0xD7, 0xD7},   // multiplication sign has no pair
                    CasePair{0xF7, 0xF7},   // nor the division sign
                    CasePair{0xDF, 0xDF},   // sharp s has no upper-case byte
                    CasePair{0x8A, 0x9A}, CasePair{0x8C, 0x9C}, CasePair{0x8E, 0x9E},
                    CasePair{0x9F, 0xFF}, CasePair{0xFF, 0x9F},
                    CasePair{0x87, 0x87}, CasePair{0xAD, 0xAD}, CasePair{0x00, 0x00}),
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
