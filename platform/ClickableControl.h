// A control drawn on the window's surface that takes its own mouse events:
// a click is the left button pressed and released over it, and moves over it
// are its own (they never reach the window's background).
#pragma once

#include <QWidget>

namespace platform {

class ClickableControl : public QWidget {
    Q_OBJECT
public:
    // Mouse tracking is on: moves over the control run its MouseMove
    // without a button held.
    explicit ClickableControl(QWidget* parent);

signals:
    void Click();
    void MouseMove();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace platform
