// Starts exactly as the program does (fonts, then the splash window) and
// reports how long after its launch the splash was first painted:
// startup_probe LAUNCH_TIME_NS, where LAUNCH_TIME_NS is CLOCK_REALTIME in
// nanoseconds taken by the launcher just before it started the probe.
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "windows/Form7.h"
#include "windows/Forms.h"

#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long NowNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(long long launchedNs) : launchedNs_(launchedNs) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // After the paint handler has run and the frame is flushed.
            QTimer::singleShot(0, [this] {
                std::printf("splash painted %.1f ms after launch\n", (NowNs() - launchedNs_) / 1e6);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    long long launchedNs_;
    bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const long long launched = argc > 1 ? std::atoll(argv[1]) : NowNs();
    platform::Application app(argc, argv);
    platform::RegisterBundledFonts();
    windows::Forms forms;
    FirstPaint probe(launched);
    forms.form7().installEventFilter(&probe);
    forms.form7().Show();
    return app.exec();
}
