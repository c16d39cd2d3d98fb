#include "platform/Image.h"

#include "layouts/Assets.h"
#include "platform/ControlSetup.h"

#include <QPainter>

namespace platform {

Image::Image(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent)
    : ClickableControl(parent), glyphCode_(layout.glyphCode) {
    SetUpControl(*this, layout, font);
    const std::string resource = layouts::pictureResource(layout);
    if (!resource.empty()) picture_.load(QString::fromStdString(resource));
}

void Image::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
    PaintFocusMark(painter);
}

}  // namespace platform
