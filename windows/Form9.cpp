#include "windows/Form9.h"

#include "layouts/WindowLayouts.h"
#include "windows/Forms.h"

namespace windows {

Form9::Form9(Forms& forms) : BorderlessWindow(layouts::form9Layout()), forms_(forms) {
    connect(&image("Image1"), &platform::Image::Click, this, &Form9::Image1_Click);
    connect(&image("Image2"), &platform::Image::Click, this, &Form9::Image2_Click);
}

void Form9::Form_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y) {
    DragStart(buttons, QPoint(x, y));
}

void Form9::Image1_Click() { forms_.End(); }

void Form9::Image2_Click() { Unload(); }

}  // namespace windows
