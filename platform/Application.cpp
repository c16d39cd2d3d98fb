#include "platform/Application.h"

#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    // No window exists between the splash and the main window; the program
    // ends through its exit window, not when its last window closes.
    setQuitOnLastWindowClosed(false);
    reporter_ = [](const std::string& message) {
        std::fprintf(stderr, "Run-time error: %s\n", message.c_str());
        QMessageBox::critical(nullptr, applicationDisplayName(),
                              QStringLiteral("Run-time error:\n%1").arg(QString::fromStdString(message)));
    };
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Report(error.what());
    } catch (...) {
        Report("unknown error");
    }
    return false;
}

void Application::Report(const std::string& message) {
    if (reporting_) {  // an error while reporting: standard error only
        std::fprintf(stderr, "Run-time error: %s\n", message.c_str());
        return;
    }
    reporting_ = true;
    try {
        reporter_(message);
    } catch (...) {
        std::fprintf(stderr, "Run-time error: %s\n", message.c_str());
    }
    reporting_ = false;
}

namespace {

// A session that says it is X11 is, even with a Wayland socket about (a
// compositor nested in it); otherwise a Wayland socket makes it Wayland.
bool WaylandSession() {
    const char* type = std::getenv("XDG_SESSION_TYPE");
    if (type && std::strcmp(type, "wayland") == 0) return true;
    if (type && std::strcmp(type, "x11") == 0) return false;
    return std::getenv("WAYLAND_DISPLAY") != nullptr;
}

}  // namespace

void ChooseWindowSystem() {
    if (std::getenv("QT_QPA_PLATFORM") || !WaylandSession()) return;
    // Qt tries the platforms in order and takes the first that starts.
    qputenv("QT_QPA_PLATFORM", "wayland;xcb");
}

bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

bool OnXWayland() { return WaylandSession() && QGuiApplication::platformName() == QLatin1String("xcb"); }

void UseOffscreenPlatform(bool always) {
    if (always || !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace platform
