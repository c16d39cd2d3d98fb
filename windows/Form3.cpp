#include "windows/Form3.h"

#include "layouts/WindowLayouts.h"

namespace windows {

Form3::Form3(Forms&) : BorderlessWindow(layouts::form3Layout()) {
    connect(&image("Image1"), &platform::Image::Click, this, &Form3::Image1_Click);
    BindKey(Qt::Key_Escape, image("Image1"));
}

void Form3::Image1_Click() { Unload(); }

}  // namespace windows
