// Every window of the program in a state worth looking at, shown.
#pragma once

#include "platform/Form.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form7.h"
#include "windows/Form9.h"
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

template <typename T>
platform::Form& Shown(T& form) {
    form.Show();
    return form;
}

inline const std::vector<WindowState>& WindowStates() {
    static const std::vector<WindowState> states = {
        {"splash", [](windows::Forms& f) -> platform::Form& { return Shown(f.form7()); }},
        {"main", [](windows::Forms& f) -> platform::Form& { return Shown(f.form1()); }},
        // A search for a headword near the end: the list selects it and
        // scrolls to it, and the meaning and origin show.
        {"main-searched",
         [](windows::Forms& f) -> platform::Form& {
             windows::Form1& main = f.form1();
             main.Show();
             main.Text1.setText(main.List1.item(main.List1.count() - 4)->text());
             return main;
         }},
        {"keyboard", [](windows::Forms& f) -> platform::Form& { return Shown(f.form2()); }},
        {"who-we-are", [](windows::Forms& f) -> platform::Form& { return Shown(f.form3()); }},
        {"help", [](windows::Forms& f) -> platform::Form& { return Shown(f.form4()); }},
        {"terms", [](windows::Forms& f) -> platform::Form& { return Shown(f.form5()); }},
        {"exit", [](windows::Forms& f) -> platform::Form& { return Shown(f.form9()); }},
        {"magnifier",
         [](windows::Forms& f) -> platform::Form& {
             windows::Form1& main = f.form1();
             main.Show();
             main.List1.setListIndex(38);
             main.image("Image2").Click();
             return f.form10();
         }},
    };
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
