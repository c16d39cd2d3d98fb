// The word list taking the keyboard focus (Tab, or its window becoming
// active again) selects nothing: the row and the displays stay as the search
// left them.
#include "windows/Form1.h"
#include "windows/Form7.h"

#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>

using testing_support::Program;

TEST(MainWindow, FocusOnTheListSelectsNoRow) {
    for (const Qt::FocusReason reason : {Qt::TabFocusReason, Qt::ActiveWindowFocusReason}) {
        Program program;
        program.forms.form7().Show();
        program.forms.form7().timer("Timer1").fire();
        windows::Form1& main = program.forms.form1();
        // Deprecated in Qt 6.8, but synchronous on every version, as the test needs.
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(&main);
        QT_WARNING_POP
        testing_support::Type(*main.Text1.lineEdit(), QStringLiteral("zzz"));  // no headword begins so
        main.List1.setFocus(reason);
        QCoreApplication::processEvents();
        ASSERT_TRUE(main.List1.hasFocus());
        EXPECT_EQ(main.List1.ListIndex(), -1) << reason;
        EXPECT_EQ(main.Text2.Text(), QString()) << reason;
    }
}
