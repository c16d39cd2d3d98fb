// The windows as assistive technology and the keyboard meet them: roles,
// names and press actions through QAccessible, the Tab order, and the keys
// that press, close and answer.
#include "WindowTestSupport.h"

#include "layouts/WindowLayouts.h"
#include "platform/ClickableControl.h"
#include "platform/TextBox.h"
#include "shell/BorderlessWindow.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form7.h"
#include "windows/Form9.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using namespace testing_support;

namespace {

// Shows a window as the program would have it: the main window with a
// search typed, then the window asked for on top of it (the splash alone).
platform::Form& Open(Program& program, std::string_view window) {
    auto& forms = program.forms;
    const layouts::WindowRow* row = layouts::FindWindowRow(window);
    if (!row) throw std::invalid_argument("no window " + std::string(window));
    if (row->shortName != "splash") {
        forms.form1().Show();
        forms.form1().Text1.setText(QStringLiteral("Ki"));
    }
    platform::Form& form = forms.open(*row);
    form.Show();
    return form;
}

// Makes the window the active one, as the desktop does when it opens; it
// then focuses its first control.
void Activate(platform::Form& form) {
    QCoreApplication::processEvents();
    // Deprecated in Qt 6.8, but synchronous on every version, as the test needs.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(&form);
    QT_WARNING_POP
    QCoreApplication::processEvents();
}

// Everything a click can change, as one comparable line.
std::string Snapshot(Program& program) {
    std::ostringstream out;
    auto window = [&out](std::string_view name, platform::Form* form) {
        out << name << (!form ? "-none " : !form->isVisible() ? "-hidden " : form->WindowState() ? "-min " : "-shown ");
    };
    auto& forms = program.forms;
    for (const layouts::WindowRow& row : layouts::kWindowRows) window(row.shortName, forms.ifLoaded(row));
    if (auto* main = forms.form1.ifLoaded())
        out << "search=" << main->Text1.Text().toStdString() << " row=" << main->List1.ListIndex() << ' ';
    if (auto* magnifier = forms.form10.ifLoaded()) out << "size=" << magnifier->Text1.FontSize() << ' ';
    out << "quits=" << program.quits << " opened=" << program.shell.opened.size();
    return out.str();
}

std::vector<platform::ClickableControl*> Buttons(platform::Form& form) {
    std::vector<platform::ClickableControl*> buttons;
    for (auto* control : form.findChildren<platform::ClickableControl*>())
        if (control->isClickable()) buttons.push_back(control);
    return buttons;
}

QAccessibleInterface& Accessible(QObject& object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&object);
    if (!iface) throw std::logic_error("no accessible interface");
    return *iface;
}

