// The one rule from a selected list row to what the two displays show.
#pragma once

#include <cstdint>
#include <string_view>

namespace core {

struct Displays {
    std::string_view meaning;
    std::string_view origin;
};

// The list's selected position is a signed 16-bit value; -1 means no row.
// It is widened with its sign and compared, as an unsigned number, with the
// last position: every negative value and every value past the table gives
// empty texts, the rest give the entry's meaning and origin.
Displays SelectionLookup(std::int16_t listIndex) noexcept;

}  // namespace core
