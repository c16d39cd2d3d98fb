#include "platform/Image.h"

#include "layouts/Assets.h"
#include "platform/ControlSetup.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

Image::Image(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent)
    : QWidget(parent) {
    SetUpControl(*this, layout, font);
    const std::string resource = layouts::pictureResource(layout);
    if (!resource.empty()) picture_.load(QString::fromStdString(resource));
    setMouseTracking(true);  // moves over a picture are not moves over the background
}

void Image::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void Image::mousePressEvent(QMouseEvent* event) {
    click_.press(*event);
    event->accept();
}

void Image::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (click_.release(*event, rect())) emit Click();
}

void Image::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

}  // namespace platform
