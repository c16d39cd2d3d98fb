// The terms window: the offline terms and a read-only disclaimer box.
#pragma once

#include "shell/BorderlessWindow.h"

namespace windows {

class Forms;

class Form5 : public shell::BorderlessWindow {
    Q_OBJECT
public:
    explicit Form5(Forms& forms);

protected:
    void Form_Load() override;

private:
    void Image3_Click();
};

}  // namespace windows
