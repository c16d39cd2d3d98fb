// The list search rule: the first row, from the top, whose text begins with
// the search text, letter case ignored. Works on bytes of glyph-code text.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace core {

// Folds a byte to its lower-case partner: ASCII A-Z, and the Windows-1252
// letters that have a case pair (0xC0-0xDE except 0xD7, and the four pairs
// 0x8A/0x9A, 0x8C/0x9C, 0x8E/0x9E, 0x9F/0xFF). Every other byte is itself.
unsigned char FoldCase(unsigned char byte) noexcept;

// True if `text` begins with `prefix`, case folded as above.
bool StartsWithFolded(std::string_view text, std::string_view prefix) noexcept;

// The position of the first row that begins with `prefix`, or -1 when none
// does. The empty prefix matches nothing: a cleared search box clears the
// selection. The answer is always -1 or a valid row.
int FindFirstPrefix(std::span<const std::string> rows, std::string_view prefix) noexcept;
int FindFirstPrefix(std::span<const std::string_view> rows, std::string_view prefix) noexcept;

}  // namespace core
