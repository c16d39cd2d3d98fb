// Layout of the on-screen keyboard window: 50 letter keys, the clear key and
// the close key, each a 40 x 40 pixel picture in a 600 x 600 twips box. Each
// letter key carries the glyph code it types; its face shows that letter.
#include "layouts/WindowLayouts.h"

namespace layouts {

const WindowLayout& form2Layout() {
    static const WindowLayout layout{
        .name = "Form2",
        .caption = "Pebble's On Screen Keyboard",
        .clientWidth = 5910,
        .clientHeight = 8235,
        .background = Picture::KeyboardBackground,
        .icon = Picture::KeyboardIcon,
        .font = kSansSerif825,
        .showInTaskbar = true,
        .controls = {
            {.kind = ControlKind::Image, .name = "Image1", .left = 360, .top = 840, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "A"},  // row 1, grid 1
            {.kind = ControlKind::Image, .name = "Image2", .left = 1080, .top = 840, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "Av"},  // row 1, grid 2
            {.kind = ControlKind::Image, .name = "Image3", .left = 1800, .top = 840, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "B"},  // row 1, grid 3
            {.kind = ControlKind::Image, .name = "Image4", .left = 360, .top = 1560, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "N"},  // row 2, grid 1
            {.kind = ControlKind::Image, .name = "Image5", .left = 2520, .top = 840, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "C"},  // row 1, grid 4
            {.kind = ControlKind::Image, .name = "Image6", .left = 1080, .top = 1560, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "P"},  // row 2, grid 2
            {.kind = ControlKind::Image, .name = "Image7", .left = 1800, .top = 1560, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "Q"},  // row 2, grid 3
            {.kind = ControlKind::Image, .name = "Image8", .left = 2520, .top = 1560, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "R"},  // row 2, grid 4
            {.kind = ControlKind::Image, .name = "Image9", .left = 360, .top = 2280, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "W"},  // row 3, grid 1
            {.kind = ControlKind::Image, .name = "Image10", .left = 1080, .top = 2280, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "X"},  // row 3, grid 2
            {.kind = ControlKind::Image, .name = "Image11", .left = 1800, .top = 2280, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "Z"},  // row 3, grid 3
            {.kind = ControlKind::Image, .name = "Image12", .left = 3240, .top = 840, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "D"},  // row 1, grid 5
            {.kind = ControlKind::Image, .name = "Image13", .left = 3960, .top = 840, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "E"},  // row 1, grid 6
            {.kind = ControlKind::Image, .name = "Image14", .left = 4680, .top = 840, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "K"},  // row 1, grid 7
            {.kind = ControlKind::Image, .name = "Image15", .left = 3240, .top = 1560, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "S"},  // row 2, grid 5
            {.kind = ControlKind::Image, .name = "Image16", .left = 3960, .top = 1560, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "U"},  // row 2, grid 6
            {.kind = ControlKind::Image, .name = "Image17", .left = 4680, .top = 1560, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "V"},  // row 2, grid 7
            {.kind = ControlKind::Image, .name = "Image18", .left = 2520, .top = 2280, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "`"},  // row 3, grid 4
            {.kind = ControlKind::Image, .name = "Image19", .left = 3240, .top = 2280, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "b"},  // row 3, grid 5
            {.kind = ControlKind::Image, .name = "Image20", .left = 3960, .top = 2280, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "d"},  // row 3, grid 6
            {.kind = ControlKind::Image, .name = "Image21", .left = 360, .top = 3000, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "f"},  // row 4, grid 1
            {.kind = ControlKind::Image, .name = "Image22", .left = 1080, .top = 3000, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "g"},  // row 4, grid 2
            {.kind = ControlKind::Image, .name = "Image23", .left = 4680, .top = 2280, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "e"},  // row 3, grid 7
            {.kind = ControlKind::Image, .name = "Image24", .left = 1800, .top = 3000, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "h"},  // row 4, grid 3
            {.kind = ControlKind::Image, .name = "Image25", .left = 2520, .top = 3000, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "i"},  // row 4, grid 4
            {.kind = ControlKind::Image, .name = "Image26", .left = 3240, .top = 3000, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "j"},  // row 4, grid 5
            {.kind = ControlKind::Image, .name = "Image27", .left = 360, .top = 3720, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "n"},  // row 5, grid 1
            {.kind = ControlKind::Image, .name = "Image28", .left = 1080, .top = 3720, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "o"},  // row 5, grid 2
            {.kind = ControlKind::Image, .name = "Image29", .left = 1800, .top = 3720, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "p"},  // row 5, grid 3
            {.kind = ControlKind::Image, .name = "Image30", .left = 2520, .top = 3720, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "q"},  // row 5, grid 4
            {.kind = ControlKind::Image, .name = "Image31", .left = 4440, .top = 4080, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "L"},  // row 6, offset 6
            {.kind = ControlKind::Image, .name = "Image32", .left = 3960, .top = 3000, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "l"},  // row 4, grid 6
            {.kind = ControlKind::Image, .name = "Image33", .left = 4680, .top = 3000, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "m"},  // row 4, grid 7
            {.kind = ControlKind::Image, .name = "Image34", .left = 840, .top = 4800, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "M"},  // row 7, offset 1
            {.kind = ControlKind::Image, .name = "Image35", .left = 4680, .top = 6360, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "r"},  // row 9, grid 7
            {.kind = ControlKind::Image, .name = "Image36", .left = 1560, .top = 4800, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "Y"},  // row 7, offset 2
            {.kind = ControlKind::Image, .name = "Image37", .left = 2280, .top = 4800, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "_ "},  // row 7, offset 3
            {.kind = ControlKind::Image, .name = "Image38", .left = 3000, .top = 4800, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "a"},  // row 7, offset 4
            {.kind = ControlKind::Image, .name = "Image39", .left = 3720, .top = 4080, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "F"},  // row 6, offset 5
            {.kind = ControlKind::Image, .name = "Image40", .left = 3720, .top = 4800, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "c"},  // row 7, offset 5
            {.kind = ControlKind::Image, .name = "Image41", .left = 360, .top = 6360, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "G"},  // row 9, grid 1
            {.kind = ControlKind::Image, .name = "Image42", .left = 1080, .top = 6360, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "H"},  // row 9, grid 2
            {.kind = ControlKind::Image, .name = "Image43", .left = 1800, .top = 6360, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "I"},  // row 9, grid 3
            {.kind = ControlKind::Image, .name = "Image44", .left = 2520, .top = 6360, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "J"},  // row 9, grid 4
            {.kind = ControlKind::Image, .name = "Image45", .left = 3240, .top = 6360, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "O"},  // row 9, grid 5
            {.kind = ControlKind::Image, .name = "Image46", .left = 3960, .top = 6360, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "T"},  // row 9, grid 6
            {.kind = ControlKind::Image, .name = "Image47", .left = 4440, .top = 4800, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "k"},  // row 7, offset 6
            {.kind = ControlKind::Image, .name = "Image48", .left = 1800, .top = 5640, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "s"},  // row 8, grid 3
            {.kind = ControlKind::Image, .name = "Image49", .left = 2520, .top = 5640, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "t"},  // row 8, grid 4
            {.kind = ControlKind::Image, .name = "Image50", .left = 3240, .top = 5640, .width = 600, .height = 600,
             .picture = Picture::KeyFace, .glyphCode = "u"},  // row 8, grid 5
            // clear key
            {.kind = ControlKind::Image, .name = "Image51", .left = 4680, .top = 5640, .width = 600, .height = 600,
             .toolTip = "Delate ", .picture = Picture::ClearKey},  // row 8, grid 7
            // close key
            {.kind = ControlKind::Image, .name = "Image52", .left = 360, .top = 5640, .width = 600, .height = 600,
             .toolTip = "Close", .picture = Picture::CloseButton},  // row 8, grid 1
            // outline of the window
            {.kind = ControlKind::Shape, .name = "shpborder", .index = 0,
             .left = 0, .top = 70, .width = 5570, .height = 7420,
             .shape = 4, .visible = false},
        },
    };
    return layout;
}

}  // namespace layouts
