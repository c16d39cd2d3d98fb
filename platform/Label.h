// A label: a caption drawn on the window's surface, transparent or opaque,
// wrapped at blanks inside its box and clipped there. Every character is
// drawn as itself: an "&" is a glyph code here, never a shortcut marker.
#pragma once

#include "layouts/Layout.h"
#include "platform/ClickableControl.h"

#include <QString>
#include <QStringList>

#include <cstdint>

class QFontMetricsF;

namespace platform {

// Breaks `text` into lines no wider than `width`, only at blanks: "-", "/"
// and "..." are parts of words in glyph-code text. A word wider than the
// box stands on a line of its own.
QStringList WrapAtBlanks(const QString& text, const QFontMetricsF& metrics, qreal width);

class Label : public ClickableControl {
    Q_OBJECT
public:
    Label(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent);

    QString Caption() const { return caption_; }
    // The caption is glyph codes (drawn with the glyph font), not Latin text.
    bool IsGlyphText() const { return glyph_; }
    void setCaption(const QString& caption);
    int BackStyle() const { return backStyle_; }
    void setBackStyle(int style);
    std::uint32_t BackColor() const { return backColor_; }
    void setBackColor(std::uint32_t bgr);
    std::uint32_t ForeColor() const { return foreColor_; }
    void setForeColor(std::uint32_t bgr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintCaption(QPainter& painter) const;

    QString caption_;
    int backStyle_;
    std::uint32_t backColor_;
    std::uint32_t foreColor_;
    layouts::Alignment alignment_;
    bool glyph_;
};

}  // namespace platform
