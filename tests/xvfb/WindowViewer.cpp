// Shows one window of the program by name, so that it can be looked at (and
// screenshotted) without clicking through the program: window_viewer Form2
// (a class or short name of the window table). The magnifier is opened from
// the main window with row 38 selected, and the main window shows row 8, so
// that their boxes hold text.
//   window_viewer --list   prints the window table, one row a line: class,
//                          short name and title, separated by tabs
#include "layouts/WindowLayouts.h"
#include "platform/Application.h"
#include "shell/BorderlessWindow.h"
#include "windows/Form1.h"
#include "windows/Forms.h"
#include "windows/ProgramFonts.h"

#include <cstdio>
#include <string>

namespace {

void PrintTable() {
    for (const layouts::WindowRow& row : layouts::kWindowRows)
        std::printf("%.*s\t%.*s\t%.*s\n", static_cast<int>(row.className.size()), row.className.data(),
                    static_cast<int>(row.shortName.size()), row.shortName.data(),
                    static_cast<int>(row.title().size()), row.title().data());
}

}  // namespace

int main(int argc, char** argv) {
    const std::string name = argc > 1 ? argv[1] : "Form1";
    if (name == "--list") {
        PrintTable();
        return 0;
    }
    const layouts::WindowRow* row = layouts::FindWindowRow(name);
    if (!row) {
        std::fprintf(stderr, "usage: window_viewer NAME | --list   (NAME: a class or short name of --list)\n");
        return 2;
    }
    platform::Application app(argc, argv);
    windows::RegisterProgramFonts();
    windows::Forms forms;
    if (row->shortName == "main") {
        forms.form1().Text1.setText(QStringLiteral("Ki"));
    } else if (row->shortName == "magnifier") {
        forms.form1().List1.setListIndex(38);
        forms.form1().image("Image2").Click();
    }
    forms.open(*row).Show();
    return app.exec();
}
