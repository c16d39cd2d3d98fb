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

// Registers the bundled glyph font and the Latin substitutions. Safe to call
// more than once. Returns the family used for glyph-code text. Passing over an
// installed "SutonnyMJ" that lacks codes is said in one line on standard error.
QString RegisterBundledFonts();

// The family that draws glyph-code text (after RegisterBundledFonts).
QString GlyphFamily();

bool IsGlyphFace(std::string_view face);

// Every glyph code the program shows, once each, as characters: the word
// table's texts and the letters of the keyboard's keys.
QString ShownGlyphCodes();

// The characters of `codes` that the font `family` has no glyph for (all of
// them when no font of that family is there).
QString CodesNotDrawn(const QString& family, QStringView codes);

// A Qt font for a layout font. Glyph-code fonts never fall back to another
// font: a code the font lacks shows as missing, not as a foreign glyph.
QFont MakeFont(const layouts::FontSpec& spec);

}  // namespace platform
