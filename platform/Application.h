// The application object, and the boundary for untrapped errors: an
// exception that leaves a handler is caught where Qt delivers the event,
// reported, and the program goes on. Nothing throws through the event loop.
#pragma once

#include <QApplication>

#include <functional>
#include <string>

namespace platform {

using ErrorReporter = std::function<void(const std::string& message)>;

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Replaces how untrapped errors are reported (the default writes to
    // standard error and shows a message box).
    void setErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

private:
    void Report(const std::string& message);

    ErrorReporter reporter_;
    bool reporting_ = false;
};

// Where the session is Wayland and the user chose nothing, runs on Qt's
// Wayland platform, and on X11 (XWayland) where that platform cannot start
// (its plugin is not installed, or the compositor does not answer). An X11
// session, or a platform the user set in QT_QPA_PLATFORM, is left alone.
// Call before the application object is created.
void ChooseWindowSystem();

// Whether the program shows its windows on Qt's Wayland platform.
bool OnWayland();

// Whether the program shows its windows through XWayland: the X11 platform
// inside a Wayland session.
bool OnXWayland();

// Qt's offscreen platform, before the application object is made: for the
// picture generators, which never show anything (`always`: whatever the
// environment chose), and for tests and tools that drive windows without a
// display (unless the environment chose a platform).
void UseOffscreenPlatform(bool always = false);

}  // namespace platform
