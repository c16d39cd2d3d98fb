#include "core/SelectionLookup.h"

#include "core/WordTable.h"

namespace core {

Displays SelectionLookup(std::int16_t listIndex) noexcept {
    const auto widened = static_cast<std::uint32_t>(static_cast<std::int32_t>(listIndex));
    if (widened > kEntryCount - 1) return {};
    const Entry& entry = EntryAt(widened);
    return {entry.meaning, entry.origin};
}

}  // namespace core
