// Layout of the who-we-are window: the title, the author, and the people
// credited, one label each, all at Left 360.
#include "layouts/WindowLayouts.h"

namespace layouts {
namespace {

constexpr FontSpec kTitleFont{.face = "Times New Roman", .points = 12, .weight = 700, .italic = true};
constexpr FontSpec kHeadingFont{.face = "MS Sans Serif", .points = 9.75, .weight = 700};

}  // namespace

const WindowLayout& form3Layout() {
    static const WindowLayout layout{
        .name = "Form3",
        .caption = "Who We Are",
        .clientWidth = 5850,
        .clientHeight = 7635,
        .background = Picture::WhoWeAreBackground,
        .icon = Picture::WhoWeAreIcon,
        .font = kSansSerif825,
        .showInTaskbar = true,
        .controls = {
            // author
            {.kind = ControlKind::Label, .name = "Label14",
             .left = 360, .top = 1080, .width = 3375, .height = 255,
             .text = "Tobias Wrenfield", .backStyle = 0},
            // title line
            {.kind = ControlKind::Label, .name = "Label13",
             .left = 360, .top = 720, .width = 3735, .height = 255,
             .text = "Pebble's Latin Loan Word Dictionary ", .backStyle = 0, .font = kTitleFont},
            {.kind = ControlKind::Label, .name = "Label11",
             .left = 360, .top = 5400, .width = 2295, .height = 255,
             .text = "Port Avel, Lowmere", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label12",
             .left = 360, .top = 4680, .width = 1935, .height = 255,
             .text = "Eldby, Fenmoor, Lowmere", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label10",
             .left = 360, .top = 3600, .width = 1575, .height = 255,
             .text = "(Fernlab Press)", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label9",
             .left = 360, .top = 2880, .width = 1095, .height = 255,
             .text = "(Moorbank) ", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label8",
             .left = 360, .top = 2160, .width = 2535, .height = 255,
             .text = "(Fernlab, Bytemoor, Owlgate)", .backStyle = 0},
            // close button
            {.kind = ControlKind::Image, .name = "Image1",
             .left = 360, .top = 5880, .width = 600, .height = 600,
             .toolTip = "Close", .picture = Picture::CloseButton},
            {.kind = ControlKind::Label, .name = "Label7",
             .left = 360, .top = 5040, .width = 3975, .height = 255,
             .text = "Lina Marwick, Writer and My Beloved Friend", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label6",
             .left = 360, .top = 4320, .width = 4575, .height = 375,
             .text = "Oren Blackwood, Writer and My Beloved Friend", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label5",
             .left = 360, .top = 3960, .width = 1215, .height = 255,
             .text = "Contributor", .backStyle = 0, .font = kHeadingFont},
            {.kind = ControlKind::Label, .name = "Label4",
             .left = 360, .top = 3240, .width = 2055, .height = 375,
             .text = "Tamsin Rooke, Author", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label3",
             .left = 360, .top = 2520, .width = 4695, .height = 375,
             .text = "Idris Calloway, Manager, Information Secrurity", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label1",
             .left = 360, .top = 1800, .width = 3255, .height = 375,
             .text = "Marisol Penhallow, Sr. Software Engineer", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label2",
             .left = 360, .top = 1440, .width = 1095, .height = 255,
             .text = "Credits", .backStyle = 0, .font = kHeadingFont},
            // outline of the window
            {.kind = ControlKind::Shape, .name = "shpborder", .index = 0,
             .left = 0, .top = 30, .width = 5565, .height = 7425,
             .shape = 4, .visible = false},
        },
    };
    return layout;
}

}  // namespace layouts
