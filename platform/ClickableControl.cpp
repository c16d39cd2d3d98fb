#include "platform/ClickableControl.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

ClickableControl::ClickableControl(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

bool ClickableControl::isClickable() const {
    return isSignalConnected(QMetaMethod::fromSignal(&ClickableControl::Click));
}

void ClickableControl::Press() {
    if (isVisible()) emit Click();
}

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

void ClickableControl::keyPressEvent(QKeyEvent* event) {
    const bool pressKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                          event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!pressKey || modifiers != Qt::NoModifier || !isClickable()) {
        event->ignore();  // the window's own keys
        return;
    }
    event->accept();
    if (!event->isAutoRepeat()) Press();  // a held key presses once
}

void ClickableControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ClickableControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ClickableControl::PaintFocusMark(QPainter& painter) const {
    if (!hasFocus()) return;
    // Two rings, the skin's colour outside and white inside, so the mark
    // reads on light and dark faces alike.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(focusMarkColour_, 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5));
    painter.restore();
}

}  // namespace platform
