// Prints the family the program draws glyph-code text with, as it chooses it
// at start-up from the fonts installed (installed-font-choice uses it).
#include "windows/ProgramFonts.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    std::printf("%s\n", qPrintable(windows::RegisterProgramFonts()));
    return 0;
}
