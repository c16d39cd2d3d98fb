// The magnifier: the meaning and origin of the main window in larger type.
#pragma once

#include "shell/BorderlessWindow.h"

namespace windows {

class Forms;

class Form10 : public shell::BorderlessWindow {
    Q_OBJECT
public:
    explicit Form10(Forms& forms);

    platform::TextBox& Text1;  // meaning
    platform::TextBox& Text2;  // origin

protected:
    void Form_Load() override;

private:
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();

    Forms& forms_;
};

}  // namespace windows
