#include "platform/Label.h"

#include "platform/Colours.h"
#include "platform/ControlSetup.h"
#include "platform/Fonts.h"
#include "platform/FontLines.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QPainter>

namespace platform {

QStringList WrapAtBlanks(const QString& text, const QFontMetricsF& metrics, qreal width) {
    QStringList lines;
    if (text.isEmpty()) return lines;
    QString line;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(u' ', start);
        if (end < 0) end = text.size();
        const QString word = text.mid(start, end - start);
        const QString candidate = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
        start = end + 1;
    }
    lines << line;
    return lines;
}

Label::Label(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent)
    : ClickableControl(parent),
      caption_(QString::fromUtf8(layout.text.data(), static_cast<qsizetype>(layout.text.size()))),
      backStyle_(layout.backStyle),
      backColor_(layout.backColor.value_or(ToBgr(palette().color(QPalette::Window)))),
      foreColor_(layout.foreColor.value_or(ToBgr(palette().color(QPalette::WindowText)))),
      alignment_(layout.alignment),
      glyph_(font.family() == GlyphFamily()) {
    SetUpControl(*this, layout, font);
}

void Label::setCaption(const QString& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    update();
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void Label::setBackStyle(int style) {
    backStyle_ = style;
    update();
}

void Label::setBackColor(std::uint32_t bgr) {
    backColor_ = bgr;
    update();
}

void Label::setForeColor(std::uint32_t bgr) {
    foreColor_ = bgr;
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (backStyle_ == 1) painter.fillRect(rect(), FromBgr(backColor_));
    PaintCaption(painter);
    PaintFocusMark(painter);
}

void Label::PaintCaption(QPainter& painter) const {
    if (caption_.isEmpty()) return;
    painter.setPen(FromBgr(foreColor_));
    painter.setFont(font());
    const QFontMetricsF metrics(font());
    qreal y = metrics.ascent();
    for (const QString& line : WrapAtBlanks(caption_, metrics, width())) {
        const qreal advance = metrics.horizontalAdvance(line);
        qreal x = 0;
        if (alignment_ == layouts::Alignment::Centre) x = (width() - advance) / 2;
        if (alignment_ == layouts::Alignment::Right) x = width() - advance;
        painter.drawText(QPointF(x, y), line);
        y += FontLineSpacing(font());  // not metrics.lineSpacing(): see FontLines.h
        if (y - metrics.ascent() > height()) break;  // the rest is clipped anyway
    }
}

}  // namespace platform
