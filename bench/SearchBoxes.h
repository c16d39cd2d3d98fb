// Where the main window's search box, meaning box and origin label are, in
// window pixels on a 96 dpi screen, read from the main window's layout: the
// keystroke benchmark watches these boxes, and its floor puts its own line
// edit and echo label in the same places.
#pragma once

#include "layouts/WindowLayouts.h"
#include "platform/Screen.h"

#include <QRect>

#include <stdexcept>
#include <string_view>

namespace bench {

inline QRect MainWindowBox(std::string_view control) {
    for (const layouts::ControlLayout& c : layouts::form1Layout().controls) {
        if (c.name == control) return platform::TwipsBoxToPixels(c.left, c.top, c.width, c.height, {});
    }
    throw std::logic_error("no such control in the main window");
}

inline QRect SearchBox() { return MainWindowBox("Text1"); }
inline QRect MeaningBox() { return MainWindowBox("Text2"); }
inline QRect OriginLabel() { return MainWindowBox("Label10"); }

}  // namespace bench
