// How assistive technology sees the program: windows as frames or dialogs
// named by their caption, labels as static text, every control with a click
// handler as a push button (underlined ones as links) with a press action
// that does what a click does. Shapes are decoration and stay hidden.
#pragma once

namespace platform {

// Installs the interfaces; safe to call more than once. Windows call it
// when they are created.
void InstallAccessibility();

}  // namespace platform