// The press action runs as an event of its own, like a mouse click.
void PressByAction(QObject& control) {
    QAccessibleActionInterface* actions = Accessible(control).actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

// The name of the control that has the focus (a text box, not its editor).
std::string FocusName(platform::Form& form) {
    QWidget* focus = form.focusWidget();
    if (!focus) return "(none)";
    if (focus->parentWidget() != &form) focus = focus->parentWidget();
    return focus->objectName().toStdString();
}

void Key(platform::Form& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = form.focusWidget() ? form.focusWidget() : &form;
    QTest::keyClick(target, key, modifiers);
}

// ---- roles and names ----------------------------------------------------

// The splash and the exit confirmation are dialogs; every other window a frame.
TEST(Accessibility, WindowsAreFramesOrDialogsNamedByTheirCaption) {
    for (const layouts::WindowRow& row : layouts::kWindowRows) {
        const bool dialog = row.shortName == "splash" || row.shortName == "exit";
        Program program;
        QAccessibleInterface& window = Accessible(Open(program, row.className));
        EXPECT_EQ(window.role(), dialog ? QAccessible::Dialog : QAccessible::Window) << row.className;
        EXPECT_EQ(window.text(QAccessible::Name).toStdString(), row.title()) << row.className;
    }
}

struct ControlCase {
    const char* window;
    const char* control;
    QAccessible::Role role;
    QString name;
};

TEST(Accessibility, ControlsHaveTheirRoleAndName) {
    const ControlCase cases[] = {
        {"Form1", "Label2", QAccessible::PushButton, QStringLiteral("Exit")},
        {"Form1", "Label3", QAccessible::PushButton, QStringLiteral("Minimise")},
        {"Form1", "Label6", QAccessible::PushButton, QStringLiteral("Pebble's On Screen Keyboard")},
        {"Form1", "Label7", QAccessible::PushButton, QStringLiteral("Who We Are")},
        {"Form1", "Label8", QAccessible::PushButton, QStringLiteral("Help")},
        {"Form1", "Label9", QAccessible::PushButton, QStringLiteral("Terms")},
        {"Form1", "Image2", QAccessible::PushButton, QStringLiteral("Quillmoor Magnifier Tool")},
        {"Form1", "Label11", QAccessible::StaticText, QStringLiteral("Origin")},
        {"Form1", "Label4", QAccessible::StaticText, QStringLiteral("Historical Morphology")},
        {"Form2", "Image51", QAccessible::PushButton, QStringLiteral("Delate")},
        {"Form2", "Image52", QAccessible::PushButton, QStringLiteral("Close")},
        {"Form3", "Label2", QAccessible::StaticText, QStringLiteral("Credits")},
        {"Form3", "Label5", QAccessible::StaticText, QStringLiteral("Contributor")},
        {"Form3", "Image1", QAccessible::PushButton, QStringLiteral("Close")},
        {"Form4", "Label10", QAccessible::Link,
         QStringLiteral("Quillmoor Software Online Terms (*Internet Connection Required)")},
        {"Form4", "Label12", QAccessible::Link,
         QStringLiteral("Click to Check Update (*Internet Connection Required)")},
        {"Form4", "Label1", QAccessible::StaticText, QStringLiteral("0 Communication:")},
        {"Form4", "Image1", QAccessible::PushButton, QStringLiteral("Close")},
        {"Form5", "Image3", QAccessible::PushButton, QStringLiteral("Close")},
        {"Form9", "Image1", QAccessible::PushButton, QStringLiteral("Yes")},
        {"Form9", "Image2", QAccessible::PushButton, QStringLiteral("No")},
        {"Form10", "Image1", QAccessible::PushButton, QStringLiteral("Close")},
    };
    for (const auto& c : cases) {
        Program program;
        platform::Form& form = Open(program, c.window);
        auto* control = form.findChild<QWidget*>(QString::fromLatin1(c.control));
        ASSERT_NE(control, nullptr) << c.window << ' ' << c.control;
        QAccessibleInterface& iface = Accessible(*control);
        EXPECT_EQ(iface.role(), c.role) << c.window << ' ' << c.control;
        EXPECT_EQ(iface.text(QAccessible::Name), c.name) << c.window << ' ' << c.control;
        EXPECT_EQ(iface.parent(), &Accessible(form)) << c.window << ' ' << c.control;
    }
}

TEST(Accessibility, LetterKeysAreNamedByTheirBengaliLetterEachOnce) {
    Program program;
    platform::Form& keys = Open(program, "Form2");
    EXPECT_EQ(Accessible(keys.image("Image1")).text(QAccessible::Name), QStringLiteral("অ"));
    EXPECT_EQ(Accessible(keys.image("Image19")).text(QAccessible::Name), QStringLiteral("ন"));
    std::vector<QString> names;
    for (auto* key : Buttons(keys)) names.push_back(Accessible(*key).text(QAccessible::Name));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
}

// The widgets keep their glyph codes; what assistive technology reads of the
// list rows, the boxes and the origin is Unicode Bengali.
TEST(Accessibility, RowsBoxesAndOriginReadInUnicodeAfterASearch) {
    Program program;
    windows::Form1& main = program.forms.form1();
    Open(program, "Form1");
    main.Text1.setText(QString());
    Type(*main.Text1.lineEdit(), QStringLiteral("AwK"));
    ASSERT_EQ(main.List1.ListIndex(), 0);
    EXPECT_EQ(main.Text2.Text(), QStringLiteral("A‡K¬‡k: webv cwikÖ‡g"));

    QAccessibleInterface* list = Accessible(main).child(Accessible(main).indexOfChild(&Accessible(main.List1)));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral("অকিলেসেঁ"));
    EXPECT_TRUE(list->child(0)->state().selected);

    struct Box {
        QWidget* editor;
        QString spoken;
    };
    for (const Box& box : {Box{main.Text1.editor(), QStringLiteral("অকি")},
                           Box{main.Text2.editor(), QStringLiteral("অক্লেশে: বিনা পরিশ্রমে")}}) {
        QAccessibleInterface& iface = Accessible(*box.editor);
        EXPECT_EQ(iface.role(), QAccessible::EditableText);
        EXPECT_EQ(iface.parent(), &Accessible(main));  // the box's frame is not in the way
        EXPECT_EQ(iface.text(QAccessible::Value), box.spoken);
        ASSERT_NE(iface.textInterface(), nullptr);
        EXPECT_EQ(iface.textInterface()->text(0, iface.textInterface()->characterCount()), box.spoken);
    }
    EXPECT_EQ(Accessible(*main.Text1.editor()).text(QAccessible::Name), QStringLiteral("Pebble's Search Engine"));
    EXPECT_EQ(Accessible(*main.Text1.editor()).textInterface()->cursorPosition(), 3);
    EXPECT_EQ(Accessible(main.Label10).text(QAccessible::Name), QStringLiteral("চর্যাপদ এর ব্যাকরণ"));
    // The origin is never focused; the meaning box carries it as its description.
    EXPECT_EQ(Accessible(*main.Text2.editor()).text(QAccessible::Description),
              QStringLiteral("Origin: চর্যাপদ এর ব্যাকরণ"));

    PressByAction(main.image("Image2"));  // the magnifier, with the meaning and origin
    windows::Form10& boxes = program.forms.form10();
    EXPECT_EQ(Accessible(*boxes.Text1.editor()).text(QAccessible::Value), QStringLiteral("অক্লেশে: বিনা পরিশ্রমে"));
    EXPECT_EQ(Accessible(*boxes.Text2.editor()).text(QAccessible::Value), QStringLiteral("চর্যাপদ এর ব্যাকরণ"));
}

