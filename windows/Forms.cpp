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

namespace windows {

namespace {

// F1 opens help from every window but the splash.
template <typename T>
T* WithHelpKey(T* form, Forms& forms) {
    form->BindKey(Qt::Key_F1, [&forms] { forms.form4().Show(); });
    return form;
}

}  // namespace

Forms::Forms(platform::Shell& shell, std::function<void()> quit)
    : form1([this] { return WithHelpKey(new Form1(*this), *this); }),
      form2([this] { return WithHelpKey(new Form2(*this), *this); }),
      form3([this] { return WithHelpKey(new Form3(*this), *this); }),
      form4([this] { return WithHelpKey(new Form4(*this), *this); }),
      form5([this] { return WithHelpKey(new Form5(*this), *this); }),
      form7([this] { return new Form7(*this); }),
      form9([this] { return WithHelpKey(new Form9(*this), *this); }),
      form10([this] { return WithHelpKey(new Form10(*this), *this); }),
      shell_(shell),
      quit_(quit ? std::move(quit) : [] { QCoreApplication::exit(0); }) {}

Forms::~Forms() {
    form10.destroy();
    form9.destroy();
    form7.destroy();
    form5.destroy();
    form4.destroy();
    form3.destroy();
    form2.destroy();
    form1.destroy();
}

void Forms::End() {
    ended_ = true;
    // Hidden at once and destroyed once the handler that asked has returned.
    auto close = [](auto& slot) {
        if (auto* form = slot.ifLoaded()) form->Unload();
    };
    close(form10);
    close(form9);
    close(form7);
    close(form5);
    close(form4);
    close(form3);
    close(form2);
    close(form1);
    quit_();
}

}  // namespace windows
