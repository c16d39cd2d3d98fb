#include "platform/Accessibility.h"

#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/ShapeControl.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace platform {
namespace {

// A window: a frame when it has its own taskbar button, otherwise a dialog.
class FormAccessible final : public QAccessibleWidget {
public:
    explicit FormAccessible(Form* form)
        : QAccessibleWidget(form, form->layout().showInTaskbar ? QAccessible::Window : QAccessible::Dialog) {}

    int childCount() const override { return static_cast<int>(Controls().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> controls = Controls();
        return index >= 0 && index < controls.size() ? QAccessible::queryAccessibleInterface(controls.at(index))
                                                     : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(Controls().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    // The window's controls in creation order, without the shapes.
    QList<QWidget*> Controls() const {
        QList<QWidget*> controls;
        for (QObject* object : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (control && !control->isWindow() && !dynamic_cast<ShapeControl*>(control)) controls.append(control);
        }
        return controls;
    }
};

// A label or picture: a push button or link when something handles its
// click, otherwise static text or a graphic.
class ControlAccessible final : public QAccessibleWidget {
public:
    explicit ControlAccessible(ClickableControl* control) : QAccessibleWidget(control) {}

    ClickableControl* control() const { return static_cast<ClickableControl*>(widget()); }

    QAccessible::Role role() const override {
        const bool isLabel = qobject_cast<Label*>(control()) != nullptr;
        if (!control()->isClickable()) return isLabel ? QAccessible::StaticText : QAccessible::Graphic;
        return isLabel && control()->font().underline() ? QAccessible::Link : QAccessible::PushButton;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::Link) state.linked = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return Name();
        if (kind == QAccessible::Description) return control()->accessibleDescription();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (control()->isClickable()) names.prepend(pressAction());
        return names;
    }

    // The click runs as an event of its own, as a mouse click does: errors
    // in it meet the program's error boundary, and a control destroyed in
    // the meantime is simply not pressed.
    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (control()->isClickable())
            QMetaObject::invokeMethod(control(), &ClickableControl::Press, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction() && control()->isClickable())
            return {QStringLiteral("Space"), QStringLiteral("Return")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    QString Name() const {
        const QString given = control()->accessibleName().trimmed();
        if (!given.isEmpty()) return given;
        if (const auto* label = qobject_cast<Label*>(control())) return label->Caption().trimmed();
        return {};
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* form = qobject_cast<Form*>(object)) return new FormAccessible(form);
    if (auto* control = qobject_cast<ClickableControl*>(object)) return new ControlAccessible(control);
    return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(&Factory); }

}  // namespace platform
