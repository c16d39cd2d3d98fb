// The main window shown and active, its search box focused, as the program
// leaves it after the splash.
#pragma once

#include "WindowTestSupport.h"
#include "windows/Form1.h"

#include <QApplication>

namespace testing_support {

inline windows::Form1& OpenActiveMain(Program& program) {
    windows::Form1& main = program.forms.form1();
    main.Show();
    QApplication::setActiveWindow(&main);
    QCoreApplication::processEvents();
    return main;
}

}  // namespace testing_support
