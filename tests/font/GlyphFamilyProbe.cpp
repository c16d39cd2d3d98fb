// Prints the family the program draws glyph-code text with, as it chooses it
// at start-up from the fonts installed (installed-font-choice uses it).
#include "platform/Application.h"
#include "windows/ProgramFonts.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    platform::UseOffscreenPlatform();
    QGuiApplication app(argc, argv);
    std::printf("%s\n", qPrintable(windows::RegisterProgramFonts()));
    return 0;
}
