// Shows one window of the program by name, so that it can be looked at (and
// screenshotted) without clicking through the program: window_viewer Form2.
// The magnifier is opened from the main window with row 38 selected, and the
// main window shows row 8, so that their boxes hold text.
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form7.h"
#include "windows/Form9.h"
#include "windows/Forms.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    platform::RegisterBundledFonts();
    windows::Forms forms;
    const std::string name = argc > 1 ? argv[1] : "Form1";
    if (name == "Form1") {
        forms.form1().Text1.setText(QStringLiteral("Ki"));
        forms.form1().Show();
    } else if (name == "Form2") forms.form2().Show();
    else if (name == "Form3") forms.form3().Show();
    else if (name == "Form4") forms.form4().Show();
    else if (name == "Form5") forms.form5().Show();
    else if (name == "Form7") forms.form7().Show();
    else if (name == "Form9") forms.form9().Show();
    else if (name == "Form10") {
        forms.form1().List1.setListIndex(38);
        forms.form1().image("Image2").Click();
    } else {
        std::fprintf(stderr, "usage: window_viewer Form1|Form2|Form3|Form4|Form5|Form7|Form9|Form10\n");
        return 2;
    }
    return app.exec();
}
