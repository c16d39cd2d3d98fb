#include "platform/RatioPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// Beyond this ratio a picture is not scaled in advance (its size would grow
// without bound).
constexpr qreal kLargestScaledRatio = 4;

// Reads a picture the build wrote as PNG. The format is given, so no image
// plugin is loaded to guess it.
QImage ReadPng(const QString& resource) {
    QImageReader reader(resource, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The size of a picture without decoding it.
QSize ReadPngSize(const QString& resource) {
    QImageReader reader(resource, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.size();
}

// "x@1.25x.png" -> 1.25; 0 for a name without a ratio.
qreal RatioOfName(const QString& name, const QString& stem) {
    const QString prefix = stem + QLatin1Char('@');
    const QString suffix = QStringLiteral("x.png");
    if (!name.startsWith(prefix) || !name.endsWith(suffix)) return 0;
    bool ok = false;
    const qreal ratio = name.mid(prefix.size(), name.size() - prefix.size() - suffix.size()).toDouble(&ok);
    return ok && ratio > 0 ? ratio : 0;
}

}  // namespace

QSize RatioDeviceSize(QSize size, qreal ratio) {
    const auto device = [ratio](int pixels) {
        return std::max(1, static_cast<int>(std::ceil(pixels * ratio - 1e-6)));
    };
    return QSize(device(size.width()), device(size.height()));
}

QString RatioResource(const QString& resource, qreal ratio) {
    if (ratio == 1) return resource;
    const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
    return resource.left(dot) + QLatin1Char('@') + QString::number(ratio) + QLatin1Char('x') + resource.mid(dot);
}

RatioPicture::RatioPicture(QString resource) : resource_(std::move(resource)) {}

std::vector<qreal> DrawnRatios(const QString& resource) {
    std::vector<qreal> ratios{1};
    if (resource.isEmpty()) return ratios;
    const QFileInfo file(resource);
    const QString stem = file.completeBaseName();
    const QStringList names = QDir(file.path()).entryList({stem + QStringLiteral("@*x.png")}, QDir::Files);
    for (const QString& name : names) {
        if (const qreal ratio = RatioOfName(name, stem); ratio > 0 && ratio != 1) ratios.push_back(ratio);
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios;
}

const QPixmap& RatioPicture::at(qreal ratio) {
    if (!(ratio > 0) || !std::isfinite(ratio)) ratio = 1;
    if (ratio == ratio_ || isNull()) return pixmap_;
    ratio_ = ratio;

    // The drawing to start from: the one at this ratio, else the nearest
    // larger one (scaling down keeps it sharp), else the largest.
    qreal source = 1;
    if (ratio != 1) {
        const std::vector<qreal> drawn = DrawnRatios(resource_);
        const auto larger = std::lower_bound(drawn.begin(), drawn.end(), ratio);
        source = larger != drawn.end() ? *larger : drawn.back();
    }
    QImage image = ReadPng(RatioResource(resource_, source));
    if (image.isNull() && source != 1) {
        source = 1;
        image = ReadPng(resource_);
    }
    if (image.isNull()) {
        pixmap_ = QPixmap();
        return pixmap_;
    }
    if (source != ratio && ratio <= kLargestScaledRatio) {
        const QSize logical = source == 1 ? image.size() : ReadPngSize(resource_);
        image = image.scaled(RatioDeviceSize(logical, ratio), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        ratio = source;  // exact, or far beyond any screen: painting scales it
    }
    image.setDevicePixelRatio(ratio);
    pixmap_ = QPixmap::fromImage(std::move(image));
    return pixmap_;
}

}  // namespace platform
