#include "platform/ListSearch.h"

#include "core/PrefixSearch.h"
#include "platform/GlyphText.h"

#include <limits>

namespace platform {

int FindString(std::span<const std::string> rows, QStringView text) {
    if (text.isEmpty()) return -1;
    // No row is longer than this, so a longer text cannot match; checking
    // first keeps a huge paste from being converted at all.
    std::size_t longest = 0;
    for (const auto& row : rows) longest = std::max(longest, row.size());
    if (static_cast<std::size_t>(text.size()) > longest) return -1;
    const auto bytes = glyphBytes(text);
    if (!bytes) return -1;
    return core::FindFirstPrefix(rows, *bytes);
}

SearchOutcome SearchAndLookup(std::span<const std::string> rows, QStringView text) {
    const int found = FindString(rows, text);
    SearchOutcome outcome;
    outcome.listIndex = found <= std::numeric_limits<std::int16_t>::max()
                            ? static_cast<std::int16_t>(found)
                            : std::int16_t{-1};
    outcome.displays = core::SelectionLookup(outcome.listIndex);
    return outcome;
}

}  // namespace platform
