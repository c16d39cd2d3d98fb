#include "platform/Accessibility.h"

#include "platform/AccessibleParts.h"
#include "platform/Form.h"
#include "platform/GlyphText.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/ShapeControl.h"
#include "platform/TextBox.h"
#include "platform/UnicodeText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

namespace platform {
namespace {

// The caption that names a control, and the detail that describes it, kept
// on the control itself.
constexpr char kLabelledBy[] = "platformLabelledBy";
constexpr char kDescribedBy[] = "platformDescribedBy";

// A text box's editor stands for the box: it is what assistive technology
// meets, and what a caption names.
QWidget* Exposed(QWidget* control) {
    if (auto* box = qobject_cast<TextBox*>(control)) return box->editor();
    return control;
}

TextBox* BoxOfEditor(QObject* object) {
    auto* editor = qobject_cast<QWidget*>(object);
    auto* box = editor ? qobject_cast<TextBox*>(editor->parentWidget()) : nullptr;
    return box && box->editor() == editor ? box : nullptr;
}

QWidget* Related(const QWidget& widget, const char* relation) {
    const QWidget* control = &widget;
    if (TextBox* box = BoxOfEditor(const_cast<QWidget*>(control))) control = box;
    return qobject_cast<QWidget*>(control->property(relation).value<QObject*>());
}

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
            if (!control || control->isWindow() || dynamic_cast<ShapeControl*>(control)) continue;
            controls.append(Exposed(control));
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
        if (kind == QAccessible::Description) {
            const QString detail = accessible::DescriptionOf(*control());
            return detail.isEmpty() ? control()->accessibleDescription() : detail;
        }
        return QAccessibleWidget::text(kind);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        return accessible::LabelRelations(*control(), match);
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

    // Space and Return press every button alike; a reader would speak the
    // binding after every button's name, so none is announced.
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QString Name() const {
        const QString given = control()->accessibleName().trimmed();
        if (!given.isEmpty()) return given;
        if (const auto* label = qobject_cast<Label*>(control()))
            return (label->IsGlyphText() ? unicodeText(label->Caption()) : label->Caption()).trimmed();
        // Letter keys: the letter their face shows.
        if (const auto* image = qobject_cast<Image*>(control()))
            return unicodeText(glyphText(image->glyphCode())).trimmed();
        return {};
    }
};

bool IsTextEvent(QAccessible::Event type) {
    switch (type) {
        case QAccessible::TextInserted:
        case QAccessible::TextRemoved:
        case QAccessible::TextUpdated:
        case QAccessible::TextCaretMoved:
        case QAccessible::TextSelectionChanged:
        case QAccessible::TextColumnChanged:
        case QAccessible::TextAttributeChanged:
            return true;
        default:
            return false;
    }
}

QAccessible::UpdateHandler previousHandler = nullptr;

// Every event Qt raises passes here first. A text box tells its own edits
// (Qt's events about its editor are glyph codes, some raised before the
// text changed), and the list tells focus only where the keyboard focus is.
void Route(QAccessibleEvent* event) {
    QObject* object = event->object();
    if (IsTextEvent(event->type()) &&
        (BoxOfEditor(object) || (object && BoxOfEditor(object->parent()))))  // the editor or its viewport
        return;
    if (auto* list = qobject_cast<ListBox*>(object)) {
        accessible::RouteListEvent(*list, event);
        return;
    }
    accessible::Send(event);
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* form = qobject_cast<Form*>(object)) return new FormAccessible(form);
    if (auto* control = qobject_cast<ClickableControl*>(object)) return new ControlAccessible(control);
    if (auto* list = qobject_cast<ListBox*>(object)) return accessible::NewListInterface(*list);
    if (TextBox* box = BoxOfEditor(object)) return accessible::NewEditorInterface(*box);
    return nullptr;
}

}  // namespace

namespace accessible {

// Events go on to the handler installed before ours (a test's recorder), or
// with none to the platform's bridge. Qt hands an event to the bridge only
// from updateAccessibility while no handler is installed, so ours steps
// aside for that one call.
void Send(QAccessibleEvent* event) {
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&Route);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> LabelRelations(const QWidget& widget,
                                                                          QAccessible::Relation match) {
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations;
    if (match & QAccessible::Label) {
        if (QWidget* label = Related(widget, kLabelledBy))
            relations.append({QAccessible::queryAccessibleInterface(label), QAccessible::Label});
    }
    if ((match & QAccessible::Labelled) && widget.parentWidget()) {
        for (QObject* sibling : widget.parentWidget()->children()) {
            auto* control = qobject_cast<QWidget*>(sibling);
            if (control && control->property(kLabelledBy).value<QObject*>() == &widget)
                relations.append({QAccessible::queryAccessibleInterface(Exposed(control)), QAccessible::Labelled});
        }
    }
    return relations;
}

QString DescriptionOf(const QWidget& widget) {
    QWidget* detail = Related(widget, kDescribedBy);
    QAccessibleInterface* iface = detail ? QAccessible::queryAccessibleInterface(Exposed(detail)) : nullptr;
    if (!iface) return {};
    const QString text = iface->text(QAccessible::Name);
    QWidget* caption = Related(*detail, kLabelledBy);
    QAccessibleInterface* captionIface = caption ? QAccessible::queryAccessibleInterface(caption) : nullptr;
    return captionIface ? captionIface->text(QAccessible::Name) + QStringLiteral(": ") + text : text;
}

}  // namespace accessible

void InstallAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&Factory);
    previousHandler = QAccessible::installUpdateHandler(&Route);
}

void SetLabelledBy(QWidget& control, QWidget& label) {
    control.setProperty(kLabelledBy, QVariant::fromValue(static_cast<QObject*>(&label)));
}

void SetDescribedBy(QWidget& control, QWidget& detail) {
    control.setProperty(kDescribedBy, QVariant::fromValue(static_cast<QObject*>(&detail)));
}

}  // namespace platform
