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

// A position in glyph text (the caret, a selection's end) as a position in
// its Unicode form: how much of the whole text's Unicode form the text
// before the position already makes. A sign that Unicode writes after the
// letter it sits before in glyph codes counts only once that letter is
// there, so the position never falls inside what the codes after it make.
int unicodeOffset(QStringView glyphText, qsizetype glyphOffset);

}  // namespace platform
