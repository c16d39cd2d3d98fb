// Starts the dictionary: the bundled fonts, then the splash window, which
// hands over to the main window.
#include "app/DisplayFailure.h"
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "windows/Form7.h"
#include "windows/Forms.h"

int main(int argc, char** argv) {
    platform::PreferX11Platform();
    app::ReportNoDisplay();
    platform::Application app(argc, argv);
    app::ReportDisplayLoss();
    QApplication::setApplicationName(QStringLiteral("loanword-dictionary"));
    QApplication::setDesktopFileName(QStringLiteral("loanword-dictionary"));
    platform::RegisterBundledFonts();

    windows::Forms forms;
    forms.form7().Show();
    return app.exec();
}