struct CaptionCase {
    const char* window;
    const char* control;
    const char* caption;  // the label over it
    QString name;
};

// The headings on the window name the controls under them, as a reader
// finds a caption: the control is labelled by it, and it labels the control.
TEST(Accessibility, HeadingsNameTheControlsUnderThem) {
    const CaptionCase cases[] = {
        {"Form1", "List1", "Label1", QStringLiteral("Brain Word")},
        {"Form1", "Text2", "Label4", QStringLiteral("Historical Morphology")},
        {"Form1", "Label10", "Label11", QStringLiteral("Origin")},
        {"Form10", "Text1", "Label1", QStringLiteral("Historical Morphology")},
        {"Form10", "Text2", "Label2", QStringLiteral("Origin")},
    };
    for (const auto& c : cases) {
        Program program;
        platform::Form& form = Open(program, c.window);
        auto* control = form.findChild<QWidget*>(QString::fromLatin1(c.control));
        ASSERT_NE(control, nullptr) << c.control;
        if (auto* box = qobject_cast<platform::TextBox*>(control)) control = box->editor();
        QAccessibleInterface& controlIface = Accessible(*control);
        QAccessibleInterface& captionIface = Accessible(form.label(c.caption));
        const auto labels = controlIface.relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << c.window << ' ' << c.control;
        EXPECT_EQ(labels.front().first, &captionIface) << c.window << ' ' << c.control;
        EXPECT_EQ(labels.front().first->text(QAccessible::Name), c.name) << c.window << ' ' << c.control;
        const auto labelled = captionIface.relations(QAccessible::Labelled);
        ASSERT_EQ(labelled.size(), 1) << c.window << ' ' << c.caption;
        EXPECT_EQ(labelled.front().first, &controlIface) << c.window << ' ' << c.caption;
    }
}

TEST(Accessibility, TheExitQuestionIsTheDialogsDescription) {
    Program program;
    EXPECT_EQ(Accessible(Open(program, "Form9")).text(QAccessible::Description),
              QStringLiteral("Are you sure you want to Exit?"));
}

