// The list search rule: the first row, from the top, whose text begins with
// the search text, letter case ignored. Works on bytes of glyph-code text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace core {

// True if `text` begins with `prefix`, letter case ignored: a byte matches
// itself and its case partner, which ASCII A-Z and the Windows-1252 letters
// with a case pair have (0xC0-0xDE except 0xD7 with 0xE0-0xFE, and the four
// pairs 0x8A/0x9A, 0x8C/0x9C, 0x8E/0x9E, 0x9F/0xFF).
bool StartsWithFolded(std::string_view text, std::string_view prefix) noexcept;

// The position of the first row that begins with `prefix`, or -1 when none
// does. The empty prefix matches nothing: a cleared search box clears the
// selection. The answer is always -1 or a valid row.
int FindFirstPrefix(std::span<const std::string> rows, std::string_view prefix) noexcept;

}  // namespace core
