#include "platform/ListSearch.h"

#include "HeadwordSearch.h"

#include "core/SelectionLookup.h"
#include "core/WordTable.h"
#include "platform/GlyphText.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

using platform::glyphText;
using testing_support::HeadwordSearch;

struct KeystrokeCase {
    const char* label;
    QString text;
    int row;
};
inline void PrintTo(const KeystrokeCase& c, std::ostream* out) { *out << c.label; }

class Keystroke : public testing::TestWithParam<KeystrokeCase> {};

TEST_P(Keystroke, SelectsTheRowAndShowsItsEntry) {
    const std::int16_t index = HeadwordSearch().FindListIndex(GetParam().text);
    EXPECT_EQ(index, GetParam().row);
    const core::Displays displays = core::SelectionLookup(index);
    if (GetParam().row < 0) {
        EXPECT_TRUE(displays.meaning.empty());
        EXPECT_TRUE(displays.origin.empty());
    } else {
        EXPECT_EQ(displays.meaning, core::Meaning(GetParam().row));
        EXPECT_EQ(displays.origin, core::Origin(GetParam().row));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Keystroke,
    testing::Values(
        KeystrokeCase{"K", "K", 8}, KeystrokeCase{"LowerA", "a", 0},
        KeystrokeCase{"GlyphCodeE2021", glyphText("\x87K"), 10},
        KeystrokeCase{"TrailingBlank", "Wvm ", 45},
        KeystrokeCase{"NoMatch", "e", -1}, KeystrokeCase{"Empty", "", -1},
        KeystrokeCase{"UnicodeBengali", QString::fromUtf8("\u0985"), 0},
        KeystrokeCase{"ValidThenEmoji", QString::fromUtf8("A\U0001F600"), -1},
        KeystrokeCase{"HugePaste", QString(100000, QChar(u'A')), -1},
        KeystrokeCase{"NulCharacter", QString(QChar(0)), -1}),
    [](const auto& info) { return std::string(info.param.label); });

// The word table agrees with the reference list of its strings (that list
// drops trailing blanks, so they are compared without them).
TEST(WordTableReference, EveryStringMatchesTheReference) {
    QFile file(QStringLiteral(DICT_TEST_DATA_DIR "/word-table-unicode.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    int compared = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList cols = lines[i].split(u'\t');
        ASSERT_EQ(cols.size(), 4) << i;
        const int position = cols[0].toInt();
        const auto bytes = platform::glyphBytes(cols[2]);
        ASSERT_TRUE(bytes.has_value()) << i;
        std::string_view ours = cols[1] == u"headword" ? core::Headword(position)
                                : cols[1] == u"meaning" ? core::Meaning(position)
                                                        : core::Origin(position);
        while (ours.ends_with(' ')) ours.remove_suffix(1);
        EXPECT_EQ(ours, *bytes) << position << ' ' << cols[1].toStdString();
        ++compared;
    }
    EXPECT_EQ(compared, 198);
}