// Over every window: every control with a click handler is a named button
// or link with a press action, nothing else has one, and the shapes, which
// are decoration, are not there at all.
TEST(Accessibility, EveryClickableControlIsANamedButtonWithAPressAction) {
    for (const layouts::WindowRow& row : layouts::kWindowRows) {
        const std::string name(row.className);
        Program program;
        platform::Form& form = Open(program, name);
        QAccessibleInterface& window = Accessible(form);
        int buttons = 0;
        for (int i = 0; i < window.childCount(); ++i) {
            QAccessibleInterface* child = window.child(i);
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(window.indexOfChild(child), i);
            EXPECT_NE(child->object()->metaObject()->className(), std::string_view("QWidget")) << name;
            auto* control = qobject_cast<platform::ClickableControl*>(child->object());
            const std::string where = std::string(name) + ' ' + child->object()->objectName().toStdString();
            const bool press = child->actionInterface() &&
                               child->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction());
            if (control && control->isClickable()) {
                ++buttons;
                EXPECT_TRUE(child->role() == QAccessible::PushButton || child->role() == QAccessible::Link) << where;
                EXPECT_FALSE(child->text(QAccessible::Name).isEmpty()) << where;
                EXPECT_TRUE(press) << where;
                EXPECT_TRUE(child->state().focusable) << where;
                // Space and Return press every button: nothing announces them.
                EXPECT_TRUE(child->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()).isEmpty()) << where;
            } else {
                EXPECT_FALSE(press) << where;
            }
        }
        EXPECT_EQ(buttons, static_cast<int>(Buttons(form).size())) << name;
    }
}

// ---- pressing: by the press action, Space and Return, as a click does ---

class PressLikeAClick : public testing::TestWithParam<const char*> {};

TEST_P(PressLikeAClick, ForEveryButtonOfTheWindow) {
    Program reference;
    const std::size_t count = Buttons(Open(reference, GetParam())).size();
    for (std::size_t i = 0; i < count; ++i) {
        Program clicked, pressed, spaced, returned;
        auto button = [&](Program& program) { return Buttons(Open(program, GetParam())).at(i); };
        platform::ClickableControl* byMouse = button(clicked);
        const std::string what = byMouse->objectName().toStdString();
        const std::string opened = Snapshot(clicked);
        Click(*byMouse);
        DestroyUnloaded();
        const std::string afterClick = Snapshot(clicked);
        EXPECT_NE(afterClick, opened) << what << ": a click changes something";

        PressByAction(*button(pressed));
        DestroyUnloaded();
        EXPECT_EQ(Snapshot(pressed), afterClick) << what << " by its press action";

        for (auto [program, key] : {std::pair{&spaced, Qt::Key_Space}, std::pair{&returned, Qt::Key_Return}}) {
            platform::ClickableControl* control = button(*program);
            control->setFocus(Qt::TabFocusReason);
            QTest::keyClick(control, key);
            DestroyUnloaded();
            EXPECT_EQ(Snapshot(*program), afterClick) << what << " by key " << key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, PressLikeAClick,
                         testing::Values("Form1", "Form2", "Form3", "Form4", "Form5", "Form9", "Form10"));

// ---- the keyboard --------------------------------------------------------

struct TabCase {
    const char* window;
    std::vector<std::string> order;  // from the first control, once round
};

TEST(KeyboardFocus, TabReachesEveryButtonAfterTheBoxesAndShiftTabGoesBack) {
    const TabCase cases[] = {
        {"Form1", {"Text1", "List1", "Text2", "Label3", "Label2", "Label6", "Label7", "Label8", "Label9", "Image2"}},
        {"Form3", {"Image1"}},
        {"Form4", {"Label10", "Label12", "Image1"}},
        {"Form5", {"Text1", "Image3"}},
        {"Form9", {"Image1", "Image2"}},
        {"Form10", {"Text1", "Text2", "Image3", "Image2", "Image1"}},  // the three in one row
    };
    for (const auto& c : cases) {
        Program program;
        platform::Form& form = Open(program, c.window);
        Activate(form);
        std::vector<std::string> forward;
        for (std::size_t i = 0; i <= c.order.size(); ++i) {
            forward.push_back(FocusName(form));
            if (i < c.order.size()) Key(form, Qt::Key_Tab);
        }
        std::vector<std::string> expected = c.order;
        expected.push_back(c.order.front());  // round again
        EXPECT_EQ(forward, expected) << c.window;
        std::vector<std::string> backward;
        for (std::size_t i = 0; i <= c.order.size(); ++i) {
            Key(form, Qt::Key_Backtab, Qt::ShiftModifier);
            backward.push_back(FocusName(form));
        }
        std::vector<std::string> reversed(expected.rbegin(), expected.rend());
        reversed.erase(reversed.begin());
        reversed.push_back(expected[expected.size() - 2]);
        EXPECT_EQ(backward, reversed) << c.window;
    }
}

TEST(KeyboardFocus, TheKeyboardWindowsKeysAreReachedOnceEachRoundFromTheTopRow) {
    Program program;
    platform::Form& keys = Open(program, "Form2");
    Activate(keys);
    std::vector<std::string> seen;
    for (int i = 0; i < 52; ++i) {
        seen.push_back(FocusName(keys));
        Key(keys, Qt::Key_Tab);
    }
    EXPECT_EQ(FocusName(keys), seen.front());
    EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.begin() + 3), (std::vector<std::string>{"Image1", "Image2", "Image3"}));
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
}

