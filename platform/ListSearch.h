// The list box's prefix search: search text in, row out. Glyph-code search
// text is compared with the rows' glyph codes; search text holding Unicode
// Bengali is compared with the rows' Unicode forms.
#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// True when `text` holds a character of the Bengali block, ZWJ or ZWNJ: it
// is then searched by its Unicode form.
bool IsUnicodeSearch(QStringView text);

// The form both sides of a Unicode search are compared in: glyph codes
// converted to Unicode, Unicode kept, joiners dropped, then NFC.
QString UnicodeSearchForm(QStringView text);

// The rows of a list and what its search compares: each row's glyph codes,
// and its Unicode search form, computed once as the row is added.
class ListSearch {
public:
    void Add(std::string_view glyphCodes);

    // The first row from the top whose text begins with `text`, or -1 when
    // none does or `text` is empty. Glyph-code text ignores letter case and
    // matches nothing if it holds other characters (emoji, Latin beyond
    // Windows-1252); Unicode text matches on the Unicode form.
    int Find(QStringView text) const;

    // The same answer as a list's 16-bit index: -1 or a row.
    std::int16_t FindListIndex(QStringView text) const;

private:
    int FindGlyphCodes(QStringView text) const;
    int FindUnicode(QStringView text) const;

    std::vector<std::string> rows_;
    std::vector<QString> unicodeRows_;
    std::size_t longest_ = 0;         // glyph codes of the longest row
    qsizetype longestUnicode_ = 0;    // search form of the longest row
};

}  // namespace platform
