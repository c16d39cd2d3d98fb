// Each window with its name, for tests that run over several of them.
#pragma once

#include "shell/BorderlessWindow.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form7.h"
#include "windows/Form9.h"
#include "windows/Forms.h"

#include <ostream>

namespace testing_support {

struct NamedWindow {
    const char* name;
    shell::BorderlessWindow& (*open)(windows::Forms&);  // creates it if needed
    bool (*isLoaded)(const windows::Forms&);
};
inline void PrintTo(const NamedWindow& window, std::ostream* out) { *out << window.name; }

template <auto slot>
constexpr NamedWindow Named(const char* name) {
    return {name, [](windows::Forms& forms) -> shell::BorderlessWindow& { return (forms.*slot)(); },
            [](const windows::Forms& forms) { return (forms.*slot).isLoaded(); }};
}

inline constexpr NamedWindow kForm1 = Named<&windows::Forms::form1>("Form1");
inline constexpr NamedWindow kForm2 = Named<&windows::Forms::form2>("Form2");
inline constexpr NamedWindow kForm3 = Named<&windows::Forms::form3>("Form3");
inline constexpr NamedWindow kForm4 = Named<&windows::Forms::form4>("Form4");
inline constexpr NamedWindow kForm5 = Named<&windows::Forms::form5>("Form5");
inline constexpr NamedWindow kForm7 = Named<&windows::Forms::form7>("Form7");
inline constexpr NamedWindow kForm9 = Named<&windows::Forms::form9>("Form9");
inline constexpr NamedWindow kForm10 = Named<&windows::Forms::form10>("Form10");

}  // namespace testing_support
