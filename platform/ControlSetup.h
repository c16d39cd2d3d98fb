// What every control widget shares when it is created from its layout entry.
#pragma once

#include "layouts/Layout.h"

#include <QFont>
#include <QWidget>

namespace platform {

// Object name, geometry from the twips box, font, tool tip (also the
// accessible name, so screen readers find picture buttons), and: presses
// and moves on a control stay with the control, never reaching the window
// background (they must not start a drag or reset lit labels).
void SetUpControl(QWidget& widget, const layouts::ControlLayout& layout, const QFont& font);

QString ToQString(std::string_view latin);

}  // namespace platform
