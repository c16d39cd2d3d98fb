// Glyph text on the desktop's clipboard and X11 primary selection: Unicode
// Bengali as plain text for every other program, and the exact glyph codes
// under this program's own MIME type, so that a paste back here restores them.
#pragma once

#include <QClipboard>
#include <QString>
#include <QStringView>

class QMimeData;

namespace platform {

inline constexpr char kGlyphCodesMimeType[] = "application/x-pebble-glyph-codes";

// New clipboard data for glyph text as a box stores it (the caller owns it):
// plain text in Unicode with line feeds, and the codes' bytes when every
// character is a glyph code (text typed in Unicode has no codes to keep).
QMimeData* glyphMimeData(QStringView glyphText);

// What pasting `data` puts into a glyph-text box: the private codes when they
// are there, else the plain text as it is (Unicode stays Unicode).
QString pastedGlyphText(const QMimeData* data);

// Puts glyph text on the clipboard or, where the desktop has one, the
// primary selection.
void copyGlyphText(QStringView glyphText, QClipboard::Mode mode);

// The glyph text a paste from that clipboard inserts.
QString pastedGlyphText(QClipboard::Mode mode);

}  // namespace platform
