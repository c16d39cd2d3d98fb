// The greens the layouts share with the handlers that recolour at run time
// (0x00BBGGRR): the main window's menu labels are kGreen in their layout,
// light up on kDarkGreen and return to kGreen.
#pragma once

#include "layouts/Layout.h"

namespace layouts {

inline constexpr Colour kGreen = 0x008000;      // headings, menu labels
inline constexpr Colour kDarkGreen = 0x004000;  // borders, window buttons, a lit menu label

}  // namespace layouts
