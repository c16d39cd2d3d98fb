// The dictionary as a user meets it: the splash, the main window's list,
// search and displays, the magnifier and the exit confirmation.
#include "WindowTestSupport.h"

#include "core/WordTable.h"
#include "layouts/Palette.h"
#include "platform/GlyphClipboard.h"
#include "platform/GlyphText.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form7.h"
#include "windows/Form9.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

using namespace testing_support;
using platform::glyphText;

namespace {

// The main window as the splash leaves it.
windows::Form1& StartUp(Program& program) {
    program.forms.form7().Show();
    program.forms.form7().timer("Timer1").fire();
    return program.forms.form1();
}

QString MeaningOf(int position) { return glyphText(core::Meaning(position)); }
QString OriginOf(int position) { return glyphText(core::Origin(position)); }

void ExpectShows(windows::Form1& main, int position) {
    EXPECT_EQ(main.List1.ListIndex(), position);
    EXPECT_EQ(main.Text2.Text(), position < 0 ? QString() : MeaningOf(position));
    EXPECT_EQ(main.Label10.Caption(), position < 0 ? QString() : OriginOf(position));
}

}  // namespace

TEST(StartUp, SplashGivesWayToTheMainWindowOnce) {
    Program program;
    windows::Form7& splash = program.forms.form7();
    splash.Show();
    EXPECT_EQ(splash.timer("Timer1").Interval(), 4000);
    EXPECT_TRUE(splash.timer("Timer1").isActive());
    EXPECT_FALSE(program.forms.form1.isLoaded());

    // When the main window first shows, the splash is already gone.
    bool splashGoneWhenMainShown = false;
    struct ShowWatch : QObject {
        std::function<void()> onShow;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Show && o->objectName() == "Form1") onShow();
            return false;
        }
    } watch;
    watch.onShow = [&] { splashGoneWhenMainShown = !program.forms.form7.isLoaded(); };
    qApp->installEventFilter(&watch);
    splash.timer("Timer1").fire();
    qApp->removeEventFilter(&watch);

    EXPECT_TRUE(splashGoneWhenMainShown);
    EXPECT_FALSE(program.forms.form7.isLoaded());
    windows::Form1* main = program.forms.form1.ifLoaded();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    DestroyUnloaded();
    EXPECT_EQ(program.forms.form1.ifLoaded(), main);  // created once
    EXPECT_EQ(program.quits, 0);
}

TEST(MainWindow, OpensWithTheWordListAndNothingSelected) {
    Program program;
    windows::Form1& main = StartUp(program);
    ASSERT_EQ(main.List1.count(), 66);
    for (int row = 0; row < 66; ++row) EXPECT_EQ(main.List1.item(row)->text(), glyphText(core::Headword(row))) << row;
    EXPECT_EQ(main.List1.item(45)->text(), QStringLiteral("Wvm "));
    ExpectShows(main, -1);
    EXPECT_TRUE(main.Text1.Text().isEmpty());
    EXPECT_EQ(main.focusWidget(), main.Text1.editor());  // typing goes to the search box
}

struct SearchCase {
    const char* label;
    QString typed;
    int row;
};
inline void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.label; }

class TypingInTheSearchBox : public testing::TestWithParam<SearchCase> {};

