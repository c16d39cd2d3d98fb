// The list box's prefix search and the keystroke it serves: search text in,
// selected row and the two display texts out.
#pragma once

#include "core/SelectionLookup.h"

#include <QStringView>

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// The first row from the top whose text begins with `text`, letter case
// ignored; -1 when none does, when `text` is empty, or when it holds a
// character that is not a glyph code.
int FindString(std::span<const std::string> rows, QStringView text);

struct SearchOutcome {
    std::int16_t listIndex = -1;
    core::Displays displays;
};

// What one change of the search box leads to: the search over the rows, the
// answer narrowed to the list's 16-bit index, then the selection lookup.
SearchOutcome SearchAndLookup(std::span<const std::string> rows, QStringView text);

}  // namespace platform
