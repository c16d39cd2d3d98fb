// Starts a program on the current X display, waits for its window named
// NAME, gives it the keyboard focus and types KEYS keys into it through XTest
// ("k", then BackSpace, alternately, so that every key changes what the
// window shows). For each key it reports how long after the key press the X
// server saw the window painted over the main window's meaning box (and,
// with --origin, over its origin label too): the time a user waits to see
// the answer. Then it ends the program.
//
// Usage: paint_watch [--origin] KEYS NAME PROGRAM [ARGUMENTS...]
// Prints one line per key: "paint MS", or "miss" when nothing was painted
// there within 2 s. Needs a display on which nothing else maps windows.
#include "bench/SearchBoxes.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Hands every event that arrives before the deadline to `handle`, until it
// returns true; false when the deadline passes first.
bool pumpUntil(Display* display, double deadlineMs, const std::function<bool(const XEvent&)>& handle) {
    while (true) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (handle(event)) return true;
        }
        const double left = deadlineMs - nowMs();
        if (left <= 0) return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left) + 1);
    }
}

std::string windowName(Display* display, Window window) {
    XTextProperty property{};
    std::string name;
    if (XGetWMName(display, window, &property) && property.value) {
        name.assign(reinterpret_cast<const char*>(property.value), property.nitems);
        XFree(property.value);
    }
    return name;
}

bool meets(const XRectangle& area, const QRect& box) {
    return QRect(area.x, area.y, area.width, area.height).intersects(box);
}

}  // namespace

int main(int argc, char** argv) {
    int first = 1;
    const bool origin = argc > first && std::strcmp(argv[first], "--origin") == 0;
    if (origin) ++first;
    if (argc - first < 3) {
        std::fprintf(stderr, "usage: paint_watch [--origin] KEYS NAME PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const int keys = std::atoi(argv[first]);
    const std::string name = argv[first + 1];
    first += 2;

    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0, xtest = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError) ||
        !XTestQueryExtension(display, &xtest, &xtest, &xtest, &xtest)) {
        std::fprintf(stderr, "paint_watch: needs an X display with DAMAGE and XTEST\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[first], argv + first);
        _exit(127);
    }
    const auto end = [&](int status) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        XCloseDisplay(display);
        return status;
    };

    Window window = 0;
    if (!pumpUntil(display, nowMs() + 30000, [&](const XEvent& event) {
            if (event.type != MapNotify || event.xmap.event != DefaultRootWindow(display)) return false;
            if (windowName(display, event.xmap.window) != name) return false;
            window = event.xmap.window;
            return true;
        })) {
        std::fprintf(stderr, "paint_watch: no window named \"%s\" within 30 s\n", name.c_str());
        return end(1);
    }
    // Let the window paint itself whole and take the focus before the first key.
    const auto settle = [&](double ms) { pumpUntil(display, nowMs() + ms, [](const XEvent&) { return false; }); };
    settle(500);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XDamageCreate(display, window, XDamageReportRawRectangles);
    settle(500);

    const KeyCode letter = XKeysymToKeycode(display, XK_k);
    const KeyCode erase = XKeysymToKeycode(display, XK_BackSpace);
    const QRect meaning = bench::MeaningBox();
    const QRect originBox = bench::OriginLabel();
    for (int i = 0; i < keys; ++i) {
        const KeyCode key = i % 2 == 0 ? letter : erase;
        bool meaningPainted = false;
        bool originPainted = !origin;
        const double pressed = nowMs();
        XTestFakeKeyEvent(display, key, True, CurrentTime);
        XTestFakeKeyEvent(display, key, False, CurrentTime);
        XFlush(display);
        const bool painted = pumpUntil(display, pressed + 2000, [&](const XEvent& event) {
            if (event.type != damageEvent + XDamageNotify) return false;
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            meaningPainted = meaningPainted || meets(damage.area, meaning);
            originPainted = originPainted || meets(damage.area, originBox);
            return meaningPainted && originPainted;
        });
        if (painted) {
            std::printf("paint %.3f\n", nowMs() - pressed);
        } else {
            std::printf("miss\n");
        }
        settle(40);  // a typist's gap: the next key meets an idle window
    }
    return end(0);
}
