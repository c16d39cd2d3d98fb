// Under a real window manager (openbox), with real pointer events from
// xdotool: a window moves with the pointer only while the button that
// started the move is held. A press released without motion leaves it where
// it is, and the next click reaches the control under the pointer.
#include "platform/ListBox.h"
#include "windows/Form1.h"
#include "windows/Forms.h"

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include "X11TestSupport.h"

using namespace x11test;

namespace {

// Runs xdotool with the pointer commands given (real events through XTest).
void Pointer(const QStringList& commands) {
    XSync(XDisplay(), False);  // what this program asked of the desktop goes first
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), commands), 0) << commands.join(' ').toStdString();
}

QStringList At(QPoint onScreen) {
    return {QStringLiteral("mousemove"), QString::number(onScreen.x()), QString::number(onScreen.y())};
}

// Counts the presses a window receives.
class PressCounter : public QObject {
public:
    explicit PressCounter(QWidget& window) { window.installEventFilter(this); }
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) ++presses;
        return false;
    }
};

struct MoveCase {
    const char* name;
    int button;     // X button number: 1 left, 2 middle, 3 right
    QPoint motion;  // how far the pointer moves while the button is held
};
void PrintTo(const MoveCase& c, std::ostream* out) { *out << c.name; }

class WindowManagerMove : public testing::TestWithParam<MoveCase> {};

TEST_P(WindowManagerMove, FollowsThePointerOnlyWhileTheButtonIsHeld) {
    const MoveCase& c = GetParam();
    windows::Forms forms(platform::DesktopShell(), [] {});
    windows::Form1& main = forms.form1();
    const QPoint start = ShowOnScreen(main);
    PressCounter counter(main);
    const QPoint background = start + QPoint(200, 470);
    const QString button = QString::number(c.button);

    QStringList press = At(background) + QStringList{QStringLiteral("mousedown"), button};
    if (!c.motion.isNull()) press += At(background + c.motion / 2) + At(background + c.motion);
    Pointer(press + QStringList{QStringLiteral("mouseup"), button});
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.presses == 1; }, 20000));
    const QPoint expected = start + c.motion;
    ASSERT_TRUE(QTest::qWaitFor([&] { return PositionOnScreen(main) == expected; }, 20000))
        << "at " << PositionOnScreen(main).x() << "," << PositionOnScreen(main).y();

    // The pointer goes on to a row of the list and clicks it: the window
    // stays, and the click selects the row.
    QListWidgetItem* row = main.List1.item(3);
    const QPoint rowCentre = main.List1.viewport()->mapToGlobal(main.List1.visualItemRect(row).center());
    Pointer(At(rowCentre) + QStringList{QStringLiteral("click"), QStringLiteral("1")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.List1.ListIndex() == 3; }, 20000)) << "the click did not arrive";
    EXPECT_EQ(PositionOnScreen(main), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, WindowManagerMove,
    testing::Values(MoveCase{"LeftTap", 1, {}}, MoveCase{"MiddleTap", 2, {}}, MoveCase{"RightTap", 3, {}},
                    MoveCase{"LeftDrag", 1, {60, 40}}, MoveCase{"MiddleDrag", 2, {-50, 30}},
                    MoveCase{"RightDrag", 3, {40, -30}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
