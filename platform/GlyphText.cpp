#include "platform/GlyphText.h"

#include "core/GlyphChars.h"

#include <algorithm>
#include <array>

namespace platform {
namespace {

// The table's code points all lie in the Basic Multilingual Plane.
constexpr char16_t CharOf(std::size_t byte) { return static_cast<char16_t>(core::kGlyphChars[byte]); }

struct Reading {
    char16_t ch;
    unsigned char byte;
};

// The same table by character, for a binary search.
constexpr std::array<Reading, 256> kByteOfChar = [] {
    std::array<Reading, 256> readings{};
    for (std::size_t byte = 0; byte < readings.size(); ++byte)
        readings[byte] = {CharOf(byte), static_cast<unsigned char>(byte)};
    std::sort(readings.begin(), readings.end(), [](Reading a, Reading b) { return a.ch < b.ch; });
    return readings;
}();

}  // namespace

char16_t GlyphChar(unsigned char byte) noexcept { return CharOf(byte); }

std::optional<unsigned char> GlyphByte(char16_t ch) noexcept {
    // Most bytes read as their own code point; search only for the others.
    if (ch < core::kGlyphChars.size() && CharOf(ch) == ch) return static_cast<unsigned char>(ch);
    const auto found = std::lower_bound(kByteOfChar.begin(), kByteOfChar.end(), ch,
                                        [](Reading reading, char16_t c) { return reading.ch < c; });
    if (found == kByteOfChar.end() || found->ch != ch) return std::nullopt;
    return found->byte;
}

QString glyphText(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (char b : bytes) *out++ = QChar(GlyphChar(static_cast<unsigned char>(b)));
    return text;
}

std::optional<std::string> glyphBytes(QStringView text) {
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(text.size()));
    std::size_t i = 0;
    for (QChar ch : text) {
        const auto byte = GlyphByte(ch.unicode());
        if (!byte) return std::nullopt;
        bytes[i++] = static_cast<char>(*byte);
    }
    return bytes;
}

}  // namespace platform
