// A window of the window table, for tests that run over several of them.
#pragma once

#include "layouts/WindowLayouts.h"
#include "shell/BorderlessWindow.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace testing_support {

struct NamedWindow {
    const layouts::WindowRow* row;
    std::string_view name;  // its class

    shell::BorderlessWindow& open(windows::Forms& forms) const { return forms.open(*row); }  // creates it if needed
    bool isLoaded(const windows::Forms& forms) const { return forms.ifLoaded(*row) != nullptr; }
};
inline void PrintTo(const NamedWindow& window, std::ostream* out) { *out << window.name; }

// The window of a class or short name of the table.
inline NamedWindow WindowOf(std::string_view name) {
    if (const layouts::WindowRow* row = layouts::FindWindowRow(name)) return {row, row->className};
    throw std::invalid_argument("no window " + std::string(name));
}

// Fails for every window of the table that a test's cases (each naming its
// `window`) leave out.
template <typename Case, std::size_t N>
void ExpectEveryWindowIn(const Case (&cases)[N]) {
    for (const layouts::WindowRow& row : layouts::kWindowRows)
        EXPECT_TRUE(std::any_of(std::begin(cases), std::end(cases), [&row](const Case& c) { return c.window.row == &row; }))
            << row.className << " has no case";
}

}  // namespace testing_support
