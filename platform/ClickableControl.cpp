#include "platform/ClickableControl.h"

#include <QMouseEvent>

namespace platform {

ClickableControl::ClickableControl(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void ClickableControl::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit Click();
}

void ClickableControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMove();
}

}  // namespace platform
