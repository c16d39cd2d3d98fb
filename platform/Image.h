// An image control: its picture drawn at the box's top-left corner, at the
// size the screen factor gives it and for the screen's pixel ratio.
#pragma once

#include "layouts/Layout.h"
#include "platform/ClickableControl.h"
#include "platform/RatioPicture.h"

#include <string_view>

namespace platform {

class Image : public ClickableControl {
    Q_OBJECT
public:
    Image(const layouts::ControlLayout& layout, const QFont& font, QWidget* parent);

    RatioPicture& picture() { return picture_; }
    // Key faces: the glyph code the key types (empty for other pictures).
    std::string_view glyphCode() const { return glyphCode_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string_view glyphCode_;
    RatioPicture picture_;
};

}  // namespace platform
