#include "platform/WindowMove.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

// Follows the pointer until every button is up, then removes itself.
class ManualMove : public QObject {
public:
    static constexpr const char* kName = "manual-window-move";

    ManualMove(QWidget& window, QPoint pointer)
        : QObject(&window), window_(&window), offset_(pointer - window.pos()) {
        setObjectName(kName);
        window.installEventFilter(this);
        window.grabMouse();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!window_) return false;
        if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            window_->move(mouse->globalPosition().toPoint() - offset_);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->buttons() == Qt::NoButton) Finish();
            return true;
        }
        if (event->type() == QEvent::Hide) Finish();
        return false;
    }

private:
    void Finish() {
        window_->releaseMouse();
        window_->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> window_;
    QPoint offset_;
};

}  // namespace

bool StartWindowMove(QWidget& window, Qt::MouseButtons held) {
    if (held == Qt::NoButton) return false;
    if (window.findChild<QObject*>(QLatin1String(ManualMove::kName), Qt::FindDirectChildrenOnly)) return true;  // already moving
    if (QWindow* handle = window.windowHandle(); handle && handle->startSystemMove()) return true;
    new ManualMove(window, QCursor::pos());
    return true;
}

}  // namespace platform
