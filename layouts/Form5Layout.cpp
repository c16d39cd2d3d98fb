// Layout of the terms window: the offline terms, the warranty disclaimer in a
// read-only scrolling box, and the protection notice beside the close button.
#include "layouts/WindowLayouts.h"

namespace layouts {
namespace {

constexpr FontSpec kHeadingFont{.face = "MS Sans Serif", .points = 8.25, .weight = 700};

// The disclaimer box's text: 37 lines, each ending in CR LF.
constexpr std::string_view kDisclaimer =
    "Disclaimer of Warranty.\r\n"
    "THERE IS NO WARRANTY FOR THE PROGRAM, TO \r\n"
    "THE EXTENT PERMITTED BY APPLICABLE LAW. \r\n"
    "EXCEPT WHEN OTHERWISE STATED IN WRITING \r\n"
    "THE COPYRIGHT HOLDERS AND/OR OTHER \r\n"
    "PARTIES PROVIDE THE PROGRAM \"AS IS\" \r\n"
    "WITHOUT WARRANTY OF ANY KIND, EITHER \r\n"
    "EXPRESSED OR IMPLIED, INCLUDING, BUT NOT \r\n"
    "LIMITED TO, THE IMPLIED WARRANTIES OF \r\n"
    "MECHANTABILITY AND FITNESS FOR A \r\n"
    "PARTICULAR PURPOSE. THE ENTIRE RISK AS \r\n"
    "TO THE QUALITY AND PERFORMANCE OF THE \r\n"
    "PROGRAM IS WITH YOU. SHOULD THE PROGRAM \r\n"
    "PROVE DEFECTIVE, YOU ASSUME THE COST \r\n"
    "OF ALL NECESSARY SERVICING, REPAIR OR \r\n"
    "CORRECTION.  \r\n"
    "Limitation of Liability.\r\n"
    "IN NO EVENT UNLESS REQUIRED BY APPLICABLE \r\n"
    "LAW OR AGREED TO IN WRITING WILL ANY \r\n"
    "COPYRIGHT HOLDER, OR ANY OTHER PARTY \r\n"
    "WHO MODIFIES AND/OR CONVEYS THE PROGRAM \r\n"
    "AS PERMITTED ABOVE , BE LIABLE TO YOU FOR \r\n"
    "DAMAGES, INCLUDING ANY GENERAL, SPECIAL, \r\n"
    "INCIDENTAL OR CONSEQUENTIAL DAMAGES \r\n"
    "ARISING OUT OF THE USE OR INABILITY TO \r\n"
    "USE THE PROGRAM (INCLUDING BUT NOT LIMITED \r\n"
    "TO LOSS OF DATA OR DATA BEING RENDERED \r\n"
    "INACCURATE OR LOSSES SUSTAINED BY YOU OR \r\n"
    "THIRD PARTIES OR A FAILURE OF THE PROGRAM \r\n"
    "TO OPERATE WITH ANY OTHER PROGRAMS), \r\n"
    "EVEN IF SUCH HOLDER OR OTHER PARTY HAS \r\n"
    "BEEN ADVISED OF THE POSSIBILITY OF SUCH \r\n"
    "DAMAGES.\r\n"
    "This program is distributed in the hope that it will be \r\n"
    "useful, but without ANY  WARRANTY; without even the \r\n"
    "implied warranty of MERCHANTABILITY or \r\n"
    "FITNESS FOR A PARTICULAR PURPOSE.\r\n";

}  // namespace

const WindowLayout& form5Layout() {
    static const WindowLayout layout{
        .name = "Form5",
        .caption = "Terms",
        .clientWidth = 6015,
        .clientHeight = 7995,
        .background = Picture::TermsBackground,
        .icon = Picture::TermsIcon,
        .font = kSansSerif825,
        .showInTaskbar = true,
        .controls = {
            // disclaimer box
            {.kind = ControlKind::TextBox, .name = "Text1",
             .left = 480, .top = 2760, .width = 4575, .height = 2895,
             .text = kDisclaimer, .tabIndex = 4,
             .multiLine = true, .scrollBars = ScrollBars::Vertical, .readOnly = true},
            // protection notice, beside the close button
            {.kind = ControlKind::Label, .name = "Label3",
             .left = 1200, .top = 6000, .width = 3615, .height = 855,
             .text = "The word list and its data set are protected by copyright. Copying "
                     "them, in whole or in part, without written permission from "
                     "Quillmoor Software is not allowed.",
             .backStyle = 0},
            // close button
            {.kind = ControlKind::Image, .name = "Image3",
             .left = 360, .top = 6000, .width = 600, .height = 600,
             .toolTip = "Close ", .picture = Picture::CloseButton},
            // no caption: the background shows through
            {.kind = ControlKind::Label, .name = "Label4",
             .left = 480, .top = 2520, .width = 1815, .height = 255,
             .text = "", .backStyle = 0},
            {.kind = ControlKind::Label, .name = "Label5",
             .left = 240, .top = 2280, .width = 2895, .height = 255,
             .text = "o THIRD PARTY NOTICE", .backStyle = 0, .font = kHeadingFont},
            {.kind = ControlKind::Label, .name = "Label2",
             .left = 240, .top = 840, .width = 4575, .height = 255,
             .text = "o QUILLMOOR SOFTWARE OFFLINE TERMS:", .backStyle = 0, .font = kHeadingFont},
            // statement of authorship and use
            {.kind = ControlKind::Label, .name = "Label1",
             .left = 360, .top = 1200, .width = 4695, .height = 855,
             .text = "Pebble's Latin Loan Word Dictionary is written by Tobias Wrenfield "
                     "and published by Quillmoor Software. You may use it and pass on "
                     "unchanged copies free of charge; selling or changing it needs our "
                     "written permission.",
             .backStyle = 0},
            // outline of the window
            {.kind = ControlKind::Shape, .name = "shpborder", .index = 0,
             .left = 0, .top = 30, .width = 5570, .height = 7420,
             .shape = 4, .visible = false},
        },
    };
    return layout;
}

}  // namespace layouts
