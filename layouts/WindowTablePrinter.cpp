// Prints the window table for scripts, which cannot read C++:
//   window_table                 every row: class, short name and title, tab-separated
//   window_table --title NAME    the title of the window of that class or short name
//   window_table --pattern NAME  the same as an anchored extended regular
//                                expression (for xdotool search --name)
#include "layouts/WindowLayouts.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void Print(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

std::string Pattern(std::string_view title) {
    std::string pattern = "^";
    for (const char c : title) {
        if (std::strchr(".[]()*+?{}|^$\\", c)) pattern += '\\';
        pattern += c;
    }
    return pattern + "$";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 1) {
        for (const layouts::WindowRow& row : layouts::kWindowRows) {
            Print(row.className), Print("\t"), Print(row.shortName), Print("\t"), Print(row.title()), Print("\n");
        }
        return 0;
    }
    const layouts::WindowRow* row = argc == 3 ? layouts::FindWindowRow(argv[2]) : nullptr;
    const bool title = argc == 3 && std::strcmp(argv[1], "--title") == 0;
    const bool pattern = argc == 3 && std::strcmp(argv[1], "--pattern") == 0;
    if (!row || !(title || pattern)) {
        std::fprintf(stderr, "usage: window_table [--title|--pattern NAME]   (NAME: a class or short name)\n");
        return 2;
    }
    Print(title ? std::string(row->title()) : Pattern(row->title()));
    Print("\n");
    return 0;
}
