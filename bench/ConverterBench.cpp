// The glyph-code to Unicode converter over all 198 strings of the word table
// (what the clipboard and assistive technology convert, at most one string at
// a time).
#include "core/GlyphToUnicode.h"
#include "core/WordTable.h"

#include <benchmark/benchmark.h>

#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> AllStrings() {
    std::vector<std::string_view> strings;
    for (std::size_t p = 0; p < core::EntryCount(); ++p) {
        strings.push_back(core::Headword(p));
        strings.push_back(core::Meaning(p));
        strings.push_back(core::Origin(p));
    }
    return strings;
}

void BM_ConvertWordTable(benchmark::State& state) {
    const auto strings = AllStrings();
    std::size_t bytes = 0;
    for (const auto s : strings) bytes += s.size();
    for (auto _ : state) {
        for (const auto s : strings) {
            auto unicode = core::GlyphCodesToUnicode(s);
            benchmark::DoNotOptimize(unicode);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(strings.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

}  // namespace

BENCHMARK(BM_ConvertWordTable);
