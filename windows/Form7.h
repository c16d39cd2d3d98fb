// The splash window: shown at start, it gives way to the main window when
// its timer first ticks.
#pragma once

#include "shell/BorderlessWindow.h"

namespace windows {

class Forms;

class Form7 : public shell::BorderlessWindow {
    Q_OBJECT
public:
    explicit Form7(Forms& forms);

protected:
    // The splash cannot be moved or closed by the user.
    void Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) override {}
    void DesktopCloseRequested() override {}

private:
    void Timer1_Timer();

    Forms& forms_;
};

}  // namespace windows
