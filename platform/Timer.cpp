#include "platform/Timer.h"

#include "platform/ControlSetup.h"

namespace platform {

Timer::Timer(const layouts::ControlLayout& layout, QObject* parent) : QObject(parent) {
    setObjectName(ToQString(layout.name));
    timer_.setInterval(layout.intervalMs);
    // A coarse timer may fire up to 5% early: a 4 s splash would go after 3.8 s.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::Tick);
    if (layout.intervalMs > 0) timer_.start();
}

}  // namespace platform
