#include "platform/TextBox.h"

#include "platform/Colours.h"
#include "platform/ControlSetup.h"
#include "platform/Fonts.h"
#include "platform/GlyphClipboard.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <utility>

namespace platform {
namespace {

// Multi-line boxes store line breaks as CR LF; the editor shows them as
// paragraph breaks.
QString ToEditorText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QString FromEditorText(const QString& shown) {
    QString text = shown;
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

// A single-line box of glyph text. QLineEdit's clipboard functions are not
// virtual, so every way in is taken over: the keys, the context menu, the
// middle button, and every way a selection is made (which on X11 becomes the
// primary selection).
class GlyphLineEdit : public QLineEdit {
public:
    explicit GlyphLineEdit(QWidget* parent) : QLineEdit(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event == QKeySequence::Copy) {
            CopySelection();
        } else if (event == QKeySequence::Cut) {
            if (!isReadOnly() && hasSelectedText()) {
                CopySelection();
                del();
            }
        } else if (event == QKeySequence::Paste) {
            Paste(QClipboard::Clipboard);
        } else {
            QLineEdit::keyPressEvent(event);
            PublishSelection();
            return;
        }
        event->accept();
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
            Paste(QClipboard::Selection);  // at the caret the press placed
            event->accept();
            return;
        }
        QLineEdit::mouseReleaseEvent(event);
        PublishSelection();
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QLineEdit::mouseDoubleClickEvent(event);
        PublishSelection();
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu* menu = createStandardContextMenu();
        if (!menu) return;
        Redirect(*menu, QLineEdit::tr("&Copy"), [this] { CopySelection(); });
        Redirect(*menu, QLineEdit::tr("Cu&t"), [this] {
            CopySelection();
            del();
        });
        Redirect(*menu, QLineEdit::tr("&Paste"), [this] { Paste(QClipboard::Clipboard); });
        Redirect(*menu, QLineEdit::tr("Select All"), [this] {
            selectAll();
            PublishSelection();
        });
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }

private:
    // The standard menu's actions have no names; they are found by the label
    // QLineEdit gives them (its own translation, then a tab and the shortcut).
    template <typename Handler>
    void Redirect(QMenu& menu, const QString& label, Handler handler) {
        for (QAction* action : menu.actions()) {
            const QString text = action->text();
            if (text != label && !text.startsWith(label + u'\t')) continue;
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, handler);
        }
    }

    void CopySelection() {
        if (hasSelectedText() && echoMode() == QLineEdit::Normal)
            copyGlyphText(selectedText(), QClipboard::Clipboard);
    }

    void PublishSelection() {
        if (hasSelectedText() && echoMode() == QLineEdit::Normal)
            copyGlyphText(selectedText(), QClipboard::Selection);
    }

    void Paste(QClipboard::Mode mode) {
        if (isReadOnly()) return;
        const QString text = pastedGlyphText(mode);
        if (text.isEmpty() && !hasSelectedText()) return;
        insert(text);  // one change, through the box's change handling
    }
};

// A multi-line box of glyph text: QPlainTextEdit routes copy, cut, drag, the
// primary selection, paste and drop through these two hooks.
class GlyphPlainTextEdit : public QPlainTextEdit {
public:
    explicit GlyphPlainTextEdit(QWidget* parent) : QPlainTextEdit(parent) {}

protected:
    QMimeData* createMimeDataFromSelection() const override {
        return glyphMimeData(FromEditorText(textCursor().selection().toPlainText()));
    }

    bool canInsertFromMimeData(const QMimeData* source) const override {
        return source->hasFormat(QString::fromLatin1(kGlyphCodesMimeType)) ||
               QPlainTextEdit::canInsertFromMimeData(source);
    }

    void insertFromMimeData(const QMimeData* source) override {
        insertPlainText(ToEditorText(pastedGlyphText(source)));
    }
};

}  // namespace

