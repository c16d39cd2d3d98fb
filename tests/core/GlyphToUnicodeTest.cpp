#include "core/GlyphToUnicode.h"
#include "core/WordTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

using core::GlyphCodesToUnicode;

namespace {

struct ReferenceRow {
    std::size_t position;
    std::string field;
    std::string unicode;
};

std::vector<ReferenceRow> ReadReference() {
    std::ifstream file(DICT_TEST_DATA_DIR "/word-table-unicode.tsv", std::ios::binary);
    std::vector<ReferenceRow> rows;
    std::string line;
    std::getline(file, line);  // header
    while (std::getline(file, line)) {
        std::istringstream cols(line);
        std::string position, field, glyphs, unicode;
        std::getline(cols, position, '\t');
        std::getline(cols, field, '\t');
        std::getline(cols, glyphs, '\t');
        std::getline(cols, unicode);
        rows.push_back({std::stoul(position), field, unicode});
    }
    return rows;
}

std::string_view Field(std::size_t position, const std::string& field) {
    return field == "headword" ? core::Headword(position)
           : field == "meaning" ? core::Meaning(position)
                                : core::Origin(position);
}

}  // namespace

// The reference list dropped trailing blanks, so they are compared without.
TEST(GlyphToUnicode, EveryWordTableStringMatchesTheReference) {
    const auto rows = ReadReference();
    ASSERT_EQ(rows.size(), 198u);
    for (const auto& row : rows) {
        std::string ours = GlyphCodesToUnicode(Field(row.position, row.field));
        while (!ours.empty() && ours.back() == ' ') ours.pop_back();
        EXPECT_EQ(ours, row.unicode) << row.position << ' ' << row.field;
    }
}

struct RuleCase {
    const char* label;
    std::string codes;
    std::string unicode;
};
inline void PrintTo(const RuleCase& c, std::ostream* out) { *out << c.label; }

class ConversionRule : public testing::TestWithParam<RuleCase> {};

TEST_P(ConversionRule, GivesLogicalOrder) { EXPECT_EQ(GlyphCodesToUnicode(GetParam().codes), GetParam().unicode); }

INSTANTIATE_TEST_SUITE_P(
    Rules, ConversionRule,
    testing::Values(
        RuleCase{"PreBaseSignAfterCluster", "wK\xAC", "\u0995\u09CD\u09B2\u09BF"},
        RuleCase{"TwoPartO", "\x87Kv", "\u0995\u09CB"},
        RuleCase{"TwoPartAu", "\x87K\x8A", "\u0995\u09CC"},
        RuleCase{"RephBeforeItsSyllable", "Phv\xA9", "\u099A\u09B0\u09CD\u09AF\u09BE"},
        RuleCase{"RephWithNoSyllableStays", " \xA9", " \u09B0\u09CD"},
        RuleCase{"HalfFormAndSecondFormShareAVirama", "\x99\xA2", "\u09A6\u09CD\u09AD"},
        RuleCase{"ExplicitHasantaShowsItself", "K&", "\u0995\u09CD\u200C"},
        RuleCase{"HasantaBeforeSecondFormIsItsVirama", "d&\xAA", "\u09AB\u09CD\u09B0"},
        RuleCase{"YaAfterRaTakesAJoiner", "i\xA8", "\u09B0\u200D\u09CD\u09AF"},
        RuleCase{"AAndAaSignAreOneLetter", "Av", "\u0986"},
        RuleCase{"LonePreBaseSign", "\x87", "\u09C7"},
        RuleCase{"PreBaseSignBeforeABlank", "w K", "\u09BF \u0995"},
        RuleCase{"LoneVowelSign", "v", "\u09BE"},
        RuleCase{"LoneHasanta", "&", "\u09CD\u200C"},
        RuleCase{"LoneSecondForm", "\xA8", "\u09CD\u09AF"},
        RuleCase{"ControlAndUndefinedBytesPassThrough", std::string("\0\x81\x8D\x7F", 4), std::string("\0\u0081\u008D\x7F", 6)},
        RuleCase{"Windows1252Readings", "\x80\x8E\x9E", "\u20AC\u017D\u017E"},
        RuleCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.label); });

// Every single byte gives well-formed UTF-8 of at least one character.
TEST(GlyphToUnicode, EverySingleByteConverts) {
    for (int b = 0; b < 256; ++b) {
        const std::string out = GlyphCodesToUnicode(std::string(1, static_cast<char>(b)));
        ASSERT_FALSE(out.empty()) << b;
        for (std::size_t i = 0; i < out.size();) {
            const auto lead = static_cast<unsigned char>(out[i]);
            const std::size_t length = lead < 0x80 ? 1 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
            ASSERT_NE(length, 0u) << b;
            ASSERT_LE(i + length, out.size()) << b;
            for (std::size_t k = 1; k < length; ++k)
                ASSERT_EQ(static_cast<unsigned char>(out[i + k]) & 0xC0, 0x80) << b;
            i += length;
        }
    }
}

// The glyph font's build reads each byte's characters from fonts/bijoy-map.tsv
// (its "codepoints" column); the converter has its own table, compiled in.
// Both must read every byte alike. The one departure: a lone hasanta shows its
// virama, and the converter adds a ZWNJ after it so that no conjunct forms in
// Unicode either.
TEST(GlyphToUnicode, ReadsEveryByteAsTheGlyphFontsMapDoes) {
    std::ifstream file(DICT_GLYPH_MAP_FILE);
    ASSERT_TRUE(file) << DICT_GLYPH_MAP_FILE;
    std::string line;
    std::getline(file, line);  // the column names
    int rows = 0;
    while (std::getline(file, line)) {
        std::vector<std::string> columns;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) columns.push_back(cell);
        ASSERT_GE(columns.size(), 4u) << line;
        const auto byte = static_cast<char>(std::stoi(columns[0], nullptr, 16));
        std::u32string mapped;
        std::istringstream points(columns[3]);
        for (std::string point; points >> point;) mapped += static_cast<char32_t>(std::stoul(point.substr(2), nullptr, 16));
        if (byte == '&') mapped += U'\u200C';
        std::string utf8;
        for (const char32_t c : mapped) {
            if (c < 0x80) {
                utf8 += static_cast<char>(c);
            } else if (c < 0x800) {
                utf8 += static_cast<char>(0xC0 | (c >> 6));
                utf8 += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                utf8 += static_cast<char>(0xE0 | (c >> 12));
                utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                utf8 += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        EXPECT_EQ(GlyphCodesToUnicode(std::string(1, byte)), utf8) << columns[0];
        ++rows;
    }
    EXPECT_GT(rows, 100);
}
