#include "platform/UnicodeText.h"

#include "layouts/WindowLayouts.h"
#include "platform/GlyphText.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
QT_END_NAMESPACE

using platform::glyphText;
using platform::unicodeText;

// Each key face of the on-screen keyboard, read as the letter it shows (the
// three nukta letters as their single code points, as the word table has them).
TEST(UnicodeText, EveryKeyFaceReadsAsItsLetter) {
    const std::map<std::string, QString> letters{
        {"Image1", u"অ"_qs},  {"Image2", u"আ"_qs},  {"Image3", u"ই"_qs},  {"Image4", u"ঘ"_qs},
        {"Image5", u"ঈ"_qs},  {"Image6", u"চ"_qs},  {"Image7", u"ছ"_qs},  {"Image8", u"জ"_qs},
        {"Image9", u"ড"_qs},  {"Image10", u"ঢ"_qs}, {"Image11", u"ত"_qs}, {"Image12", u"উ"_qs},
        {"Image13", u"ঊ"_qs}, {"Image14", u"ক"_qs}, {"Image15", u"ঝ"_qs}, {"Image16", u"ট"_qs},
        {"Image17", u"ঠ"_qs}, {"Image18", u"দ"_qs}, {"Image19", u"ন"_qs}, {"Image20", u"ফ"_qs},
        {"Image21", u"ভ"_qs}, {"Image22", u"ম"_qs}, {"Image23", u"ব"_qs}, {"Image24", u"য"_qs},
        {"Image25", u"র"_qs}, {"Image26", u"ল"_qs}, {"Image27", u"হ"_qs}, {"Image28", u"\u09DC"_qs},
        {"Image29", u"\u09DD"_qs}, {"Image30", u"\u09DF"_qs}, {"Image31", u"খ"_qs}, {"Image32", u"ষ"_qs},
        {"Image33", u"স"_qs}, {"Image34", u"গ"_qs}, {"Image35", u"ৎ"_qs}, {"Image36", u"ণ"_qs},
        {"Image37", u"থ "_qs}, {"Image38", u"ধ"_qs}, {"Image39", u"ঋ"_qs}, {"Image40", u"প"_qs},
        {"Image41", u"এ"_qs}, {"Image42", u"ঐ"_qs}, {"Image43", u"ও"_qs}, {"Image44", u"ঔ"_qs},
        {"Image45", u"ঙ"_qs}, {"Image46", u"ঞ"_qs}, {"Image47", u"শ"_qs}, {"Image48", u"ং"_qs},
        {"Image49", u"ঃ"_qs}, {"Image50", u"ঁ"_qs},
    };
    int keys = 0;
    for (const auto& entry : layouts::form2Layout().controls) {
        if (entry.glyphCode.empty()) continue;
        const auto letter = letters.find(std::string(entry.name));
        ASSERT_NE(letter, letters.end()) << entry.name;
        EXPECT_EQ(unicodeText(glyphText(entry.glyphCode)), letter->second) << entry.name;
        ++keys;
    }
    EXPECT_EQ(keys, 50);
}

struct MixedCase {
    const char* label;
    QString text;
    QString unicode;
};
inline void PrintTo(const MixedCase& c, std::ostream* out) { *out << c.label; }

class MixedText : public testing::TestWithParam<MixedCase> {};

TEST_P(MixedText, ConvertsGlyphCodesAndKeepsTheRest) {
    EXPECT_EQ(unicodeText(GetParam().text), GetParam().unicode);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MixedText,
    testing::Values(
        MixedCase{"GlyphCodesOnly", glyphText("G\x87mwQ"), u"এসেছি"_qs},
        MixedCase{"UnicodeKept", u"এসেছি"_qs, u"এসেছি"_qs},
        // Each run of glyph codes converts on its own: the sign before the
        // Unicode letter stays a lone sign.
        MixedCase{"GlyphThenUnicode", glyphText("Av") + u"ছি"_qs + glyphText("\x87"), u"আছিে"_qs},
        MixedCase{"Emoji", u"K\U0001F600K"_qs, u"ক\U0001F600ক"_qs},
        MixedCase{"LoneSurrogate", QString(QChar(0xD800)) + u"K"_qs, QString(QChar(0xD800)) + u"ক"_qs},
        MixedCase{"SoftHyphenIsNotACode", QString(QChar(0xAD)), QString(QChar(0xAD))},
        MixedCase{"Empty", QString(), QString()}),
    [](const auto& info) { return std::string(info.param.label); });
