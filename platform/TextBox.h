// A text box: single-line (QLineEdit) or multi-line (QPlainTextEdit) with the
// run-time properties the windows use. Change runs after every change of the
// text, also one made by the program.
#pragma once

#include "layouts/Layout.h"

#include <QString>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace platform {

class TextBox : public QWidget {
    Q_OBJECT
public:
    TextBox(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent);

    QString Text() const;
    void setText(const QString& text);
    // Replaces the selection (or inserts at the caret) and leaves the caret
    // just after the new text, without taking the keyboard focus.
    void setSelText(const QString& text);
    qreal FontSize() const;
    void setFontSize(qreal points);

    // The editing widget itself, for focus and for tests.
    QWidget* editor() const;
    QLineEdit* lineEdit() const { return line_; }
    QPlainTextEdit* plainTextEdit() const { return plain_; }

signals:
    void Change();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
};

}  // namespace platform
