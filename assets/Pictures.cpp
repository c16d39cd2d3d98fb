#include "Pictures.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace assets {
namespace {

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

QImage canvas(QSize size, bool transparent) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);  // 96 dots per inch
    image.setDotsPerMeterY(3780);
    image.fill(transparent ? QColor(Qt::transparent) : QColor(Qt::white));
    return image;
}

QImage opaque(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

void beginPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
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

// "Pebble's" in the script-like face followed by the rest in the sans face.
std::vector<Run> productTitle(const PictureFonts& fonts, qreal scriptPixels, const QString& rest,
                              qreal restPixels) {
    return {{QStringLiteral("Pebble's"), makeFont(fonts.serif, scriptPixels, QFont::Bold, true)},
            {rest, makeFont(fonts.sans, restPixels, QFont::Bold, false, 0.3)}};
}

// ---------------------------------------------------------------- shapes

void fillBar(QPainter& painter, const QRectF& rect) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, kBarTop);
    gradient.setColorAt(1, kBarBottom);
    painter.fillRect(rect, gradient);
}

// A soft shadow that falls from a bar onto the body below or above it.
void fillShadow(QPainter& painter, const QRectF& rect, bool downwards) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(downwards ? 0 : 1, QColor(0, 0, 0, 45));
    gradient.setColorAt(downwards ? 1 : 0, QColor(0, 0, 0, 0));
    painter.fillRect(rect, gradient);
}

// A green button face: rounded, with a darker edge and a light top.
void fillButton(QPainter& painter, const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, kButtonTop);
    gradient.setColorAt(1, kButtonBottom);
    painter.fillPath(path, gradient);

    painter.save();
    painter.setClipPath(path);
    QLinearGradient gloss(rect.topLeft(), QPointF(rect.left(), rect.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 70));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(rect.topLeft(), QSizeF(rect.width(), rect.height() / 2)), gloss);
    painter.restore();

    painter.setPen(QPen(kButtonEdge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

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

// Fills a path of glyph outlines, centred by its ink on `box`, scaled down
// when it does not fit.
void fillCentredPath(QPainter& painter, QPainterPath path, const QRectF& box, const QColor& colour) {
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) return;
    const qreal scale = std::min({1.0, box.width() / ink.width(), box.height() / ink.height()});
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
    const qreal scale = std::min({1.0, box.width() / ink.width(), box.height() / ink.height()});
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

// The 370 x 500 background shared by the keyboard and the three text windows:
// title bar, white body, and a bottom bar naming the window. `visibleTop` and
// `visibleBottom` are the rows the window's outline keeps.
QImage panelBackground(QSize size, const QString& footer, const PictureFonts& fonts,
                       int visibleTop, int visibleBottom) {
    QImage image = canvas(size, false);
    QPainter painter(&image);
    beginPainter(painter);
    const qreal w = size.width();
    const qreal h = size.height();
    constexpr qreal kTopBar = 40;
    constexpr qreal kBottomBar = 30;

    // body: white, with a breath of mint under the title bar
    QLinearGradient body(QPointF(0, kTopBar), QPointF(0, kTopBar + 70));
    body.setColorAt(0, kMint);
    body.setColorAt(1, Qt::white);
    painter.fillRect(QRectF(0, kTopBar, w, 70), body);

    fillBar(painter, QRectF(0, 0, w, kTopBar));
    painter.fillRect(QRectF(0, kTopBar, w, 2), kAccent);
    fillShadow(painter, QRectF(0, kTopBar + 2, w, 5), true);
    const std::vector<Run> title =
        productTitle(fonts, 17, QStringLiteral("  Latin Loan Word Dictionary"), 12);
    drawRunsCentred(painter, title, w / 2,
                    capCentredBaseline(title[1].font, &image, (visibleTop + kTopBar) / 2), Qt::white,
                    true);

    const qreal bottomTop = h - kBottomBar;
    fillShadow(painter, QRectF(0, bottomTop - 6, w, 4), false);
    painter.fillRect(QRectF(0, bottomTop - 2, w, 2), kAccent);
    fillBar(painter, QRectF(0, bottomTop, w, kBottomBar));
    const QFont footerFont = makeFont(fonts.sans, 13, QFont::Bold, false, 1.2);
    drawRunsCentred(painter, {{footer, footerFont}}, w / 2,
                    capCentredBaseline(footerFont, &image, (bottomTop + visibleBottom) / 2),
                    Qt::white, true);
    painter.end();
    return opaque(image);
}

QImage mainBackground(QSize size, const PictureFonts& fonts) {
    QImage image = canvas(size, false);
    QPainter painter(&image);
    beginPainter(painter);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal visibleWidth = 557;  // the outline ends there
    constexpr qreal kHeader = 60;
    constexpr qreal kBarBottom = 104;
    constexpr qreal kFooter = 33;

    // header band: light green, the title at the left, a pad at the right for
    // the minimise and close squares
    QLinearGradient header(QPointF(0, 0), QPointF(0, kHeader));
    header.setColorAt(0, QColor(0xF1, 0xFA, 0xF3));
    header.setColorAt(1, QColor(0xD3, 0xEE, 0xD9));
    painter.fillRect(QRectF(0, 0, w, kHeader), header);
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
    QLinearGradient bar(QPointF(0, kHeader), QPointF(0, kBarBottom));
    bar.setColorAt(0, QColor(0xC2, 0xE7, 0xCA));
    bar.setColorAt(1, QColor(0xA5, 0xD9, 0xB0));
    painter.fillRect(QRectF(0, kHeader, w, kBarBottom - kHeader), bar);
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
    const qreal markWidth = QFontMetricsF(watermark, &image).horizontalAdvance(QStringLiteral("Pebble's"));
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
    painter.end();
    return opaque(image);
}

QImage splashBackground(QSize size, const PictureFonts& fonts) {
    QImage image = canvas(size, false);
    QPainter painter(&image);
    beginPainter(painter);
    const qreal w = size.width();
    const qreal h = size.height();

    QLinearGradient ground(QPointF(0, 0), QPointF(w, h));
    ground.setColorAt(0, QColor(0x23, 0x93, 0x3E));
    ground.setColorAt(1, QColor(0x0A, 0x55, 0x1D));
    painter.fillRect(image.rect(), ground);
    QRadialGradient glow(QPointF(w * 0.3, h * 0.15), w * 0.8);
    glow.setColorAt(0, QColor(255, 255, 255, 45));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), glow);

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
    painter.end();
    return opaque(image);
}

