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

Forms::Forms(platform::Shell& shell, std::function<void()> quit)
    : form1([this] { return new Form1(*this); }),
      form2([this] { return new Form2(*this); }),
      form3([this] { return new Form3(*this); }),
      form4([this] { return new Form4(*this); }),
      form5([this] { return new Form5(*this); }),
      form7([this] { return new Form7(*this); }),
      form9([this] { return new Form9(*this); }),
      form10([this] { return new Form10(*this); }),
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
