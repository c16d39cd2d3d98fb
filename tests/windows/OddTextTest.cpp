// The search box takes whatever a user types or pastes. A character the glyph
// font lacks shows as the font's missing-glyph box: no other font draws it,
// nothing crashes, and the glyph codes around it keep their glyphs and pixels.
#include "WindowTestSupport.h"

#include "platform/Fonts.h"
#include "platform/GlyphText.h"
#include "windows/Form1.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QLineEdit>
#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace testing_support;

namespace {

// Glyph codes on either side of the odd text: "Ki" and "Av" draw as letters
// of their own, joined with nothing beyond them.
const QString kBefore = platform::glyphText("Ki");
const QString kAfter = platform::glyphText("Av");

struct OddText {
    const char* name;
    std::u16string text;
    int boxes;  // missing-glyph boxes it shows
};

void PrintTo(const OddText& c, std::ostream* os) { *os << c.name; }

struct Shaped {
    QList<quint32> glyphs;
    QStringList families;
};

Shaped Shape(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine().setLineWidth(1e6);
    layout.endLayout();
    Shaped shaped;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        shaped.glyphs += run.glyphIndexes();
        shaped.families += run.rawFont().familyName();
    }
    return shaped;
}

// The search box alone, as drawn with `text`.
QImage Draw(windows::Form1& main, const QString& text) {
    main.Text1.setText(text);
    return main.Text1.grab().toImage();
}

class OddSearchText : public testing::TestWithParam<OddText> {};

TEST_P(OddSearchText, ShowsMissingGlyphBoxesAndLeavesTheRestAlone) {
    Program program;
    windows::Form1& main = program.forms.form1();
    main.Show();
    const QString odd = QString::fromStdU16String(GetParam().text);
    const QFont font = main.Text1.lineEdit()->font();
    ASSERT_EQ(font.family(), platform::GlyphFamily());

    // Glyphs: those of the codes around it, and between them only boxes
    // (glyph 0 of the glyph font), none from another font.
    const Shaped shaped = Shape(kBefore + odd + kAfter, font);
    QList<quint32> expected = Shape(kBefore, font).glyphs;
    for (int i = 0; i < GetParam().boxes; ++i) expected.append(0);
    expected += Shape(kAfter, font).glyphs;
    EXPECT_EQ(shaped.glyphs, expected);
    for (const QString& family : shaped.families) {
        EXPECT_EQ(family, platform::GlyphFamily());
    }

    // Pixels: the codes before it are drawn as without it, and the box is ink.
    const QImage plain = Draw(main, kBefore + kAfter);
    const QImage withOdd = Draw(main, kBefore + odd + kAfter);
    ASSERT_EQ(plain.size(), withOdd.size());
    const QLineEdit& edit = *main.Text1.lineEdit();
    const int textLeft = edit.contentsRect().left() + edit.textMargins().left() + 2;  // QLineEdit's own margin
    const qreal before = QFontMetricsF(font).horizontalAdvance(kBefore);
    const int unchangedUpTo = textLeft + static_cast<int>(before) - 1;
    EXPECT_EQ(plain.copy(0, 0, unchangedUpTo, plain.height()), withOdd.copy(0, 0, unchangedUpTo, plain.height()));
    if (GetParam().boxes > 0) {
        EXPECT_NE(plain, withOdd);
    }

    // A defined search result: no headword begins with such a text.
    EXPECT_EQ(main.List1.ListIndex(), -1);
    EXPECT_EQ(main.Text2.Text(), QString());
    main.grab();  // the whole window draws
}

INSTANTIATE_TEST_SUITE_P(
    Characters, OddSearchText,
    testing::Values(OddText{"Emoji", u"\U0001F600", 1},                       // a surrogate pair: one box
                    OddText{"EmojiWithSkinTone", u"\U0001F44D\U0001F3FD", 2},
                    OddText{"AstralIdeograph", u"\U00020000", 1},
                    OddText{"LoneHighSurrogate", std::u16string(1, char16_t(0xD83D)), 1},
                    OddText{"LoneLowSurrogate", std::u16string(1, char16_t(0xDE00)), 1},
                    OddText{"SurrogatesReversed", std::u16string{char16_t(0xDE00), char16_t(0xD83D)}, 2},
                    OddText{"ReplacementCharacter", u"\uFFFD", 1},
                    OddText{"EuroSign", u"\u20AC", 1},  // byte 0x80, a code the font lacks
                    OddText{"Ideograph", u"\u4E2D", 1},
                    OddText{"PrivateUse", u"\uE000", 1},
                    OddText{"ControlCharacter", u"\u0001", 1},
                    OddText{"Escape", u"\u001B", 1},
                    OddText{"Delete", u"\u007F", 1},
                    OddText{"NonCharacter", u"\uFFFF", 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
