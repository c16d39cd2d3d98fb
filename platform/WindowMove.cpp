#include "platform/WindowMove.h"

#include "platform/Application.h"
#include "platform/NativeWindow.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdlib>

namespace platform {
namespace {

constexpr const char* kMoveName = "manual-window-move";

Qt::MouseButton FirstButton(Qt::MouseButtons held) {
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (held & button) return button;
    return static_cast<Qt::MouseButton>(held.toInt() & -held.toInt());  // the lowest one held
}

// When the desktop moves a window, it takes the pointer, and the release of
// the button that started the move never reaches the program: Qt still
// counts the button as held and keeps sending the pointer's events to the
// widget that was pressed, so the next move over a window that moves on
// motion (the exit window) would start another move, and the next click would
// go to the background instead of what is under the pointer. The release is
// given to the window here, as if it had come.
void DeliverLostRelease(QWidget& window, Qt::MouseButtons held) {
    QWindow* handle = window.windowHandle();
    if (!handle) return;
    const QPointF global = QCursor::pos();
    QMouseEvent release(QEvent::MouseButtonRelease, handle->mapFromGlobal(global), global, FirstButton(held),
                        Qt::NoButton, QGuiApplication::keyboardModifiers());
    QCoreApplication::sendEvent(handle, &release);
}

bool SessionDesktopEndsMoveOnRelease(Qt::MouseButtons held) {
    return DesktopMoveEndsOnRelease(FirstButton(held), std::getenv("XDG_CURRENT_DESKTOP"));
}

// Follows the pointer while a button that started the move is held, then
// removes itself. The press that started it keeps the pointer's moves coming
// to the window (X's implicit grab) until that button is released.
// Through XWayland the compositors' window managers may ignore a window that
// moves itself: there the first motion with the button held hands the move
// to the desktop instead (a press released without motion moves nothing, and
// a quick tap never reaches the desktop's move).
class ManualMove : public QObject {
public:
    ManualMove(QWidget& window, Qt::MouseButtons held, QPoint pointer, bool handToDesktop)
        : QObject(&window), window_(&window), held_(held), offset_(pointer - window.pos()),
          handToDesktop_(handToDesktop) {
        setObjectName(kMoveName);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!window_) return false;
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            // A move with the button already up means its release went
            // elsewhere: the move is over, and this pointer is not part of it.
            if (event->type() == QEvent::MouseMove && !(mouse->buttons() & held_)) {
                Finish();
                return false;
            }
            if (event->type() == QEvent::MouseMove && handToDesktop_) {
                handToDesktop_ = false;  // once: without a desktop move, follow by hand
                if (native::RunDesktopMove(*window_, FirstButton(held_))) {
                    Finish();  // before the release below, which must reach the window
                    DeliverLostRelease(*window_, held_);
                    return true;
                }
            }
            // Moves may be merged on a busy display: the release still
            // tells where the pointer ended.
            const QPoint to = mouse->globalPosition().toPoint() - offset_;
            if (to != window_->pos()) window_->move(to);
            if (event->type() == QEvent::MouseButtonRelease && !(mouse->buttons() & held_)) Finish();
            return true;
        }
        if (event->type() == QEvent::Hide) Finish();
        return false;
    }

private:
    void Finish() {
        window_->removeEventFilter(this);
        setObjectName(QString());
        deleteLater();
    }

    QPointer<QWidget> window_;
    Qt::MouseButtons held_;
    QPoint offset_;
    bool handToDesktop_;
};

}  // namespace

bool StartWindowMove(QWidget& window, Qt::MouseButtons held, QPoint pointerOnScreen) {
    if (held == Qt::NoButton) return false;
    if (window.findChild<QObject*>(QLatin1String(kMoveName), Qt::FindDirectChildrenOnly)) return true;  // already moving
    if (native::DesktopMovesFromPress(FirstButton(held))) {
        // The platform's own move loop (Windows' caption drag) follows the
        // pointer and returns here when the button comes up; the release it
        // took never reaches the window.
        if (!native::RunDesktopMove(window, FirstButton(held))) return false;
        DeliverLostRelease(window, held);
        return true;
    }
    if (OnWayland()) {
        // Only the compositor moves a Wayland window; it ties its move to the
        // real press and ends it on that button's release. One that refuses
        // leaves the window where it is, and so does a button whose release
        // the desktop would not see as the move's end: a window that stays
        // put is better than one left stuck to the pointer.
        QWindow* handle = window.windowHandle();
        if (!handle || !SessionDesktopEndsMoveOnRelease(held) || !handle->startSystemMove()) return false;
        DeliverLostRelease(window, held);
        return true;
    }
    // On X11 the window follows the pointer by hand: the desktop's move is
    // asked for with a message that Qt sends naming the left button, and a
    // right or middle press, or a left press already released (a quick tap),
    // would leave the window stuck to the pointer until the next click.
    // Through XWayland, a button the desktop's move would not end on keeps
    // following by hand (GNOME's window manager honours a window that moves
    // itself).
    new ManualMove(window, held, pointerOnScreen, OnXWayland() && SessionDesktopEndsMoveOnRelease(held));
    return true;
}

bool DesktopMoveEndsOnRelease(Qt::MouseButton button, const char* desktops) {
    if (button == Qt::LeftButton || !desktops) return true;
    // A list such as "ubuntu:GNOME" or "GNOME-Classic:GNOME".
    for (const QString& desktop : QString::fromUtf8(desktops).split(QLatin1Char(':')))
        if (desktop.compare(QLatin1String("GNOME"), Qt::CaseInsensitive) == 0) return false;
    return true;
}

}  // namespace platform
