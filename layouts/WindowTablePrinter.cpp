// Prints the window table for scripts, which cannot read C++:
//   window_table                 every row: class, short name and title, tab-separated
//   window_table --title NAME    the title of the window of that class or short name
//   window_table --pattern NAME  the same as an anchored extended regular
//                                expression (for xdotool search --name)
//   window_table --box NAME [CONTROL]
//                                "x y width height" of the control (or of the
//                                window) in pixels at 96 dots per inch, so that
//                                a script aims at a control by its layout name
//   window_table --controls NAME "name x y width height" of every control but
//                                the border shapes, one a line, in layout order
#include "layouts/WindowLayouts.h"

#include <cmath>
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

// Twips to pixels at 96 dots per inch (15 twips a pixel), to the nearest.
int Pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

int PrintBox(int left, int top, int width, int height) {
    std::printf("%d %d %d %d\n", Pixels(left), Pixels(top), Pixels(left + width) - Pixels(left),
                Pixels(top + height) - Pixels(top));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 1) {
        for (const layouts::WindowRow& row : layouts::kWindowRows) {
            Print(row.className), Print("\t"), Print(row.shortName), Print("\t"), Print(row.title()), Print("\n");
        }
        return 0;
    }
    if (argc >= 3 && argc <= 4 && std::strcmp(argv[1], "--box") == 0) {
        const layouts::WindowRow* row = layouts::FindWindowRow(argv[2]);
        if (!row) {
            std::fprintf(stderr, "window_table: no window %s\n", argv[2]);
            return 2;
        }
        const layouts::WindowLayout& layout = row->layout();
        if (argc == 3) return PrintBox(0, 0, layout.clientWidth, layout.clientHeight);
        for (const layouts::ControlLayout& control : layout.controls)
            if (control.name == argv[3] && control.index < 0)
                return PrintBox(control.left, control.top, control.width, control.height);
        std::fprintf(stderr, "window_table: window %s has no control %s\n", argv[2], argv[3]);
        return 2;
    }
    if (argc == 3 && std::strcmp(argv[1], "--controls") == 0) {
        const layouts::WindowRow* row = layouts::FindWindowRow(argv[2]);
        if (!row) {
            std::fprintf(stderr, "window_table: no window %s\n", argv[2]);
            return 2;
        }
        for (const layouts::ControlLayout& control : row->layout().controls) {
            if (control.index >= 0 || control.kind == layouts::ControlKind::Timer) continue;
            Print(control.name), Print(" ");
            PrintBox(control.left, control.top, control.width, control.height);
        }
        return 0;
    }
    const layouts::WindowRow* row = argc == 3 ? layouts::FindWindowRow(argv[2]) : nullptr;
    const bool title = argc == 3 && std::strcmp(argv[1], "--title") == 0;
    const bool pattern = argc == 3 && std::strcmp(argv[1], "--pattern") == 0;
    if (!row || !(title || pattern)) {
        std::fprintf(stderr, "usage: window_table [--title|--pattern|--controls NAME | --box NAME [CONTROL]]   (NAME: a class or short name)\n");
        return 2;
    }
    Print(title ? std::string(row->title()) : Pattern(row->title()));
    Print("\n");
    return 0;
}
