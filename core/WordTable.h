// The dictionary's content: 66 fixed entries of glyph-code text (8-bit
// Bijoy codes, one byte per glyph code). Positions are list rows: the word
// list is filled in table order and never sorted.
#pragma once

#include <cstddef>
#include <string_view>

namespace core {

struct Entry {
    std::string_view headword;
    std::string_view meaning;
    std::string_view origin;
};

inline constexpr std::size_t kEntryCount = 66;

// The number of entries.
std::size_t EntryCount() noexcept;

// The entry at `position`, 0 to 65. Positions outside that range have no
// entry; callers decide what that means (see SelectionLookup).
const Entry& EntryAt(std::size_t position);

std::string_view Headword(std::size_t position);
std::string_view Meaning(std::size_t position);
std::string_view Origin(std::size_t position);

}  // namespace core
