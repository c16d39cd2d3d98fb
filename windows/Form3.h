// The who-we-are window: static credits.
#pragma once

#include "shell/BorderlessWindow.h"

namespace windows {

class Forms;

class Form3 : public shell::BorderlessWindow {
    Q_OBJECT
public:
    explicit Form3(Forms& forms);

private:
    void Image1_Click();
};

}  // namespace windows
