// Which window system the program asks Qt for, from the session's
// environment, before the application object exists.
#include "platform/Application.h"
#include "platform/WindowMove.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

struct Case {
    const char* name;
    const char* qpaPlatform;  // nullptr: unset
    const char* waylandDisplay;
    const char* sessionType;
    std::optional<std::string> chosen;  // QT_QPA_PLATFORM afterwards
};

void Set(const char* variable, const char* value) {
    if (value) setenv(variable, value, 1);
    else unsetenv(variable);
}

TEST(WindowSystemChoice, FollowsTheSession) {
    const Case cases[] = {
        {"X11 session", nullptr, nullptr, "x11", std::nullopt},
        {"no session type, no Wayland socket", nullptr, nullptr, nullptr, std::nullopt},
        {"Wayland socket", nullptr, "wayland-0", nullptr, "wayland;xcb"},
        {"Wayland session type alone", nullptr, nullptr, "wayland", "wayland;xcb"},
        {"Wayland socket in a session typed x11", nullptr, "wayland-0", "x11", std::nullopt},
        {"Wayland socket in a session of another type", nullptr, "wayland-0", "tty", "wayland;xcb"},
        {"the user's choice wins", "xcb", "wayland-0", "wayland", "xcb"},
        {"the user's Wayland stays", "wayland", "wayland-0", "wayland", "wayland"},
    };
    for (const Case& c : cases) {
        Set("QT_QPA_PLATFORM", c.qpaPlatform);
        Set("WAYLAND_DISPLAY", c.waylandDisplay);
        Set("XDG_SESSION_TYPE", c.sessionType);
        platform::ChooseWindowSystem();
        const char* chosen = std::getenv("QT_QPA_PLATFORM");
        EXPECT_EQ(chosen ? std::optional<std::string>(chosen) : std::nullopt, c.chosen) << c.name;
    }
}

// A move the desktop would not end on the button's release is not handed to
// it: the window would stay on the pointer until the next click.
TEST(WindowSystemChoice, DesktopMovesOnlyWhereTheReleaseEndsThem) {
    const struct {
        Qt::MouseButton button;
        const char* desktops;
        bool handed;
    } cases[] = {
        {Qt::LeftButton, "GNOME", true},
        {Qt::RightButton, "GNOME", false},
        {Qt::MiddleButton, "GNOME", false},
        {Qt::RightButton, "ubuntu:GNOME", false},
        {Qt::RightButton, "gnome", false},
        {Qt::RightButton, "GNOME-Flashback", true},
        {Qt::RightButton, "KDE", true},
        {Qt::RightButton, "sway", true},
        {Qt::RightButton, "", true},
        {Qt::RightButton, nullptr, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::DesktopMoveEndsOnRelease(c.button, c.desktops), c.handed)
            << c.button << " on " << (c.desktops ? c.desktops : "(none)");
}

}  // namespace
