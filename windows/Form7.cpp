#include "windows/Form7.h"

#include "layouts/WindowLayouts.h"
#include "windows/Form1.h"
#include "windows/Forms.h"
#include "windows/ProgramFonts.h"

#include <QTimer>

#include <algorithm>

namespace windows {
namespace {

// The splash needs no font. The main window's fonts (the font database and
// the glyph font's check) are read this long before it appears: well after
// the splash is painted, and early enough that the main window does not wait.
constexpr int kFontReadLeadMs = 500;

}  // namespace

Form7::Form7(Forms& forms) : BorderlessWindow(layouts::form7Layout()), forms_(forms) {
    connect(&timer("Timer1"), &platform::Timer::Tick, this, &Form7::Timer1_Timer);
    QTimer::singleShot(std::max(0, timer("Timer1").Interval() - kFontReadLeadMs), Qt::PreciseTimer, this,
                       [] { RegisterProgramFonts(); });
}

// Unloading the splash stops its timer, so this runs once; the main window
// appears only after the splash has gone.
void Form7::Timer1_Timer() {
    Unload();
    forms_.form1().Show();
}

}  // namespace windows
