// Ending cleanly when there is no display to show windows on: one line on
// standard error and exit status 1, instead of Qt's abort with a core dump.
#pragma once

namespace app {

// Until the window system has started, Qt's warnings are held back and a
// fatal start-up failure ends the program with one line naming the display.
// Call before the application object is created.
void ReportNoDisplay();

// After the application object exists: a display that goes away ends the
// program with one line as well.
void ReportDisplayLoss();

}  // namespace app
