// A control's click: the left button pressed and released over the control.
#pragma once

#include <QMouseEvent>
#include <QRect>

namespace platform {

class ClickTracker {
public:
    void press(const QMouseEvent& event) { pressed_ = event.button() == Qt::LeftButton; }
    // True when this release completes a click inside `area`.
    bool release(const QMouseEvent& event, const QRect& area) {
        const bool click = pressed_ && event.button() == Qt::LeftButton && area.contains(event.position().toPoint());
        pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};

}  // namespace platform
