// The glyph font as Qt draws it: every code of the word table and of the
// on-screen keyboard is a real glyph of the font (no fallback, no .notdef),
// codes that make one conjunct join under Qt's shaping, and marks sit on their
// base without taking room. Unicode Bengali draws with it exactly as with
// Noto Sans Bengali, the font it comes from.
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "platform/GlyphText.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRawFont>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kDataDir = FONT_TEST_DATA_DIR;

// Registers the font from the program's resources, once; empty when it failed.
QString GlyphFamily() {
    static const QString family = platform::AddFontFile(QString::fromLatin1(platform::kBundledGlyphFontResource));
    return family;
}

// Noto Sans Bengali from the file the glyph font is built from.
QString NotoFamily() {
    static const QString family = platform::AddFontFile(QStringLiteral(NOTO_BENGALI_FILE));
    return family;
}

QFont FontOf(const QString& family) {
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setPixelSize(40);
    return font;
}

QFont GlyphFont() { return FontOf(GlyphFamily()); }

struct Shaped {
    QList<QGlyphRun> runs;
    qreal advance = 0;
};

Shaped Shape(const QString& text, const QFont& font = GlyphFont()) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    return {layout.glyphRuns(), line.horizontalAdvance()};
}

// What keeps the text from being drawn by real glyphs of the glyph font.
QStringList Problems(const QString& text) {
    QStringList problems;
    const QRawFont raw = QRawFont::fromFont(GlyphFont());
    for (const QChar ch : text) {
        const QString code = QStringLiteral("U+%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
        if (!raw.supportsCharacter(ch)) {
            problems << code + " has no cmap entry";
            continue;
        }
        // Blanks and joiners have no ink.
        if (ch == u' ' || ch == QChar(0x00A0) || ch.category() == QChar::Other_Format) continue;
        const QList<quint32> glyphs = raw.glyphIndexesForString(QString(ch));
        if (glyphs.size() != 1 || glyphs.front() == 0 || raw.pathForGlyph(glyphs.front()).isEmpty())
            problems << code + " has no outline";
    }
    const Shaped shaped = Shape(text);
    if (shaped.runs.isEmpty() && !text.isEmpty()) problems << QStringLiteral("no glyph runs");
    for (const QGlyphRun& run : shaped.runs) {
        if (run.rawFont().familyName() != GlyphFamily())
            problems << "a run drawn with " + run.rawFont().familyName();
        for (const quint32 glyph : run.glyphIndexes())
            if (glyph == 0) problems << QStringLiteral("glyph 0 (.notdef) in a run");
    }
    return problems;
}

std::vector<std::vector<std::string>> ReadTsv(const std::string& name) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(kDataDir + "/" + name);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream split(line);
        std::string field;
        while (std::getline(split, field, '\t')) fields.push_back(field);
        if (!line.empty() && line.back() == '\t') fields.emplace_back();
        rows.push_back(fields);
    }
    return rows;
}

// The position of a column by its header name; the header's size when absent.
std::size_t Column(const std::vector<std::string>& header, const std::string& name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
}

// "5F 20" -> "_ "; nothing when a token is not one hexadecimal byte.
std::optional<std::string> HexBytes(const std::string& text) {
    std::string bytes;
    std::stringstream tokens(text);
    std::string token;
    while (tokens >> token) {
        char* end = nullptr;
        const long value = std::strtol(token.c_str(), &end, 16);
        if (token.size() > 2 || *end != '\0' || value < 0 || value > 0xFF) return std::nullopt;
        bytes.push_back(static_cast<char>(value));
    }
    if (bytes.empty()) return std::nullopt;
    return bytes;
}

std::string Label(const std::vector<std::string>& row, std::size_t a, std::size_t b) {
    return (a < row.size() ? row[a] : "?") + " " + (b < row.size() ? row[b] : "?");
}

TEST(GlyphFont, RegistersFromTheResourcesUnderItsOwnFamily) {
    ASSERT_TRUE(QFile::exists(QString::fromLatin1(platform::kBundledGlyphFontResource)));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/fonts/OFL.txt")));  // its licence goes with it
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(platform::kBundledGlyphFontResource));
    ASSERT_NE(id, -1);
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{QStringLiteral("Pebble Glyph Bengali")});
    EXPECT_EQ(GlyphFamily(), QStringLiteral("Pebble Glyph Bengali"));
}

