#include "windows/Form2.h"

#include "layouts/WindowLayouts.h"
#include "platform/GlyphText.h"
#include "windows/Form1.h"
#include "windows/Forms.h"

namespace windows {

Form2::Form2(Forms& forms) : BorderlessWindow(layouts::form2Layout()), forms_(forms) {
    // Like every on-screen keyboard, it never takes the focus: the search
    // box keeps it, and with it an input method's composition in progress.
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Each letter key's glyph code is part of its layout entry.
    for (const auto& entry : layout().controls) {
        if (entry.kind != layouts::ControlKind::Image || entry.glyphCode.empty()) continue;
        const std::string_view code = entry.glyphCode;
        connect(&image(entry.name), &platform::Image::Click, this, [this, code] { LetterKey_Click(code); });
    }
    connect(&image("Image51"), &platform::Image::Click, this, &Form2::Image51_Click);
    connect(&image("Image52"), &platform::Image::Click, this, &Form2::Image52_Click);
    BindKey(Qt::Key_Escape, image("Image52"));
}

// Replaces the search box's selection (or inserts at its caret) without
// activating the main window; the box's change handling runs the search. A
// composition in progress is committed first (setSelText).
void Form2::LetterKey_Click(std::string_view glyphCode) {
    forms_.form1().Text1.setSelText(platform::glyphText(glyphCode));
}

void Form2::Image51_Click() { forms_.form1().Text1.setText(QString()); }

void Form2::Image52_Click() { Unload(); }

}  // namespace windows
