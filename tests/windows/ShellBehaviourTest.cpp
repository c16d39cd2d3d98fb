// The behaviour every window shares: outline at load, moving by the
// background, closing, and the desktop's close request.
#include "NamedWindow.h"
#include "WindowTestSupport.h"

#include "platform/Application.h"
#include "windows/Form1.h"
#include "windows/Form3.h"
#include "windows/Form7.h"
#include "windows/Form9.h"
#include "tests/support/TestApplication.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <ostream>

using namespace testing_support;

namespace {

// A point of the window's background inside its outline, away from controls.
QPoint BackgroundPoint(const QWidget& window) {
    for (int y = 20; y < window.height(); y += 7)
        for (int x = 20; x < window.width(); x += 7) {
            const QPoint p(x, y);
            if (!window.mask().contains(p)) continue;
            QWidget* child = window.childAt(p);
            if (!child || child->testAttribute(Qt::WA_TransparentForMouseEvents)) return p;
        }
    return {5, 5};
}

// A window of a fresh program, shown, with the moves it starts counted.
struct WatchedWindow {
    explicit WatchedWindow(const NamedWindow& named) : window(named.open(program.forms)) { window.Show(); }
    Program program;
    shell::BorderlessWindow& window;
    QSignalSpy drags{&window, &shell::BorderlessWindow::DragStarted};
};

}  // namespace

// Outlines at 15 twips per pixel, from each window's one border shape.
struct OutlineCase {
    NamedWindow window;
    QRect bounds;
};
inline void PrintTo(const OutlineCase& c, std::ostream* out) { *out << c.window.name; }

class WindowOutline : public testing::TestWithParam<OutlineCase> {};

TEST_P(WindowOutline, IsAppliedAtLoad) {
    Program program;
    shell::BorderlessWindow& window = GetParam().window.open(program.forms);
    EXPECT_EQ(window.mask().boundingRect(), GetParam().bounds);
    // The corner is rounded: the box's own corner pixel is cut away.
    EXPECT_FALSE(window.mask().contains(GetParam().bounds.topLeft()));
    EXPECT_TRUE(window.mask().contains(GetParam().bounds.center()));
}

const OutlineCase kOutlines[] = {
    {WindowOf("Form1"), QRect(QPoint(0, 0), QPoint(556, 528))},
    {WindowOf("Form2"), QRect(QPoint(0, 5), QPoint(370, 498))},
    {WindowOf("Form3"), QRect(QPoint(0, 2), QPoint(370, 496))},
    {WindowOf("Form4"), QRect(QPoint(0, 2), QPoint(370, 496))},
    {WindowOf("Form5"), QRect(QPoint(0, 2), QPoint(370, 496))},
    {WindowOf("Form7"), QRect(QPoint(0, 0), QPoint(284, 220))},
    {WindowOf("Form9"), QRect(QPoint(0, -1), QPoint(264, 207))},  // reaches above the top
    {WindowOf("Form10"), QRect(QPoint(0, 2), QPoint(308, 281))},
};

INSTANTIATE_TEST_SUITE_P(Windows, WindowOutline, testing::ValuesIn(kOutlines),
                         [](const auto& info) { return std::string(info.param.window.name); });

TEST(WindowOutline, IsKnownForEveryWindowOfTheTable) { ExpectEveryWindowIn(kOutlines); }

// Any mouse button pressed on the background starts a move.
struct DragCase {
    NamedWindow window;
    Qt::MouseButton button;
    const char* label;
};
inline void PrintTo(const DragCase& c, std::ostream* out) { *out << c.label; }

class BackgroundPress : public testing::TestWithParam<DragCase> {};