// 66 entries, each with headword, meaning and origin: every byte of every
// string is drawn by a glyph of the font.
TEST(GlyphFont, DrawsEveryWordTableString) {
    ASSERT_FALSE(GlyphFamily().isEmpty());
    const auto rows = ReadTsv("word-table-unicode.tsv");
    ASSERT_FALSE(rows.empty()) << "word-table-unicode.tsv is missing";
    const std::size_t bijoy = Column(rows.front(), "bijoy");
    ASSERT_LT(bijoy, rows.front().size()) << "no bijoy column";
    int strings = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto& row = rows[r];
        if (row.empty() || (row.size() == 1 && row[0].empty())) continue;
        const std::string label = Label(row, 0, 1);
        ASSERT_LT(bijoy, row.size()) << label;
        // The file holds each byte as its Windows-1252 character; the code the
        // soft hyphen stands for is drawn as U+F0AD.
        QString chars = QString::fromUtf8(row[bijoy]);
        chars.replace(QChar(0x00AD), QChar(0xF0AD));
        const auto bytes = platform::glyphBytes(chars);
        ASSERT_TRUE(bytes.has_value()) << label << ": not glyph-code text";
        const QStringList problems = Problems(platform::glyphText(*bytes));
        EXPECT_TRUE(problems.isEmpty()) << label << ": " << problems.join("; ").toStdString();
        ++strings;
    }
    EXPECT_EQ(strings, 198);
}

// The 50 letter keys of the on-screen keyboard, by the bytes they insert.
TEST(GlyphFont, DrawsEveryKeyboardCode) {
    ASSERT_FALSE(GlyphFamily().isEmpty());
    const auto rows = ReadTsv("keyboard-codes.tsv");
    ASSERT_FALSE(rows.empty()) << "keyboard-codes.tsv is missing";
    int keys = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto& row = rows[r];
        if (row.size() < 2) continue;
        const std::optional<std::string> bytes = HexBytes(row[1]);
        ASSERT_TRUE(bytes.has_value()) << row[0] << ": bad bytes \"" << row[1] << '"';
        const QStringList problems = Problems(platform::glyphText(*bytes));
        EXPECT_TRUE(problems.isEmpty()) << row[0] << ": " << problems.join("; ").toStdString();
        ++keys;
    }
    EXPECT_EQ(keys, 50);
}

// The font must not borrow: a code it lacks (0x80, the euro sign in
// Windows-1252) shows as missing under Qt too.
TEST(GlyphFont, CodeOutsideTheEncodingShowsAsMissing) {
    ASSERT_FALSE(GlyphFamily().isEmpty());
    const QStringList problems = Problems(platform::glyphText("K\x80"));
    EXPECT_TRUE(problems.contains(QStringLiteral("glyph 0 (.notdef) in a run")))
        << problems.join("; ").toStdString();
}

struct Joining {
    const char* name;
    const char* bytes;
    int glyphs;
};

void PrintTo(const Joining& joining, std::ostream* os) { *os << joining.name; }

class GlyphFontJoins : public testing::TestWithParam<Joining> {};

// Glyph counts after Qt's shaping: the substitutions must run for the script
// Qt gives glyph-code text.
TEST_P(GlyphFontJoins, AsOneDrawing) {
    ASSERT_FALSE(GlyphFamily().isEmpty());
    const Shaped shaped = Shape(platform::glyphText(GetParam().bytes));
    int glyphs = 0;
    for (const QGlyphRun& run : shaped.runs) glyphs += static_cast<int>(run.glyphIndexes().size());
    EXPECT_EQ(glyphs, GetParam().glyphs);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, GlyphFontJoins,
    testing::Values(Joining{"SaHalfWithKaPhala", "\xAF\x8B", 1},     // s-k conjunct
                    Joining{"KaWithLaPhala", "K\xAC", 1},            // k-l conjunct
                    Joining{"KaWithLaPhalaAD", "K\xAD", 1},          // the same, code 0xAD
                    Joining{"ConjunctCode", "\xB6", 1},              // k-ss, one code
                    Joining{"HalfFormWithLetter", "\x94Q", 1},       // c-ch conjunct
                    Joining{"LetterAWithAaKar", "Av", 1},            // letter aa
                    Joining{"RaWithUKar", "i\xE6", 1},               // ru
                    Joining{"EKarBeforeKa", "\x87K", 2},             // ke: sign, letter
                    Joining{"FinalHasantaStays", "K&", 2}),          // k + hasanta
    [](const auto& info) { return std::string(info.param.name); });

struct Mark {
    const char* name;
    const char* bytes;
};

void PrintTo(const Mark& mark, std::ostream* os) { *os << mark.name; }

class GlyphFontMarks : public testing::TestWithParam<Mark> {};

// A mark takes no room and its ink lies over the consonant it follows.
TEST_P(GlyphFontMarks, SitOnTheirBase) {
    ASSERT_FALSE(GlyphFamily().isEmpty());
    const Shaped base = Shape(platform::glyphText("K"));
    const Shaped marked = Shape(platform::glyphText(std::string("K") + GetParam().bytes));
    EXPECT_NEAR(marked.advance, base.advance, 0.01);
    ASSERT_EQ(marked.runs.size(), 1);
    const QGlyphRun& run = marked.runs.front();
    ASSERT_EQ(run.glyphIndexes().size(), 2);
    const QRectF ink =
        run.rawFont().pathForGlyph(run.glyphIndexes()[1]).boundingRect().translated(run.positions()[1]);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.center().x(), run.positions()[0].x());
    EXPECT_LT(ink.center().x(), run.positions()[0].x() + base.advance);
}

