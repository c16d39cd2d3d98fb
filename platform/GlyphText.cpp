#include "platform/GlyphText.h"

#include <array>

namespace platform {
namespace {

// Windows-1252 0x80-0x9F; undefined positions keep their own value.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t kSignAtSoftHyphen = 0xF0AD;

}  // namespace

char16_t GlyphChar(unsigned char byte) noexcept {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    if (byte == 0xAD) return kSignAtSoftHyphen;
    return byte;
}

std::optional<unsigned char> GlyphByte(char16_t ch) noexcept {
    if (ch < 0x80) return static_cast<unsigned char>(ch);
    if (ch >= 0xA0 && ch <= 0xFF) {
        if (ch == 0xAD) return std::nullopt;
        return static_cast<unsigned char>(ch);
    }
    if (ch == kSignAtSoftHyphen) return static_cast<unsigned char>(0xAD);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == ch) return static_cast<unsigned char>(0x80 + i);
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
