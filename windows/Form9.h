// The exit confirmation: "Yes" ends the program, "No" closes this window.
#pragma once

#include "shell/BorderlessWindow.h"

namespace windows {

class Forms;

class Form9 : public shell::BorderlessWindow {
    Q_OBJECT
public:
    explicit Form9(Forms& forms);

protected:
    // This window starts its move on pointer movement over its background,
    // not on a press; the move only starts while a button is held.
    void Form_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) override {}
    void Form_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y) override;

private:
    void Image1_Click();
    void Image2_Click();

    Forms& forms_;
};

}  // namespace windows
