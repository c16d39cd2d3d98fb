#include "platform/ControlSetup.h"

#include "platform/Screen.h"

namespace platform {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetUpControl(QWidget& widget, const layouts::ControlLayout& layout, const QFont& font) {
    widget.setObjectName(ToQString(layout.name));
    widget.setGeometry(
        TwipsBoxToPixels(layout.left, layout.top, layout.width, layout.height, ScreenTwipsPerPixel()));
    widget.setFont(font);
    if (!layout.toolTip.empty()) {
        widget.setToolTip(ToQString(layout.toolTip));
        widget.setAccessibleName(widget.toolTip());
    }
    widget.setAttribute(Qt::WA_NoMousePropagation);
}

}  // namespace platform
