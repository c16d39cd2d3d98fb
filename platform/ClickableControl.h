// A control drawn on the window's surface that takes its own mouse events:
// a click is the left button pressed and released over it, and moves over it
// are its own (they never reach the window's background).
//
// A control whose click something handles is a button for the keyboard too:
// Tab reaches it (a mouse click never gives it the focus), Space and Return
// press it, and it shows a focus mark while it has the focus.
#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace platform {

class ClickableControl : public QWidget {
    Q_OBJECT
public:
    // Mouse tracking is on: moves over the control run its MouseMove
    // without a button held.
    explicit ClickableControl(QWidget* parent);

    // Something handles this control's click.
    bool isClickable() const;

    // Does what a click does. A control that cannot be seen (its window
    // hidden or closing) cannot be clicked, so pressing it does nothing.
    void Press();

    // The colour of the focus mark (the window gives its skin's colour).
    void setFocusMarkColour(const QColor& colour) { focusMarkColour_ = colour; }

signals:
    void Click();
    void MouseMove();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Faces call this last in their painting.
    void PaintFocusMark(QPainter& painter) const;

private:
    bool pressed_ = false;
    QColor focusMarkColour_ = Qt::black;
};

}  // namespace platform
