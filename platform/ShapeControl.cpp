#include "platform/ShapeControl.h"

#include "platform/Colours.h"
#include "platform/ControlSetup.h"

#include <QPainter>
#include <QPen>

namespace platform {

ShapeControl::ShapeControl(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent)
    : QWidget(parent),
      shape_(static_cast<std::int16_t>(layout.shape)),
      index_(layout.index),
      left_(static_cast<float>(layout.left)),
      top_(static_cast<float>(layout.top)),
      width_(static_cast<float>(layout.width)),
      height_(static_cast<float>(layout.height)),
      visible_(layout.visible),
      borderColor_(layout.borderColor),
      borderWidth_(layout.borderWidth) {
    SetUpControl(*this, layout, font);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!visible_) hide();
}

void ShapeControl::setShape(std::int16_t kind) {
    shape_ = kind;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*) {
    if (!visible_) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, shape_ >= 2);
    QPen pen(FromBgr(borderColor_));
    pen.setWidth(borderWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The pen is drawn inside the box, as the classic shape control does.
    const qreal inset = borderWidth_ / 2.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    const qreal side = std::min(box.width(), box.height());
    const QRectF square(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    const qreal corner = side / 4;
    switch (shape_) {
        case 0: painter.drawRect(box); break;
        case 1: painter.drawRect(square); break;
        case 2: painter.drawEllipse(box); break;
        case 3: painter.drawEllipse(square); break;
        case 4: painter.drawRoundedRect(box, corner, corner); break;
        case 5: painter.drawRoundedRect(square, corner, corner); break;
        default: break;
    }
}

}  // namespace platform
