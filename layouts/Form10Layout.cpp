// Layout of the magnifier window: the meaning and the origin in two boxes of
// larger type, two size buttons and a close button.
#include "layouts/Palette.h"
#include "layouts/WindowLayouts.h"

namespace layouts {

const WindowLayout& form10Layout() {
    static const WindowLayout layout{
        .name = "Form10",
        .caption = "Pebble's Magnifier Tool",
        .clientWidth = 4950,
        .clientHeight = 4500,
        .background = Picture::MagnifierBackground,
        .icon = Picture::None,
        .font = kSansSerif825,
        .showInTaskbar = true,
        .controls = {
            // origin box: wraps and scrolls up and down
            {.kind = ControlKind::TextBox, .name = "Text2",
             .left = 360, .top = 2160, .width = 3975, .height = 855,
             .font = kGlyph1425, .tabIndex = 1,
             .multiLine = true, .scrollBars = ScrollBars::Vertical, .readOnly = true},
            // meaning box: one long line that scrolls sideways
            {.kind = ControlKind::TextBox, .name = "Text1",
             .left = 360, .top = 960, .width = 3975, .height = 735,
             .font = kGlyph1425, .tabIndex = 0,
             .multiLine = true, .scrollBars = ScrollBars::Horizontal, .readOnly = true},
            {.kind = ControlKind::Image, .name = "Image3",
             .left = 2760, .top = 3360, .width = 300, .height = 300,
             .toolTip = "<", .picture = Picture::SmallerTextButton},
            {.kind = ControlKind::Image, .name = "Image2",
             .left = 3240, .top = 3360, .width = 300, .height = 300,
             .toolTip = ">", .picture = Picture::LargerTextButton},
            {.kind = ControlKind::Label, .name = "Label2",
             .left = 360, .top = 1800, .width = 855, .height = 255,
             .text = "Origin", .foreColor = kGreen, .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label1",
             .left = 360, .top = 600, .width = 1935, .height = 255,
             .text = "Historical Morphology", .foreColor = kGreen, .backStyle = 0},
            {.kind = ControlKind::Image, .name = "Image1",
             .left = 3840, .top = 3240, .width = 570, .height = 510,
             .toolTip = "Close", .picture = Picture::MagnifierCloseButton},
            // outline of the window
            {.kind = ControlKind::Shape, .name = "shpborder", .index = 0,
             .left = 0, .top = 30, .width = 4635, .height = 4200,
             .shape = 4, .visible = false},
        },
    };
    return layout;
}

}  // namespace layouts
