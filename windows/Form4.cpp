#include "windows/Form4.h"

#include "layouts/WebAddresses.h"
#include "layouts/WindowLayouts.h"
#include "windows/Forms.h"

namespace windows {
namespace {

constexpr std::uint32_t kLinkLit = 0x004000;
constexpr std::uint32_t kLinkReset = 0x000000;

}  // namespace

Form4::Form4(Forms& forms) : BorderlessWindow(layouts::form4Layout()), forms_(forms) {
    for (const char* name : {"Label10", "Label12"}) {
        platform::Label& link = label(name);
        connect(&link, &platform::Label::MouseMove, this, [&link] { link.setForeColor(kLinkLit); });
    }
    connect(&label("Label10"), &platform::Label::Click, this, &Form4::Label10_Click);
    connect(&label("Label12"), &platform::Label::Click, this, &Form4::Label12_Click);
    connect(&image("Image1"), &platform::Image::Click, this, &Form4::Image1_Click);
    BindKey(Qt::Key_Escape, image("Image1"));
}

void Form4::Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int, int) {
    label("Label12").setForeColor(kLinkReset);
    label("Label10").setForeColor(kLinkReset);
}

void Form4::Label10_Click() {
    setMousePointer(platform::kMousePointerHourglass);
    forms_.shell().Open(layouts::kOnlineTermsAddress);
    setMousePointer(platform::kMousePointerDefault);
}

void Form4::Label12_Click() {
    setMousePointer(platform::kMousePointerHourglass);
    forms_.shell().Open(layouts::kProductUpdateAddress);
    setMousePointer(platform::kMousePointerDefault);
}

void Form4::Image1_Click() { Unload(); }

}  // namespace windows
