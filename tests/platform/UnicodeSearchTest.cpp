#include "platform/ListSearch.h"

#include "HeadwordSearch.h"

#include "core/WordTable.h"
#include "platform/GlyphText.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

using platform::glyphText;
using testing_support::HeadwordSearch;

namespace {

// The headwords in Unicode from the reference list, in table order, in the
// form searches compare (joiners dropped, NFC).
std::vector<QString> ReferenceHeadwords() {
    QFile file(QStringLiteral(DICT_TEST_DATA_DIR "/word-table-unicode.tsv"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<QString> headwords;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList cols = line.split(u'\t');
        if (cols.size() != 4 || cols[1] != u"headword") continue;
        QString form = cols[3];
        form.remove(QChar(0x200C)).remove(QChar(0x200D));
        headwords.push_back(form.normalized(QString::NormalizationForm_C));
    }
    return headwords;
}

}  // namespace

// Each headword's first one, two and three characters find the first
// headword in table order that begins with them.
TEST(UnicodeSearch, EveryHeadwordPrefixFindsItsFirstMatch) {
    const auto headwords = ReferenceHeadwords();
    ASSERT_EQ(headwords.size(), core::EntryCount());
    for (std::size_t p = 0; p < headwords.size(); ++p) {
        for (qsizetype length = 1; length <= 3; ++length) {
            const QString prefix = headwords[p].left(length);
            int first = 0;
            while (!headwords[first].startsWith(prefix)) ++first;
            EXPECT_EQ(HeadwordSearch().Find(prefix), first) << "headword " << p << ", " << length << " characters";
        }
    }
}

struct UnicodeCase {
    const char* label;
    QString text;
    int row;
};
inline void PrintTo(const UnicodeCase& c, std::ostream* out) { *out << c.label; }

class UnicodeSearchText : public testing::TestWithParam<UnicodeCase> {};

TEST_P(UnicodeSearchText, FindsTheFirstRowOrNone) { EXPECT_EQ(HeadwordSearch().Find(GetParam().text), GetParam().row); }

QString Repeated(const QString& piece, qsizetype totalLength) {
    QString text;
    text.reserve(totalLength + piece.size());
    while (text.size() < totalLength) text += piece;
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnicodeSearchText,
    testing::Values(
        UnicodeCase{"WholeHeadword", u"জোহা"_s, 15},
        UnicodeCase{"TwoPartVowelDecomposed", u"জ\u09C7\u09BE"_s, 15},
        UnicodeCase{"NuktaLetterDecomposed", u"রা\u0981\u09A1\u09BC"_s, 59},
        UnicodeCase{"NuktaLetterComposed", u"রা\u0981\u09DC"_s, 59},
        UnicodeCase{"JoinerInsideIsDropped", u"অ\u200Dচ্ছ"_s, 1},
        UnicodeCase{"HasantaWithAndWithoutZwnj", u"বোররাক্"_s, 64},
        UnicodeCase{"GlyphCodesThenUnicode", glyphText("A\x94Q") + u"হু"_s, 1},
        UnicodeCase{"UnicodeThenGlyphCodes", u"জ"_s + glyphText("b\xA5"), 65},
        UnicodeCase{"GlyphPreBaseSignBeforeUnicodeStaysApart", glyphText("\x87") + u"জ"_s, -1},
        UnicodeCase{"NoHeadwordBeginsSo", u"ঝ"_s, -1},
        UnicodeCase{"OnlyZwj", u"\u200D"_s, -1},
        UnicodeCase{"OnlyJoiners", u"\u200C\u200D\u200C"_s, -1},
        UnicodeCase{"LoneVowelSign", u"\u09BF"_s, -1},
        UnicodeCase{"LoneVirama", u"\u09CD"_s, -1},
        UnicodeCase{"UnpairedHighSurrogate", QString(QChar(0xD83D)) + u"অ"_s, -1},
        UnicodeCase{"UnpairedLowSurrogateAfter", u"অ"_s + QChar(0xDE00), -1},
        UnicodeCase{"EmojiAfterBengali", u"অ\U0001F600"_s, -1},
        UnicodeCase{"MegabyteMixedPaste", Repeated(u"Ab অক \U0001F600"_s, 1 << 20), -1},
        UnicodeCase{"LatinOnlyStaysAGlyphSearch", u"k"_s, 8}),
    [](const auto& info) { return std::string(info.param.label); });
