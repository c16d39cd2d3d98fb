// The character the program reads and draws for each byte of glyph-code text:
// Windows-1252, with a character of its own for every byte (see
// glyph-chars.tsv, from which the table is generated). Code points, so that
// a reading can point into the table; all lie in the Basic Multilingual Plane.
#pragma once

#include <array>

namespace core {

inline constexpr std::array<char32_t, 256> kGlyphChars{
#include "GlyphChars.inc"
};

}  // namespace core
