#include "windows/Form5.h"

#include "layouts/WindowLayouts.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace windows {

Form5::Form5(Forms&) : BorderlessWindow(layouts::form5Layout()) {
    connect(&image("Image3"), &platform::Image::Click, this, &Form5::Image3_Click);
    BindKey(Qt::Key_Escape, image("Image3"));
}

// The disclaimer box opens at its first line: moving the caret there also
// scrolls the view to it.
void Form5::Form_Load() {
    if (QPlainTextEdit* box = textBox("Text1").plainTextEdit()) box->moveCursor(QTextCursor::Start);
}

void Form5::Image3_Click() { Unload(); }

}  // namespace windows
