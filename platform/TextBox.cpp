#include "platform/TextBox.h"

#include "platform/Colours.h"
#include "platform/ControlSetup.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

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

}  // namespace

TextBox::TextBox(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent)
    : QWidget(parent) {
    SetUpControl(*this, layout, font);
    setMouseTracking(true);
    const QString text = ToQString(layout.text);
    QWidget* editor = nullptr;
    if (layout.multiLine) {
        plain_ = new QPlainTextEdit(this);
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
        connect(plain_, &QPlainTextEdit::textChanged, this, &TextBox::Change);
        editor = plain_;
    } else {
        line_ = new QLineEdit(this);
        line_->setText(text);
        line_->setReadOnly(layout.readOnly);
        connect(line_, &QLineEdit::textChanged, this, &TextBox::Change);
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
}

QWidget* TextBox::editor() const { return line_ ? static_cast<QWidget*>(line_) : plain_; }

QString TextBox::Text() const { return line_ ? line_->text() : FromEditorText(plain_->toPlainText()); }

void TextBox::setText(const QString& text) {
    if (line_) {
        line_->setText(text);
    } else if (Text() != text) {
        plain_->setPlainText(ToEditorText(text));
    }
}

void TextBox::setSelText(const QString& text) {
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
