#include "platform/GlyphText.h"

#include <array>

namespace platform {
namespace {

// The character of every byte, generated from platform/glyph-chars.tsv.
constexpr std::array<char16_t, 256> kGlyphChars{
#include "GlyphChars.inc"
};

}  // namespace

char16_t GlyphChar(unsigned char byte) noexcept { return kGlyphChars[byte]; }

std::optional<unsigned char> GlyphByte(char16_t ch) noexcept {
    // Most bytes read as their own code point; search only for the others.
    if (ch < kGlyphChars.size() && kGlyphChars[ch] == ch) return static_cast<unsigned char>(ch);
    for (std::size_t byte = 0; byte < kGlyphChars.size(); ++byte)
        if (kGlyphChars[byte] == ch) return static_cast<unsigned char>(byte);
    return std::nullopt;
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
