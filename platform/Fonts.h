// Fonts of the layouts in Qt's terms. Glyph-code text uses "SutonnyMJ" when
// such a font is installed and draws every code the program shows, and
// otherwise the glyph font the program ships;
// the Latin faces get metric-compatible free substitutes.
#pragma once

#include "layouts/Layout.h"

#include <QFont>
#include <QString>

namespace platform {

inline constexpr const char* kGlyphFace = "SutonnyMJ";
inline constexpr const char* kBundledGlyphFontResource = ":/fonts/PebbleGlyphBengali.ttf";

// Registers a font file (or a resource) with Qt: the first family it brings,
// or empty when it does not load.
QString AddFontFile(const QString& path);

// Registers the bundled glyph font and the Latin substitutions, and chooses
// the family for glyph-code text: an installed "SutonnyMJ" that draws every
// one of `shownCodes` (the glyph codes the program shows, as characters), or
// else the bundled font. Passing over an installed font that lacks codes is
// said in one line on standard error. Only the first call chooses; every call
// returns the family chosen.
QString RegisterBundledFonts(QStringView shownCodes);

// The family that draws glyph-code text: the one RegisterBundledFonts chose,
// or the bundled font's when nothing was registered yet (what draws then
// cannot know which codes the program shows).
QString GlyphFamily();

// The characters of `codes` that the font `family` has no glyph for (all of
// them when no font of that family is there).
QString CodesNotDrawn(const QString& family, QStringView codes);

// A Qt font for a layout font. Glyph-code fonts never fall back to another
// font: a code the font lacks shows as missing, not as a foreign glyph.
QFont MakeFont(const layouts::FontSpec& spec);

}  // namespace platform
