// The keyboard, help, terms and who-we-are windows.
#include "WindowTestSupport.h"

#include "layouts/WebAddresses.h"
#include "platform/GlyphText.h"
#include "windows/Form1.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include <set>

using namespace testing_support;
using platform::glyphText;

namespace {

struct KeyboardRun {
    Program program;
    windows::Form1& main;
    windows::Form2& keyboard;
    KeyboardRun() : main(program.forms.form1()), keyboard(program.forms.form2()) {
        main.Show();
        keyboard.Show();
    }
    void Press(const char* key) { Click(keyboard.image(key)); }
};

}  // namespace

TEST(Keyboard, KeysBuildTheSearchTextAndSearchAfterEachKey) {
    KeyboardRun run;
    QSignalSpy searches(&run.main.Text1, &platform::TextBox::Change);
    struct Step {
        const char* key;
        const char* text;
        int row;
    };
    for (const Step& step : {Step{"Image14", "K", 8}, Step{"Image2", "KAv", -1}, Step{"Image3", "KAvB", -1}}) {
        run.Press(step.key);
        EXPECT_EQ(run.main.Text1.Text(), QString::fromLatin1(step.text)) << step.key;
        EXPECT_EQ(run.main.List1.ListIndex(), step.row) << step.key;
    }
    EXPECT_EQ(searches.count(), 3);
    EXPECT_EQ(run.main.Text1.Text().size(), 4);
}

struct InsertCase {
    const char* label;
    QString before;
    int selectionStart, selectionLength;  // a caret when the length is 0
    const char* key;
    QString after;
    int caretAfter;
};
inline void PrintTo(const InsertCase& c, std::ostream* out) { *out << c.label; }

class KeyInsertion : public testing::TestWithParam<InsertCase> {};

