#include "fonts/GlyphFont.h"

#include <QFile>
#include <QString>

namespace fonts {

bool glyphFontPresent() { return QFile::exists(QString::fromLatin1(kGlyphFontResource)); }

}  // namespace fonts
