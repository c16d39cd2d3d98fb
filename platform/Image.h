// An image control: its picture drawn unscaled at the box's top-left corner.
#pragma once

#include "layouts/Layout.h"
#include "platform/ClickTracker.h"

#include <QPixmap>
#include <QWidget>

namespace platform {

class Image : public QWidget {
    Q_OBJECT
public:
    Image(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent);

    const QPixmap& picture() const { return picture_; }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    ClickTracker click_;
};

}  // namespace platform
