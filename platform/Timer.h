// A timer control: ticks every Interval milliseconds from its window's load
// for as long as its window exists.
#pragma once

#include "layouts/Layout.h"

#include <QObject>
#include <QTimer>

namespace platform {

class Timer : public QObject {
    Q_OBJECT
public:
    Timer(const layouts::ControlLayout& layout, QObject* parent);

    int Interval() const { return timer_.interval(); }
    bool isActive() const { return timer_.isActive(); }
    // Runs the tick now, as if the interval had passed (tests use this).
    void fire() { emit Tick(); }

signals:
    void Tick();

private:
    QTimer timer_;
};

}  // namespace platform
