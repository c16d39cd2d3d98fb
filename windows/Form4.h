// The help window: contact details and two web links.
#pragma once

#include "shell/BorderlessWindow.h"

namespace windows {

class Forms;

class Form4 : public shell::BorderlessWindow {
    Q_OBJECT
public:
    explicit Form4(Forms& forms);

protected:
    void Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int, int) override;

private:
    void Label10_Click();
    void Label12_Click();
    void Image1_Click();

    Forms& forms_;
};

}  // namespace windows
