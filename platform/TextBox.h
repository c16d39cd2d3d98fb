// A text box: single-line (QLineEdit) or multi-line (QPlainTextEdit) with the
// run-time properties the windows use. Change runs after every change of the
// text, also one made by the program, and after every change of an input
// method's composition in progress (see ComposedText).
#pragma once

#include "layouts/Layout.h"

#include <QString>
#include <QWidget>

#include <utility>

class QLineEdit;
class QPlainTextEdit;

namespace platform {

class TextBox : public QWidget {
    Q_OBJECT
public:
    TextBox(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent);

    // The committed text: what typing and pasting have put in the box.
    QString Text() const;
    // Sets the whole text; a composition in progress goes with the rest.
    void setText(const QString& text);
    // The text as it would stand if the input method's composition in
    // progress were committed now; Text() while nothing is being composed.
    QString ComposedText() const;
    // Replaces the selection (or inserts at the caret) and leaves the caret
    // just after the new text, without taking the keyboard focus. A
    // composition in progress is committed first, so that it is kept.
    void setSelText(const QString& text);
    qreal FontSize() const;
    void setFontSize(qreal points);

    // Commits the input method's composition in progress, if there is one.
    void CommitComposition();

    // The box holds glyph codes (drawn with the glyph font), not Unicode.
    bool IsGlyphText() const { return glyph_; }
    bool IsReadOnly() const;
    bool IsMultiLine() const { return plain_ != nullptr; }
    // The editor's own view of its text, in which the caret and the
    // selection are counted: line breaks are single line feeds.
    QString EditorText() const;
    int CursorPosition() const;
    // Start and end of the selection; equal when nothing is selected.
    std::pair<int, int> SelectedRange() const;

    // The editing widget itself, for focus and for tests.
    QWidget* editor() const;
    QLineEdit* lineEdit() const { return line_; }
    QPlainTextEdit* plainTextEdit() const { return plain_; }

signals:
    void Change();
    // The editor's text, caret or selection changed. Runs before Change, so
    // that what reports the edit (assistive technology) does so before the
    // edit's consequences elsewhere.
    void EditorChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void TextChanged();

    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
    bool glyph_ = false;
    QString preedit_;  // the input method's composition, not yet in the text
    QString committedHere_;  // a composition the box committed, until the input method answers
};

}  // namespace platform
