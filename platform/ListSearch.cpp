#include "platform/ListSearch.h"

#include "core/PrefixSearch.h"
#include "platform/GlyphText.h"
#include "platform/UnicodeText.h"

#include <algorithm>
#include <limits>

namespace platform {
namespace {

constexpr char16_t kZwnj = 0x200C;
constexpr char16_t kZwj = 0x200D;

bool IsJoiner(QChar ch) { return ch.unicode() == kZwj || ch.unicode() == kZwnj; }

}  // namespace

bool IsUnicodeSearch(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar ch) {
        return (ch.unicode() >= 0x0980 && ch.unicode() <= 0x09FF) || IsJoiner(ch);
    });
}

QString UnicodeSearchForm(QStringView text) {
    QString unicode = unicodeText(text);
    unicode.removeIf(IsJoiner);
    return unicode.normalized(QString::NormalizationForm_C);
}

void ListSearch::Add(std::string_view glyphCodes) {
    rows_.emplace_back(glyphCodes);
    unicodeRows_.push_back(UnicodeSearchForm(glyphText(glyphCodes)));
    longest_ = std::max(longest_, glyphCodes.size());
    longestUnicode_ = std::max(longestUnicode_, unicodeRows_.back().size());
}

int ListSearch::Find(QStringView text) const {
    if (text.isEmpty()) return -1;
    return IsUnicodeSearch(text) ? FindUnicode(text) : FindGlyphCodes(text);
}

std::int16_t ListSearch::FindListIndex(QStringView text) const {
    const int found = Find(text);
    return found <= std::numeric_limits<std::int16_t>::max() ? static_cast<std::int16_t>(found)
                                                             : std::int16_t{-1};
}

int ListSearch::FindGlyphCodes(QStringView text) const {
    // A text longer than every row cannot match; checking first keeps a huge
    // paste from being converted at all.
    if (static_cast<std::size_t>(text.size()) > longest_) return -1;
    const auto bytes = glyphBytes(text);
    if (!bytes) return -1;
    return core::FindFirstPrefix(rows_, *bytes);
}

int ListSearch::FindUnicode(QStringView text) const {
    const QString wanted = UnicodeSearchForm(text);
    // Only joiners: nothing to look for, as with an empty box.
    if (wanted.isEmpty() || wanted.size() > longestUnicode_) return -1;
    const auto row = std::find_if(unicodeRows_.begin(), unicodeRows_.end(),
                                  [&](const QString& form) { return form.startsWith(wanted); });
    if (row == unicodeRows_.end()) return -1;
    return static_cast<int>(row - unicodeRows_.begin());
}

}  // namespace platform
