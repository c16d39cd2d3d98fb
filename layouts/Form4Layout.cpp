// Layout of the help window: contact details, the online terms link and the
// update link. The link addresses themselves are in WebAddresses.h.
#include "layouts/WindowLayouts.h"

namespace layouts {
namespace {

constexpr FontSpec kTitleFont{.face = "Times New Roman", .points = 9.75, .weight = 700};
constexpr FontSpec kHeadingFont{.face = "MS Sans Serif", .points = 8.25, .weight = 700};
constexpr FontSpec kLinkFont{.face = "MS Sans Serif", .points = 8.25, .underline = true};

}  // namespace

const WindowLayout& form4Layout() {
    static const WindowLayout layout{
        .name = "Form4",
        .caption = "Help",
        .clientWidth = 6405,
        .clientHeight = 7875,
        .background = Picture::HelpBackground,
        .icon = Picture::HelpIcon,
        .font = kSansSerif825,
        .showInTaskbar = true,
        .controls = {
            // update link
            {.kind = ControlKind::Label, .name = "Label12",
             .left = 480, .top = 4720, .width = 2055, .height = 255,
             .text = "* Click to Check Update", .backStyle = 0, .font = kLinkFont,
             .toolTip = "Click to Check Update (*Internet Connection Required)"},
            {.kind = ControlKind::Label, .name = "Label11",
             .left = 360, .top = 4320, .width = 4935, .height = 255,
             .text = "0 QUILLMOOR LATIN LOAN WORD DCITIONARY UPDATE", .backStyle = 0,
             .font = kHeadingFont},
            // online terms link
            {.kind = ControlKind::Label, .name = "Label10",
             .left = 480, .top = 3840, .width = 2535, .height = 375,
             .text = "* Quillmoor Software Online Terms", .backStyle = 0, .font = kLinkFont,
             .toolTip = "Quillmoor Software Online Terms (*Internet Connection Required)"},
            {.kind = ControlKind::Label, .name = "Label9",
             .left = 360, .top = 3480, .width = 3855, .height = 255,
             .text = "0 QUILLMOOR SOFTWARE ONLINE TERMS", .backStyle = 0, .font = kHeadingFont},
            {.kind = ControlKind::Label, .name = "Label7",
             .left = 360, .top = 2400, .width = 3495, .height = 375,
             .text = "Sister's Concern of Quillmoor/Chirrup page: www.chirrup.example/pebbles",
             .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label5",
             .left = 360, .top = 2040, .width = 4335, .height = 255,
             .text = "Website Parential: www.quillmoor.example", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label4",
             .left = 360, .top = 1680, .width = 2775, .height = 255,
             .text = "www.chirrup.example/quillmoor", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label3",
             .left = 360, .top = 3000, .width = 3975, .height = 375,
             .text = "Support Centre: support.quillmoor.example", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label2",
             .left = 360, .top = 1320, .width = 2655, .height = 255,
             .text = "e-mail: info@quillmoor.example", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label1",
             .left = 360, .top = 960, .width = 1575, .height = 255,
             .text = "0 Communication:", .backStyle = 0, .font = kTitleFont},
            // close button
            {.kind = ControlKind::Image, .name = "Image1",
             .left = 360, .top = 6000, .width = 600, .height = 600,
             .toolTip = "Close", .picture = Picture::CloseButton},
            // outline of the window
            {.kind = ControlKind::Shape, .name = "shpborder", .index = 0,
             .left = 0, .top = 30, .width = 5570, .height = 7420,
             .shape = 4, .visible = false},
        },
    };
    return layout;
}

}  // namespace layouts
