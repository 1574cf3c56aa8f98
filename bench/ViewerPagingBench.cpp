// How fast the viewer pages a history: opening it (position table, layout
// and first page) and one Page Down near the start and near the end, in a
// full capture file (60,000 units) and a long history (10,000,000 units),
// which must all cost the same.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "CodeTable.h"
#include "GridSetup.h"
#include "Navigation.h"
#include "PageRender.h"
#include "clsCommon.h"

namespace {

// A maximised window: 17 characters a line, 20 DUAL lines or 80 SD lines.
constexpr int kGridWidth = 12000;
constexpr int kGridHeight = 240 + 20 * 600;
constexpr int kScrollWidth = 255;

// Both directions with character times, twenty units a second; every
// seventh SD unit arrived together with the RD unit after it.
const store::clsCommon& History(int units) {
    static std::map<int, std::unique_ptr<store::clsCommon>> made;
    auto& doc = made[units];
    if (!doc) {
        doc = std::make_unique<store::clsCommon>();
        store::clsCommon& d = *doc;
        for (int i = 0; i < units; ++i) {
            const bool rd = i % 3 == 0;
            const uint8_t same = !rd && i % 7 == 0 ? store::kAttrSame : 0;
            const auto attr = static_cast<uint8_t>(0x80 | (rd ? store::kAttrRd : 0) | same);
            d.RecordAdd(45000.0 + (i / 20) / 86400.0, attr, static_cast<uint8_t>(i));
            if (i % 4 == 0) d.CharTimeSet(store::CharTimeWord(1, static_cast<uint16_t>(i % 1024)));
        }
    }
    return *doc;
}

viewer::ViewerState Opened(const store::clsCommon& doc, int16_t lineMode) {
    viewer::ViewerState st;
    st.DspLine = lineMode;
    st.FileLoaded = true;
    viewer::HistoryAttach(st, doc);
    viewer::GridLayout(st, doc, kGridWidth, kGridHeight, kScrollWidth);
    return st;
}

// The document is in memory already: the position table, the layout and
// the first page.
void BM_AttachToFirstPage(benchmark::State& state) {
    store::CodeTableRead();
    const store::clsCommon& doc = History(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        viewer::ViewerState st = Opened(doc, viewer::kLineDual);
        viewer::GridPage page = viewer::PageBuild(st, doc);
        benchmark::DoNotOptimize(page.Cells.data());
    }
    state.SetLabel("report: no goal of its own");
}

// range(0): line mode; range(1): 0 near the start, 1 near the end;
// range(2): units in the history.
void BM_PageDown(benchmark::State& state) {
    store::CodeTableRead();
    const store::clsCommon& doc = History(static_cast<int>(state.range(2)));
    viewer::ViewerState st = Opened(doc, static_cast<int16_t>(state.range(0)));
    const int32_t from = state.range(1) == 0 ? 1 : st.Scroll.Max - 2 * st.LinesPerPage;
    for (auto _ : state) {
        viewer::ScrollChange(st, doc, from);
        viewer::KeyDown(st, doc, viewer::kKeyPageDown, 1);
        viewer::GridPage page = viewer::PageBuild(st, doc);
        benchmark::DoNotOptimize(page.Cells.data());
    }
    state.counters["top_line"] = static_cast<double>(st.Scroll.Value);
    state.SetLabel("goal <= 50 us");
}

void PageDownArgs(benchmark::internal::Benchmark* b) {
    b->ArgNames({"mode", "near_end", "units"});
    for (int units : {60000, 10000000}) {
        for (int mode : {viewer::kLineDual, viewer::kLineSd, viewer::kLineRd}) {
            for (int nearEnd : {0, 1}) b->Args({mode, nearEnd, units});
        }
    }
}

BENCHMARK(BM_AttachToFirstPage)->Arg(60000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageDown)->Apply(PageDownArgs)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
