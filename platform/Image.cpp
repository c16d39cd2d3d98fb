#include "platform/Image.h"

#include "layouts/Assets.h"
#include "platform/ControlSetup.h"

#include <QPainter>

namespace platform {

Image::Image(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent)
    : ClickableControl(parent) {
    SetUpControl(*this, layout, font);
    const std::string resource = layouts::pictureResource(layout);
    if (!resource.empty()) picture_.load(QString::fromStdString(resource));
}

void Image::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace platform
