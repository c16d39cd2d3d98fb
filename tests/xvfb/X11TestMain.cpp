// The tests on a real X server run inside the program's own application
// object; an untrapped error fails the test that caused it.
#include "platform/Application.h"
#include "platform/Fonts.h"

#include <gtest/gtest.h>

#include <string>

int main(int argc, char** argv) {
    platform::Application app(argc, argv);
    app.setErrorReporter([](const std::string& message) { ADD_FAILURE() << "untrapped error: " << message; });
    platform::RegisterBundledFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
