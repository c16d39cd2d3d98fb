#include "platform/UnicodeText.h"

#include "core/GlyphToUnicode.h"
#include "platform/GlyphText.h"

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

}  // namespace platform
