#include "windows/Form1.h"

#include "core/SelectionLookup.h"
#include "core/WordTable.h"
#include "layouts/Palette.h"
#include "layouts/WindowLayouts.h"
#include "platform/Accessibility.h"
#include "platform/GlyphText.h"
#include "windows/Form10.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form9.h"
#include "windows/Forms.h"

namespace windows {
namespace {

constexpr const char* kMenuLabels[] = {"Label6", "Label7", "Label8", "Label9"};

}  // namespace

Form1::Form1(Forms& forms)
    : BorderlessWindow(layouts::form1Layout()),
      List1(listBox("List1")),
      Text1(textBox("Text1")),
      Text2(textBox("Text2")),
      Label10(label("Label10")),
      forms_(forms) {
    connect(&List1, &platform::ListBox::Click, this, &Form1::List1_Click);
    connect(&Text1, &platform::TextBox::Change, this, &Form1::Text1_Change);
    connect(&label("Label2"), &platform::Label::Click, this, &Form1::Label2_Click);
    connect(&label("Label3"), &platform::Label::Click, this, &Form1::Label3_Click);
    connect(&label("Label6"), &platform::Label::Click, this, &Form1::Label6_Click);
    connect(&label("Label7"), &platform::Label::Click, this, &Form1::Label7_Click);
    connect(&label("Label8"), &platform::Label::Click, this, &Form1::Label8_Click);
    connect(&label("Label9"), &platform::Label::Click, this, &Form1::Label9_Click);
    for (const char* name : kMenuLabels) {
        platform::Label& menu = label(name);
        connect(&menu, &platform::Label::MouseMove, this, [this, &menu] { LightUp(menu); });
    }
    connect(&image("Image2"), &platform::Image::Click, this, &Form1::Image2_Click);
    // The headings over the list, the meaning and the origin name them.
    platform::SetLabelledBy(List1, label("Label1"));
    platform::SetLabelledBy(Text2, label("Label4"));
    platform::SetLabelledBy(Label10, label("Label11"));
    // The origin is never focused: whoever reaches the meaning hears it too.
    platform::SetDescribedBy(Text2, Label10);
    // The tool tip reads "Minimized"; what the button does is minimise.
    label("Label3").setAccessibleName(QStringLiteral("Minimise"));
}

void Form1::Form_Load() {
    for (std::size_t position = 0; position < core::EntryCount(); ++position)
        List1.AddItem(core::Headword(position));
}

void Form1::List1_Click() {
    const core::Displays shown = core::SelectionLookup(List1.ListIndex());
    Text2.setText(platform::glyphText(shown.meaning));
    Label10.setCaption(platform::glyphText(shown.origin));
}

// Typing, pasting and the on-screen keyboard all change the box and end here,
// and so does an input method's composition: the list follows the text as
// it would stand if the composition were committed now.
void Form1::Text1_Change() { List1.setListIndex(List1.FindString(Text1.ComposedText())); }

// A menu label lights up on every move over it.
void Form1::LightUp(platform::Label& menuLabel) {
    menuLabel.setBackStyle(1);
    menuLabel.setBackColor(layouts::kDarkGreen);
}

// Only a move over the background returns the menu labels to their plain look.
void Form1::Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int, int) {
    for (const char* name : kMenuLabels) label(name).setBackStyle(0);
    for (const char* name : kMenuLabels) label(name).setForeColor(layouts::kGreen);
}

void Form1::Label2_Click() { forms_.form9().Show(); }
void Form1::Label3_Click() { setWindowState(platform::kWindowStateMinimized); }
void Form1::Label6_Click() { forms_.form2().Show(); }
void Form1::Label7_Click() { forms_.form3().Show(); }
void Form1::Label8_Click() { forms_.form4().Show(); }
void Form1::Label9_Click() { forms_.form5().Show(); }

void Form1::Image2_Click() {
    Form10& magnifier = forms_.form10();  // its load runs first if it is new
    magnifier.Text1.setText(Text2.Text());
    magnifier.Text2.setText(Label10.Caption());
    magnifier.Show();
}

// The desktop's close (Alt+F4, the taskbar) asks, exactly as the "x" label does.
void Form1::DesktopCloseRequested() { Label2_Click(); }

}  // namespace windows
