// The on-screen keyboard: letter keys write their glyph codes into the main
// window's search box, the clear key empties it.
#pragma once

#include "shell/BorderlessWindow.h"

#include <string_view>

namespace windows {

class Forms;

class Form2 : public shell::BorderlessWindow {
    Q_OBJECT
public:
    explicit Form2(Forms& forms);

private:
    void LetterKey_Click(std::string_view glyphCode);  // Image1_Click ... Image50_Click
    void Image51_Click();
    void Image52_Click();

    Forms& forms_;
};

}  // namespace windows
