// What assistive technology is told when a text changes: every edit of the
// search box, whatever glyph codes it typed or deleted, reaches a screen
// reader as the smallest removal and insertion of the Unicode text, with the
// caret where it really is. A recorder stands where the platform's bridge
// would, installed before the program's own event handling.
#include "ActiveMainWindow.h"
#include "WindowTestSupport.h"

#include "platform/GlyphClipboard.h"
#include "windows/Form1.h"
#include "windows/Form2.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

struct Recorder {
    bool on = false;
    std::vector<std::string> events;
    QObject* only = nullptr;  // the one object listened to, if set
};

Recorder& Recorded() {
    static Recorder recorder;
    return recorder;
}

std::string Utf8(const QString& text) { return text.toStdString(); }

void Record(QAccessibleEvent* event) {
    Recorder& r = Recorded();
    if (!r.on || (r.only && event->object() != r.only)) return;
    switch (event->type()) {
        case QAccessible::TextInserted: {
            const auto* e = static_cast<QAccessibleTextInsertEvent*>(event);
            r.events.push_back("insert " + std::to_string(e->changePosition()) + ' ' + Utf8(e->textInserted()));
            break;
        }
        case QAccessible::TextRemoved: {
            const auto* e = static_cast<QAccessibleTextRemoveEvent*>(event);
            r.events.push_back("remove " + std::to_string(e->changePosition()) + ' ' + Utf8(e->textRemoved()));
            break;
        }
        case QAccessible::TextUpdated:
            r.events.push_back("update");
            break;
        case QAccessible::TextCaretMoved:
            r.events.push_back("caret " +
                               std::to_string(static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition()));
            break;
        case QAccessible::TextSelectionChanged: {
            const auto* e = static_cast<QAccessibleTextSelectionEvent*>(event);
            r.events.push_back("select " + std::to_string(e->selectionStart()) + ' ' +
                               std::to_string(e->selectionEnd()));
            break;
        }
        case QAccessible::Focus: {
            const std::string name = event->object() ? event->object()->objectName().toStdString() : "?";
            r.events.push_back("focus " + name + (event->child() >= 0 ? ' ' + std::to_string(event->child()) : ""));
            break;
        }
        default:
            break;
    }
}

// The recorder stands in the bridge's place: installed before any window,
// it receives what the program passes on.
class RecorderFirst : public testing::Environment {
public:
    void SetUp() override { QAccessible::installUpdateHandler(&Record); }
};
const testing::Environment* const kRecorder = testing::AddGlobalTestEnvironment(new RecorderFirst);

// Hands an event to the program's handling as Qt does under a screen
// reader (offscreen, Qt raises none: no reader is there).
void AsQtRaisesIt(QAccessibleEvent& event) {
    const QAccessible::UpdateHandler installed = QAccessible::installUpdateHandler(nullptr);
    QAccessible::installUpdateHandler(installed);
    installed(&event);
}

void StartRecording(QObject* only) {
    Recorded() = Recorder{true, {}, only};
}

std::vector<std::string> StopRecording() {
    Recorded().on = false;
    return Recorded().events;
}

void Key(QWidget& target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&target, key, modifiers);
}

struct EditCase {
    const char* edit;
    QString text;  // glyph codes before the edit
    int caret;     // -1: everything selected
    std::function<void(Program&, QLineEdit&)> act;
    std::vector<std::string> told;
};

// K = ক, j = ল, A = অ; w is the vowel sign ি, written before its letter in
// glyph codes and after it in Unicode.
TEST(TextEvents, EveryEditOfTheSearchBoxIsToldAsTheUnicodeCharactersItChanged) {
    const auto type = [](const char* text) {
        return [text](Program&, QLineEdit& box) { Type(box, QString::fromLatin1(text)); };
    };
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        return [k, m](Program&, QLineEdit& box) { Key(box, k, m); };
    };
    const EditCase cases[] = {
        {"type at the end", "K", 1, type("j"), {"insert 1 ল", "caret 2"}},
        {"type in the middle", "Kj", 1, type("A"), {"insert 1 অ", "caret 2"}},
        {"type a letter after its vowel sign", "w", 1, type("K"), {"insert 0 ক", "caret 2"}},
        {"BackSpace at the end", "Kj", 2, key(Qt::Key_Backspace), {"remove 1 ল", "caret 1"}},
        {"BackSpace in the middle", "Kj", 1, key(Qt::Key_Backspace), {"remove 0 ক", "caret 0"}},
        {"BackSpace at the start", "Kj", 0, key(Qt::Key_Backspace), {}},
        {"BackSpace a letter after its vowel sign", "wK", 2, key(Qt::Key_Backspace), {"remove 0 ক", "caret 1"}},
        {"Delete at the start", "Kj", 0, key(Qt::Key_Delete), {"remove 0 ক"}},
        {"Delete in the middle", "Kj", 1, key(Qt::Key_Delete), {"remove 1 ল"}},
        {"Delete at the end", "Kj", 2, key(Qt::Key_Delete), {}},
        {"select all and delete", "Kj", -1, key(Qt::Key_Backspace), {"remove 0 কল", "caret 0", "select -1 -1"}},
        {"paste over a selection", "Kj", -1,
         [](Program&, QLineEdit& box) {
             platform::copyGlyphText(u"A", QClipboard::Clipboard);
             Key(box, Qt::Key_V, Qt::ControlModifier);
         },
         {"remove 0 কল", "insert 0 অ", "caret 1", "select -1 -1"}},
        {"a key of the keyboard window", "Kj", 1,
         [](Program& program, QLineEdit&) { Click(program.forms.form2().image("Image1")); },
         {"insert 1 অ", "caret 2"}},
        {"the keyboard window's clear key", "Kj", 1,
         [](Program& program, QLineEdit&) { Click(program.forms.form2().image("Image51")); },
         {"remove 0 কল", "caret 0"}},
    };
    for (const EditCase& c : cases) {
        Program program;
        windows::Form1& main = OpenActiveMain(program);
        program.forms.form2().Show();
        QLineEdit& box = *main.Text1.lineEdit();
        main.Text1.setText(c.text);
        if (c.caret < 0) box.selectAll(); else box.setCursorPosition(c.caret);
        StartRecording(&box);
        c.act(program, box);
        EXPECT_EQ(StopRecording(), c.told) << c.edit;
    }
}

