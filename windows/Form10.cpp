#include "windows/Form10.h"

#include "layouts/WindowLayouts.h"
#include "platform/Accessibility.h"
#include "windows/Form1.h"
#include "windows/Forms.h"

namespace windows {

Form10::Form10(Forms& forms)
    : BorderlessWindow(layouts::form10Layout()), Text1(textBox("Text1")), Text2(textBox("Text2")), forms_(forms) {
    connect(&image("Image1"), &platform::Image::Click, this, &Form10::Image1_Click);
    connect(&image("Image2"), &platform::Image::Click, this, &Form10::Image2_Click);
    connect(&image("Image3"), &platform::Image::Click, this, &Form10::Image3_Click);
    BindKey(Qt::Key_Escape, image("Image1"));
    // The headings over the two boxes name them.
    platform::SetLabelledBy(Text1, label("Label1"));
    platform::SetLabelledBy(Text2, label("Label2"));
}

void Form10::Form_Load() { Text1.setText(forms_.form1().Text2.Text()); }

void Form10::Image2_Click() {
    Text1.setFontSize(16);
    Text2.setFontSize(16);
}

void Form10::Image3_Click() {
    Text1.setFontSize(14);
    Text2.setFontSize(14);
}

void Form10::Image1_Click() { Unload(); }

}  // namespace windows
