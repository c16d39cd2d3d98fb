#include "windows/Form9.h"

#include "layouts/WindowLayouts.h"
#include "windows/Forms.h"

namespace windows {

Form9::Form9(Forms& forms) : BorderlessWindow(layouts::form9Layout()), forms_(forms) {
    connect(&image("Image1"), &platform::Image::Click, this, &Form9::Image1_Click);
    connect(&image("Image2"), &platform::Image::Click, this, &Form9::Image2_Click);
    // The question is part of the background picture.
    setAccessibleDescription(QStringLiteral("Are you sure you want to Exit?"));
    for (Qt::Key yes : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Y}) BindKey(yes, image("Image1"));
    for (Qt::Key no : {Qt::Key_Escape, Qt::Key_N}) BindKey(no, image("Image2"));
}

void Form9::Form_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y) {
    DragStart(buttons, QPoint(x, y));
}

void Form9::Image1_Click() { forms_.End(); }

void Form9::Image2_Click() { Unload(); }

}  // namespace windows
