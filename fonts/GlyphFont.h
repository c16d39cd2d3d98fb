// The program's glyph font, "Pebble Glyph Bengali": Noto Sans Bengali with its
// glyphs mapped to the 8-bit glyph codes of the dictionary text. It is built
// at build time (build_glyph_font.py) and embedded as a Qt resource by the
// dict_glyph_font library; linking dict_glyph_font is all it takes to have it.
#pragma once

namespace fonts {

inline constexpr const char* kGlyphFontResource = ":/fonts/PebbleGlyphBengali.ttf";
inline constexpr const char* kGlyphFontFamily = "Pebble Glyph Bengali";

// True when the font is among the program's resources.
bool glyphFontPresent();

}  // namespace fonts
