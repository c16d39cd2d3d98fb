// A keystroke's work in the main window: the list search over the 66
// headwords (the search box's one path, ListSearch), then the selection
// lookup that the list's click runs. Glyph-code and Unicode search texts side
// by side.
#include "core/SelectionLookup.h"
#include "core/WordTable.h"
#include "platform/GlyphText.h"
#include "platform/ListSearch.h"
#include "platform/UnicodeText.h"
#include "tests/platform/HeadwordSearch.h"  // the list tests' headword search

#include <benchmark/benchmark.h>

namespace {

void RunKeystroke(benchmark::State& state, const QString& text) {
    const platform::ListSearch& search = testing_support::HeadwordSearch();
    for (auto _ : state) {
        const std::int16_t index = search.FindListIndex(text);
        auto displays = core::SelectionLookup(index);
        benchmark::DoNotOptimize(displays);
    }
}

QString UnicodeHeadword(std::size_t position) {
    return platform::unicodeText(platform::glyphText(core::Headword(position)));
}

QString MixedPaste(qsizetype length) {
    QString text;
    while (text.size() < length) text += QStringLiteral(u"Ab অক \U0001F600");
    return text;
}

void BM_OneCharacter(benchmark::State& s) { RunKeystroke(s, QStringLiteral("K")); }
void BM_WholeHeadword(benchmark::State& s) {
    RunKeystroke(s, platform::glyphText(core::Headword(64)));  // near the end of the list
}
void BM_NoMatch(benchmark::State& s) { RunKeystroke(s, QStringLiteral("e")); }
void BM_PastedText100k(benchmark::State& s) { RunKeystroke(s, QString(100000, QChar(u'A'))); }

void BM_UnicodeOneCharacter(benchmark::State& s) { RunKeystroke(s, QStringLiteral(u"ক")); }
void BM_UnicodeWholeHeadword(benchmark::State& s) { RunKeystroke(s, UnicodeHeadword(64)); }
void BM_UnicodeNoMatch(benchmark::State& s) { RunKeystroke(s, QStringLiteral(u"ঝ")); }
void BM_UnicodeMixedPaste1M(benchmark::State& s) { RunKeystroke(s, MixedPaste(1 << 20)); }

}  // namespace

BENCHMARK(BM_OneCharacter);
BENCHMARK(BM_WholeHeadword);
BENCHMARK(BM_NoMatch);
BENCHMARK(BM_PastedText100k);
BENCHMARK(BM_UnicodeOneCharacter);
BENCHMARK(BM_UnicodeWholeHeadword);
BENCHMARK(BM_UnicodeNoMatch);
BENCHMARK(BM_UnicodeMixedPaste1M)->Unit(benchmark::kMillisecond);
