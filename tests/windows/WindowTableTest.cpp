// The window table (layouts/WindowLayouts.h) against the window classes:
// a class without its row, or a row whose slot holds another class, fails.
#include "WindowTestSupport.h"

#include "layouts/WindowLayouts.h"
#include "shell/BorderlessWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

using namespace testing_support;

TEST(WindowTable, EveryWindowClassHasItsRow) {
    const std::regex windowClass(R"(class\s+(\w+)\s*(?:final\s*)?:\s*public\s+shell::BorderlessWindow\b)");
    int classes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DICT_SOURCE_DIR "/windows")) {
        if (entry.path().extension() != ".h") continue;
        std::ifstream file(entry.path());
        std::stringstream text;
        text << file.rdbuf();
        const std::string source = text.str();
        for (std::sregex_iterator match(source.begin(), source.end(), windowClass), end; match != end; ++match) {
            ++classes;
            const std::string name = (*match)[1];
            const layouts::WindowRow* row = layouts::FindWindowRow(name);
            EXPECT_TRUE(row && row->className == name) << name << " (" << entry.path().filename() << ") has no row";
        }
    }
    EXPECT_EQ(classes, static_cast<int>(std::size(layouts::kWindowRows)));
}

TEST(WindowTable, EachRowOpensItsOwnClass) {
    Program program;
    for (const layouts::WindowRow& row : layouts::kWindowRows) {
        shell::BorderlessWindow& window = program.forms.open(row);
        EXPECT_EQ(window.metaObject()->className(), "windows::" + std::string(row.className));
        EXPECT_EQ(program.forms.ifLoaded(row), &window);
        EXPECT_EQ(window.objectName().toStdString(), row.className);
    }
}
