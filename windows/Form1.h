// The main dictionary window: the word list, the search box, the meaning box
// and origin label, and the menu labels that open the other windows.
#pragma once

#include "shell/BorderlessWindow.h"

namespace windows {

class Forms;

class Form1 : public shell::BorderlessWindow {
    Q_OBJECT
public:
    explicit Form1(Forms& forms);

    platform::ListBox& List1;
    platform::TextBox& Text1;
    platform::TextBox& Text2;
    platform::Label& Label10;

protected:
    void Form_Load() override;
    void Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int, int) override;
    void DesktopCloseRequested() override;

private:
    void List1_Click();
    void Text1_Change();
    void Label2_Click();
    void Label3_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void Label9_Click();
    void Image2_Click();
    void LightUp(platform::Label& menuLabel);

    Forms& forms_;
};

}  // namespace windows
