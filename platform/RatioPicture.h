// A picture of the program drawn for the pixel ratio of the screen it is
// shown on. The build draws every picture at a few ratios (":/assets/x.png"
// at 1, ":/assets/x@1.5x.png" at 1.5, ...); a ratio the build did not draw is
// scaled from the nearest larger drawing. Nothing is read before the picture
// is first asked for, so creating a window decodes no picture.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <vector>

namespace platform {

class RatioPicture {
public:
    RatioPicture() = default;
    // `resource` is the picture at ratio 1; empty: no picture.
    explicit RatioPicture(QString resource);

    bool isNull() const { return resource_.isEmpty(); }

    // The picture for a device pixel ratio, covering the picture's size at
    // ratio 1 in device-independent pixels; its devicePixelRatio() is `ratio`
    // (up to 4; beyond, the largest drawing's). A ratio that is not a
    // positive number is taken as 1. Null when the picture is missing.
    const QPixmap& at(qreal ratio);

private:
    QString resource_;
    qreal ratio_ = 0;  // of pixmap_; 0: nothing loaded yet
    QPixmap pixmap_;
};

// The size in device pixels of a picture of `size` device-independent pixels
// drawn for a pixel ratio: rounded up, so that it covers the whole size.
QSize RatioDeviceSize(QSize size, qreal ratio);

// The ratios the build drew the picture of `resource` (its ratio-1 resource)
// at, ascending; {1} when there is no other.
std::vector<qreal> DrawnRatios(const QString& resource);

// The resource of a picture drawn at `ratio` (the build's naming).
QString RatioResource(const QString& resource, qreal ratio);

}  // namespace platform
