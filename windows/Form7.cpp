#include "windows/Form7.h"

#include "layouts/WindowLayouts.h"
#include "windows/Form1.h"
#include "windows/Forms.h"

namespace windows {

Form7::Form7(Forms& forms) : BorderlessWindow(layouts::form7Layout()), forms_(forms) {
    connect(&timer("Timer1"), &platform::Timer::Tick, this, &Form7::Timer1_Timer);
}

// Unloading the splash stops its timer, so this runs once; the main window
// appears only after the splash has gone.
void Form7::Timer1_Timer() {
    Unload();
    forms_.form1().Show();
}

}  // namespace windows