QImage exitBackground(QSize size, const PictureFonts& fonts) {
    QImage image = canvas(size, false);
    QPainter painter(&image);
    beginPainter(painter);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal centre = 265.0 / 2;  // the outline is one pixel wider than the picture

    // plain below the question, where the two buttons stand on it
    painter.fillRect(image.rect(), kExitGreen);
    QLinearGradient top(QPointF(0, 0), QPointF(0, 118));
    top.setColorAt(0, QColor(0x13, 0x6E, 0x2A));
    top.setColorAt(1, kExitGreen);
    painter.fillRect(QRectF(0, 0, w, 118), top);
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
    painter.end();
    return opaque(image);
}

QImage magnifierBackground(QSize size, const PictureFonts& fonts) {
    QImage image = canvas(size, false);
    QPainter painter(&image);
    beginPainter(painter);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal centre = 309.0 / 2;  // the outline cuts the picture's right edge at 309
    constexpr qreal kTopBar = 32;
    constexpr qreal kBottomBar = 24;

    QLinearGradient body(QPointF(0, kTopBar), QPointF(0, kTopBar + 50));
    body.setColorAt(0, kMint);
    body.setColorAt(1, Qt::white);
    painter.fillRect(QRectF(0, kTopBar, w, 50), body);

    fillBar(painter, QRectF(0, 0, w, kTopBar));
    painter.fillRect(QRectF(0, kTopBar, w, 2), kAccent);
    fillShadow(painter, QRectF(0, kTopBar + 2, w, 4), true);
    const std::vector<Run> title =
        productTitle(fonts, 15, QStringLiteral("  Latin Loan Word Dictionary"), 10.5);
    drawRunsCentred(painter, title, centre, capCentredBaseline(title[1].font, &image, (2 + kTopBar) / 2),
                    Qt::white, true);

    const qreal bottomTop = h - kBottomBar;
    fillShadow(painter, QRectF(0, bottomTop - 6, w, 4), false);
    painter.fillRect(QRectF(0, bottomTop - 2, w, 2), kAccent);
    fillBar(painter, QRectF(0, bottomTop, w, kBottomBar));
    const std::vector<Run> footer = productTitle(fonts, 14, QStringLiteral("  Magnifier Tool"), 11);
    drawRunsCentred(painter, footer, centre,
                    capCentredBaseline(footer[1].font, &image, bottomTop + kBottomBar / 2), Qt::white,
                    true);
    painter.end();
    return opaque(image);
}

