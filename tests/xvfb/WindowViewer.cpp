// Shows one window of the program by name, so that it can be looked at (and
// screenshotted) without clicking through the program: window_viewer Form2
// (a class or short name of the window table). The magnifier is opened from
// the main window with row 38 selected, and the main window shows row 8, so
// that their boxes hold text.
#include "layouts/WindowLayouts.h"
#include "platform/Application.h"
#include "shell/BorderlessWindow.h"
#include "windows/Form1.h"
#include "windows/Forms.h"
#include "windows/ProgramFonts.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const std::string name = argc > 1 ? argv[1] : "Form1";
    const layouts::WindowRow* row = layouts::FindWindowRow(name);
    if (!row) {
        std::fprintf(stderr, "usage: window_viewer NAME   (a class or short name; build/layouts/window_table lists them)\n");
        return 2;
    }
    platform::Application app(argc, argv);
    // A tool of the build: an error leaving a handler ends it, with no message box to wait on.
    app.setErrorReporter([](const std::string& message) {
        std::fprintf(stderr, "error: %s\n", message.c_str());
        std::exit(1);
    });
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