TextBox::TextBox(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent)
    : QWidget(parent) {
    SetUpControl(*this, layout, font);
    setMouseTracking(true);
    const QString text = ToQString(layout.text);
    // Boxes of glyph text put Unicode and their codes on the clipboard; boxes
    // of Latin text copy it unchanged.
    glyph_ = font.family() == GlyphFamily();
    QWidget* editor = nullptr;
    if (layout.multiLine) {
        plain_ = glyph_ ? new GlyphPlainTextEdit(this) : new QPlainTextEdit(this);
        plain_->setPlainText(ToEditorText(text));
        plain_->setReadOnly(layout.readOnly);
        // A horizontal scroll bar means long lines do not wrap.
        const bool horizontal = layout.scrollBars == layouts::ScrollBars::Horizontal;
        plain_->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        plain_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        plain_->setVerticalScrollBarPolicy(layout.scrollBars == layouts::ScrollBars::Vertical
                                               ? Qt::ScrollBarAlwaysOn
                                               : Qt::ScrollBarAlwaysOff);
        if (layout.readOnly) plain_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        connect(plain_, &QPlainTextEdit::textChanged, this, &TextBox::TextChanged);
        connect(plain_, &QPlainTextEdit::cursorPositionChanged, this, &TextBox::EditorChanged);
        connect(plain_, &QPlainTextEdit::selectionChanged, this, &TextBox::EditorChanged);
        editor = plain_;
    } else {
        line_ = glyph_ ? new GlyphLineEdit(this) : new QLineEdit(this);
        line_->setText(text);
        line_->setReadOnly(layout.readOnly);
        connect(line_, &QLineEdit::textChanged, this, &TextBox::TextChanged);
        connect(line_, &QLineEdit::cursorPositionChanged, this, &TextBox::EditorChanged);
        connect(line_, &QLineEdit::selectionChanged, this, &TextBox::EditorChanged);
        editor = line_;
    }
    editor->setFont(font);
    editor->setAttribute(Qt::WA_NoMousePropagation);
    if (layout.foreColor) {
        QPalette palette = editor->palette();
        palette.setColor(QPalette::Text, FromBgr(*layout.foreColor));
        editor->setPalette(palette);
    }
    if (!layout.toolTip.empty()) editor->setToolTip(toolTip());
    setFocusProxy(editor);
    setFocusPolicy(Qt::StrongFocus);
    editor->setGeometry(rect());
    editor->installEventFilter(this);  // to follow the input method's composition
    // Its accessible interface follows every edit from the first, so that
    // the first one a reader hears is told against the text as it was.
    QAccessible::queryAccessibleInterface(editor);
}

QWidget* TextBox::editor() const { return line_ ? static_cast<QWidget*>(line_) : plain_; }

void TextBox::TextChanged() {
    emit EditorChanged();
    emit Change();
}

// The editors keep a composition to themselves: it is read here, from the
// input method's event, and the event then goes on to the editor. A change
// of the composition alone is a change of ComposedText.
bool TextBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor() || event->type() != QEvent::InputMethod) return QWidget::eventFilter(watched, event);
    auto* input = static_cast<QInputMethodEvent*>(event);
    if (!committedHere_.isEmpty() && (!input->commitString().isEmpty() || !input->preeditString().isEmpty())) {
        const QString committed = std::exchange(committedHere_, QString());
        if (input->commitString() == committed && input->preeditString().isEmpty() && input->replacementLength() == 0)
            return true;  // the input method commits again what the box committed for it
    }
    const QString textBefore = Text();
    const QString composedBefore = ComposedText();
    preedit_ = input->preeditString();
    static_cast<QObject*>(watched)->event(event);  // a commit in it runs Change itself
    if (Text() == textBefore && ComposedText() != composedBefore) emit Change();
    return true;
}

QString TextBox::Text() const { return line_ ? line_->text() : FromEditorText(plain_->toPlainText()); }

QString TextBox::ComposedText() const {
    if (preedit_.isEmpty()) return Text();
    QString text = EditorText();
    text.insert(CursorPosition(), preedit_);
    return line_ ? text : FromEditorText(text);
}

// The box commits the composition it was shown and has the input method
// start afresh. Some input methods (IBus, with engines that ask for it)
// commit the composition on that reset themselves, a moment later: that
// second commit is dropped (eventFilter), so the text holds it once, in its
// place before whatever the caller inserts next.
void TextBox::CommitComposition() {
    if (preedit_.isEmpty()) return;
    const QString composed = preedit_;
    QInputMethodEvent commit;
    commit.setCommitString(composed);
    QCoreApplication::sendEvent(editor(), &commit);
    committedHere_ = composed;
    QGuiApplication::inputMethod()->reset();
}

bool TextBox::IsReadOnly() const { return line_ ? line_->isReadOnly() : plain_->isReadOnly(); }

QString TextBox::EditorText() const { return line_ ? line_->text() : plain_->toPlainText(); }

int TextBox::CursorPosition() const { return line_ ? line_->cursorPosition() : plain_->textCursor().position(); }

std::pair<int, int> TextBox::SelectedRange() const {
    if (line_) {
        if (!line_->hasSelectedText()) return {line_->cursorPosition(), line_->cursorPosition()};
        return {line_->selectionStart(), line_->selectionEnd()};
    }
    const QTextCursor cursor = plain_->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

void TextBox::setText(const QString& text) {
    CommitComposition();  // and then replaced with the rest: nothing of it stays on show
    if (line_) {
        line_->setText(text);
    } else if (Text() != text) {
        plain_->setPlainText(ToEditorText(text));
    }
}

void TextBox::setSelText(const QString& text) {
    CommitComposition();
    if (line_) {
        line_->insert(text);  // replaces the selection, caret after it
    } else {
        plain_->textCursor().insertText(text);
    }
}

qreal TextBox::FontSize() const { return editor()->font().pointSizeF(); }

void TextBox::setFontSize(qreal points) {
    QFont f = editor()->font();
    f.setPointSizeF(points);
    editor()->setFont(f);
    QFont own = font();
    own.setPointSizeF(points);
    setFont(own);
}

void TextBox::resizeEvent(QResizeEvent*) { editor()->setGeometry(rect()); }

void TextBox::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

}  // namespace platform
