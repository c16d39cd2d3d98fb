// Layout of the main dictionary window.
#include "layouts/Palette.h"
#include "layouts/WindowLayouts.h"

namespace layouts {
namespace {

constexpr Colour kBrightGreen = 0x00C000;
constexpr Colour kBlack = 0x000000;

constexpr FontSpec kHeadingFont{.face = "MS Sans Serif", .points = 9.75};
constexpr FontSpec kMenuFont{.face = "Times New Roman", .points = 11.25, .weight = 700};
constexpr FontSpec kCaptionButtonFont{.face = "MS Sans Serif", .points = 13.5};

}  // namespace

const WindowLayout& form1Layout() {
    static const WindowLayout layout{
        .name = "Form1",
        .caption = "Pebble's Latin Loan word Dictionary ",
        .clientWidth = 8535,
        .clientHeight = 8385,
        .background = Picture::MainBackground,
        .icon = Picture::ProductIcon,
        .font = kGlyph825,
        .showInTaskbar = true,
        .controls = {
            // meaning box
            {.kind = ControlKind::TextBox, .name = "Text2",
             .left = 4440, .top = 2040, .width = 3495, .height = 375,
             .font = kGlyph1425, .tabIndex = 5, .multiLine = false, .readOnly = true},
            // word list
            {.kind = ControlKind::ListBox, .name = "List1",
             .left = 480, .top = 2040, .width = 2655, .height = 3165,
             .font = kGlyph1425, .tabIndex = 1},
            // search box
            {.kind = ControlKind::TextBox, .name = "Text1",
             .left = 360, .top = 1020, .width = 2775, .height = 375,
             .foreColor = kBlack, .font = kGlyph1425, .toolTip = "Pebble's Search Engine",
             .tabIndex = 0, .multiLine = false, .readOnly = false},
            // magnifier button
            {.kind = ControlKind::Image, .name = "Image2",
             .left = 7200, .top = 4200, .width = 570, .height = 510,
             .toolTip = "Quillmoor Magnifier Tool", .picture = Picture::MagnifierButton},
            {.kind = ControlKind::Label, .name = "Label11",
             .left = 4440, .top = 2620, .width = 1215, .height = 375,
             .text = "Origin", .foreColor = kGreen, .backStyle = 0, .font = kHeadingFont},
            // origin label: filled at run time
            {.kind = ControlKind::Label, .name = "Label10",
             .left = 4560, .top = 3000, .width = 3255, .height = 855,
             .text = "", .backStyle = 0, .alignment = Alignment::Left, .font = kGlyph1425},
            // menu labels
            {.kind = ControlKind::Label, .name = "Label9",
             .left = 6960, .top = 1140, .width = 855, .height = 255,
             .text = "TERMS", .foreColor = kGreen, .backStyle = 0,
             .alignment = Alignment::Centre, .font = kMenuFont, .toolTip = "Terms"},
            {.kind = ControlKind::Label, .name = "Label8",
             .left = 6000, .top = 1140, .width = 735, .height = 255,
             .text = "HELP", .foreColor = kGreen, .backStyle = 0,
             .alignment = Alignment::Centre, .font = kMenuFont, .toolTip = "Help"},
            {.kind = ControlKind::Label, .name = "Label7",
             .left = 4920, .top = 1140, .width = 855, .height = 255,
             .text = "WWA", .foreColor = kGreen, .backStyle = 0,
             .alignment = Alignment::Centre, .font = kMenuFont, .toolTip = "Who We Are"},
            {.kind = ControlKind::Label, .name = "Label6",
             .left = 3960, .top = 1140, .width = 735, .height = 255,
             .text = "POSK", .foreColor = kGreen, .backStyle = 0,
             .alignment = Alignment::Centre, .font = kMenuFont,
             .toolTip = "Pebble's On Screen Keyboard"},
            // frame of the meaning box
            {.kind = ControlKind::Shape, .name = "Shape5",
             .left = 4440, .top = 2040, .width = 3530, .height = 400,
             .shape = 0, .borderColor = kBrightGreen, .borderWidth = 2},
            {.kind = ControlKind::Label, .name = "Label4",
             .left = 4440, .top = 1680, .width = 2775, .height = 375,
             .text = "Historical Morphology", .foreColor = kGreen, .backStyle = 0,
             .font = kHeadingFont},
            // square behind the minimise label
            {.kind = ControlKind::Shape, .name = "Shape4",
             .left = 7200, .top = 240, .width = 375, .height = 375,
             .shape = 4, .borderColor = kDarkGreen, .borderWidth = 3},
            // minimise label
            {.kind = ControlKind::Label, .name = "Label3",
             .left = 7250, .top = 240, .width = 300, .height = 375,
             .text = "_", .foreColor = kDarkGreen, .backStyle = 0,
             .alignment = Alignment::Centre, .font = kCaptionButtonFont, .toolTip = "Minimized"},
            // close label
            {.kind = ControlKind::Label, .name = "Label2",
             .left = 7720, .top = 240, .width = 300, .height = 375,
             .text = "x", .foreColor = kDarkGreen, .backStyle = 0,
             .alignment = Alignment::Centre, .font = kCaptionButtonFont, .toolTip = "Exit"},
            // square behind the close label
            {.kind = ControlKind::Shape, .name = "Shape3",
             .left = 7680, .top = 240, .width = 375, .height = 375,
             .shape = 4, .borderColor = kDarkGreen, .borderWidth = 3},
            {.kind = ControlKind::Label, .name = "Label1",
             .left = 480, .top = 1680, .width = 1575, .height = 375,
             .text = "Brain Word", .foreColor = kGreen, .backStyle = 0, .font = kHeadingFont},
            // frame of the search box
            {.kind = ControlKind::Shape, .name = "Shape1",
             .left = 360, .top = 1000, .width = 2800, .height = 420,
             .shape = 0, .borderColor = kBrightGreen, .borderWidth = 2},
            // outline of the window
            {.kind = ControlKind::Shape, .name = "shpborder", .index = 0,
             .left = 0, .top = 0, .width = 8355, .height = 7935,
             .shape = 4, .visible = false},
        },
    };
    return layout;
}

}  // namespace layouts
