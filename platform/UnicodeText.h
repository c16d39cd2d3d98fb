// Glyph text as the widgets hold it, read as Unicode Bengali: what the
// clipboard, assistive technology and the Unicode search see.
#pragma once

#include <QString>
#include <QStringView>

namespace platform {

// Runs of glyph codes (see GlyphText.h) are converted to Unicode Bengali in
// logical order; characters that are not glyph codes (Unicode Bengali already,
// emoji, a lone surrogate) are kept as they are.
QString unicodeText(QStringView glyphText);

}  // namespace platform
