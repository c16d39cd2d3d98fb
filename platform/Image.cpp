#include "platform/Image.h"

#include "layouts/Assets.h"
#include "platform/ControlSetup.h"
#include "platform/Screen.h"

#include <QPainter>

namespace platform {

Image::Image(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent)
    : ClickableControl(parent), glyphCode_(layout.glyphCode),
      picture_(QString::fromStdString(layouts::pictureResource(layout))) {
    SetUpControl(*this, layout, font);
}

void Image::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal scale = PictureScale();
    const QPixmap& pixmap = picture_.at(painter.device()->devicePixelRatioF() * scale);
    if (!pixmap.isNull())
        painter.drawPixmap(QRectF(QPointF(), pixmap.deviceIndependentSize() * scale), pixmap, QRectF(pixmap.rect()));
    PaintFocusMark(painter);
}

}  // namespace platform
