// Tests of the real windows run inside the program's own application object,
// with untrapped errors recorded instead of shown in a message box.
#include "platform/Application.h"
#include "platform/Fonts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

std::vector<std::string>& ReportedErrors() {
    static std::vector<std::string> errors;
    return errors;
}

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Application app(argc, argv);
    app.setErrorReporter([](const std::string& message) { ReportedErrors().push_back(message); });
    platform::RegisterBundledFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
