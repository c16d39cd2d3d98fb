// The layout model: a fixed, declarative description of one window and its
// controls. Positions and sizes are in twips (1/1440 inch, drawn at 15 twips
// per pixel). Colours are 0x00BBGGRR. A window's table is built once, on
// first use, and never changed; nothing in it depends on the screen.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace layouts {

enum class ControlKind { Label, TextBox, ListBox, Image, Shape, Timer };

// A colour as the layouts write it: 0x00BBGGRR.
using Colour = std::uint32_t;

struct FontSpec {
    std::string_view face;   // "SutonnyMJ", "MS Sans Serif", "Times New Roman"
    double points = 8.25;    // exact quarter-point sizes
    int weight = 400;        // 400 regular, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

inline constexpr FontSpec kSansSerif825{"MS Sans Serif", 8.25};
inline constexpr FontSpec kGlyph825{"SutonnyMJ", 8.25};
inline constexpr FontSpec kGlyph1425{"SutonnyMJ", 14.25};

enum class Alignment { Left = 0, Right = 1, Centre = 2 };
enum class ScrollBars { None = 0, Horizontal = 1, Vertical = 2 };

// The picture assets of the catalogue; each is drawn by the asset generator at
// its own pixel size (see Assets.h).
enum class Picture {
    None,
    MainBackground, KeyboardBackground, WhoWeAreBackground, HelpBackground,
    TermsBackground, SplashBackground, ExitBackground, MagnifierBackground,
    ProductIcon, KeyboardIcon, WhoWeAreIcon, HelpIcon, TermsIcon,
    MagnifierButton, CloseButton, ClearKey, YesButton, NoButton,
    MagnifierCloseButton, SmallerTextButton, LargerTextButton,
    KeyFace,  // one face per letter key; the key's glyph code selects it
};

// One control entry. Fields a kind does not use keep their defaults; the
// defaults are the ones a layout means where it gives no value.
struct ControlLayout {
    ControlKind kind = ControlKind::Label;
    std::string_view name;
    int index = -1;  // member index for control arrays (only `shpborder`)
    int left = 0, top = 0, width = 0, height = 0;

    // label caption or text-box text (Latin text; glyph-code text is set at run time)
    std::string_view text;
    std::optional<Colour> foreColor;  // nullopt: the platform's standard colour
    std::optional<Colour> backColor;  // nullopt: the platform's dialog colour
    int backStyle = 1;                // labels: 0 transparent, 1 opaque
    Alignment alignment = Alignment::Left;
    std::optional<FontSpec> font;     // nullopt: the window font
    std::string_view toolTip;
    int tabIndex = -1;                // focusable controls only

    // text boxes
    bool multiLine = false;
    ScrollBars scrollBars = ScrollBars::None;
    bool readOnly = false;

    // images
    Picture picture = Picture::None;
    std::string_view glyphCode;  // key faces: the glyph code the key types

    // shapes
    int shape = 0;             // 0 rectangle .. 5 rounded square
    Colour borderColor = 0;    // black
    int borderWidth = 1;       // pixels
    bool visible = true;

    // timers
    int intervalMs = 0;
};

struct WindowLayout {
    std::string_view name;     // "Form1" ...
    std::string_view caption;  // shown outside the window (taskbar, switcher)
    int clientWidth = 0, clientHeight = 0;  // twips
    Picture background = Picture::None;
    Picture icon = Picture::None;
    FontSpec font = kSansSerif825;
    bool showInTaskbar = true;
    std::vector<ControlLayout> controls;  // in list (creation) order
};

}  // namespace layouts
