// An image control: its picture drawn unscaled at the box's top-left corner.
#pragma once

#include "layouts/Layout.h"
#include "platform/ClickableControl.h"

#include <QPixmap>

#include <string_view>

namespace platform {

class Image : public ClickableControl {
    Q_OBJECT
public:
    Image(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent);

    const QPixmap& picture() const { return picture_; }
    // Key faces: the glyph code the key types (empty for other pictures).
    std::string_view glyphCode() const { return glyphCode_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    std::string_view glyphCode_;
};

}  // namespace platform
