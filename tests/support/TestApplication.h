// The program's application object as a test main makes it: an error that
// leaves a handler fails the test that caused it, and is never shown in a
// message box that would wait for a click. A test that provokes such an error
// on purpose holds an ExpectedErrors while it does.
#pragma once

#include "platform/Application.h"
#include "windows/ProgramFonts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testing_support {

// While one lives, the errors the program reports are collected here
// instead of failing the test.
class ExpectedErrors {
public:
    ExpectedErrors() : outer_(current()) { current() = this; }
    ~ExpectedErrors() { current() = outer_; }
    ExpectedErrors(const ExpectedErrors&) = delete;
    ExpectedErrors& operator=(const ExpectedErrors&) = delete;

    const std::vector<std::string>& messages() const { return messages_; }

    static void Report(const std::string& message) {
        if (ExpectedErrors* expected = current())
            expected->messages_.push_back(message);
        else
            ADD_FAILURE() << "error left a handler: " << message;
    }

private:
    static ExpectedErrors*& current() {
        static ExpectedErrors* expected = nullptr;
        return expected;
    }

    ExpectedErrors* outer_;
    std::vector<std::string> messages_;
};

// The application of a test main, with the program's fonts registered.
class TestApplication : public platform::Application {
public:
    TestApplication(int& argc, char** argv) : platform::Application(argc, argv) {
        setErrorReporter(&ExpectedErrors::Report);
        windows::RegisterProgramFonts();
    }
};

}  // namespace testing_support