// The 64 x 64 icons: a green rounded square, transparent around it.
void iconGround(QPainter& painter) {
    const QRectF square(2.5, 2.5, 59, 59);
    QPainterPath path;
    path.addRoundedRect(square, 12, 12);
    QLinearGradient gradient(square.topLeft(), square.bottomRight());
    gradient.setColorAt(0, QColor(0x3A, 0xB0, 0x53));
    gradient.setColorAt(1, QColor(0x0F, 0x66, 0x27));
    painter.fillPath(path, gradient);
    painter.save();
    painter.setClipPath(path);
    QLinearGradient gloss(square.topLeft(), QPointF(square.left(), square.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 60));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(square.topLeft(), QSizeF(square.width(), square.height() / 2)), gloss);
    painter.restore();
    painter.setPen(QPen(QColor(0x0B, 0x52, 0x1F), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

QImage lettersIcon(QSize size, const QString& word, const PictureFonts& fonts) {
    QImage image = canvas(size, true);
    QPainter painter(&image);
    beginPainter(painter);
    iconGround(painter);

    // three lines, like lines of text
    painter.setPen(whitePen(3));
    const qreal lengths[] = {36, 28, 32};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 13.5 + 7 * i;
        painter.drawLine(QPointF(14, y), QPointF(14 + lengths[i], y));
    }

    qreal pixels = 18;
    QFont font = makeFont(fonts.sans, pixels, QFont::Bold);
    while (pixels > 8 && QFontMetricsF(font, &image).horizontalAdvance(word) > 46) {
        pixels -= 0.5;
        font = makeFont(fonts.sans, pixels, QFont::Bold);
    }
    drawRunsCentred(painter, {{word, font}}, 32, capCentredBaseline(font, &image, 46), Qt::white, true);
    painter.end();
    return image;
}

QImage keyboardIcon(QSize size, const PictureFonts& fonts) {
    QImage image = canvas(size, true);
    QPainter painter(&image);
    beginPainter(painter);
    iconGround(painter);

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
    painter.end();
    return image;
}

QImage magnifierButton(QSize size) {
    QImage image = canvas(size, false);
    QPainter painter(&image);
    beginPainter(painter);
    fillButton(painter, QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 6);
    painter.setPen(whitePen(2.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(16.5, 14.5), 7.5, 7.5);
    painter.setPen(whitePen(4));
    painter.drawLine(QPointF(22.2, 20.2), QPointF(27.5, 25.5));
    painter.end();
    return opaque(image);
}

QImage closeButton(QSize size) {
    QImage image = canvas(size, false);
    QPainter painter(&image);
    beginPainter(painter);
    fillButton(painter, QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 7);
    painter.setPen(whitePen(3.4));
    painter.drawLine(QPointF(13.5, 13.5), QPointF(26.5, 26.5));
    painter.drawLine(QPointF(26.5, 13.5), QPointF(13.5, 26.5));
    painter.end();
    return opaque(image);
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

QImage clearKey(QSize size) {
    QImage image = canvas(size, false);
    QPainter painter(&image);
    beginPainter(painter);
    fillButton(painter, QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 7);

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
    painter.end();
    return opaque(image);
}

QImage answerButton(QSize size, const QString& answer, const PictureFonts& fonts) {
    QImage image = canvas(size, false);
    image.fill(kExitGreen);  // the exit window's ground shows in the corners
    QPainter painter(&image);
    beginPainter(painter);
    const QRectF rect(0.5, 0.5, size.width() - 1, size.height() - 1);
    QPainterPath path;
    path.addRoundedRect(rect, 7, 7);
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, QColor(0x46, 0xB8, 0x5E));
    gradient.setColorAt(1, QColor(0x1C, 0x84, 0x36));
    painter.fillPath(path, gradient);
    painter.setPen(QPen(QColor(0xA8, 0xE3, 0xB2), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    const QFont font = makeFont(fonts.sans, 12.5, QFont::Bold, false, 0.5);
    drawRunsCentred(painter, {{answer, font}}, size.width() / 2.0,
                    capCentredBaseline(font, &image, size.height() / 2.0), Qt::white, true);
    painter.end();
    return opaque(image);
}

QImage magnifierCloseButton(QSize size, const PictureFonts& fonts) {
    QImage image = canvas(size, false);
    QPainter painter(&image);
    beginPainter(painter);
    fillButton(painter, QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 6);
    const QFont font = makeFont(fonts.sans, 21, QFont::Bold);
    drawRunsCentred(painter, {{QStringLiteral("C"), font}}, size.width() / 2.0,
                    capCentredBaseline(font, &image, size.height() / 2.0), Qt::white, true);
    painter.end();
    return opaque(image);
}

QImage chevronButton(QSize size, bool pointsRight) {
    QImage image = canvas(size, false);
    QPainter painter(&image);
    beginPainter(painter);
    fillButton(painter, QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 4);
    painter.setPen(whitePen(2.3));
    const qreal tipX = pointsRight ? 13 : 7;
    const qreal tailX = pointsRight ? 8 : 12;
    const QPointF points[] = {{tailX, 5}, {tipX, 10}, {tailX, 15}};
    painter.drawPolyline(points, 3);
    painter.end();
    return opaque(image);
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

QImage drawPicture(Picture picture, QSize size, const PictureFonts& fonts) {
    switch (picture) {
        case Picture::MainBackground: return mainBackground(size, fonts);
        case Picture::KeyboardBackground:
            return panelBackground(size, QStringLiteral("Pebble's On Screen Keyboard"), fonts, 5, 499);
        case Picture::WhoWeAreBackground:
            return panelBackground(size, QStringLiteral("Who We Are"), fonts, 2, 497);
        case Picture::HelpBackground: return panelBackground(size, QStringLiteral("HELP"), fonts, 2, 497);
        case Picture::TermsBackground: return panelBackground(size, QStringLiteral("TERMS"), fonts, 2, 497);
        case Picture::SplashBackground: return splashBackground(size, fonts);
        case Picture::ExitBackground: return exitBackground(size, fonts);
        case Picture::MagnifierBackground: return magnifierBackground(size, fonts);
        case Picture::ProductIcon: return lettersIcon(size, QStringLiteral("LLWD"), fonts);
        case Picture::KeyboardIcon: return keyboardIcon(size, fonts);
        case Picture::WhoWeAreIcon: return lettersIcon(size, QStringLiteral("WWA"), fonts);
        case Picture::HelpIcon: return lettersIcon(size, QStringLiteral("HELP"), fonts);
        case Picture::TermsIcon: return lettersIcon(size, QStringLiteral("TERMS"), fonts);
        case Picture::MagnifierButton: return magnifierButton(size);
        case Picture::CloseButton: return closeButton(size);
        case Picture::ClearKey: return clearKey(size);
        case Picture::YesButton: return answerButton(size, QStringLiteral("Yes"), fonts);
        case Picture::NoButton: return answerButton(size, QStringLiteral("No"), fonts);
        case Picture::MagnifierCloseButton: return magnifierCloseButton(size, fonts);
        case Picture::SmallerTextButton: return chevronButton(size, false);
        case Picture::LargerTextButton: return chevronButton(size, true);
        case Picture::None:
        case Picture::KeyFace: break;
    }
    return {};
}

QImage drawKeyFace(const QString& text, QSize size, const PictureFonts& fonts) {
    QImage image = canvas(size, false);
    QPainter painter(&image);
    beginPainter(painter);
    const QRectF face(0.5, 0.5, size.width() - 1, size.height() - 1);
    fillButton(painter, face, 7);

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
    const QRectF box = face.adjusted(5, 5, -5, -5);
    const QTransform place = keyFacePlacement(path.boundingRect(), referencePath.boundingRect(), box);
    path = place.map(path);
    painter.fillPath(path.translated(0, 0.8), QColor(0, 0, 0, 60));  // soft shadow
    painter.fillPath(path, Qt::white);
    painter.end();
    return opaque(image);
}

}  // namespace assets
