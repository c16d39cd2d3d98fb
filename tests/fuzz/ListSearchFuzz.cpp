// The list search with glyph text: any UTF-16 search text over the word
// list's headwords. The answer must be the first row that begins with the
// text (case folded), or -1 when the text is not glyph codes or no row
// does; text holding Unicode Bengali is searched by its Unicode form (see
// UnicodeSearchFuzz). The same bytes, read as glyph codes, must round-trip.
#include "core/PrefixSearch.h"
#include "core/WordTable.h"
#include "platform/GlyphText.h"
#include "platform/ListSearch.h"
#include "tests/platform/HeadwordSearch.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::vector<std::string>& Headwords() {
    static const std::vector<std::string> rows = [] {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < core::EntryCount(); ++i) out.emplace_back(core::Headword(i));
        return out;
    }();
    return rows;
}


void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString asGlyphs = platform::glyphText(bytes);
    Check(asGlyphs.size() == static_cast<qsizetype>(size));
    Check(platform::glyphBytes(asGlyphs) == bytes);

    QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text[static_cast<qsizetype>(i / 2)] = QChar(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));

    const auto& rows = Headwords();
    const int found = testing_support::HeadwordSearch().Find(text);
    Check(found >= -1 && found < static_cast<int>(rows.size()));
    if (platform::IsUnicodeSearch(text)) return 0;
    const auto glyphs = platform::glyphBytes(text);
    if (!glyphs || glyphs->empty()) {
        Check(found == -1);
    } else {
        Check(platform::glyphText(*glyphs) == text);
        for (int i = 0; i < found; ++i) Check(!core::StartsWithFolded(rows[i], *glyphs));
        if (found >= 0) {
            Check(core::StartsWithFolded(rows[found], *glyphs));
        } else {
            for (const auto& row : rows) Check(!core::StartsWithFolded(row, *glyphs));
        }
    }

    return 0;
}
