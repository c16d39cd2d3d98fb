#include "platform/UnicodeText.h"

#include "layouts/WindowLayouts.h"
#include "platform/GlyphText.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

using namespace Qt::StringLiterals;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
QT_END_NAMESPACE

using platform::glyphText;
using platform::unicodeText;

// Each key face of the on-screen keyboard, read as the letter it shows (the
// three nukta letters as their single code points, as the word table has them).
TEST(UnicodeText, EveryKeyFaceReadsAsItsLetter) {
    const std::map<std::string, QString> letters{
        {"Image1", u"অ"_s},  {"Image2", u"আ"_s},  {"Image3", u"ই"_s},  {"Image4", u"ঘ"_s},
        {"Image5", u"ঈ"_s},  {"Image6", u"চ"_s},  {"Image7", u"ছ"_s},  {"Image8", u"জ"_s},
        {"Image9", u"ড"_s},  {"Image10", u"ঢ"_s}, {"Image11", u"ত"_s}, {"Image12", u"উ"_s},
        {"Image13", u"ঊ"_s}, {"Image14", u"ক"_s}, {"Image15", u"ঝ"_s}, {"Image16", u"ট"_s},
        {"Image17", u"ঠ"_s}, {"Image18", u"দ"_s}, {"Image19", u"ন"_s}, {"Image20", u"ফ"_s},
        {"Image21", u"ভ"_s}, {"Image22", u"ম"_s}, {"Image23", u"ব"_s}, {"Image24", u"য"_s},
        {"Image25", u"র"_s}, {"Image26", u"ল"_s}, {"Image27", u"হ"_s}, {"Image28", u"\u09DC"_s},
        {"Image29", u"\u09DD"_s}, {"Image30", u"\u09DF"_s}, {"Image31", u"খ"_s}, {"Image32", u"ষ"_s},
        {"Image33", u"স"_s}, {"Image34", u"গ"_s}, {"Image35", u"ৎ"_s}, {"Image36", u"ণ"_s},
        {"Image37", u"থ "_s}, {"Image38", u"ধ"_s}, {"Image39", u"ঋ"_s}, {"Image40", u"প"_s},
        {"Image41", u"এ"_s}, {"Image42", u"ঐ"_s}, {"Image43", u"ও"_s}, {"Image44", u"ঔ"_s},
        {"Image45", u"ঙ"_s}, {"Image46", u"ঞ"_s}, {"Image47", u"শ"_s}, {"Image48", u"ং"_s},
        {"Image49", u"ঃ"_s}, {"Image50", u"ঁ"_s},
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
        MixedCase{"GlyphCodesOnly", glyphText("G\x87mwQ"), u"এসেছি"_s},
        MixedCase{"UnicodeKept", u"এসেছি"_s, u"এসেছি"_s},
        // Each run of glyph codes converts on its own: the sign before the
        // Unicode letter stays a lone sign.
        MixedCase{"GlyphThenUnicode", glyphText("Av") + u"ছি"_s + glyphText("\x87"), u"আছিে"_s},
        MixedCase{"Emoji", u"K\U0001F600K"_s, u"ক\U0001F600ক"_s},
        MixedCase{"LoneSurrogate", QString(QChar(0xD800)) + u"K"_s, QString(QChar(0xD800)) + u"ক"_s},
        MixedCase{"SoftHyphenIsNotACode", QString(QChar(0xAD)), QString(QChar(0xAD))},
        MixedCase{"Empty", QString(), QString()}),
    [](const auto& info) { return std::string(info.param.label); });
