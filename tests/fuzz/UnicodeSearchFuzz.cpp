// The search box's list search with any UTF-16 text, Unicode Bengali, glyph
// codes, joiners and lone surrogates alike: the answer is -1 or a row, the
// first whose search form begins with the text's search form.
#include "core/WordTable.h"
#include "platform/GlyphText.h"
#include "platform/ListSearch.h"
#include "tests/platform/HeadwordSearch.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Each headword's search form, computed here apart from the search.
const std::vector<QString>& Forms() {
    static const std::vector<QString> forms = [] {
        std::vector<QString> f;
        for (std::size_t p = 0; p < core::EntryCount(); ++p)
            f.push_back(platform::UnicodeSearchForm(platform::glyphText(core::Headword(p))));
        return f;
    }();
    return forms;
}

// Fuzz bytes as UTF-16; the first byte picks Bengali-heavy input half of the
// time by moving small values into the Bengali block.
QString TextFrom(const std::uint8_t* data, std::size_t size) {
    QString text;
    const bool bengali = size > 0 && (data[0] & 1);
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        char16_t ch = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (bengali && ch < 0x100) ch = static_cast<char16_t>(ch < 0x80 ? 0x0980 + ch : 0x200C + (ch & 1));
        text.append(QChar(ch));
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = TextFrom(data, size);
    const platform::ListSearch& search = testing_support::HeadwordSearch();
    const std::vector<QString>& forms = Forms();
    const int found = search.Find(text);
    Check(found >= -1 && found < static_cast<int>(forms.size()));
    Check(search.FindListIndex(text) == found);
    if (!platform::IsUnicodeSearch(text)) return 0;

    const QString wanted = platform::UnicodeSearchForm(text);
    if (wanted.isEmpty()) {
        Check(found == -1);
        return 0;
    }
    for (int i = 0; i < found; ++i) Check(!forms[static_cast<std::size_t>(i)].startsWith(wanted));
    if (found >= 0) {
        Check(forms[static_cast<std::size_t>(found)].startsWith(wanted));
    } else {
        for (const QString& form : forms) Check(!form.startsWith(wanted));
    }
    return 0;
}