TEST_P(KeyInsertion, ReplacesTheSelectionAndLeavesTheCaretAfterIt) {
    KeyboardRun run;
    QLineEdit& edit = *run.main.Text1.lineEdit();
    edit.setText(GetParam().before);
    if (GetParam().selectionLength > 0) edit.setSelection(GetParam().selectionStart, GetParam().selectionLength);
    else edit.setCursorPosition(GetParam().selectionStart);
    QWidget* focusBefore = QApplication::focusWidget();
    run.Press(GetParam().key);
    EXPECT_EQ(edit.text(), GetParam().after);
    EXPECT_EQ(edit.cursorPosition(), GetParam().caretAfter);
    EXPECT_FALSE(edit.hasSelectedText());
    EXPECT_EQ(QApplication::focusWidget(), focusBefore);  // the focus does not move
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyInsertion,
    testing::Values(InsertCase{"MidText", "Kj", 1, 0, "Image19", "Kbj", 2},
                    InsertCase{"WholeSelection", "Gwjqvm", 0, 6, "Image1", "A", 1},
                    InsertCase{"PartSelection", "ABCD", 1, 2, "Image2", "AAvD", 3},
                    InsertCase{"TwoCharacterKeyEndsInBlank", "Wvm", 3, 0, "Image37", "Wvm_ ", 5},
                    InsertCase{"GraveAccent", "", 0, 0, "Image18", "`", 1}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Keyboard, EveryLetterKeyTypesItsOwnCode) {
    KeyboardRun run;
    std::set<QString> codes;
    for (const auto& entry : run.keyboard.layout().controls) {
        if (entry.glyphCode.empty()) continue;
        run.main.Text1.setText(QString());
        Click(run.keyboard.image(entry.name));
        EXPECT_EQ(run.main.Text1.Text(), glyphText(entry.glyphCode)) << entry.name;
        codes.insert(run.main.Text1.Text());
    }
    EXPECT_EQ(codes.size(), 50u);
}

TEST(Keyboard, ClearEmptiesTheSearchAndTheDisplays) {
    KeyboardRun run;
    run.Press("Image14");
    EXPECT_EQ(run.main.List1.ListIndex(), 8);
    run.Press("Image51");
    EXPECT_TRUE(run.main.Text1.Text().isEmpty());
    EXPECT_EQ(run.main.List1.ListIndex(), -1);
    EXPECT_TRUE(run.main.Text2.Text().isEmpty());
    EXPECT_TRUE(run.main.Label10.Caption().isEmpty());
    QSignalSpy searches(&run.main.Text1, &platform::TextBox::Change);
    run.Press("Image51");  // already empty: stays empty, nothing to search
    EXPECT_TRUE(run.main.Text1.Text().isEmpty());
    EXPECT_EQ(searches.count(), 0);
}

TEST(Keyboard, CloseKeyLeavesTheSearchAsItWas) {
    KeyboardRun run;
    run.Press("Image41");
    run.Press("Image26");
    const QString text = run.main.Text1.Text();
    const int row = run.main.List1.ListIndex();
    run.Press("Image52");
    EXPECT_FALSE(run.program.forms.form2.isLoaded());
    EXPECT_EQ(run.main.Text1.Text(), text);
    EXPECT_EQ(run.main.List1.ListIndex(), row);
}

TEST(Keyboard, AKeyLoadsTheMainWindowWithoutShowingIt) {
    Program program;
    windows::Form2& keyboard = program.forms.form2();
    keyboard.Show();
    Click(keyboard.image("Image1"));
    ASSERT_TRUE(program.forms.form1.isLoaded());
    EXPECT_FALSE(program.forms.form1().isVisible());
    EXPECT_EQ(program.forms.form1().Text1.Text(), "A");
    EXPECT_EQ(program.forms.form1().List1.ListIndex(), 0);
}

TEST(Keyboard, ToolTipsOnlyOnClearAndClose) {
    Program program;
    windows::Form2& keyboard = program.forms.form2();
    EXPECT_EQ(keyboard.image("Image51").toolTip(), "Delate ");
    EXPECT_EQ(keyboard.image("Image52").toolTip(), "Close");
    EXPECT_TRUE(keyboard.image("Image14").toolTip().isEmpty());
}

TEST(HelpWindow, LinksHandTheirAddressToTheDesktopEachClick) {
    Program program;
    windows::Form4& help = program.forms.form4();
    help.Show();
    Click(help.label("Label10"));
    Click(help.label("Label10"));
    Click(help.label("Label12"));
    const std::string terms(layouts::kOnlineTermsAddress), update(layouts::kProductUpdateAddress);
    EXPECT_EQ(program.shell.opened, (std::vector<std::string>{terms, terms, update}));
    EXPECT_EQ(help.MousePointer(), platform::kMousePointerDefault);
    EXPECT_TRUE(program.forms.form4.isLoaded());
}

TEST(HelpWindow, ThePointerIsBusyWhileTheDesktopOpensTheLink) {
    struct WatchingShell : platform::Shell {
        int pointerDuringOpen = -1;
        windows::Form4* help = nullptr;
        void Open(std::string_view) override { pointerDuringOpen = help->MousePointer(); }
    } shell;
    windows::Forms forms(shell, [] {});
    shell.help = &forms.form4();
    Click(forms.form4().label("Label12"));
    EXPECT_EQ(shell.pointerDuringOpen, platform::kMousePointerHourglass);
    EXPECT_EQ(forms.form4().MousePointer(), platform::kMousePointerDefault);
}

TEST(HelpWindow, LinksLightUpAndResetToBlack) {
    Program program;
    windows::Form4& help = program.forms.form4();
    platform::Label& update = help.label("Label12");
    platform::Label& terms = help.label("Label10");
    const std::uint32_t initial = update.ForeColor();
    EXPECT_TRUE(update.font().underline());

    MoveOver(update);
    EXPECT_EQ(update.ForeColor(), 0x004000u);
    EXPECT_EQ(terms.ForeColor(), initial);  // the other link is not touched
    MoveOver(help.label("Label11"));  // another label resets nothing
    EXPECT_EQ(update.ForeColor(), 0x004000u);
    MoveOver(help, {20, 470});
    EXPECT_EQ(update.ForeColor(), 0x000000u);
    EXPECT_EQ(terms.ForeColor(), 0x000000u);

    Click(help.image("Image1"));
    DestroyUnloaded();
    EXPECT_EQ(program.forms.form4().label("Label12").ForeColor(), initial);
}

TEST(TermsWindow, DisclaimerIsReadOnlyAndCopiesWithItsLineBreaks) {
    Program program;
    windows::Form5& terms = program.forms.form5();
    terms.Show();
    platform::TextBox& box = terms.textBox("Text1");
    const QString laidOut = box.Text();
    EXPECT_TRUE(laidOut.startsWith("Disclaimer of Warranty.\r\n"));
    EXPECT_EQ(laidOut.size(), 1450);

    QPlainTextEdit& edit = *box.plainTextEdit();
    edit.setFocus();
    QTest::keyClicks(&edit, "typed");
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText("pasted");
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), laidOut);

    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    QString copied = QGuiApplication::clipboard()->text();
    copied.replace(QChar::ParagraphSeparator, u'\n');
    EXPECT_EQ(copied.count(u'\n'), 37 - 1 + 1 - 1 + 1);  // one break after each of the 37 lines
    EXPECT_EQ(QString(copied).replace(u'\n', QStringLiteral("\r\n")), laidOut);
}

