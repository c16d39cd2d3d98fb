// A text box as assistive technology reads it: its editor, with the text in
// Unicode Bengali while the widget keeps its glyph codes, and every edit
// told as the smallest change of that Unicode text. A few codes can move
// signs around them in Unicode (a vowel sign written before its letter in
// glyph codes comes after it in Unicode), so the change is found by
// comparing the Unicode text before and after, never by converting the
// codes that were typed or deleted.
#include "platform/AccessibleParts.h"
#include "platform/TextBox.h"
#include "platform/UnicodeText.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <tuple>
#include <utility>

namespace platform::accessible {
namespace {

struct TextChange {
    int position = 0;
    QString removed;
    QString inserted;
};

// The one stretch that differs between two texts: what they share at the
// start and at the end stays, never splitting a surrogate pair.
TextChange SmallestChange(const QString& before, const QString& after) {
    qsizetype start = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (start < shorter && before[start] == after[start]) ++start;
    if (start > 0 && before[start - 1].isHighSurrogate()) --start;
    qsizetype end = 0;  // characters shared at the end, after `start`
    while (end < shorter - start && before[before.size() - 1 - end] == after[after.size() - 1 - end]) ++end;
    if (end > 0 && before[before.size() - end].isLowSurrogate()) --end;
    return {static_cast<int>(start), before.mid(start, before.size() - start - end),
            after.mid(start, after.size() - start - end)};
}

class EditorAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit EditorAccessible(TextBox& box)
        : QAccessibleWidget(box.editor(), QAccessible::EditableText), box_(&box) {
        spoken_ = Spoken();
        caret_ = cursorPosition();
        selection_ = SpokenSelection();
        QObject::connect(box_, &TextBox::EditorChanged, &follower_, [this] { Tell(); });
        box_->editor()->installEventFilter(&follower_);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The box itself is no more than a frame around its editor: the editor
    // stands in its place, directly below the window.
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(box_->parentWidget()); }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        state.readOnly = box_->IsReadOnly();
        state.multiLine = box_->IsMultiLine();
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return box_->accessibleName();
        if (kind == QAccessible::Value) return Spoken();
        if (kind == QAccessible::Description) return DescriptionOf(*widget());
        return QAccessibleWidget::text(kind);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        return LabelRelations(*widget(), match);
    }

    QString text(int start, int end) const override { return Spoken().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Spoken().size()); }
    int cursorPosition() const override { return SpokenOffset(box_->CursorPosition()); }
    void setCursorPosition(int) override {}
    int selectionCount() const override {
        const auto [start, end] = box_->SelectedRange();
        return start < end ? 1 : 0;
    }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || selectionCount() == 0) return;
        std::tie(*start, *end) = SpokenSelection();
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
    QString Spoken() const {
        return box_->IsGlyphText() ? unicodeText(box_->EditorText()) : box_->EditorText();
    }

    int SpokenOffset(int editorOffset) const {
        return box_->IsGlyphText() ? unicodeOffset(box_->EditorText(), editorOffset) : editorOffset;
    }

    // -1, -1: nothing selected, as Qt tells it.
    std::pair<int, int> SpokenSelection() const {
        const auto [start, end] = box_->SelectedRange();
        if (start == end) return {-1, -1};
        return {SpokenOffset(start), SpokenOffset(end)};
    }

    // Follows the box, and keeps quiet about the caret and the selection
    // while the box takes the focus (a line edit entered by Tab selects its
    // text): a reader told of the focus reads the box with its selection,
    // and told of the selection first, it takes the box as already focused
    // and skips the box's name.
    class Follower final : public QObject {
    public:
        explicit Follower(EditorAccessible& editor) : editor_(editor) {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() != QEvent::FocusIn) return false;
            editor_.takingFocus_ = true;
            static_cast<QObject*>(watched)->event(event);
            editor_.takingFocus_ = false;
            editor_.caret_ = editor_.cursorPosition();
            editor_.selection_ = editor_.SpokenSelection();
            return true;
        }

    private:
        EditorAccessible& editor_;
    };

    // Tells what changed since it last told: the text first, then the caret
    // and the selection where the edit left them.
    void Tell() {
        const QString now = Spoken();
        if (now != spoken_) {
            const TextChange change = SmallestChange(spoken_, now);
            spoken_ = now;
            if (!change.removed.isEmpty()) {
                QAccessibleTextRemoveEvent removed(widget(), change.position, change.removed);
                Send(&removed);
            }
            if (!change.inserted.isEmpty()) {
                QAccessibleTextInsertEvent inserted(widget(), change.position, change.inserted);
                Send(&inserted);
            }
        }
        // The caret and the selection are news only in the box with the
        // focus: a reader that handles a caret event of another box after
        // the focus has reached it takes it for the focus itself (and skips
        // the box's name), and a box drops its selection as the focus leaves.
        const int caret = cursorPosition();
        const auto selection = SpokenSelection();
        const bool tell = widget()->hasFocus() && !takingFocus_;
        if (caret != caret_) {
            caret_ = caret;
            QAccessibleTextCursorEvent moved(widget(), caret);
            if (tell) Send(&moved);
        }
        if (selection != selection_) {
            selection_ = selection;
            QAccessibleTextSelectionEvent selected(widget(), selection.first, selection.second);
            if (tell) Send(&selected);
        }
    }

    TextBox* box_;
    QString spoken_;  // the text as last told
    int caret_ = 0;
    std::pair<int, int> selection_;
    bool takingFocus_ = false;
    Follower follower_{*this};  // ends the following of the box with this interface
};

}  // namespace

QAccessibleInterface* NewEditorInterface(TextBox& box) { return new EditorAccessible(box); }

}  // namespace platform::accessible
