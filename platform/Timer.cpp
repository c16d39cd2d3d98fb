#include "platform/Timer.h"

#include "platform/ControlSetup.h"

namespace platform {

Timer::Timer(const layouts::ControlLayout& layout, QObject* parent) : QObject(parent) {
    setObjectName(ToQString(layout.name));
    timer_.setInterval(layout.intervalMs);
    connect(&timer_, &QTimer::timeout, this, &Timer::Tick);
    if (layout.intervalMs > 0) timer_.start();
}

}  // namespace platform