TEST(TermsWindow, OpensScrolledToTheTopEveryTime) {
    Program program;
    windows::Form5* terms = &program.forms.form5();
    terms->Show();
    QScrollBar* bar = terms->textBox("Text1").plainTextEdit()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);  // 37 lines need the scroll bar
    EXPECT_EQ(bar->value(), 0);
    bar->setValue(bar->maximum());
    Click(terms->image("Image3"));
    DestroyUnloaded();
    terms = &program.forms.form5();
    terms->Show();
    EXPECT_EQ(terms->textBox("Text1").plainTextEdit()->verticalScrollBar()->value(), 0);
}

// Whatever the box's state before the load, the load brings its view and its
// caret back to the first line.
TEST(TermsWindow, LoadPutsTheDisclaimerBoxAtItsFirstLine) {
    const std::pair<const char*, std::function<void(QPlainTextEdit&)>> before[] = {
        {"caret at the end", [](QPlainTextEdit& box) { box.moveCursor(QTextCursor::End); }},
        {"scrolled by the bar", [](QPlainTextEdit& box) {
             box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
         }},
    };
    for (const auto& [name, move] : before) {
        SCOPED_TRACE(name);
        Program program;
        windows::Form5 terms(program.forms);
        QPlainTextEdit& box = *terms.textBox("Text1").plainTextEdit();
        terms.show();
        move(box);
        ASSERT_GT(box.verticalScrollBar()->value(), 0);
        terms.Load();
        EXPECT_EQ(box.verticalScrollBar()->value(), 0);
        EXPECT_EQ(box.textCursor().position(), 0);
    }
}

TEST(WhoWeAreWindow, ClosingLeavesTheOtherWindowsAsTheyWere) {
    Program program;
    windows::Form1& main = program.forms.form1();
    main.Show();
    Type(*main.Text1.lineEdit(), "ci");
    program.forms.form4().Show();
    program.forms.form3().Show();
    Click(program.forms.form3().label("Label14"));  // static: does nothing
    EXPECT_TRUE(program.forms.form3.isLoaded());
    Click(program.forms.form3().image("Image1"));
    EXPECT_FALSE(program.forms.form3.isLoaded());
    EXPECT_TRUE(program.forms.form4().isVisible());
    EXPECT_EQ(main.Text1.Text(), "ci");
    EXPECT_EQ(main.List1.ListIndex(), 39);
}
