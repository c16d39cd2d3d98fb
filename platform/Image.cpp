#include "platform/Image.h"

#include "layouts/Assets.h"
#include "platform/ControlSetup.h"

#include <QPainter>

namespace platform {

Image::Image(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent)
    : ClickableControl(parent), glyphCode_(layout.glyphCode),
      picture_(QString::fromStdString(layouts::pictureResource(layout))) {
    SetUpControl(*this, layout, font);
}

void Image::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& pixmap = picture_.at(painter.device()->devicePixelRatioF());
    if (!pixmap.isNull()) painter.drawPixmap(0, 0, pixmap);
    PaintFocusMark(painter);
}

}  // namespace platform
