// A font's line heights as the font's own tables give them (its hhea
// ascender, descender and line gap at the font's pixel size). Qt's line
// metrics for the same font differ between Qt versions (which tables they
// read, how they round under hinting), so a size the program lays out from
// them would too.
#pragma once

#include <QFont>

namespace platform {

// Ascender to descender: one line with no gap.
qreal FontLineHeight(const QFont& font);
// One line and the font's line gap: the distance between baselines.
qreal FontLineSpacing(const QFont& font);

}  // namespace platform
