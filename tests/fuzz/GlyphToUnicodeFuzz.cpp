// The glyph-code to Unicode converter with any bytes: it must return
// well-formed UTF-8 of Bengali, the Windows-1252 readings and the two joiners,
// at least one character for a non-empty input, and never more than a small
// multiple of the input. The widget-text reading must agree with it.
#include "core/GlyphToUnicode.h"
#include "platform/GlyphText.h"
#include "platform/UnicodeText.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Decodes one UTF-8 sequence the converter may write (1 to 3 bytes, no
// surrogates, shortest form); returns its length, or 0 when malformed.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80) return 1;
    const std::size_t length = lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (length == 0 || i + length > s.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    if (length == 3) {
        const unsigned second = static_cast<unsigned char>(s[i + 1]);
        if (lead == 0xE0 && second < 0xA0) return 0;  // overlong
        if (lead == 0xED && second >= 0xA0) return 0; // surrogate
    }
    return length;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view codes(reinterpret_cast<const char*>(data), size);
    const std::string unicode = core::GlyphCodesToUnicode(codes);
    Check(unicode.empty() == codes.empty());
    // The longest reading is five code points of three bytes, plus a joiner.
    Check(unicode.size() <= codes.size() * 18);
    for (std::size_t i = 0; i < unicode.size();) {
        const std::size_t length = Utf8Length(unicode, i);
        Check(length != 0);
        i += length;
    }
    // The widget text of the same codes reads the same.
    Check(platform::unicodeText(platform::glyphText(codes)) == QString::fromStdString(unicode));
    return 0;
}