INSTANTIATE_TEST_SUITE_P(Codes, GlyphFontMarks,
                         testing::Values(Mark{"UKar", "y"}, Mark{"UKarZ", "z"}, Mark{"UuKar", "~"},
                                         Mark{"RiKar", "\x84"}, Mark{"Hasanta", "&"},
                                         Mark{"Candrabindu", "u"}),
                         [](const auto& info) { return std::string(info.param.name); });

// What differs between the glyph font's drawing of a text and Noto's:
// glyphs, their positions or the advance (the glyph font keeps Noto's glyph ids).
QStringList DiffersFromNoto(const QString& text) {
    const Shaped ours = Shape(text);
    const Shaped noto = Shape(text, FontOf(NotoFamily()));
    QStringList differences;
    if (ours.runs.size() != noto.runs.size()) return {QStringLiteral("different number of runs")};
    for (qsizetype r = 0; r < ours.runs.size(); ++r) {
        if (ours.runs[r].glyphIndexes() != noto.runs[r].glyphIndexes()) differences << QStringLiteral("glyphs");
        else if (ours.runs[r].positions() != noto.runs[r].positions()) differences << QStringLiteral("positions");
    }
    if (!qFuzzyCompare(ours.advance, noto.advance)) differences << QStringLiteral("advance");
    return differences;
}

// The Unicode form of every word-table string: real glyphs, and Noto's drawing.
TEST(GlyphFontUnicode, DrawsEveryWordTableStringAsNoto) {
    ASSERT_FALSE(GlyphFamily().isEmpty());
    ASSERT_FALSE(NotoFamily().isEmpty());
    const auto rows = ReadTsv("word-table-unicode.tsv");
    ASSERT_FALSE(rows.empty()) << "word-table-unicode.tsv is missing";
    const std::size_t unicode = Column(rows.front(), "unicode");
    ASSERT_LT(unicode, rows.front().size()) << "no unicode column";
    int strings = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto& row = rows[r];
        if (row.size() <= unicode) continue;
        const QString text = QString::fromStdString(row[unicode]);
        const QStringList problems = Problems(text) + DiffersFromNoto(text);
        EXPECT_TRUE(problems.isEmpty()) << Label(row, 0, 1) << ": " << problems.join("; ").toStdString();
        ++strings;
    }
    EXPECT_EQ(strings, 198);
}

struct UnicodeCase {
    const char* name;
    const char16_t* text;
};

void PrintTo(const UnicodeCase& c, std::ostream* os) { *os << c.name; }

class GlyphFontUnicode : public testing::TestWithParam<UnicodeCase> {};

// Where Bengali shaping reorders, joins or repairs: the same as Noto.
TEST_P(GlyphFontUnicode, ShapesAsNoto) {
    ASSERT_FALSE(GlyphFamily().isEmpty());
    ASSERT_FALSE(NotoFamily().isEmpty());
    const QString text = QString::fromUtf16(GetParam().text);
    const QStringList problems = Problems(text) + DiffersFromNoto(text);
    EXPECT_TRUE(problems.isEmpty()) << problems.join("; ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GlyphFontUnicode,
    testing::Values(UnicodeCase{"PreBaseVowelSign", u"\u0995\u09BF"},                  // ki
                    UnicodeCase{"TwoPartVowelSign", u"\u0995\u09CB"},                  // ko
                    UnicodeCase{"RephOverConjunct", u"\u09B0\u09CD\u0995\u09CD\u09B7"},   // r-k-ss
                    UnicodeCase{"YaPhala", u"\u09AC\u09CD\u09AF\u09BE"},             // bya
                    UnicodeCase{"RaPhala", u"\u09AA\u09CD\u09B0"},                    // pra
                    UnicodeCase{"ExplicitHasanta", u"\u0995\u09CD"},                   // k + virama
                    UnicodeCase{"ZwnjKeepsHasanta", u"\u0995\u09CD\u200C\u09B7"},    // no conjunct
                    UnicodeCase{"ZwjHalfForm", u"\u0995\u09CD\u200D\u09B7"},         // half form
                    UnicodeCase{"KhandaTa", u"\u09CE"},
                    UnicodeCase{"Nukta", u"\u09A1\u09BC"},
                    UnicodeCase{"LoneVowelSign", u"\u09C7"},                            // on a dotted circle
                    UnicodeCase{"LoneVirama", u"\u09CD"},
                    UnicodeCase{"DottedCircle", u"\u25CC\u09BE"},
                    UnicodeCase{"DigitsAndDanda", u"\u09E7\u09E8\u0964"}),
    [](const auto& info) { return std::string(info.param.name); });

// Glyph codes and Unicode in one box (a search mixing both): each part is
// drawn by the glyph font, none by another font or as missing.
TEST(GlyphFontUnicode, MixedWithGlyphCodes) {
    ASSERT_FALSE(GlyphFamily().isEmpty());
    const QString text = platform::glyphText("Av\x87K") + QString::fromUtf16(u"\u0986\u09AE\u09BF");
    const QStringList problems = Problems(text);
    EXPECT_TRUE(problems.isEmpty()) << problems.join("; ").toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    platform::UseOffscreenPlatform();
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
