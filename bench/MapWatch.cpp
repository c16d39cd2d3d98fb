// Starts a program on the current X display and reports, for each of its
// first top-level windows to be mapped, how long after the launch that
// happened and the program's resident memory a moment later; then ends it.
//
// Usage: map_watch [--windows N] [--settle MS] PROGRAM [ARGUMENTS...]
// Prints one line per window: "mapped MS rss KIB". Needs a display on which
// nothing else maps windows (a private Xvfb without a window manager).
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Waits for the next window mapped as a child of the root; false on timeout.
bool waitForMap(Display* display, double deadlineMs) {
    while (true) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display)) return true;
        }
        const double left = deadlineMs - nowMs();
        if (left <= 0) return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left) + 1);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int windows = 1;
    int settleMs = 1000;
    int first = 1;
    for (; first + 1 < argc; first += 2) {
        if (std::strcmp(argv[first], "--windows") == 0) windows = std::atoi(argv[first + 1]);
        else if (std::strcmp(argv[first], "--settle") == 0) settleMs = std::atoi(argv[first + 1]);
        else break;
    }
    if (first >= argc || windows < 1) {
        std::fprintf(stderr, "usage: map_watch [--windows N] [--settle MS] PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_watch: no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double launched = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[first], argv + first);
        _exit(127);
    }
    int status = 0;
    for (int i = 0; i < windows; ++i) {
        if (!waitForMap(display, nowMs() + 30000)) {
            std::fprintf(stderr, "map_watch: window %d was not mapped within 30 s\n", i + 1);
            status = 1;
            break;
        }
        const double mapped = nowMs() - launched;
        usleep(static_cast<useconds_t>(settleMs) * 1000);
        std::printf("mapped %.1f rss %ld\n", mapped, residentKiB(pid));
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return status;
}
