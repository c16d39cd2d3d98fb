#include "platform/WindowMove.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

// Follows the pointer until every button is up, then removes itself. The
// press that started it keeps the pointer's moves coming to the window while
// the button is held.
class ManualMove : public QObject {
public:
    static constexpr const char* kName = "manual-window-move";

    ManualMove(QWidget& window, QPoint pointer)
        : QObject(&window), window_(&window), offset_(pointer - window.pos()) {
        setObjectName(kName);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!window_) return false;
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease) {
            // Moves may be merged on a busy display: the release still
            // tells where the pointer ended.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            window_->move(mouse->globalPosition().toPoint() - offset_);
            if (event->type() == QEvent::MouseButtonRelease && mouse->buttons() == Qt::NoButton) Finish();
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
    QPoint offset_;
};

}  // namespace

bool StartWindowMove(QWidget& window, Qt::MouseButtons held, QPoint pointerOnScreen) {
    if (held == Qt::NoButton) return false;
    if (window.findChild<QObject*>(QLatin1String(ManualMove::kName), Qt::FindDirectChildrenOnly)) return true;  // already moving
    if (QWindow* handle = window.windowHandle(); handle && handle->startSystemMove()) return true;
    new ManualMove(window, pointerOnScreen);
    return true;
}

}  // namespace platform
