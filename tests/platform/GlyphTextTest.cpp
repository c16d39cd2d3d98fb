#include "platform/GlyphText.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.size() << " characters"; }
QT_END_NAMESPACE

using platform::glyphBytes;
using platform::glyphText;

TEST(GlyphText, EveryByteValueRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString text = glyphText(all);
    ASSERT_EQ(text.size(), 256);
    const auto back = glyphBytes(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

struct CharCase {
    unsigned char byte;
    char16_t ch;
};
inline void PrintTo(const CharCase& c, std::ostream* out) { *out << "byte " << int(c.byte); }

class GlyphCharacters : public testing::TestWithParam<CharCase> {};

TEST_P(GlyphCharacters, DecodeAsWindows1252) {
    EXPECT_EQ(platform::GlyphChar(GetParam().byte), GetParam().ch);
    EXPECT_EQ(platform::GlyphByte(GetParam().ch), GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, GlyphCharacters,
    testing::Values(CharCase{0x41, u'A'}, CharCase{0x60, u'`'}, CharCase{0x26, u'&'},
                    CharCase{0x82, 0x201A}, CharCase{0x85, 0x2026}, CharCase{0x87, 0x2021},
                    CharCase{0x94, 0x201D}, CharCase{0x8B, 0x2039}, CharCase{0x9B, 0x203A},
                    CharCase{0x81, 0x0081}, CharCase{0x8D, 0x008D}, CharCase{0x8F, 0x008F},
                    CharCase{0x90, 0x0090}, CharCase{0x9D, 0x009D},
                    CharCase{0xAD, 0xF0AD},  // drawn, unlike a soft hyphen
                    CharCase{0xA9, 0x00A9}, CharCase{0xFF, 0x00FF}, CharCase{0x00, 0x0000}),
    [](const auto& info) { return "Byte" + std::to_string(info.param.byte); });

class NotGlyphCodes : public testing::TestWithParam<QString> {};

TEST_P(NotGlyphCodes, AreRejectedWhole) { EXPECT_FALSE(glyphBytes(GetParam()).has_value()); }

INSTANTIATE_TEST_SUITE_P(
    Texts, NotGlyphCodes,
    testing::Values(QString::fromUtf8("\u0985"),            // Unicode Bengali letter A
                    QString::fromUtf8("K\u0995"),            // a valid code, then Bengali
                    QString::fromUtf8("\U0001F600"),         // emoji (surrogate pair)
                    QString(QChar(0x00AD)),                  // a real soft hyphen
                    QString(QChar(0x20AD)), QString(QChar(0xFFFF))),
    [](const auto& info) { return "Text" + std::to_string(info.index); });

TEST(GlyphText, EmptyTextIsEmpty) {
    EXPECT_TRUE(glyphText("").isEmpty());
    EXPECT_EQ(glyphBytes(QString()), std::string());
}
