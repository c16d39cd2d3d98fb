// The program's fonts, chosen for what its windows show.
#pragma once

#include <QString>

namespace windows {

// Every glyph code the program shows, once each, as characters: the word
// table's texts and the letters of the keyboard's keys.
QString ShownGlyphCodes();

// Registers the glyph font and the Latin substitutions for the glyph codes
// above (platform::RegisterBundledFonts); returns the glyph-code family.
QString RegisterProgramFonts();

}  // namespace windows
