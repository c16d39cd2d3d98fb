#include "windows/Forms.h"

#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form7.h"
#include "windows/Form9.h"

#include <QCoreApplication>

#include <stdexcept>
#include <string>
#include <type_traits>

namespace windows {

namespace {

// A new window of class T; F1 opens help from every window but the splash.
template <typename T>
T* Create(Forms& forms) {
    T* form = new T(forms);
    if constexpr (!std::is_same_v<T, Form7>) form->BindKey(Qt::Key_F1, [&forms] { forms.form4().Show(); });
    return form;
}

}  // namespace

#define DICT_FORM_INIT(cls, slot, shortName) slot([this] { return Create<cls>(*this); }),
Forms::Forms(platform::Shell& shell, std::function<void()> quit)
    : DICT_WINDOWS(DICT_FORM_INIT) shell_(shell),
      quit_(quit ? std::move(quit) : [] { QCoreApplication::exit(0); }) {
    std::size_t i = 0;
    auto add = [this, &i](auto& slot) {
        slots_[i++] = {[&slot]() -> shell::BorderlessWindow& { return slot(); },
                       [&slot]() -> shell::BorderlessWindow* { return slot.ifLoaded(); }, [&slot] { slot.destroy(); }};
    };
#define DICT_FORM_ADD(cls, slot, shortName) add(slot);
    DICT_WINDOWS(DICT_FORM_ADD)
#undef DICT_FORM_ADD
}
#undef DICT_FORM_INIT

// The windows go in the table's reverse order, the main window last.
Forms::~Forms() {
    for (auto slot = slots_.rbegin(); slot != slots_.rend(); ++slot) slot->destroy();
}

const Forms::AnySlot& Forms::slotOf(const layouts::WindowRow& row) const {
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (layouts::kWindowRows[i].className == row.className) return slots_[i];
    throw std::logic_error("no window " + std::string(row.className));
}

shell::BorderlessWindow& Forms::open(const layouts::WindowRow& row) { return slotOf(row).open(); }

shell::BorderlessWindow* Forms::ifLoaded(const layouts::WindowRow& row) const { return slotOf(row).ifLoaded(); }

void Forms::End() {
    ended_ = true;
    // Hidden at once and destroyed once the handler that asked has returned.
    for (auto slot = slots_.rbegin(); slot != slots_.rend(); ++slot)
        if (shell::BorderlessWindow* form = slot->ifLoaded()) form->Unload();
    quit_();
}

}  // namespace windows
