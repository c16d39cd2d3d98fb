#include "Pictures.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "layouts/WindowLayouts.h"
#include "platform/RatioPicture.h"
#include "platform/Screen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace assets {
namespace {

// What a picture is drawn on: its size in device-independent pixels and the
// pixel ratio it is drawn for.
struct Canvas {
    QSize size;
    qreal ratio = 1;
    int width() const { return size.width(); }
    int height() const { return size.height(); }
};

using layouts::Picture;

// The green colour scheme.
const QColor kBarTop(0x16, 0x7C, 0x31);
const QColor kBarBottom(0x0A, 0x50, 0x1B);
const QColor kAccent(0x8F, 0xD8, 0x9C);
const QColor kButtonTop(0x38, 0xAB, 0x51);
const QColor kButtonBottom(0x16, 0x76, 0x2E);
const QColor kButtonEdge(0x0F, 0x5F, 0x24);
const QColor kMint(0xEC, 0xF8, 0xEE);
const QColor kTitleGreen(0x0E, 0x68, 0x25);
const QColor kSubtitleGreen(0x2F, 0x7F, 0x40);
const QColor kExitGreen(0x0A, 0x4F, 0x1B);

// ---------------------------------------------------------------- fonts

QString resolveFamily(const QStringList& candidates, const char* role) {
    for (const QString& family : candidates) {
        QFont probe(family);
        probe.setStyleStrategy(QFont::NoFontMerging);
        if (QFontInfo(probe).family().compare(family, Qt::CaseInsensitive) == 0) return family;
    }
    const QString used = QFontInfo(QFont(candidates.front())).family();
    std::fprintf(stderr, "asset_generator: warning: no font of %s found for the %s text; using \"%s\"\n",
                 qPrintable(candidates.join(", ")), role, qPrintable(used));
    return used;
}

QFont makeFont(const QString& family, qreal pixels, QFont::Weight weight = QFont::Normal,
               bool italic = false, qreal letterSpacing = 0) {
    QFont font(family);
    font.setPointSizeF(pixels * 72.0 / 96.0);  // the pictures are drawn at 96 dots per inch
    font.setWeight(weight);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (letterSpacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

// ---------------------------------------------------------------- canvas

// Draws a picture of `canvas` at 96 dots per inch and at the canvas's pixel
// ratio: the canvas is filled with `ground`, then `paint(painter)` draws on it
// with antialiasing, in device-independent pixels. A picture on an opaque
// ground is given without alpha channel.
template <typename Paint>
QImage paintPicture(const Canvas& canvas, const QColor& ground, Paint&& paint) {
    QImage image(platform::RatioDeviceSize(canvas.size, canvas.ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);  // 96 dots per inch in device-independent pixels
    image.setDotsPerMeterY(3780);
    image.setDevicePixelRatio(canvas.ratio);
    image.fill(ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paint(painter);
    painter.end();
    if (ground.alpha() < 255) return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

// ---------------------------------------------------------------- text

struct Run {
    QString text;
    QFont font;
};

qreal runsWidth(const std::vector<Run>& runs, QPaintDevice* device) {
    qreal width = 0;
    for (const Run& run : runs) width += QFontMetricsF(run.font, device).horizontalAdvance(run.text);
    return width;
}

// Draws runs of text side by side on one baseline, the whole line centred on
// centreX, with a soft shadow when `shadow` is set.
void drawRunsCentred(QPainter& painter, const std::vector<Run>& runs, qreal centreX,
                     qreal baseline, const QColor& colour, bool shadow = false) {
    const qreal width = runsWidth(runs, painter.device());
    for (int pass = shadow ? 0 : 1; pass < 2; ++pass) {
        qreal x = centreX - width / 2;
        const QPointF offset = pass == 0 ? QPointF(0, 1) : QPointF(0, 0);
        painter.setPen(pass == 0 ? QColor(0, 0, 0, 70) : colour);
        for (const Run& run : runs) {
            painter.setFont(run.font);
            painter.drawText(QPointF(x, baseline) + offset, run.text);
            x += QFontMetricsF(run.font, painter.device()).horizontalAdvance(run.text);
        }
    }
}

// The baseline that centres capital letters of `font` on centreY.
qreal capCentredBaseline(const QFont& font, QPaintDevice* device, qreal centreY) {
    return centreY + QFontMetricsF(font, device).capHeight() / 2;
}

// Draws runs in white with a soft shadow, centred across on centre.x(), on the
// baseline that centres the capital letters of `capFont` on centre.y().
void drawWhiteCentred(QPainter& painter, const std::vector<Run>& runs, const QFont& capFont,
                      const QPointF& centre) {
    drawRunsCentred(painter, runs, centre.x(),
                    capCentredBaseline(capFont, painter.device(), centre.y()), Qt::white, true);
}

// "Pebble's" in the script-like face followed by the rest in the sans face.
std::vector<Run> productTitle(const PictureFonts& fonts, qreal scriptPixels, const QString& rest,
                              qreal restPixels) {
    return {{QStringLiteral("Pebble's"), makeFont(fonts.serif, scriptPixels, QFont::Bold, true)},
            {rest, makeFont(fonts.sans, restPixels, QFont::Bold, false, 0.3)}};
}

// ---------------------------------------------------------------- shapes

// Fills `rect` with a gradient running from `top` at its top edge to `bottom`
// at its bottom edge.
void fillVertical(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

void fillBar(QPainter& painter, const QRectF& rect) { fillVertical(painter, rect, kBarTop, kBarBottom); }

// A soft shadow that falls from a bar onto the body below or above it.
void fillShadow(QPainter& painter, const QRectF& rect, bool downwards) {
    const QColor dark(0, 0, 0, 45);
    const QColor clear(0, 0, 0, 0);
    fillVertical(painter, rect, downwards ? dark : clear, downwards ? clear : dark);
}

// How a rounded face is coloured: a gradient from `top` to `bottom` (downwards,
// or to the bottom-right corner when `diagonal`), a white gloss of
// `glossAlpha` over the upper half unless that is 0, and a one-pixel edge.
struct FaceStyle {
    QColor top;
    QColor bottom;
    QColor edge;
    int glossAlpha;
    bool diagonal;
};

void fillFace(QPainter& painter, const QRectF& rect, qreal radius, const FaceStyle& style) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    QLinearGradient gradient(rect.topLeft(), style.diagonal ? rect.bottomRight() : rect.bottomLeft());
    gradient.setColorAt(0, style.top);
    gradient.setColorAt(1, style.bottom);
    painter.fillPath(path, gradient);

    if (style.glossAlpha != 0) {
        painter.save();
        painter.setClipPath(path);
        fillVertical(painter, QRectF(rect.topLeft(), QSizeF(rect.width(), rect.height() / 2)),
                     QColor(255, 255, 255, style.glossAlpha), QColor(255, 255, 255, 0));
        painter.restore();
    }

    painter.setPen(QPen(style.edge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// A green button face: rounded, with a darker edge and a light top.
void fillButton(QPainter& painter, const QRectF& rect, qreal radius) {
    fillFace(painter, rect, radius,
             {.top = kButtonTop, .bottom = kButtonBottom, .edge = kButtonEdge, .glossAlpha = 70,
              .diagonal = false});
}

// The face of a button that fills its whole picture, its edge on pixel centres.
QRectF buttonFace(const Canvas& canvas) { return QRectF(0.5, 0.5, canvas.width() - 1, canvas.height() - 1); }

QPen whitePen(qreal width) {
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Three stacked pebbles, the product family's mark.
void drawPebbles(QPainter& painter, const QPointF& centre, qreal scale, const QColor& colour) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(centre.x() - 14 * scale, centre.y() + 3 * scale, 28 * scale, 11 * scale));
    painter.drawEllipse(QRectF(centre.x() - 10.5 * scale, centre.y() - 6.5 * scale, 21 * scale, 9 * scale));
    painter.drawEllipse(QRectF(centre.x() - 6.5 * scale, centre.y() - 14 * scale, 13 * scale, 6.5 * scale));
    painter.restore();
}

// The factor that shrinks `ink` to fit `box`; 1 when it fits already.
qreal fitScale(const QRectF& ink, const QRectF& box) {
    return std::min({1.0, box.width() / ink.width(), box.height() / ink.height()});
}

// Fills a path of glyph outlines, centred by its ink on `box`, scaled down
// when it does not fit.
void fillCentredPath(QPainter& painter, QPainterPath path, const QRectF& box, const QColor& colour) {
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) return;
    const qreal scale = fitScale(ink, box);
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-ink.center().x(), -ink.center().y());
    path = transform.map(path);
    painter.fillPath(path, colour);
}

// Where a key face's glyph goes: centred across by its own ink, and down on
// the line a full-height reference letter is centred on, so the letters of a
// row share one headline. A glyph that would leave the box is moved into it,
// and one larger than the box is scaled down and centred.
QTransform keyFacePlacement(const QRectF& ink, const QRectF& reference, const QRectF& box) {
    QTransform transform;
    if (ink.isEmpty()) return transform;
    const qreal scale = fitScale(ink, box);
    qreal dy = box.center().y() - (reference.isEmpty() ? ink.center().y() : reference.center().y());
    if (scale < 1.0) {
        dy = box.center().y() - ink.center().y() * scale;
    } else if (ink.top() + dy < box.top()) {
        dy = box.top() - ink.top();
    } else if (ink.bottom() + dy > box.bottom()) {
        dy = box.bottom() - ink.bottom();
    }
    transform.translate(box.center().x() - ink.center().x() * scale, dy);
    transform.scale(scale, scale);
    return transform;
}

// ---------------------------------------------------------------- pictures

// The part of a background picture that the outline of the window showing it
// keeps, in the picture's pixels (15 twips each, at 96 dots per inch); the
// whole picture when no window shows it.
QRect windowOutline(Picture background, QSize size) {
    QRect outline;
    for (const layouts::WindowRow& window : layouts::kWindowRows) {
        if (window.picture() != background) continue;
        for (const layouts::ControlLayout& control : window.layout().controls) {
            if (control.name == "shpborder")
                outline |= platform::TwipsBoxToPixels(control.left, control.top, control.width, control.height,
                                                      platform::TwipsPerPixel{});
        }
    }
    return outline.isEmpty() ? QRect(QPoint(0, 0), size) : outline;
}

// The measures in which the panel backgrounds differ.
struct PanelLayout {
    qreal topBar;         // height of the title bar
    qreal topShadow;      // height of the shadow the title bar casts on the body
    qreal mintDepth;      // how far below the title bar the body's mint fades to white
    qreal bottomBar;      // height of the bottom bar
    qreal titleScript;    // pixel size of "Pebble's" in the title
    qreal titleRest;      // pixel size of the rest of the title
    qreal centreX;        // the middle of the width the window's outline keeps
    qreal visibleTop;     // the first row the outline keeps
    qreal visibleBottom;  // the row below the last one the outline keeps
};

// A panel: title bar, white body with a breath of mint under the title bar,
// and a bottom bar carrying `footer`. The title and footer are centred on the
// visible part of their bars.
QImage panelBackground(const Canvas& canvas, const PanelLayout& layout, const std::vector<Run>& footer,
                       const PictureFonts& fonts) {
    return paintPicture(canvas, Qt::white, [&](QPainter& painter) {
        const qreal w = canvas.width();
        const qreal h = canvas.height();

        fillVertical(painter, QRectF(0, layout.topBar, w, layout.mintDepth), kMint, Qt::white);

        fillBar(painter, QRectF(0, 0, w, layout.topBar));
        painter.fillRect(QRectF(0, layout.topBar, w, 2), kAccent);
        fillShadow(painter, QRectF(0, layout.topBar + 2, w, layout.topShadow), true);
        const std::vector<Run> title = productTitle(
            fonts, layout.titleScript, QStringLiteral("  Latin Loan Word Dictionary"), layout.titleRest);
        drawWhiteCentred(painter, title, title.back().font,
                         QPointF(layout.centreX, (layout.visibleTop + layout.topBar) / 2));

        const qreal bottomTop = h - layout.bottomBar;
        fillShadow(painter, QRectF(0, bottomTop - 6, w, 4), false);
        painter.fillRect(QRectF(0, bottomTop - 2, w, 2), kAccent);
        fillBar(painter, QRectF(0, bottomTop, w, layout.bottomBar));
        drawWhiteCentred(painter, footer, footer.back().font,
                         QPointF(layout.centreX, (bottomTop + layout.visibleBottom) / 2));
    });
}

// The 370 x 500 background shared by the keyboard and the three text windows,
// its bottom bar naming the window. `outline` is the part the window keeps.
QImage windowBackground(const Canvas& canvas, const QString& name, const PictureFonts& fonts,
                        const QRect& outline) {
    const PanelLayout layout{.topBar = 40,
                             .topShadow = 5,
                             .mintDepth = 70,
                             .bottomBar = 30,
                             .titleScript = 17,
                             .titleRest = 12,
                             .centreX = canvas.width() / 2.0,
                             .visibleTop = qreal(outline.top()),
                             .visibleBottom = qreal(outline.top() + outline.height())};
    return panelBackground(canvas, layout, {{name, makeFont(fonts.sans, 13, QFont::Bold, false, 1.2)}},
                           fonts);
}

// The magnifier's background: a smaller panel whose bottom bar names the tool.
QImage magnifierBackground(const Canvas& canvas, const PictureFonts& fonts, const QRect& outline) {
    const PanelLayout layout{.topBar = 32,
                             .topShadow = 4,
                             .mintDepth = 50,
                             .bottomBar = 24,
                             .titleScript = 15,
                             .titleRest = 10.5,
                             .centreX = outline.left() + outline.width() / 2.0,
                             .visibleTop = qreal(outline.top()),
                             .visibleBottom = qreal(outline.top() + outline.height())};
    return panelBackground(canvas, layout, productTitle(fonts, 14, QStringLiteral("  Magnifier Tool"), 11),
                           fonts);
}

QImage mainBackground(const Canvas& canvas, const PictureFonts& fonts, const QRect& outline) {
    return paintPicture(canvas, Qt::white, [&](QPainter& painter) {
        const qreal w = canvas.width();
        const qreal h = canvas.height();
        const qreal visibleWidth = outline.left() + outline.width();
        constexpr qreal kHeader = 60;
        constexpr qreal kBarBottom = 104;
        constexpr qreal kFooter = 33;

        // header band: light green, the title at the left, a pad at the right for
        // the minimise and close squares
        fillVertical(painter, QRectF(0, 0, w, kHeader), QColor(0xF1, 0xFA, 0xF3), QColor(0xD3, 0xEE, 0xD9));
        drawPebbles(painter, QPointF(40, 31), 1.0, QColor(0x2E, 0x96, 0x45));
        painter.setPen(kTitleGreen);
        const QFont script = makeFont(fonts.serif, 30, QFont::Bold, true);
        painter.setFont(script);
        painter.drawText(QPointF(64, 34), QStringLiteral("Pebble's"));
        painter.setPen(kSubtitleGreen);
        painter.setFont(makeFont(fonts.sans, 11, QFont::Bold, false, 1.4));
        painter.drawText(QPointF(66, 52), QStringLiteral("Latin Loan Word Dictionary"));
        QPainterPath pad;
        pad.addRoundedRect(QRectF(472.5, 9.5, 73, 39), 9, 9);
        painter.fillPath(pad, QColor(255, 255, 255, 150));
        painter.setPen(QPen(QColor(0x9E, 0xD3, 0xA9), 1));
        painter.drawPath(pad);

        // the darker bar of the search box and the menu labels
        fillVertical(painter, QRectF(0, kHeader, w, kBarBottom - kHeader), QColor(0xC2, 0xE7, 0xCA),
                     QColor(0xA5, 0xD9, 0xB0));
        painter.fillRect(QRectF(0, kHeader, w, 1), QColor(0x8C, 0xCB, 0x99));
        painter.fillRect(QRectF(0, kBarBottom - 2, w, 2), QColor(0x4F, 0xA8, 0x62));

        // work area: white inside a thin green frame
        const qreal footerTop = h - kFooter;
        painter.fillRect(QRectF(0, kBarBottom, w, footerTop - kBarBottom), kMint);
        const QRectF work(8.5, 106.5, visibleWidth - 17, footerTop - 8 - 106.5);
        QPainterPath workPath;
        workPath.addRoundedRect(work, 6, 6);
        painter.fillPath(workPath, Qt::white);
        painter.save();
        painter.setClipPath(workPath);
        // a faint watermark of the title in the free corner of the work area
        painter.setPen(QColor(0xEF, 0xF8, 0xF1));
        const QFont watermark = makeFont(fonts.serif, 60, QFont::Bold, true);
        painter.setFont(watermark);
        const qreal markWidth =
            QFontMetricsF(watermark, painter.device()).horizontalAdvance(QStringLiteral("Pebble's"));
        painter.drawText(QPointF(work.right() - 22 - markWidth, work.bottom() - 24), QStringLiteral("Pebble's"));
        painter.restore();
        // a hairline between the word list and the entry column
        painter.fillRect(QRectF(252, 122, 1, work.bottom() - 16 - 122), QColor(0xD8, 0xEE, 0xDC));
        painter.setPen(QPen(QColor(0x5D, 0xB2, 0x6F), 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(workPath);

        // footer bar
        painter.fillRect(QRectF(0, footerTop - 2, w, 2), kAccent);
        fillBar(painter, QRectF(0, footerTop, w, kFooter));
    });
}

QImage splashBackground(const Canvas& canvas, const PictureFonts& fonts) {
    return paintPicture(canvas, Qt::white, [&](QPainter& painter) {
        const qreal w = canvas.width();
        const qreal h = canvas.height();
        const QRect whole(QPoint(0, 0), canvas.size);

        QLinearGradient ground(QPointF(0, 0), QPointF(w, h));
        ground.setColorAt(0, QColor(0x23, 0x93, 0x3E));
        ground.setColorAt(1, QColor(0x0A, 0x55, 0x1D));
        painter.fillRect(whole, ground);
        QRadialGradient glow(QPointF(w * 0.3, h * 0.15), w * 0.8);
        glow.setColorAt(0, QColor(255, 255, 255, 45));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        painter.fillRect(whole, glow);

        painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(10.5, 10.5, w - 21, h - 21), 10, 10);

        drawPebbles(painter, QPointF(w / 2, 68), 1.25, QColor(255, 255, 255, 235));

        const std::vector<Run> title{
            {QStringLiteral("Pebble's"), makeFont(fonts.serif, 34, QFont::Bold, true)},
            {QStringLiteral(" Product"), makeFont(fonts.serif, 28, QFont::Normal, true)}};
        drawRunsCentred(painter, title, w / 2, 132, Qt::white, true);

        painter.fillRect(QRectF(w / 2 - 36, 146, 72, 1), QColor(255, 255, 255, 140));
        drawRunsCentred(painter,
                        {{QStringLiteral("Sister Concern of Quillmoor"),
                          makeFont(fonts.sans, 12, QFont::Normal, false, 0.6)}},
                        w / 2, 168, QColor(255, 255, 255, 235), true);
    });
}

QImage exitBackground(const Canvas& canvas, const PictureFonts& fonts, const QRect& outline) {
    // plain below the question, where the two buttons stand on it
    return paintPicture(canvas, kExitGreen, [&](QPainter& painter) {
        const qreal w = canvas.width();
        const qreal h = canvas.height();
        const qreal centre = outline.left() + outline.width() / 2.0;

        fillVertical(painter, QRectF(0, 0, w, 118), QColor(0x13, 0x6E, 0x2A), kExitGreen);
        painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(8.5, 8.5, w - 17, h - 17), 9, 9);

        drawRunsCentred(painter, {{QStringLiteral("Quillmoor"), makeFont(fonts.serif, 25, QFont::Bold, true)}},
                        centre, 48, Qt::white, true);
        drawRunsCentred(painter,
                        {{QStringLiteral("Latin Loan Word Dictionary"),
                          makeFont(fonts.sans, 12, QFont::Bold, false, 0.8)}},
                        centre, 68, Qt::white, true);
        painter.fillRect(QRectF(centre - 50, 81, 100, 1), QColor(255, 255, 255, 110));
        drawRunsCentred(painter,
                        {{QStringLiteral("Are you sure you want to Exit?"),
                          makeFont(fonts.sans, 13, QFont::Normal, true)}},
                        centre, 106, Qt::white, true);
    });
}

// The green rounded square of a 64 x 64 icon.
void paintIconFace(QPainter& painter) {
    fillFace(painter, QRectF(2.5, 2.5, 59, 59), 12,
             {.top = QColor(0x3A, 0xB0, 0x53), .bottom = QColor(0x0F, 0x66, 0x27),
              .edge = QColor(0x0B, 0x52, 0x1F), .glossAlpha = 60, .diagonal = true});
}

// A 64 x 64 icon: a green rounded square, transparent around it, with
// `paint(painter)` drawing on the square.
template <typename Paint>
QImage iconPicture(const Canvas& canvas, Paint&& paint) {
    return paintPicture(canvas, Qt::transparent, [&](QPainter& painter) {
        paintIconFace(painter);
        paint(painter);
    });
}

// The lines and the word of an icon that shows `word`.
void paintLetters(QPainter& painter, const QString& word, const PictureFonts& fonts) {
    // three lines, like lines of text
    painter.setPen(whitePen(3));
    const qreal lengths[] = {36, 28, 32};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 13.5 + 7 * i;
        painter.drawLine(QPointF(14, y), QPointF(14 + lengths[i], y));
    }

    qreal pixels = 18;
    QFont font = makeFont(fonts.sans, pixels, QFont::Bold);
    while (pixels > 8 && QFontMetricsF(font, painter.device()).horizontalAdvance(word) > 46) {
        pixels -= 0.5;
        font = makeFont(fonts.sans, pixels, QFont::Bold);
    }
    drawWhiteCentred(painter, {{word, font}}, font, QPointF(32, 46));
}

QImage lettersIcon(const Canvas& canvas, const QString& word, const PictureFonts& fonts) {
    return iconPicture(canvas, [&](QPainter& painter) { paintLetters(painter, word, fonts); });
}

QImage keyboardIcon(const Canvas& canvas, const PictureFonts& fonts) {
    return iconPicture(canvas, [&](QPainter& painter) {
        // three rows of Bengali letters: vowels, then two rows of consonants
        const char16_t* rows[3][3] = {{u"\u0985", u"\u0986", u"\u0987"},
                                      {u"\u0995", u"\u0996", u"\u0997"},
                                      {u"\u09AA", u"\u09AB", u"\u09AC"}};
        const QFont font = makeFont(fonts.bengali, 15, QFont::Bold);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                QPainterPath path;
                path.addText(0, 0, font, QString::fromUtf16(rows[row][column]));
                fillCentredPath(painter, path, QRectF(9 + 16 * column, 9 + 16 * row, 14, 14), Qt::white);
            }
        }
    });
}

// A green button filling the whole picture, its corners rounded by `radius`,
// with `paint(painter)` drawing the symbol on it.
template <typename Paint>
QImage buttonPicture(const Canvas& canvas, qreal radius, Paint&& paint) {
    return paintPicture(canvas, Qt::white, [&](QPainter& painter) {
        fillButton(painter, buttonFace(canvas), radius);
        paint(painter);
    });
}

QImage magnifierButton(const Canvas& canvas) {
    return buttonPicture(canvas, 6, [](QPainter& painter) {
        painter.setPen(whitePen(2.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(16.5, 14.5), 7.5, 7.5);
        painter.setPen(whitePen(4));
        painter.drawLine(QPointF(22.2, 20.2), QPointF(27.5, 25.5));
    });
}

QImage closeButton(const Canvas& canvas) {
    return buttonPicture(canvas, 7, [](QPainter& painter) {
        painter.setPen(whitePen(3.4));
        painter.drawLine(QPointF(13.5, 13.5), QPointF(26.5, 26.5));
        painter.drawLine(QPointF(26.5, 13.5), QPointF(13.5, 26.5));
    });
}

// One blade of the scissors: a tapering shape from near the handle to its tip.
QPainterPath blade(const QPointF& base, const QPointF& tip, qreal baseWidth) {
    const QPointF direction = tip - base;
    const qreal length = std::hypot(direction.x(), direction.y());
    const QPointF normal(-direction.y() / length, direction.x() / length);
    QPainterPath path;
    path.moveTo(base + normal * (baseWidth / 2));
    path.lineTo(tip + normal * 0.6);
    path.lineTo(tip - normal * 0.6);
    path.lineTo(base - normal * (baseWidth / 2));
    path.closeSubpath();
    return path;
}

QImage clearKey(const Canvas& canvas) {
    return buttonPicture(canvas, 7, [](QPainter& painter) {
        // open scissors, points up: two blades crossing at the pivot, two rings
        const QPointF pivot(20, 19.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPath(blade(QPointF(16.6, 25.5), QPointF(25.5, 7.5), 3.2));
        painter.drawPath(blade(QPointF(23.4, 25.5), QPointF(14.5, 7.5), 3.2));
        painter.setPen(whitePen(2.4));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(14.2, 29.2), 4.4, 4.4);
        painter.drawEllipse(QPointF(25.8, 29.2), 4.4, 4.4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kButtonBottom);
        painter.drawEllipse(pivot, 1.2, 1.2);
    });
}

// The centre of the picture.
QPointF middle(const Canvas& canvas) { return QPointF(canvas.width() / 2.0, canvas.height() / 2.0); }

QImage answerButton(const Canvas& canvas, const QString& answer, const PictureFonts& fonts) {
    // the exit window's ground shows in the corners
    return paintPicture(canvas, kExitGreen, [&](QPainter& painter) {
        fillFace(painter, buttonFace(canvas), 7,
                 {.top = QColor(0x46, 0xB8, 0x5E), .bottom = QColor(0x1C, 0x84, 0x36),
                  .edge = QColor(0xA8, 0xE3, 0xB2), .glossAlpha = 0, .diagonal = false});
        const QFont font = makeFont(fonts.sans, 12.5, QFont::Bold, false, 0.5);
        drawWhiteCentred(painter, {{answer, font}}, font, middle(canvas));
    });
}

QImage magnifierCloseButton(const Canvas& canvas, const PictureFonts& fonts) {
    return buttonPicture(canvas, 6, [&](QPainter& painter) {
        const QFont font = makeFont(fonts.sans, 21, QFont::Bold);
        drawWhiteCentred(painter, {{QStringLiteral("C"), font}}, font, middle(canvas));
    });
}

QImage chevronButton(const Canvas& canvas, bool pointsRight) {
    return buttonPicture(canvas, 4, [&](QPainter& painter) {
        painter.setPen(whitePen(2.3));
        const qreal tipX = pointsRight ? 13 : 7;
        const qreal tailX = pointsRight ? 8 : 12;
        const QPointF points[] = {{tailX, 5}, {tipX, 10}, {tailX, 15}};
        painter.drawPolyline(points, 3);
    });
}

}  // namespace

PictureFonts resolvePictureFonts() {
    PictureFonts fonts;
    fonts.sans = resolveFamily({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, "Latin");
    fonts.serif = resolveFamily({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")},
                                "title");
    fonts.bengali = resolveFamily(
        {QStringLiteral("Noto Sans Bengali"), QStringLiteral("Noto Serif Bengali")}, "Bengali");
    return fonts;
}

QImage drawPicture(Picture picture, QSize size, const PictureFonts& fonts, qreal ratio) {
    const Canvas canvas{size, ratio};
    const QRect outline = windowOutline(picture, size);
    switch (picture) {
        case Picture::MainBackground: return mainBackground(canvas, fonts, outline);
        case Picture::KeyboardBackground:
            return windowBackground(canvas, QStringLiteral("Pebble's On Screen Keyboard"), fonts, outline);
        case Picture::WhoWeAreBackground:
            return windowBackground(canvas, QStringLiteral("Who We Are"), fonts, outline);
        case Picture::HelpBackground: return windowBackground(canvas, QStringLiteral("HELP"), fonts, outline);
        case Picture::TermsBackground: return windowBackground(canvas, QStringLiteral("TERMS"), fonts, outline);
        case Picture::SplashBackground: return splashBackground(canvas, fonts);
        case Picture::ExitBackground: return exitBackground(canvas, fonts, outline);
        case Picture::MagnifierBackground: return magnifierBackground(canvas, fonts, outline);
        case Picture::ProductIcon:
            return paintPicture(canvas, Qt::transparent, [&](QPainter& painter) { paintProductIcon(painter, fonts); });
        case Picture::KeyboardIcon: return keyboardIcon(canvas, fonts);
        case Picture::WhoWeAreIcon: return lettersIcon(canvas, QStringLiteral("WWA"), fonts);
        case Picture::HelpIcon: return lettersIcon(canvas, QStringLiteral("HELP"), fonts);
        case Picture::TermsIcon: return lettersIcon(canvas, QStringLiteral("TERMS"), fonts);
        case Picture::MagnifierButton: return magnifierButton(canvas);
        case Picture::CloseButton: return closeButton(canvas);
        case Picture::ClearKey: return clearKey(canvas);
        case Picture::YesButton: return answerButton(canvas, QStringLiteral("Yes"), fonts);
        case Picture::NoButton: return answerButton(canvas, QStringLiteral("No"), fonts);
        case Picture::MagnifierCloseButton: return magnifierCloseButton(canvas, fonts);
        case Picture::SmallerTextButton: return chevronButton(canvas, false);
        case Picture::LargerTextButton: return chevronButton(canvas, true);
        case Picture::None:
        case Picture::KeyFace: break;
    }
    return {};
}

void paintProductIcon(QPainter& painter, const PictureFonts& fonts) {
    paintIconFace(painter);
    paintLetters(painter, QStringLiteral("LLWD"), fonts);
}

QImage drawKeyFace(const QString& text, QSize size, const PictureFonts& fonts, qreal ratio) {
    const Canvas canvas{size, ratio};
    return buttonPicture(canvas, 7, [&](QPainter& painter) {
        QFont font;
        QString reference;  // a letter of full height: the faces share its placement
        if (!fonts.glyph.isEmpty()) {
            font = makeFont(fonts.glyph, 29);
            // a code the glyph font lacks must show as missing, not come from another font
            font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
            reference = QStringLiteral("K");  // the consonant ka
        } else {
            font = makeFont(fonts.sans, 20, QFont::Bold);
            reference = QStringLiteral("H");
        }
        QPainterPath path;
        path.addText(0, 0, font, text);
        QPainterPath referencePath;
        referencePath.addText(0, 0, font, reference);
        const QRectF box = buttonFace(canvas).adjusted(5, 5, -5, -5);
        const QTransform place = keyFacePlacement(path.boundingRect(), referencePath.boundingRect(), box);
        path = place.map(path);
        painter.fillPath(path.translated(0, 0.8), QColor(0, 0, 0, 60));  // soft shadow
        painter.fillPath(path, Qt::white);
    });
}

}  // namespace assets
