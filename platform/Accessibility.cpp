#include "platform/Accessibility.h"

#include "platform/Fonts.h"
#include "platform/Form.h"
#include "platform/GlyphText.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/ShapeControl.h"
#include "platform/TextBox.h"
#include "platform/UnicodeText.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <utility>

namespace platform {
namespace {

// Text a widget draws with the glyph font is glyph codes; assistive
// technology reads it as Unicode Bengali.
QString SpokenText(const QWidget& widget, const QString& text) {
    return widget.font().family() == GlyphFamily() ? unicodeText(text) : text;
}

QString EditorText(const TextBox& box) {
    return box.lineEdit() ? box.lineEdit()->text() : box.plainTextEdit()->toPlainText();
}

// A position in a box's glyph text as a position in its Unicode form.
int SpokenOffset(const TextBox& box, int glyphOffset) {
    return static_cast<int>(SpokenText(box, EditorText(box).left(glyphOffset)).size());
}

TextBox* BoxOfEditor(QObject* object) {
    auto* editor = qobject_cast<QWidget*>(object);
    auto* box = editor ? qobject_cast<TextBox*>(editor->parentWidget()) : nullptr;
    return box && box->editor() == editor ? box : nullptr;
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
    // The window's controls in creation order, without the shapes; a text
    // box is its editor.
    QList<QWidget*> Controls() const {
        QList<QWidget*> controls;
        for (QObject* object : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (!control || control->isWindow() || dynamic_cast<ShapeControl*>(control)) continue;
            if (auto* box = qobject_cast<TextBox*>(control)) control = box->editor();
            controls.append(control);
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
        if (const auto* label = qobject_cast<Label*>(control()))
            return SpokenText(*label, label->Caption()).trimmed();
        // Letter keys: the letter their face shows.
        if (const auto* image = qobject_cast<Image*>(control()))
            return unicodeText(glyphText(image->glyphCode())).trimmed();
        return {};
    }
};

// The editor of a glyph-text box: its text, as assistive technology reads
// it, in Unicode Bengali, while the widget keeps its codes. Positions are
// read through the Unicode form of the text before them.
class EditorAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    EditorAccessible(QWidget* editor, TextBox* box) : QAccessibleWidget(editor, QAccessible::EditableText), box_(box) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The box itself is no more than a frame around its editor: the editor
    // stands in its place, directly below the window.
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(box_->parentWidget());
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        state.readOnly = box_->lineEdit() ? box_->lineEdit()->isReadOnly() : box_->plainTextEdit()->isReadOnly();
        state.multiLine = box_->plainTextEdit() != nullptr;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return box_->accessibleName();
        if (kind == QAccessible::Value) return Spoken();
        return QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override { return Spoken().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Spoken().size()); }
    int cursorPosition() const override { return SpokenOffset(*box_, GlyphCursor()); }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return SelectedGlyphs().first < SelectedGlyphs().second ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || selectionCount() == 0) return;
        *start = SpokenOffset(*box_, SelectedGlyphs().first);
        *end = SpokenOffset(*box_, SelectedGlyphs().second);
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString Spoken() const { return SpokenText(*box_, EditorText(*box_)); }
    int GlyphCursor() const {
        return box_->lineEdit() ? box_->lineEdit()->cursorPosition() : box_->plainTextEdit()->textCursor().position();
    }
    std::pair<int, int> SelectedGlyphs() const {
        if (QLineEdit* line = box_->lineEdit())
            return {line->selectionStart() < 0 ? 0 : line->selectionStart(), line->selectionEnd() < 0 ? 0 : line->selectionEnd()};
        const QTextCursor cursor = box_->plainTextEdit()->textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd()};
    }

    TextBox* box_;
};

// Text changes of glyph-text boxes reach assistive technology as Unicode:
// the whole old text replaced by the whole new one, since a change of a
// few codes can move signs around it in Unicode.
QAccessible::UpdateHandler previousHandler = nullptr;

void SpeakEvent(QAccessibleEvent* event);

void Forward(QAccessibleEvent* event) {
    if (previousHandler) {
        previousHandler(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&SpeakEvent);
}

void SpeakEvent(QAccessibleEvent* event) {
    TextBox* box = BoxOfEditor(event->object());
    if (!box || box->editor()->font().family() != GlyphFamily()) {
        Forward(event);
        return;
    }
    const QString now = EditorText(*box);
    QString before = now;
    switch (event->type()) {
        case QAccessible::TextInserted: {
            const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
            before.remove(inserted->changePosition(), inserted->textInserted().size());
            break;
        }
        case QAccessible::TextRemoved: {
            const auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
            before.insert(removed->changePosition(), removed->textRemoved());
            break;
        }
        case QAccessible::TextUpdated: {
            const auto* updated = static_cast<QAccessibleTextUpdateEvent*>(event);
            before.replace(updated->changePosition(), updated->textInserted().size(), updated->textRemoved());
            break;
        }
        case QAccessible::TextCaretMoved: {
            const auto* moved = static_cast<QAccessibleTextCursorEvent*>(event);
            QAccessibleTextCursorEvent spoken(event->object(), SpokenOffset(*box, moved->cursorPosition()));
            Forward(&spoken);
            return;
        }
        default:
            Forward(event);
            return;
    }
    QAccessibleTextUpdateEvent spoken(event->object(), 0, unicodeText(before), unicodeText(now));
    Forward(&spoken);
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* form = qobject_cast<Form*>(object)) return new FormAccessible(form);
    if (auto* control = qobject_cast<ClickableControl*>(object)) return new ControlAccessible(control);
    if (TextBox* box = BoxOfEditor(object)) return new EditorAccessible(box->editor(), box);
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&Factory);
    previousHandler = QAccessible::installUpdateHandler(&SpeakEvent);
}

}  // namespace platform