TEST_P(TypingInTheSearchBox, SelectsTheFirstMatchAndShowsItsEntry) {
    Program program;
    windows::Form1& main = StartUp(program);
    Type(*main.Text1.lineEdit(), GetParam().typed);
    EXPECT_EQ(main.Text1.Text(), GetParam().typed);  // the search never changes the search text
    ExpectShows(main, GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypingInTheSearchBox,
    testing::Values(SearchCase{"UpperA", "A", 0}, SearchCase{"LowerA", "a", 0}, SearchCase{"K", "K", 8},
                    SearchCase{"LowerD", "d", 6}, SearchCase{"UpperG", "G", 25},
                    SearchCase{"KjPrefersRow9", "Kj", 9}, SearchCase{"ZzPrefersRow47", "Zz", 47},
                    SearchCase{"WvmWithoutBlank", "Wvm", 45}, SearchCase{"WvmWithBlank", "Wvm ", 45},
                    SearchCase{"NothingBeginsWithE", "e", -1},
                    SearchCase{"MatchBrokenByNextLetter", "Kjz", -1},
                    SearchCase{"GlyphCodeOutsideLatin1", glyphText("\x87K"), 10},
                    SearchCase{"WholeHeadwordWithEllipsisByte", glyphText(core::Headword(35)), 35}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(MainWindow, DeletingTheSearchTextClearsTheSelection) {
    Program program;
    windows::Form1& main = StartUp(program);
    Type(*main.Text1.lineEdit(), "Kj");
    ExpectShows(main, 9);
    QTest::keyClick(main.Text1.lineEdit(), Qt::Key_Backspace);
    ExpectShows(main, 8);
    QTest::keyClick(main.Text1.lineEdit(), Qt::Key_Backspace);
    ExpectShows(main, -1);
}

TEST(MainWindow, PastingTextThatIsNotGlyphCodesMatchesNothing) {
    Program program;
    windows::Form1& main = StartUp(program);
    Type(*main.Text1.lineEdit(), "A");
    main.Text1.lineEdit()->insert(QString::fromUtf8("\u0985\U0001F600"));
    ExpectShows(main, -1);
    main.Text1.setText(QString(100000, QChar(u'A')));  // a huge paste
    ExpectShows(main, -1);
}

TEST(MainWindow, ClickingARowShowsItsEntryAndLeavesTheSearchBox) {
    Program program;
    windows::Form1& main = StartUp(program);
    Type(*main.Text1.lineEdit(), "G");
    for (int row : {0, 1, 2, 44, 62, 65}) {
        QListWidgetItem* item = main.List1.item(row);
        main.List1.scrollToItem(item);
        Click(*main.List1.viewport(), main.List1.visualItemRect(item).center());
        ExpectShows(main, row);
        EXPECT_EQ(main.Text1.Text(), "G");
    }
    EXPECT_EQ(MeaningOf(1), MeaningOf(2));
}

TEST(MainWindow, ArrowKeysShowEntriesExactlyAsClicks) {
    Program program;
    windows::Form1& main = StartUp(program);
    main.List1.setFocus();
    main.List1.setListIndex(0);
    QTest::keyClick(&main.List1, Qt::Key_Down);
    ExpectShows(main, 1);
    QTest::keyClick(&main.List1, Qt::Key_End);
    ExpectShows(main, 65);
    QTest::keyClick(&main.List1, Qt::Key_Up);
    ExpectShows(main, 64);
}

// The origin of row 39 holds "&" as a glyph code: it is drawn as itself,
// never taken for a shortcut marker that would hide it.
TEST(MainWindow, OriginLabelDrawsTheAmpersandAsAGlyph) {
    Program program;
    windows::Form1& main = StartUp(program);
    main.List1.setListIndex(39);
    const QString origin = main.Label10.Caption();
    ASSERT_TRUE(origin.startsWith(u"d&"));
    const QFontMetricsF metrics(main.Label10.font());
    const QStringList lines = platform::WrapAtBlanks(origin, metrics, main.Label10.width());
    EXPECT_EQ(lines.join(u' '), origin);
}

TEST(MainWindow, LongOriginWrapsAtBlanksInsideTheLabel) {
    Program program;
    windows::Form1& main = StartUp(program);
    main.List1.setListIndex(38);
    const QFontMetricsF metrics(main.Label10.font());
    const QStringList lines = platform::WrapAtBlanks(main.Label10.Caption(), metrics, main.Label10.width());
    EXPECT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(u' '), main.Label10.Caption());
    for (const QString& line : lines) {
        if (line.contains(u' ')) {
            EXPECT_LE(metrics.horizontalAdvance(line), main.Label10.width()) << line.toStdString();
        }
    }
}

TEST(MenuLabels, LightUpUntilThePointerMovesOverTheBackground) {
    Program program;
    windows::Form1& main = StartUp(program);
    platform::Label& posk = main.label("Label6");
    platform::Label& wwa = main.label("Label7");
    EXPECT_EQ(posk.BackStyle(), 0);
    EXPECT_EQ(posk.ForeColor(), layouts::kGreen);

    MoveOver(posk);
    EXPECT_EQ(posk.BackStyle(), 1);
    EXPECT_EQ(posk.BackColor(), layouts::kDarkGreen);
    MoveOver(wwa);  // a fast move across the gap: no move over the background
    EXPECT_EQ(posk.BackStyle(), 1);
    EXPECT_EQ(wwa.BackStyle(), 1);
    MoveOver(main.Text1);  // another control resets nothing
    EXPECT_EQ(posk.BackStyle(), 1);

    MoveOver(main, {20, 500});
    for (const char* name : {"Label6", "Label7", "Label8", "Label9"}) {
        EXPECT_EQ(main.label(name).BackStyle(), 0) << name;
        EXPECT_EQ(main.label(name).ForeColor(), layouts::kGreen) << name;
    }
}

TEST(MenuLabels, CloseAndMinimiseNeverChangeColour) {
    Program program;
    windows::Form1& main = StartUp(program);
    for (const char* name : {"Label2", "Label3"}) {
        platform::Label& label = main.label(name);
        const auto before = std::tuple(label.BackStyle(), label.BackColor(), label.ForeColor());
        MoveOver(label);
        MoveOver(main, {20, 500});
        EXPECT_EQ(std::tuple(label.BackStyle(), label.BackColor(), label.ForeColor()), before) << name;
    }
}

TEST(MenuLabels, MinimiseMinimisesOnlyTheMainWindow) {
    Program program;
    windows::Form1& main = StartUp(program);
    Click(main.label("Label6"));
    Click(main.label("Label3"));
    EXPECT_EQ(main.WindowState(), platform::kWindowStateMinimized);
    EXPECT_EQ(program.forms.form2().WindowState(), platform::kWindowStateNormal);
    EXPECT_TRUE(program.forms.form2().isVisible());
}

struct MenuCase {
    const char* label;
    std::function<QWidget*(windows::Forms&)> window;
};
inline void PrintTo(const MenuCase& c, std::ostream* out) { *out << c.label; }

class MenuLabelClick : public testing::TestWithParam<MenuCase> {};

TEST_P(MenuLabelClick, OpensOneWindowHoweverOftenClicked) {
    Program program;
    windows::Form1& main = StartUp(program);
    Click(main.label(GetParam().label));
    QWidget* first = GetParam().window(program.forms);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    Click(main.label(GetParam().label));
    EXPECT_EQ(GetParam().window(program.forms), first);
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) shown += w->objectName() == first->objectName() && w->isVisible();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(main.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Labels, MenuLabelClick,
    testing::Values(MenuCase{"Label6", [](windows::Forms& f) -> QWidget* { return f.form2.ifLoaded(); }},
                    MenuCase{"Label7", [](windows::Forms& f) -> QWidget* { return f.form3.ifLoaded(); }},
                    MenuCase{"Label8", [](windows::Forms& f) -> QWidget* { return f.form4.ifLoaded(); }},
                    MenuCase{"Label9", [](windows::Forms& f) -> QWidget* { return f.form5.ifLoaded(); }},
                    MenuCase{"Label2", [](windows::Forms& f) -> QWidget* { return f.form9.ifLoaded(); }}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Magnifier, OpensWithTheCurrentEntryAndLeavesTheMainWindowAsItWas) {
    Program program;
    windows::Form1& main = StartUp(program);
    main.List1.setListIndex(0);
    Click(main.image("Image2"));
    windows::Form10& magnifier = program.forms.form10();
    EXPECT_TRUE(magnifier.isVisible());
    EXPECT_EQ(magnifier.Text1.Text(), MeaningOf(0));
    EXPECT_EQ(magnifier.Text2.Text(), OriginOf(0));
    ExpectShows(main, 0);
    EXPECT_DOUBLE_EQ(magnifier.Text1.FontSize(), 14.25);
    EXPECT_DOUBLE_EQ(magnifier.Text2.FontSize(), 14.25);
}

TEST(Magnifier, WithNothingSelectedBothBoxesAreEmpty) {
    Program program;
    windows::Form1& main = StartUp(program);
    Click(main.image("Image2"));
    EXPECT_TRUE(program.forms.form10().Text1.Text().isEmpty());
    EXPECT_TRUE(program.forms.form10().Text2.Text().isEmpty());
}

TEST(Magnifier, SizePicturesSetFixedSizesUntilReopened) {
    Program program;
    windows::Form1& main = StartUp(program);
    main.List1.setListIndex(3);
    Click(main.image("Image2"));
    windows::Form10* magnifier = &program.forms.form10();
    Click(magnifier->image("Image3"));
    EXPECT_DOUBLE_EQ(magnifier->Text1.FontSize(), 14);
    EXPECT_DOUBLE_EQ(magnifier->Text2.FontSize(), 14);
    Click(magnifier->image("Image2"));
    Click(magnifier->image("Image2"));
    EXPECT_DOUBLE_EQ(magnifier->Text1.FontSize(), 16);
    EXPECT_DOUBLE_EQ(magnifier->Text2.FontSize(), 16);

    // Later selections do not follow; the button copies them again, size kept.
    main.List1.setListIndex(38);
    EXPECT_EQ(magnifier->Text1.Text(), MeaningOf(3));
    Click(main.image("Image2"));
    EXPECT_EQ(&program.forms.form10(), magnifier);
    EXPECT_EQ(magnifier->Text1.Text(), MeaningOf(38));
    EXPECT_EQ(magnifier->Text2.Text(), OriginOf(38));
    EXPECT_DOUBLE_EQ(magnifier->Text1.FontSize(), 16);

    // Closed and opened again: the layout's size, and the text copied again.
    Click(magnifier->image("Image1"));
    DestroyUnloaded();
    main.List1.setListIndex(5);
    Click(main.image("Image2"));
    EXPECT_DOUBLE_EQ(program.forms.form10().Text1.FontSize(), 14.25);
    EXPECT_EQ(program.forms.form10().Text1.Text(), MeaningOf(5));
}

TEST(ExitWindow, NoReturnsToTheProgramAsItWas) {
    Program program;
    windows::Form1& main = StartUp(program);
    Type(*main.Text1.lineEdit(), "DG");
    Click(main.label("Label2"));
    windows::Form9* exit = &program.forms.form9();
    Click(main.label("Label2"));  // a second click leaves one exit window
    EXPECT_EQ(&program.forms.form9(), exit);
    Click(exit->image("Image2"));
    EXPECT_FALSE(program.forms.form9.isLoaded());
    EXPECT_EQ(program.quits, 0);
    EXPECT_EQ(main.Text1.Text(), "DG");
    ExpectShows(main, 7);
}

TEST(ExitWindow, YesEndsTheProgramWithEveryWindowOpen) {
    Program program;
    windows::Form1& main = StartUp(program);
    for (const char* menu : {"Label6", "Label7", "Label8", "Label9"}) Click(main.label(menu));
    Click(main.image("Image2"));
    Click(main.label("Label2"));
    Click(program.forms.form9().image("Image1"));
    EXPECT_EQ(program.quits, 1);
    EXPECT_TRUE(program.forms.hasEnded());
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<platform::Form*>(w)) {
            EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
        }
    }
    EXPECT_FALSE(program.forms.form1.isLoaded());
    EXPECT_FALSE(program.forms.form2.isLoaded());
    EXPECT_FALSE(program.forms.form10.isLoaded());
}

// Unicode Bengali in the search box: typed by a Unicode keyboard, mixed with
// the on-screen keyboard's glyph codes, or odd input that must find nothing.
INSTANTIATE_TEST_SUITE_P(
    Unicode, TypingInTheSearchBox,
    testing::Values(SearchCase{"OneLetter", u"ক"_s, 8}, SearchCase{"TwoPartVowel", u"জো"_s, 15},
                    SearchCase{"TwoPartVowelInTwoKeys", u"জ\u09C7\u09BE"_s, 15},
                    SearchCase{"UnicodeThenGlyphCodes", u"অ"_s + glyphText("\x94Q"), 1},
                    SearchCase{"WholeHeadwordWithZwnj", u"বোররাক্\u200C"_s, 64},
                    SearchCase{"NoHeadwordBeginsSo", u"ঝ"_s, -1}, SearchCase{"OnlyZwj", u"\u200D"_s, -1},
                    SearchCase{"LoneVowelSign", u"\u09BF"_s, -1}, SearchCase{"LoneVirama", u"\u09CD"_s, -1}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(MainWindow, OnScreenKeysAfterUnicodeTypingSearchTheWholeText) {
    Program program;
    windows::Form1& main = StartUp(program);
    Type(*main.Text1.lineEdit(), u"অ"_s);
    ExpectShows(main, 0);
    Click(program.forms.form2().image("Image6"));  // the key for cha: "P"
    EXPECT_EQ(main.Text1.Text(), u"অP"_s);
    ExpectShows(main, 1);
}

namespace {

QClipboard& Clipboard() { return *QApplication::clipboard(); }

QByteArray ClipboardCodes() {
    const QMimeData* data = Clipboard().mimeData();
    return data ? data->data(QString::fromLatin1(platform::kGlyphCodesMimeType)) : QByteArray();
}

void SelectAllAndCopy(platform::TextBox& box) {
    if (QLineEdit* line = box.lineEdit()) {
        line->selectAll();
        QTest::keySequence(line, QKeySequence::Copy);
    } else {
        box.plainTextEdit()->selectAll();
        QTest::keySequence(box.plainTextEdit(), QKeySequence::Copy);
    }
}

}  // namespace

// Every box of glyph text copies Unicode Bengali as plain text and its exact
// codes under the program's own type.
TEST(Clipboard, GlyphBoxesCopyUnicodeAndTheirCodes) {
    Program program;
    windows::Form1& main = StartUp(program);
    main.List1.setListIndex(4);
    Click(main.image("Image2"));  // the magnifier, with the same entry
    windows::Form10& magnifier = program.forms.form10();
    Type(*main.Text1.lineEdit(), glyphText("AvB\x87jwm"));
    struct Box {
        const char* name;
        platform::TextBox& box;
        QString unicode;
        QByteArray codes;
    };
    const Box boxes[] = {
        {"search", main.Text1, u"আইলেসি"_s, QByteArray("AvB\x87jwm")},
        {"meaning", main.Text2, u"এসেছি"_s, QByteArray("G\x87mwQ")},
        {"magnified meaning", magnifier.Text1, u"এসেছি"_s, QByteArray("G\x87mwQ")},
        {"magnified origin", magnifier.Text2, u"চর্যাপদ এর ব্যাকরণ"_s, QByteArray("Phv\xA9" "c` Gi e\xA8vKiY")},
    };
    for (const Box& b : boxes) {
        Clipboard().clear();
        SelectAllAndCopy(b.box);
        EXPECT_EQ(Clipboard().text(), b.unicode) << b.name;
        EXPECT_EQ(ClipboardCodes(), b.codes) << b.name;
    }
}

TEST(Clipboard, TermsBoxCopiesItsLatinTextUnchanged) {
    Program program;
    program.forms.form5().Show();
    platform::TextBox& terms = program.forms.form5().textBox("Text1");
    ASSERT_FALSE(terms.Text().isEmpty());
    Clipboard().clear();
    SelectAllAndCopy(terms);
    EXPECT_EQ(Clipboard().text(), terms.Text().replace(u"\r\n"_s, u"\n"_s));
    EXPECT_TRUE(ClipboardCodes().isEmpty());
}

// Copy from the meaning box, paste into the search box: the exact codes come
// back, not their Unicode reading, and the search runs once on them.
TEST(Clipboard, PasteIntoTheSearchBoxRestoresTheExactCodes) {
    Program program;
    windows::Form1& main = StartUp(program);
    main.List1.setListIndex(15);
    SelectAllAndCopy(main.Text2);
    QTest::keySequence(main.Text1.lineEdit(), QKeySequence::Paste);
    EXPECT_EQ(main.Text1.Text(), MeaningOf(15));
    ExpectShows(main, -1);  // no headword begins with this meaning
    main.Text1.setText(QString());
    Clipboard().setMimeData(platform::glyphMimeData(glyphText(core::Headword(15))));
    QTest::keySequence(main.Text1.lineEdit(), QKeySequence::Paste);
    EXPECT_EQ(main.Text1.Text(), glyphText(core::Headword(15)));
    ExpectShows(main, 15);
}

struct PasteCase {
    const char* label;
    QString plain;
    QString inBox;  // empty: the plain text itself
    int row;
};
inline void PrintTo(const PasteCase& c, std::ostream* out) { *out << c.label; }

class PastingPlainText : public testing::TestWithParam<PasteCase> {};

TEST_P(PastingPlainText, SearchesAsTyped) {
    Program program;
    windows::Form1& main = StartUp(program);
    Clipboard().setText(GetParam().plain);
    QTest::keySequence(main.Text1.lineEdit(), QKeySequence::Paste);
    EXPECT_EQ(main.Text1.Text(), GetParam().inBox.isNull() ? GetParam().plain : GetParam().inBox);
    ExpectShows(main, GetParam().row);
}

QString MegabyteMixed() {
    QString text;
    while (text.size() < (1 << 20)) text += u"Ab অক \U0001F600 "_s;
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PastingPlainText,
    testing::Values(PasteCase{"Unicode", u"জোহা"_s, {}, 15}, PasteCase{"GlyphCodesAsLatin", u"Kj"_s, {}, 9},
                    PasteCase{"LoneSurrogate", QString(QChar(0xD800)) + u"অ"_s, {}, -1},
                    // The box keeps its first 32767 characters; nothing begins with them.
                    PasteCase{"MegabyteMixed", MegabyteMixed(), MegabyteMixed().left(32767), -1}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Clipboard, CutFromTheSearchBoxEmptiesItAndClearsTheSelection) {
    Program program;
    windows::Form1& main = StartUp(program);
    Type(*main.Text1.lineEdit(), u"Kj"_s);
    ExpectShows(main, 9);
    main.Text1.lineEdit()->selectAll();
    QTest::keySequence(main.Text1.lineEdit(), QKeySequence::Cut);
    EXPECT_TRUE(main.Text1.Text().isEmpty());
    ExpectShows(main, -1);
    EXPECT_EQ(Clipboard().text(), u"কল"_s);
    EXPECT_EQ(ClipboardCodes(), QByteArray("Kj"));
}

// The context menu's copy takes the same path as the keys.
TEST(Clipboard, ContextMenuCopyGivesUnicode) {
    Program program;
    windows::Form1& main = StartUp(program);
    main.List1.setListIndex(4);
    QLineEdit& meaning = *main.Text2.lineEdit();
    meaning.selectAll();
    Clipboard().clear();
    QContextMenuEvent event(QContextMenuEvent::Mouse, meaning.rect().center(),
                            meaning.mapToGlobal(meaning.rect().center()));
    QApplication::sendEvent(&meaning, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* copy = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QLineEdit::tr("&Copy"))) copy = action;
    ASSERT_NE(copy, nullptr);
    copy->trigger();
    menu->close();
    EXPECT_EQ(Clipboard().text(), u"এসেছি"_s);
    EXPECT_EQ(ClipboardCodes(), QByteArray("G\x87mwQ"));
}
