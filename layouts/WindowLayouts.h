// The program's windows: one row each, the one list of them that the windows,
// the picture generator, the tests, tools and scripts read. Each window's
// layout table is fixed, built on first use and never changed afterwards.
//
// Adding a window: its layout (layouts/<class>Layout.cpp), its class
// (windows/<class>.h and .cpp, the header included in windows/Forms.cpp) and
// its row here.
#pragma once

#include "layouts/Layout.h"

#include <string_view>

// X(class, slot, short name):
//   class       the window's class in windows/, and its layout's name
//   slot        its member of windows::Forms; its layout is layouts::<slot>Layout()
//   short name  what tools, scripts and test names call it
// Its picture and title are its layout's background and caption.
#define DICT_WINDOWS(X)               \
    X(Form1, form1, "main")           \
    X(Form2, form2, "keyboard")       \
    X(Form3, form3, "who-we-are")     \
    X(Form4, form4, "help")           \
    X(Form5, form5, "terms")          \
    X(Form7, form7, "splash")         \
    X(Form9, form9, "exit")           \
    X(Form10, form10, "magnifier")

namespace layouts {

#define DICT_DECLARE_LAYOUT(cls, slot, shortName) const WindowLayout& slot##Layout();
DICT_WINDOWS(DICT_DECLARE_LAYOUT)
#undef DICT_DECLARE_LAYOUT

struct WindowRow {
    std::string_view className;
    std::string_view shortName;
    const WindowLayout& (*layout)();

    Picture picture() const { return layout().background; }
    std::string_view title() const { return layout().caption; }
};

inline constexpr WindowRow kWindowRows[] = {
#define DICT_WINDOW_ROW(cls, slot, shortName) {#cls, shortName, &slot##Layout},
    DICT_WINDOWS(DICT_WINDOW_ROW)
#undef DICT_WINDOW_ROW
};

// The row of a class or short name; nullptr when no window has that name.
inline const WindowRow* FindWindowRow(std::string_view name) {
    for (const WindowRow& row : kWindowRows)
        if (row.className == name || row.shortName == name) return &row;
    return nullptr;
}

}  // namespace layouts
