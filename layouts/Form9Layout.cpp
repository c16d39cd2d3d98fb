// Layout of the exit confirmation window: the question is part of the
// background picture; the answers are two picture buttons.
#include "layouts/WindowLayouts.h"

namespace layouts {

const WindowLayout& form9Layout() {
    static const WindowLayout layout{
        .name = "Form9",
        .caption = "Quillmoor Latin Loan Word Dictionary",
        .clientWidth = 4125,
        .clientHeight = 3330,
        .background = Picture::ExitBackground,
        .icon = Picture::ProductIcon,
        .font = kSansSerif825,
        .showInTaskbar = false,
        .controls = {
            {.kind = ControlKind::Image, .name = "Image2",
             .left = 2160, .top = 1920, .width = 1020, .height = 330,
             .toolTip = "No", .picture = Picture::NoButton},
            {.kind = ControlKind::Image, .name = "Image1",
             .left = 720, .top = 1920, .width = 1020, .height = 330,
             .toolTip = "Yes", .picture = Picture::YesButton},
            // outline of the window; this window's set runs from 1 to 1
            {.kind = ControlKind::Shape, .name = "shpborder", .index = 1,
             .left = 0, .top = -10, .width = 3975, .height = 3135,
             .shape = 4, .visible = false},
        },
    };
    return layout;
}

}  // namespace layouts