// The program writes the meaning box on every selection: a reader hears
// the new meaning, not the old one again.
TEST(TextEvents, TheMeaningBoxTellsTheMeaningThatReplacedTheLastOne) {
    Program program;
    windows::Form1& main = OpenActiveMain(program);
    main.List1.setListIndex(0);  // অকিলেসেঁ: অক্লেশে: বিনা পরিশ্রমে
    StartRecording(main.Text2.editor());
    main.List1.setListIndex(1);
    const std::vector<std::string> told = StopRecording();
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.front().rfind("remove ", 0), 0u) << told.front();
    EXPECT_EQ(Utf8(QAccessible::queryAccessibleInterface(main.Text2.editor())->text(QAccessible::Value)),
              Utf8(QAccessible::queryAccessibleInterface(main.Text2.editor())->textInterface()->text(0, 1000)));
}

// Only the control with the keyboard focus reports focus: a search moves
// the list's selection while the search box keeps the focus; entering the
// list lands on its current row.
TEST(TextEvents, ASearchSelectsARowWithoutMovingTheFocus) {
    Program program;
    windows::Form1& main = OpenActiveMain(program);
    ASSERT_TRUE(main.Text1.editor()->hasFocus());
    StartRecording(nullptr);
    Type(*main.Text1.lineEdit(), QStringLiteral("Kj"));
    const std::vector<std::string> typing = StopRecording();
    for (const std::string& event : typing) EXPECT_NE(event.rfind("focus", 0), 0u) << event;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&main.List1);
    const int row = main.List1.ListIndex();
    ASSERT_GE(row, 0);
    EXPECT_TRUE(list->child(row)->state().selected);
    EXPECT_FALSE(list->child(row)->state().focused);
    EXPECT_EQ(list->focusChild(), nullptr);

    // Under a screen reader Qt tells the list's current row as focused on
    // every change, and the list itself when it takes the focus: these
    // events, as Qt raises them, pass only where the keyboard focus is.
    const auto qtTellsFocus = [&main](int child) {
        QAccessibleEvent event(&main.List1, QAccessible::Focus);
        event.setChild(child);
        AsQtRaisesIt(event);
    };
    StartRecording(&main.List1);
    qtTellsFocus(row);
    EXPECT_EQ(StopRecording(), std::vector<std::string>{});

    Key(*main.Text1.editor(), Qt::Key_Tab);
    ASSERT_TRUE(main.List1.hasFocus());
    StartRecording(&main.List1);
    qtTellsFocus(-1);
    EXPECT_EQ(StopRecording(), std::vector<std::string>{"focus List1 " + std::to_string(row)});
    EXPECT_TRUE(list->child(row)->state().focused);
    EXPECT_EQ(list->focusChild(), list->child(row));
}

// A box tells its caret and selection only while it has the focus, and not
// the selection it makes as the focus arrives: a reader told of the focus
// reads the box, selection included, and told of a caret or selection of a
// box first, takes that for the focus and skips the box's name.
TEST(TextEvents, OnlyTheFocusedBoxTellsItsCaretAndNotOnTheWayIn) {
    Program program;
    windows::Form1& main = OpenActiveMain(program);
    QWidget* meaning = main.Text2.editor();
    StartRecording(meaning);
    Type(*main.Text1.lineEdit(), QStringLiteral("Kj"));
    for (const std::string& event : StopRecording())
        EXPECT_TRUE(event.rfind("insert", 0) == 0 || event.rfind("remove", 0) == 0) << event;
    Key(*main.Text1.editor(), Qt::Key_Tab);  // the list
    StartRecording(meaning);
    Key(main.List1, Qt::Key_Tab);  // the meaning box, which selects its text
    ASSERT_TRUE(meaning->hasFocus());
    ASSERT_TRUE(main.Text2.lineEdit()->hasSelectedText());
    // Qt 6.8 also tells the box's focus from the editor itself, which is
    // true; what must not come is a caret or a selection.
    for (const std::string& event : StopRecording())
        EXPECT_EQ(event.rfind("focus", 0), 0u) << event;
    StartRecording(meaning);
    Key(*meaning, Qt::Key_End);  // the caret stays at the end, the selection goes
    Key(*meaning, Qt::Key_Home);
    EXPECT_EQ(StopRecording(), (std::vector<std::string>{"select -1 -1", "caret 0"}));
}

// Entering a list with no row selected lands on the list, which says so.
TEST(TextEvents, EnteringAListWithNoRowSaysNoWordIsSelected) {
    Program program;
    windows::Form1& main = OpenActiveMain(program);
    main.List1.setFocus(Qt::TabFocusReason);
    ASSERT_EQ(main.List1.ListIndex(), -1);
    StartRecording(&main.List1);
    QAccessibleEvent event(&main.List1, QAccessible::Focus);
    AsQtRaisesIt(event);
    EXPECT_EQ(StopRecording(), std::vector<std::string>{"focus List1"});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&main.List1)->text(QAccessible::Description),
              QStringLiteral("No word selected"));
}

}  // namespace