TEST(KeyboardFocus, TheMainWindowOpensWithTheSearchBoxFocused) {
    Program program;
    platform::Form& main = Open(program, "Form1");
    EXPECT_EQ(FocusName(main), "Text1");
}

TEST(KeyboardFocus, MouseClicksNeverMoveTheFocus) {
    Program program;
    windows::Form1& main = program.forms.form1();
    Open(program, "Form1");
    QWidget* search = main.Text1.editor();
    ASSERT_EQ(main.focusWidget(), search);
    Click(main.label("Label3"));  // minimise, then back
    main.setWindowState(platform::kWindowStateNormal);
    Click(main.image("Image2"));  // the magnifier
    EXPECT_EQ(main.focusWidget(), search);
    platform::Form& keys = program.forms.form2();
    keys.Show();
    QWidget* keyFocus = keys.focusWidget();  // its first key
    Click(keys.image("Image19"));
    Click(keys.image("Image1"));
    EXPECT_EQ(keys.focusWidget(), keyFocus);
    EXPECT_EQ(main.focusWidget(), search);
    EXPECT_EQ(main.Text1.Text(), QStringLiteral("KibA"));  // the keys still write into it
}

struct KeyCase {
    const char* window;
    Qt::Key key;
    const char* expected;  // what the window's snapshot line contains afterwards
};

TEST(KeyboardKeys, EscapeClosesLikeTheClosePictureAndF1OpensHelp) {
    const KeyCase cases[] = {
        {"Form2", Qt::Key_Escape, "keyboard-none"},  {"Form3", Qt::Key_Escape, "who-we-are-none"},
        {"Form4", Qt::Key_Escape, "help-none"},      {"Form5", Qt::Key_Escape, "terms-none"},
        {"Form10", Qt::Key_Escape, "magnifier-none"}, {"Form1", Qt::Key_Escape, "main-shown keyboard-none who-we-are-none help-none terms-none splash-none exit-none"},
        {"Form7", Qt::Key_Escape, "splash-shown"},   {"Form9", Qt::Key_Escape, "exit-none"},
        {"Form9", Qt::Key_N, "exit-none"},           {"Form9", Qt::Key_Return, "quits=1"},
        {"Form9", Qt::Key_Enter, "quits=1"},         {"Form9", Qt::Key_Y, "quits=1"},
        {"Form1", Qt::Key_F1, "help-shown"},         {"Form2", Qt::Key_F1, "help-shown"},
        {"Form9", Qt::Key_F1, "help-shown"},         {"Form10", Qt::Key_F1, "help-shown"},
        {"Form7", Qt::Key_F1, "help-none"},
    };
    for (const auto& c : cases) {
        Program program;
        platform::Form& form = Open(program, c.window);
        form.setFocus();  // no control has the focus: the window's own keys
        if (QWidget* focus = form.focusWidget()) focus->clearFocus();
        Key(form, c.key);
        DestroyUnloaded();
        const std::string after = Snapshot(program);
        EXPECT_NE(after.find(c.expected), std::string::npos) << c.window << " key " << c.key << ": " << after;
        if (c.key == Qt::Key_Escape || c.key == Qt::Key_N) {
            EXPECT_NE(after.find("quits=0"), std::string::npos) << c.window;
        }
    }
}

