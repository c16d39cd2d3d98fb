// Starts the dictionary: the splash window, which hands over to the main
// window. The splash needs no font and only its own picture, so everything
// else (the font database, the bundled glyph font, the other pictures) is
// read when a window first uses it.
#include "app/DisplayFailure.h"
#include "platform/Application.h"
#include "windows/Form7.h"
#include "windows/Forms.h"

int main(int argc, char** argv) {
    platform::ChooseWindowSystem();
    app::ReportNoDisplay();
    platform::Application app(argc, argv);
    app::ReportDisplayLoss();
    QApplication::setApplicationName(QStringLiteral("loanword-dictionary"));
    QApplication::setDesktopFileName(QStringLiteral("loanword-dictionary"));

    windows::Forms forms;
    forms.form7().Show();
    return app.exec();
}
