// How fast the analyser shows a long frame file: from the open command to
// its first drawn page, and one Page Down near the start and near the
// end, at 1,000 and 1,000,000 frames (about 20 bytes each, a comment on
// one frame in ten). Runs the real main window on Qt's offscreen screen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <string>

#include "CommentColumn.h"
#include "DissectoBenchFiles.h"
#include "FrameChart.h"
#include "frmMain.h"

namespace {

using bench::BenchWindow;
using bench::FramesFile;

void Paint(analyser::ui::frmMain& w) {
    w.picFrameView->repaint();
    w.picCommentsL->repaint();
    w.picCommentsR->repaint();
}

void BM_OpenToFirstPage(benchmark::State& state) {
    const std::string path = FramesFile(static_cast<int>(state.range(0)));
    analyser::ui::frmMain& w = BenchWindow();
    for (auto _ : state) {
        if (!w.fFileOpenKYP(path)) state.SkipWithError("open failed");
        Paint(w);
    }
    state.SetLabel("goal <= 1500 ms");
}

// range(1): 0 near the start, 1 near the end.
void BM_PageDown(benchmark::State& state) {
    const auto frames = static_cast<int32_t>(state.range(0));
    analyser::ui::frmMain& w = BenchWindow();
    if (!w.fFileOpenKYP(FramesFile(frames))) state.SkipWithError("open failed");
    const int32_t from = state.range(1) == 0 ? 100 : frames - 400;
    for (auto _ : state) {
        state.PauseTiming();
        w.fCurrentFrameChange(from);
        state.ResumeTiming();
        w.cmdNextPage_Click();
        Paint(w);
    }
    state.counters["moved_to"] = static_cast<double>(w.CurrentRow());
    state.SetLabel("goal <= 16 ms");
}

BENCHMARK(BM_OpenToFirstPage)->ArgName("frames")->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageDown)
    ->ArgNames({"frames", "near_end"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench::FramesFolderRemove();
    return 0;
}
