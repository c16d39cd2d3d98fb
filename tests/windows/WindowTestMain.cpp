// Tests of the real windows, driven offscreen inside the program's own
// application object; an error that leaves a handler fails the test.
#include "platform/Application.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    platform::UseOffscreenPlatform();
    testing_support::TestApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
