// How fast the viewer pages a long history (1,000,000 units): opening it
// (position table, layout and first page) and one Page Down near the start
// and near the end, which must cost the same.
#include <benchmark/benchmark.h>

#include "CodeTable.h"
#include "GridSetup.h"
#include "Navigation.h"
#include "PageRender.h"
#include "clsCommon.h"

namespace {

constexpr int kUnits = 1000000;
// A maximised window: 17 characters a line, 20 DUAL lines or 80 SD lines.
constexpr int kGridWidth = 12000;
constexpr int kGridHeight = 240 + 20 * 600;
constexpr int kScrollWidth = 255;

// Both directions with character times, twenty units a second; every
// seventh SD unit arrived together with the RD unit after it.
const store::clsCommon& History() {
    static const store::clsCommon doc = [] {
        store::clsCommon d;
        for (int i = 0; i < kUnits; ++i) {
            const bool rd = i % 3 == 0;
            const uint8_t same = !rd && i % 7 == 0 ? store::kAttrSame : 0;
            const auto attr = static_cast<uint8_t>(0x80 | (rd ? store::kAttrRd : 0) | same);
            d.RecordAdd(45000.0 + (i / 20) / 86400.0, attr, static_cast<uint8_t>(i));
            if (i % 4 == 0) d.CharTimeSet(store::CharTimeWord(1, static_cast<uint16_t>(i % 1024)));
        }
        return d;
    }();
    return doc;
}

viewer::ViewerState Opened(int16_t lineMode) {
    viewer::ViewerState st;
    st.DspLine = lineMode;
    st.FileLoaded = true;
    viewer::HistoryAttach(st, History());
    viewer::GridLayout(st, History(), kGridWidth, kGridHeight, kScrollWidth);
    return st;
}

void BM_OpenToFirstPage(benchmark::State& state) {
    store::CodeTableRead();
    const store::clsCommon& doc = History();
    for (auto _ : state) {
        viewer::ViewerState st = Opened(viewer::kLineDual);
        viewer::GridPage page = viewer::PageBuild(st, doc);
        benchmark::DoNotOptimize(page.Cells.data());
    }
}

// range(0): line mode; range(1): 0 near the start, 1 near the end.
void BM_PageDown(benchmark::State& state) {
    store::CodeTableRead();
    const store::clsCommon& doc = History();
    viewer::ViewerState st = Opened(static_cast<int16_t>(state.range(0)));
    const int32_t from = state.range(1) == 0 ? 1 : st.Scroll.Max - 2 * st.LinesPerPage;
    for (auto _ : state) {
        viewer::ScrollChange(st, doc, from);
        viewer::KeyDown(st, doc, viewer::kKeyPageDown, 1);
        viewer::GridPage page = viewer::PageBuild(st, doc);
        benchmark::DoNotOptimize(page.Cells.data());
    }
    state.counters["top_line"] = static_cast<double>(st.Scroll.Value);
}

BENCHMARK(BM_OpenToFirstPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageDown)
    ->ArgNames({"mode", "near_end"})
    ->Args({viewer::kLineDual, 0})
    ->Args({viewer::kLineDual, 1})
    ->Args({viewer::kLineSd, 0})
    ->Args({viewer::kLineSd, 1})
    ->Args({viewer::kLineRd, 0})
    ->Args({viewer::kLineRd, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
