// Glyph-code text to Unicode Bengali, for wherever the program's text meets
// the desktop (clipboard, assistive technology, Unicode search). Glyph codes
// are in visual order; Unicode is in logical order, so signs written before
// their consonant cluster move after it and the reph moves before it.
#pragma once

#include <string>
#include <string_view>

namespace core {

// Glyph-code bytes to Unicode Bengali as UTF-8. Total: every byte sequence
// converts. A byte without a Bengali reading (a control character, a blank,
// most Latin punctuation, the bytes Windows-1252 leaves undefined) becomes its
// own Windows-1252 character.
std::string GlyphCodesToUnicode(std::string_view codes);

}  // namespace core
