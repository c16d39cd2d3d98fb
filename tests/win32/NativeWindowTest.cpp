// What only Windows' own interface shows, on Qt's windows platform (run under
// Wine by scripts/windows): every window cut to its outline as its window
// region, the windows without a taskbar button marked as tool windows, and
// the glyph font registered for this process only.
#include "layouts/WindowLayouts.h"
#include "platform/Fonts.h"
#include "shell/BorderlessWindow.h"
#include "tests/support/TestApplication.h"
#include "windows/Forms.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QRegion>
#include <QTest>

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

HWND Handle(QWidget& window) { return reinterpret_cast<HWND>(window.winId()); }

// The window's region as Windows holds it, in window pixels.
QRegion WindowRegion(QWidget& window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(Handle(window), region);
    QRegion result;
    if (kind != ERROR) {
        const DWORD size = GetRegionData(region, 0, nullptr);
        std::vector<char> buffer(size);
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        if (size && GetRegionData(region, size, data) == size) {
            const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
            for (DWORD i = 0; i < data->rdh.nCount; ++i)
                result += QRect(QPoint(rects[i].left, rects[i].top), QPoint(rects[i].right - 1, rects[i].bottom - 1));
        }
    }
    DeleteObject(region);
    return result;
}

class NativeWindowTest : public ::testing::TestWithParam<layouts::WindowRow> {};

// Each window's region is the outline its load built, pixel for pixel, and
// only the windows the layouts give no taskbar button are tool windows.
TEST_P(NativeWindowTest, RegionIsTheOutlineAndTaskbarButtonAsTheLayoutSays) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("windows"));
    const layouts::WindowRow& row = GetParam();
    windows::Forms forms(platform::DesktopShell(), [] {});
    shell::BorderlessWindow& window = forms.open(row);
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // The window region is in device pixels, the outline in the layout's.
    if (window.devicePixelRatioF() != 1.0) GTEST_SKIP() << "needs a display at 100 % (96 dots per inch)";
    const QRegion region = WindowRegion(window);
    EXPECT_FALSE(region.isEmpty()) << row.className;
    EXPECT_EQ(region, window.mask()) << row.className << ": the window region is not the outline";

    const LONG_PTR style = GetWindowLongPtrW(Handle(window), GWL_EXSTYLE);
    const bool tool = (style & WS_EX_TOOLWINDOW) != 0;
    EXPECT_EQ(tool, !row.layout().showInTaskbar) << row.className;
    EXPECT_EQ(IsWindowVisible(Handle(window)) != 0, true) << row.className;
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, NativeWindowTest, ::testing::ValuesIn(layouts::kWindowRows),
                         [](const auto& info) { return std::string(info.param.className); });

// The bundled glyph font is this process's own: Qt and GDI find it here, and
// nothing was added to the system's fonts (folder or registry).
TEST(GlyphFontOnWindows, RegisteredForThisProcessOnly) {
    const QString family = platform::GlyphFamily();
    ASSERT_TRUE(QFontDatabase::families().contains(family)) << family.toStdString();

    HDC screen = GetDC(nullptr);
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = family.toStdWString();
    wcsncpy(wanted.lfFaceName, name.c_str(), LF_FACESIZE - 1);
    bool enumerated = false;
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&enumerated), 0);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(enumerated) << "GDI does not see " << family.toStdString() << " in this process";

    wchar_t folder[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryW(folder, MAX_PATH), 0u);
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(folder) / L"Fonts"))
        EXPECT_EQ(entry.path().filename().wstring().find(L"Pebble"), std::wstring::npos)
            << "a font file in the system's fonts: " << entry.path().string();
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            continue;
        wchar_t value[512];
        for (DWORD i = 0;; ++i) {
            DWORD length = 512;
            if (RegEnumValueW(key, i, value, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            EXPECT_EQ(std::wstring(value).find(name), std::wstring::npos) << "registered system-wide";
        }
        RegCloseKey(key);
    }
}

}  // namespace

int main(int argc, char** argv) {
    testing_support::TestApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
