// A keystroke's work in the main window: the list search over the 66
// headwords, then the selection lookup.
#include "core/WordTable.h"
#include "platform/GlyphText.h"
#include "platform/ListSearch.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string>& Rows() {
    static const std::vector<std::string> rows = [] {
        std::vector<std::string> r;
        for (std::size_t p = 0; p < core::EntryCount(); ++p) r.emplace_back(core::Headword(p));
        return r;
    }();
    return rows;
}

void RunKeystroke(benchmark::State& state, const QString& text) {
    for (auto _ : state) {
        auto outcome = platform::SearchAndLookup(Rows(), text);
        benchmark::DoNotOptimize(outcome);
    }
}

void BM_OneCharacter(benchmark::State& s) { RunKeystroke(s, QStringLiteral("K")); }
void BM_WholeHeadword(benchmark::State& s) {
    RunKeystroke(s, platform::glyphText(core::Headword(64)));  // near the end of the list
}
void BM_NoMatch(benchmark::State& s) { RunKeystroke(s, QStringLiteral("e")); }
void BM_PastedText100k(benchmark::State& s) { RunKeystroke(s, QString(100000, QChar(u'A'))); }

}  // namespace

BENCHMARK(BM_OneCharacter);
BENCHMARK(BM_WholeHeadword);
BENCHMARK(BM_NoMatch);
BENCHMARK(BM_PastedText100k);
