// The program's windows, each at most once: created on first use, destroyed
// when unloaded. Windows reach each other through here. There is one slot
// for each row of the window table (layouts/WindowLayouts.h).
#pragma once

#include "layouts/WindowLayouts.h"
#include "platform/FormSlot.h"
#include "platform/Shell.h"

#include <array>
#include <functional>

namespace shell {
class BorderlessWindow;
}

namespace windows {

#define DICT_DECLARE_FORM(cls, slot, shortName) class cls;
DICT_WINDOWS(DICT_DECLARE_FORM)
#undef DICT_DECLARE_FORM

class Forms {
public:
    // `quit` leaves the event loop (by default at once: Qt's quit() would
    // first ask every window to close, and one that refuses cancels it);
    // tests pass their own.
    explicit Forms(platform::Shell& shell = platform::DesktopShell(), std::function<void()> quit = {});
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

#define DICT_FORM_SLOT(cls, slot, shortName) platform::FormSlot<cls> slot;
    DICT_WINDOWS(DICT_FORM_SLOT)
#undef DICT_FORM_SLOT

    // The window of a row of the window table: created if needed, or
    // nullptr when it is not loaded.
    shell::BorderlessWindow& open(const layouts::WindowRow& row);
    shell::BorderlessWindow* ifLoaded(const layouts::WindowRow& row) const;

    platform::Shell& shell() const { return shell_; }

    // Ends the program at once: every window closes, nothing is asked.
    void End();
    bool hasEnded() const { return ended_; }

private:
    // The slots in the table's order, whatever their window's class.
    struct AnySlot {
        std::function<shell::BorderlessWindow&()> open;
        std::function<shell::BorderlessWindow*()> ifLoaded;
        std::function<void()> destroy;
    };
    std::array<AnySlot, std::size(layouts::kWindowRows)> slots_;
    const AnySlot& slotOf(const layouts::WindowRow& row) const;

    platform::Shell& shell_;
    std::function<void()> quit_;
    bool ended_ = false;
};

}  // namespace windows
