// Glyph-code text between its stored bytes and Qt strings: one character per
// byte, decoded as Windows-1252 by an explicit table. The only place that
// converts.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The character that stands for one byte. The five bytes Windows-1252 leaves
// undefined keep their value (U+0081, U+008D, U+008F, U+0090, U+009D); byte
// 0xAD, a Bengali sign here, becomes U+F0AD because the soft hyphen it would
// decode to is drawn as nothing.
char16_t GlyphChar(unsigned char byte) noexcept;

// The byte a character stands for, or nothing when the character is not a
// glyph code (Unicode Bengali, emoji, a soft hyphen ...).
std::optional<unsigned char> GlyphByte(char16_t ch) noexcept;

QString glyphText(std::string_view bytes);

// All characters must be glyph codes; otherwise nothing.
std::optional<std::string> glyphBytes(QStringView text);

}  // namespace platform
