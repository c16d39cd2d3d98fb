// desktop_icon_generator: draws the product icon for the desktop's icon theme,
// from the same drawing as the program's own icon: one PNG per pixel size and
// one scalable SVG, laid out as the hicolor theme's folders.
//
// Usage: desktop_icon_generator --output DIR --name NAME SIZE...
// writes DIR/SIZExSIZE/apps/NAME.png for each SIZE and DIR/scalable/apps/NAME.svg.
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QSvgGenerator>

#include <climits>
#include <cstdio>
#include <utility>
#include <vector>

#include "Pictures.h"
#include "platform/Application.h"

namespace {

// The icon's design size: the program's own icon is drawn at this size.
constexpr int kDesignSize = 64;

bool writePng(int size, const QString& path, const assets::PictureFonts& fonts) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);  // 96 dots per inch, as every picture
    image.setDotsPerMeterY(3780);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(qreal(size) / kDesignSize, qreal(size) / kDesignSize);
    assets::paintProductIcon(painter, fonts);
    painter.end();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

// Hands every drawing on to a painter on an SVG generator in the shapes it
// reliably writes: text as the outlines of its glyphs (QPaintEngine's own text
// drawing fills them through drawPath), so the icon needs no font where it is
// shown, and clipped drawing cut to its clip, which the generator would drop.
class SvgShapesEngine final : public QPaintEngine {
public:
    explicit SvgShapesEngine(QPainter& svg) : QPaintEngine(QPaintEngine::AllFeatures), svg_(svg) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform) transform_ = state.transform();
        if (dirty & DirtyPen) pen_ = state.pen();
        if (dirty & DirtyBrush) brush_ = state.brush();
        if (dirty & DirtyHints) svg_.setRenderHints(state.renderHints());
        if (dirty & DirtyOpacity) svg_.setOpacity(state.opacity());
        if (dirty & DirtyClipEnabled) clipping_ = state.isClipEnabled();
        if (dirty & DirtyClipRegion) setClip(transform_.map(toPath(state.clipRegion())),
                                             state.clipOperation());
        if (dirty & DirtyClipPath) setClip(transform_.map(state.clipPath()), state.clipOperation());
    }

    void drawPath(const QPainterPath& path) override {
        svg_.setTransform(transform_);
        if (!clipping_) {
            svg_.setPen(pen_);
            svg_.setBrush(brush_);
            svg_.drawPath(path);
            return;
        }
        // Cut in device coordinates, drawn back in the painter's own.
        const QTransform back = transform_.inverted();
        svg_.setPen(Qt::NoPen);
        if (brush_.style() != Qt::NoBrush) {
            svg_.setBrush(brush_);
            svg_.drawPath(back.map(transform_.map(path).intersected(clip_)));
        }
        if (pen_.style() != Qt::NoPen) {
            svg_.setBrush(pen_.brush());
            svg_.drawPath(back.map(transform_.map(QPainterPathStroker(pen_).createStroke(path)).intersected(clip_)));
        }
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode == PolylineMode) {
            const QBrush brush = std::exchange(brush_, Qt::NoBrush);
            drawPath(path);
            brush_ = brush;
            return;
        }
        path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        drawPath(path);
    }

    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override {
        svg_.setTransform(transform_);
        svg_.drawPixmap(target, pixmap, source);
    }

private:
    static QPainterPath toPath(const QRegion& region) {
        QPainterPath path;
        path.addRegion(region);
        return path;
    }

    void setClip(const QPainterPath& clip, Qt::ClipOperation operation) {
        clipping_ = operation != Qt::NoClip;
        clip_ = operation == Qt::IntersectClip && clipping_ ? clip_.intersected(clip) : clip;
    }

    QPainter& svg_;
    QTransform transform_;
    QPen pen_;
    QBrush brush_;
    bool clipping_ = false;
    QPainterPath clip_;  // device coordinates
};

// A canvas of the icon's design size whose drawing SvgShapesEngine passes on.
class SvgShapesDevice final : public QPaintDevice {
public:
    explicit SvgShapesDevice(QPainter& svg) : engine_(svg) {}
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
            case PdmHeight: return kDesignSize;
            case PdmWidthMM:
            case PdmHeightMM: return qRound(kDesignSize * 25.4 / 96);
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return 96;  // as every picture
            case PdmDepth: return 32;
            case PdmNumColors: return INT_MAX;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return qRound(devicePixelRatioFScale());
            default: return QPaintDevice::metric(metric);  // those later Qt versions add
        }
    }

private:
    mutable SvgShapesEngine engine_;
};

bool writeSvg(const QString& path, const QString& title, const assets::PictureFonts& fonts) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(title);
    svg.setResolution(96);
    svg.setSize(QSize(kDesignSize, kDesignSize));
    svg.setViewBox(QRect(0, 0, kDesignSize, kDesignSize));
    QPainter svgPainter;
    if (!svgPainter.begin(&svg)) return false;
    SvgShapesDevice shapes(svgPainter);
    QPainter painter(&shapes);
    painter.setRenderHint(QPainter::Antialiasing);
    assets::paintProductIcon(painter, fonts);
    painter.end();
    return svgPainter.end();
}

}  // namespace

int main(int argc, char** argv) {
    platform::UseOffscreenPlatform(/*always=*/true);
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the product icon for the hicolor icon theme."));
    parser.addHelpOption();
    const QCommandLineOption outputOption(QStringLiteral("output"), QStringLiteral("Theme folder."),
                                          QStringLiteral("DIR"));
    const QCommandLineOption nameOption(QStringLiteral("name"), QStringLiteral("Icon name."),
                                        QStringLiteral("NAME"));
    parser.addOptions({outputOption, nameOption});
    parser.addPositionalArgument(QStringLiteral("SIZE"), QStringLiteral("Pixel sizes of the PNG icons."),
                                 QStringLiteral("SIZE..."));
    parser.process(app);
    const QString outputDir = parser.value(outputOption);
    const QString name = parser.value(nameOption);
    std::vector<int> sizes;
    for (const QString& argument : parser.positionalArguments()) {
        bool number = false;
        const int size = argument.toInt(&number);
        if (!number || size <= 0 || size > 1024) parser.showHelp(2);
        sizes.push_back(size);
    }
    if (outputDir.isEmpty() || name.isEmpty() || sizes.empty()) parser.showHelp(2);

    const assets::PictureFonts fonts = assets::resolvePictureFonts();
    const QDir root(outputDir);
    for (int size : sizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = root.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!root.mkpath(folder) || !writePng(size, path, fonts)) {
            std::fprintf(stderr, "desktop_icon_generator: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString path = root.filePath(QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg"));
    if (!root.mkpath(QStringLiteral("scalable/apps")) || !writeSvg(path, name, fonts)) {
        std::fprintf(stderr, "desktop_icon_generator: cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