TEST(KeyboardKeys, EscapeInATextBoxStillClosesTheWindow) {
    Program program;
    platform::Form& terms = Open(program, "Form5");
    ASSERT_EQ(FocusName(terms), "Text1");
    Key(terms, Qt::Key_Escape);
    DestroyUnloaded();
    EXPECT_EQ(program.forms.form5.ifLoaded(), nullptr);
}

TEST(KeyboardKeys, AHeldKeyPressesOnce) {
    Program program;
    Open(program, "Form1");
    platform::Form& keys = Open(program, "Form2");
    platform::ClickableControl& key = keys.image("Image1");
    key.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&key, Qt::Key_Space);
    QTest::keyEvent(QTest::Press, &key, Qt::Key_Space, Qt::NoModifier);  // not a repeat: presses
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QCoreApplication::sendEvent(&key, &repeat);
    EXPECT_EQ(program.forms.form1().Text1.Text(), QStringLiteral("KiAA"));
}

TEST(KeyboardFocus, TheFocusedButtonShowsAMark) {
    Program program;
    platform::Form& exit = Open(program, "Form9");
    Activate(exit);
    for (const char* name : {"Image1", "Image2"}) {
        platform::ClickableControl& button = exit.image(name);
        exit.setFocus();
        const QImage plain = button.grab().toImage();
        button.setFocus(Qt::TabFocusReason);
        const QImage marked = button.grab().toImage();
        EXPECT_NE(plain, marked) << name;
        EXPECT_EQ(marked.pixelColor(2, 2), QColor(Qt::white)) << name;  // the inner ring
    }
}

// ---- bad input -----------------------------------------------------------

TEST(AccessibilityBadInput, PressingAButtonOfAClosingWindowDoesNothing) {
    Program program;
    platform::Form& help = Open(program, "Form4");
    QAccessibleInterface& link = Accessible(help.label("Label10"));
    help.Unload();  // hidden at once, destroyed later
    const std::string before = Snapshot(program);
    link.actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(Snapshot(program), before);
    EXPECT_TRUE(program.shell.opened.empty());
}

TEST(AccessibilityBadInput, APressQueuedBeforeTheWindowIsDestroyedIsDropped) {
    Program program;
    platform::Form& terms = Open(program, "Form5");
    QAccessibleInterface& close = Accessible(terms.image("Image3"));
    const QAccessible::Id id = QAccessible::uniqueId(&close);
    close.actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    terms.Unload();
    DestroyUnloaded();  // the window and its interfaces go first
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(program.forms.form5.ifLoaded(), nullptr);
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);  // nothing stale left behind
}

TEST(AccessibilityBadInput, AKeyPressedWithoutTheMainWindowLoadsItLikeAClick) {
    Program pressed, clicked;
    pressed.forms.form2().Show();
    clicked.forms.form2().Show();
    PressByAction(pressed.forms.form2().image("Image1"));
    Click(clicked.forms.form2().image("Image1"));
    EXPECT_EQ(Snapshot(pressed), Snapshot(clicked));
    EXPECT_EQ(pressed.forms.form1().Text1.Text(), QStringLiteral("A"));
}

TEST(AccessibilityBadInput, RapidRepeatedPressesEachCountOnceWhileTheWindowIsThere) {
    Program program;
    platform::Form& keys = Open(program, "Form2");
    QAccessibleActionInterface* key = Accessible(keys.image("Image1")).actionInterface();
    for (int i = 0; i < 5; ++i) key->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(program.forms.form1().Text1.Text(), QStringLiteral("KiAAAAA"));

    platform::Form& exit = Open(program, "Form9");
    QAccessibleActionInterface* yes = Accessible(exit.image("Image1")).actionInterface();
    for (int i = 0; i < 5; ++i) yes->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    DestroyUnloaded();
    EXPECT_EQ(program.quits, 1);  // the first ends the program; the window is gone for the rest
}

}  // namespace
