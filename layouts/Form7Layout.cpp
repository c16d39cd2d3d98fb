// Layout of the splash window: its picture, its outline and the timer that
// hands over to the main window.
#include "layouts/WindowLayouts.h"

namespace layouts {

const WindowLayout& form7Layout() {
    static const WindowLayout layout{
        .name = "Form7",
        .caption = "Quillmoor Latin Loan Word Dictionary",
        .clientWidth = 4695,
        .clientHeight = 3705,
        .background = Picture::SplashBackground,
        .icon = Picture::ProductIcon,
        .font = kSansSerif825,
        .showInTaskbar = false,
        .controls = {
            // position never shown
            {.kind = ControlKind::Timer, .name = "Timer1", .left = 600, .top = 360,
             .intervalMs = 4000},
            // outline of the window
            {.kind = ControlKind::Shape, .name = "shpborder", .index = 0,
             .left = 0, .top = 0, .width = 4280, .height = 3320,
             .shape = 4, .visible = false},
        },
    };
    return layout;
}

}  // namespace layouts
