#include "core/PrefixSearch.h"

#include <array>
#include <limits>

namespace core {
namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b) table[b] = static_cast<unsigned char>(b);
    for (int b = 'A'; b <= 'Z'; ++b) table[b] = static_cast<unsigned char>(b + 0x20);
    for (int b = 0xC0; b <= 0xDE; ++b)
        if (b != 0xD7) table[b] = static_cast<unsigned char>(b + 0x20);  // not the multiplication sign
    table[0x8A] = 0x9A;  // S caron
    table[0x8C] = 0x9C;  // OE
    table[0x8E] = 0x9E;  // Z caron
    table[0x9F] = 0xFF;  // Y diaeresis
    return table;
}

constexpr auto kFold = MakeFoldTable();

}  // namespace

bool StartsWithFolded(std::string_view text, std::string_view prefix) noexcept {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (kFold[static_cast<unsigned char>(text[i])] != kFold[static_cast<unsigned char>(prefix[i])])
            return false;
    return true;
}

int FindFirstPrefix(std::span<const std::string> rows, std::string_view prefix) noexcept {
    if (prefix.empty()) return -1;
    const std::size_t limit = std::min<std::size_t>(rows.size(), std::numeric_limits<int>::max());
    for (std::size_t i = 0; i < limit; ++i)
        if (StartsWithFolded(rows[i], prefix)) return static_cast<int>(i);
    return -1;
}

}  // namespace core
