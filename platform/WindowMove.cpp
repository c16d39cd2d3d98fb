#include "platform/WindowMove.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

// Follows the pointer while a button that started the move is held, then
// removes itself. The press that started it keeps the pointer's moves coming
// to the window (X's implicit grab) until that button is released.
class ManualMove : public QObject {
public:
    static constexpr const char* kName = "manual-window-move";

    ManualMove(QWidget& window, Qt::MouseButtons held, QPoint pointer)
        : QObject(&window), window_(&window), held_(held), offset_(pointer - window.pos()) {
        setObjectName(kName);
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
        deleteLater();
    }

    QPointer<QWidget> window_;
    Qt::MouseButtons held_;
    QPoint offset_;
};

// On X11 the desktop's move is asked for with a message that always names
// the left button and that the window manager reads later: a right or middle
// press, or a left press already released (a quick tap), leaves the window
// stuck to the pointer until the next click, which it swallows. Following the
// pointer here ends exactly when the button that started the move comes up.
// Elsewhere (Wayland) the desktop ties its move to the real press.
bool DesktopMoveFollowsTheButton() {
    return QGuiApplication::platformName() != QLatin1String("xcb");
}

}  // namespace

bool StartWindowMove(QWidget& window, Qt::MouseButtons held, QPoint pointerOnScreen) {
    if (held == Qt::NoButton) return false;
    if (window.findChild<QObject*>(QLatin1String(ManualMove::kName), Qt::FindDirectChildrenOnly)) return true;  // already moving
    if (DesktopMoveFollowsTheButton())
        if (QWindow* handle = window.windowHandle(); handle && handle->startSystemMove()) return true;
    new ManualMove(window, held, pointerOnScreen);
    return true;
}

}  // namespace platform
