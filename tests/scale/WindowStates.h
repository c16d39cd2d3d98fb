// Every window of the program in a state worth looking at, shown.
#pragma once

#include "layouts/WindowLayouts.h"
#include "platform/Form.h"
#include "shell/BorderlessWindow.h"
#include "windows/Form1.h"
#include "windows/Forms.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace testing_support {

struct WindowState {
    const char* name;
    // Shows the window in its state and returns it.
    std::function<platform::Form&(windows::Forms&)> show;

    friend void PrintTo(const WindowState& state, std::ostream* out) { *out << state.name; }
};

// Every window of the table under its short name, shown; the magnifier as
// the main window opens it, with row 38's meaning and origin. Then the main
// window after a search for a headword near the end: the list selects it and
// scrolls to it, and the meaning and origin show.
inline const std::vector<WindowState>& WindowStates() {
    static const std::vector<WindowState> states = [] {
        std::vector<WindowState> all;
        for (const layouts::WindowRow& row : layouts::kWindowRows) {
            if (row.shortName == "magnifier") {
                all.push_back({"magnifier", [&row](windows::Forms& f) -> platform::Form& {
                                   windows::Form1& main = f.form1();
                                   main.Show();
                                   main.List1.setListIndex(38);
                                   main.image("Image2").Click();
                                   return f.open(row);
                               }});
                continue;
            }
            all.push_back({row.shortName.data(), [&row](windows::Forms& f) -> platform::Form& {
                               platform::Form& form = f.open(row);
                               form.Show();
                               return form;
                           }});
        }
        all.push_back({"main-searched", [](windows::Forms& f) -> platform::Form& {
                           windows::Form1& main = f.form1();
                           main.Show();
                           main.Text1.setText(main.List1.item(main.List1.count() - 4)->text());
                           return main;
                       }});
        return all;
    }();
    return states;
}

// A test name from a state's name ("main-searched" -> "main_searched").
inline std::string TestName(const WindowState& state) {
    std::string name = state.name;
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

}  // namespace testing_support
