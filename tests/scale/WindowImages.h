// What a window looks like, in device pixels, and how two such images differ.
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace testing_support {

// The window as the screen shows it, at the window's pixel ratio,
// transparent outside its outline.
inline QImage Grab(QWidget& window) {
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (window.mask().isEmpty()) return image;
    QImage cut(image.size(), QImage::Format_ARGB32);
    cut.setDevicePixelRatio(image.devicePixelRatio());
    cut.fill(Qt::transparent);
    QPainter painter(&cut);
    painter.setClipRegion(window.mask());
    painter.drawImage(0, 0, image);
    painter.end();
    return cut;
}

// How two images of one size differ: the pixels with a channel apart by more
// than `tolerance`, and a picture of them, in red over a pale copy of
// `expected` (white where it is transparent).
struct Comparison {
    long differing = 0;
    QImage picture;
};

inline Comparison Compare(const QImage& expected, const QImage& actual, int tolerance) {
    const QImage a = expected.convertToFormat(QImage::Format_ARGB32);
    const QImage b = actual.convertToFormat(QImage::Format_ARGB32);
    Comparison result;
    result.picture = QImage(a.size(), QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.picture.scanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = lineA[x];
            const QRgb q = lineB[x];
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (most > tolerance) {
                ++result.differing;
                out[x] = qRgb(255, 0, 0);
            } else {
                const int grey = 255 - qAlpha(p) * (255 - (160 + qGray(p) * 95 / 255)) / 255;
                out[x] = qRgb(grey, grey, grey);
            }
        }
    }
    return result;
}

}  // namespace testing_support
