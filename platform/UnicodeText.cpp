#include "platform/UnicodeText.h"

#include "core/GlyphToUnicode.h"
#include "platform/GlyphText.h"

#include <algorithm>
#include <string>

namespace platform {

QString unicodeText(QStringView glyphText) {
    QString out;
    out.reserve(glyphText.size());
    std::string run;  // the glyph codes since the last character that is not one
    const auto flush = [&] {
        if (run.empty()) return;
        out += QString::fromStdString(core::GlyphCodesToUnicode(run));
        run.clear();
    };
    for (const QChar ch : glyphText) {
        if (const auto byte = GlyphByte(ch.unicode())) {
            run.push_back(static_cast<char>(*byte));
        } else {
            flush();
            out += ch;
        }
    }
    flush();
    return out;
}

int unicodeOffset(QStringView glyphText, qsizetype glyphOffset) {
    glyphOffset = std::clamp<qsizetype>(glyphOffset, 0, glyphText.size());
    const QString before = unicodeText(glyphText.left(glyphOffset));
    const QString whole = unicodeText(glyphText);
    qsizetype common = 0;
    while (common < before.size() && common < whole.size() && before[common] == whole[common]) ++common;
    if (common > 0 && common < whole.size() && whole[common].isLowSurrogate()) --common;  // never inside a pair
    return static_cast<int>(common);
}

}  // namespace platform
