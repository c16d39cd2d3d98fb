#include "app/DisplayFailure.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace app {
namespace {

QByteArray& firstWarning() {
    static QByteArray warning;
    return warning;
}

QByteArray Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? QByteArray(value) : QByteArrayLiteral("(not set)");
}

// Exits without running destructors: the window system's objects are in no
// state to be torn down. Qt's Wayland connection reports its loss from its
// event thread and from the main thread at once: the first to get here says
// it, the other waits for the exit.
[[noreturn]] void End(const QByteArray& line) {
    static std::atomic_flag ending = ATOMIC_FLAG_INIT;
    if (ending.test_and_set())
        for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
    std::fprintf(stderr, "loanword-dictionary: %s\n", line.constData());
    std::fflush(stderr);
    std::_Exit(1);
}

void DuringStart(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        const QByteArray why = firstWarning().isEmpty() ? QByteArrayLiteral("the window system could not start")
                                                        : firstWarning();
        End("cannot show any window: " + why + " (DISPLAY=" + Environment("DISPLAY") +
            ", WAYLAND_DISPLAY=" + Environment("WAYLAND_DISPLAY") + ")");
    }
    if (type != QtDebugMsg && firstWarning().isEmpty()) firstWarning() = message.section(QLatin1Char('\n'), 0, 0).toLocal8Bit();
}

QtMessageHandler& qtHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

void AfterStart(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // Qt's X11 and Wayland connections say one of these just before they
    // end the program.
    if (message.startsWith(QLatin1String("The X11 connection broke")) ||
        message.startsWith(QLatin1String("The Wayland connection")))
        End("the display went away (" + message.toLocal8Bit() + ")");
    if (qtHandler()) {
        qtHandler()(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

}  // namespace

void ReportNoDisplay() { qtHandler() = qInstallMessageHandler(DuringStart); }

void ReportDisplayLoss() { qInstallMessageHandler(AfterStart); }

}  // namespace app
