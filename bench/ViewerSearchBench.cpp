// How long the find window's data search takes on a long history: a pattern
// near the end of a 1,000,000-unit history, found downward from the start
// and upward from the end, and a pattern that is not there at all. Run
// over several lengths, the reported complexity must come out as O(N).
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "FindSearch.h"
#include "GridSetup.h"
#include "clsCommon.h"

namespace {

constexpr int kGridWidth = 12000;
constexpr int kGridHeight = 240 + 20 * 600;

// SD text of a repeating alphabet with "KY!" near the end; every third unit
// is RD.
const store::clsCommon& History(int units) {
    static std::map<int, std::unique_ptr<store::clsCommon>> made;
    auto& doc = made[units];
    if (doc) return *doc;
    doc = std::make_unique<store::clsCommon>();
    const int sdTotal = units - (units + 2) / 3;
    const std::string_view mark = "KY!";
    int sdCount = 0;
    for (int i = 0; i < units; ++i) {
        const bool rd = i % 3 == 0;
        uint8_t data = static_cast<uint8_t>('A' + i % 26);
        if (!rd) {
            const int fromEnd = sdTotal - 50 - sdCount++;
            if (fromEnd <= 0 && fromEnd > -3) data = static_cast<uint8_t>(mark[static_cast<size_t>(-fromEnd)]);
        }
        doc->RecordAdd(45000.0 + (i / 20) / 86400.0,
                       static_cast<uint8_t>(0x80 | (rd ? store::kAttrRd : 0)), data);
    }
    return *doc;
}

void Search(benchmark::State& state, const char* pattern, bool downward) {
    const int units = static_cast<int>(state.range(0));
    const store::clsCommon& doc = History(units);
    viewer::ViewerState st;
    st.FileLoaded = true;
    viewer::HistoryAttach(st, doc);
    viewer::GridLayout(st, doc, kGridWidth, kGridHeight, 255);
    st.FindPattern = pattern;
    st.FindKinds = std::string(st.FindPattern.size(), '0');
    int32_t total = 0, sd = 0, rd = 0;
    doc.IsCounterInf(total, sd, rd);
    for (auto _ : state) {
        st.Scroll.Value = 0;
        viewer::FindSearch search(st, doc, {viewer::kFindSd, downward}, {1, 3});
        const viewer::FindResult r = search.StrFind(1, sd);
        if (r.Hit != (pattern[0] == 'K')) state.SkipWithError("unexpected search result");
        benchmark::DoNotOptimize(r.Hit);
    }
    state.SetComplexityN(units);
    state.SetLabel("goal: linear in the history's length (BigO)");
}

// The data that costs a search most: every byte of the line could begin a
// match and almost every one continues it (one letter throughout, or two
// alternating), with a twenty-byte pattern that fails only at its end, at
// its start or in its middle. Nothing is found, so the whole line is read.
const store::clsCommon& UniformHistory(int units, bool alternating) {
    static std::map<std::pair<int, bool>, std::unique_ptr<store::clsCommon>> made;
    auto& doc = made[{units, alternating}];
    if (doc) return *doc;
    doc = std::make_unique<store::clsCommon>();
    for (int i = 0; i < units; ++i) {
        const auto data = static_cast<uint8_t>(alternating && i % 2 == 1 ? 'B' : 'A');
        doc->RecordAdd(45000.0 + (i / 6) / 86400.0, 0x80, data);
    }
    return *doc;
}

void WorstCase(benchmark::State& state, bool alternating, const std::string& pattern) {
    const int units = static_cast<int>(state.range(0));
    const store::clsCommon& doc = UniformHistory(units, alternating);
    viewer::ViewerState st;
    st.FileLoaded = true;
    viewer::HistoryAttach(st, doc);
    viewer::GridLayout(st, doc, kGridWidth, kGridHeight, 255);
    st.FindPattern = pattern;
    st.FindKinds = std::string(pattern.size(), '0');
    for (auto _ : state) {
        viewer::FindSearch search(st, doc, {viewer::kFindSd, true}, {1, 3});
        const viewer::FindResult r = search.StrFind(1, units);
        if (r.Hit) state.SkipWithError("unexpected hit");
    }
    state.SetBytesProcessed(state.iterations() * units);
    state.SetLabel("goal >= 1 GB/s");
}

const std::string kA19(19, 'A');
void BM_FindWorstFailsAtEnd(benchmark::State& s) { WorstCase(s, false, kA19 + "B"); }
void BM_FindWorstFailsAtStart(benchmark::State& s) { WorstCase(s, false, "B" + kA19); }
void BM_FindWorstFailsInMiddle(benchmark::State& s) { WorstCase(s, false, kA19.substr(9) + "B" + kA19.substr(10)); }
void BM_FindWorstAlternating(benchmark::State& s) { WorstCase(s, true, "ABABABABABABABABABAC"); }

void BM_FindNearEndDownward(benchmark::State& s) { Search(s, "KY", true); }
void BM_FindNearEndUpward(benchmark::State& s) { Search(s, "KY", false); }
void BM_FindAbsent(benchmark::State& s) { Search(s, "ZZ", true); }
void BM_FindAbsentUpward(benchmark::State& s) { Search(s, "ZZ", false); }

}  // namespace

BENCHMARK(BM_FindNearEndDownward)->Arg(125000)->Arg(250000)->Arg(500000)->Arg(1000000)->Complexity(benchmark::oN);
BENCHMARK(BM_FindNearEndUpward)->Arg(125000)->Arg(250000)->Arg(500000)->Arg(1000000)->Complexity(benchmark::oN);
BENCHMARK(BM_FindAbsent)->Arg(125000)->Arg(250000)->Arg(500000)->Arg(1000000)->Complexity(benchmark::oN);
BENCHMARK(BM_FindAbsentUpward)->Arg(125000)->Arg(250000)->Arg(500000)->Arg(1000000)->Complexity(benchmark::oN);
BENCHMARK(BM_FindWorstFailsAtEnd)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindWorstFailsAtStart)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindWorstFailsInMiddle)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindWorstAlternating)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