TEST_P(BackgroundPress, StartsAMove) {
    WatchedWindow run(GetParam().window);
    shell::BorderlessWindow& window = run.window;
    const QPoint at = BackgroundPoint(window);
    QTest::mousePress(&window, GetParam().button, Qt::NoModifier, at);
    EXPECT_EQ(run.drags.count(), 1);
    QTest::mouseRelease(&window, GetParam().button, Qt::NoModifier, at);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, BackgroundPress,
    testing::Values(DragCase{WindowOf("Form1"), Qt::LeftButton, "MainLeft"}, DragCase{WindowOf("Form1"), Qt::RightButton, "MainRight"},
                    DragCase{WindowOf("Form1"), Qt::MiddleButton, "MainMiddle"}, DragCase{WindowOf("Form2"), Qt::LeftButton, "Keyboard"},
                    DragCase{WindowOf("Form3"), Qt::RightButton, "WhoWeAre"}, DragCase{WindowOf("Form4"), Qt::LeftButton, "Help"},
                    DragCase{WindowOf("Form5"), Qt::MiddleButton, "Terms"}, DragCase{WindowOf("Form10"), Qt::LeftButton, "Magnifier"}),
    [](const auto& info) { return std::string(info.param.label); });

// Presses on controls stay with the controls.
struct ControlPressCase {
    NamedWindow window;
    const char* control;
};
inline void PrintTo(const ControlPressCase& c, std::ostream* out) { *out << c.window.name << " " << c.control; }

class ControlPress : public testing::TestWithParam<ControlPressCase> {};

TEST_P(ControlPress, NeverStartsAMove) {
    WatchedWindow run(GetParam().window);
    auto* control = run.window.findChild<QWidget*>(GetParam().control);
    ASSERT_NE(control, nullptr);
    QWidget* target = control;
    if (auto* box = qobject_cast<platform::TextBox*>(control)) target = box->editor();
    if (auto* list = qobject_cast<platform::ListBox*>(control)) target = list->viewport();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mousePress(target, button, Qt::NoModifier, target->rect().center());
        QTest::mouseRelease(target, button, Qt::NoModifier, target->rect().center());
    }
    EXPECT_EQ(run.drags.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlPress,
    testing::Values(ControlPressCase{WindowOf("Form1"), "Label6"}, ControlPressCase{WindowOf("Form1"), "Label10"},
                    ControlPressCase{WindowOf("Form1"), "Label3"}, ControlPressCase{WindowOf("Form1"), "Text1"},
                    ControlPressCase{WindowOf("Form1"), "List1"}, ControlPressCase{WindowOf("Form1"), "Image2"},
                    ControlPressCase{WindowOf("Form2"), "Image14"}, ControlPressCase{WindowOf("Form3"), "Label13"},
                    ControlPressCase{WindowOf("Form4"), "Label12"}, ControlPressCase{WindowOf("Form5"), "Text1"},
                    ControlPressCase{WindowOf("Form10"), "Text2"}),
    [](const auto& info) {
        return std::string(info.param.window.name) + "_" + info.param.control;
    });

TEST(SplashWindow, CannotBeMovedOrClosedByTheUser) {
    WatchedWindow run(WindowOf("Form7"));
    shell::BorderlessWindow& splash = run.window;
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        QTest::mousePress(&splash, button, Qt::NoModifier, BackgroundPoint(splash));
    QTest::mouseRelease(&splash, Qt::LeftButton, Qt::NoModifier, BackgroundPoint(splash));
    EXPECT_EQ(run.drags.count(), 0);
    splash.close();  // the desktop's close request
    EXPECT_TRUE(run.program.forms.form7.isLoaded());
    EXPECT_TRUE(splash.isVisible());
}

TEST(ExitWindow, MovesOnlyWhilePointerMovesWithAButtonHeld) {
    WatchedWindow run(WindowOf("Form9"));
    shell::BorderlessWindow& exit = run.window;
    const QPoint at = BackgroundPoint(exit);
    MoveOver(exit, at);  // no button: a move would stick the window to the pointer
    EXPECT_EQ(run.drags.count(), 0);
    QTest::mousePress(&exit, Qt::LeftButton, Qt::NoModifier, at);  // no drag on a press
    EXPECT_EQ(run.drags.count(), 0);
    MoveOver(exit, at + QPoint(3, 0), Qt::LeftButton);
    EXPECT_EQ(run.drags.count(), 1);
    QTest::mouseRelease(&exit, Qt::LeftButton, Qt::NoModifier, at);
    MoveOver(exit.image("Image1"), {}, Qt::LeftButton);
    MoveOver(exit.image("Image2"), {}, Qt::LeftButton);
    EXPECT_EQ(run.drags.count(), 1);
}

