// The program's windows, each at most once: created on first use, destroyed
// when unloaded. Windows reach each other through here.
#pragma once

#include "platform/FormSlot.h"
#include "platform/Shell.h"

#include <functional>

namespace windows {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form7;
class Form9;
class Form10;

class Forms {
public:
    // `quit` leaves the event loop (by default at once: Qt's quit() would
    // first ask every window to close, and one that refuses cancels it);
    // tests pass their own.
    explicit Forms(platform::Shell& shell = platform::DesktopShell(), std::function<void()> quit = {});
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    platform::FormSlot<Form1> form1;   // main dictionary window
    platform::FormSlot<Form2> form2;   // on-screen keyboard
    platform::FormSlot<Form3> form3;   // who we are
    platform::FormSlot<Form4> form4;   // help
    platform::FormSlot<Form5> form5;   // terms
    platform::FormSlot<Form7> form7;   // splash
    platform::FormSlot<Form9> form9;   // exit confirmation
    platform::FormSlot<Form10> form10;  // magnifier

    platform::Shell& shell() const { return shell_; }

    // Ends the program at once: every window closes, nothing is asked.
    void End();
    bool hasEnded() const { return ended_; }

private:
    platform::Shell& shell_;
    std::function<void()> quit_;
    bool ended_ = false;
};

}  // namespace windows