TEST(ManualMove, FollowsThePointerUntilTheButtonIsReleased) {
    Program program;
    windows::Form3& window = program.forms.form3();
    window.Show();
    const QPoint start = window.pos();
    const QPoint at = BackgroundPoint(window);
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, at);
    QMouseEvent drag(QEvent::MouseMove, at + QPoint(40, 25), window.mapToGlobal(at) + QPoint(40, 25),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drag);
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, at + QPoint(40, 25));
    const QPoint moved = window.pos();
    EXPECT_NE(moved, start);
    MoveOver(window, at);  // after the release the window stays put
    EXPECT_EQ(window.pos(), moved);
}

// Each close picture unloads its own window and nothing else.
struct CloseCase {
    NamedWindow window;
    const char* closePicture;
};
inline void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.window.name; }

class ClosePicture : public testing::TestWithParam<CloseCase> {};

TEST_P(ClosePicture, UnloadsOnlyItsWindow) {
    Program program;
    program.forms.form1().Show();
    shell::BorderlessWindow& window = GetParam().window.open(program.forms);
    window.Show();
    Click(window.image(GetParam().closePicture));
    EXPECT_FALSE(GetParam().window.isLoaded(program.forms));
    EXPECT_TRUE(program.forms.form1.isLoaded());
    EXPECT_TRUE(program.forms.form1().isVisible());
    EXPECT_EQ(program.quits, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ClosePicture,
    testing::Values(CloseCase{WindowOf("Form2"), "Image52"}, CloseCase{WindowOf("Form3"), "Image1"}, CloseCase{WindowOf("Form4"), "Image1"},
                    CloseCase{WindowOf("Form5"), "Image3"}, CloseCase{WindowOf("Form9"), "Image2"}, CloseCase{WindowOf("Form10"), "Image1"}),
    [](const auto& info) { return std::string(info.param.window.name); });

// The desktop's close (Alt+F4, the taskbar) does what the window's own close does.
class DesktopClose : public testing::TestWithParam<NamedWindow> {};

TEST_P(DesktopClose, ActsAsTheClosePicture) {
    Program program;
    shell::BorderlessWindow& window = GetParam().open(program.forms);
    window.Show();
    window.close();
    EXPECT_FALSE(GetParam().isLoaded(program.forms));
}

INSTANTIATE_TEST_SUITE_P(Windows, DesktopClose, testing::Values(WindowOf("Form2"), WindowOf("Form3"), WindowOf("Form4"), WindowOf("Form5"), WindowOf("Form9"), WindowOf("Form10")),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopClose, OnTheMainWindowAsksToExit) {
    Program program;
    windows::Form1& main = program.forms.form1();
    main.Show();
    main.close();
    EXPECT_TRUE(program.forms.form1.isLoaded());
    EXPECT_TRUE(main.isVisible());
    ASSERT_TRUE(program.forms.form9.isLoaded());
    EXPECT_TRUE(program.forms.form9().isVisible());
    EXPECT_EQ(program.quits, 0);
}

TEST(Reopening, BuildsTheWindowAfreshWithItsOutline) {
    Program program;
    windows::Form3* first = &program.forms.form3();
    first->Show();
    Click(first->image("Image1"));
    DestroyUnloaded();
    windows::Form3& second = program.forms.form3();
    EXPECT_FALSE(second.mask().isEmpty());
    EXPECT_FALSE(second.isVisible());
}

TEST(UntrappedErrors, AreReportedAndTheProgramGoesOn) {
    ExpectedErrors reported;
    struct Throwing : QObject {
        bool event(QEvent*) override { throw std::runtime_error("property access failed"); }
    } object;
    QEvent event(QEvent::User);
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&object, &event));
    ASSERT_EQ(reported.messages().size(), 1u);
    EXPECT_EQ(reported.messages().front(), "property access failed");
}

TEST(UntrappedErrors, AMissingControlIsAClearError) {
    Program program;
    EXPECT_THROW(program.forms.form1().label("Label99"), std::logic_error);
    EXPECT_THROW(program.forms.form1().image("Label6"), std::logic_error);  // wrong kind
}
