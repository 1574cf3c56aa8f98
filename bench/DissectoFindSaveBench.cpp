// What the analyser's user waits for in a long frame file: a search that
// finds nothing (so it walks every row) by text in captions and comments,
// by bytes in the data and by error flags; and saving every frame over the
// open file. 1,000,000 frames of 20 bytes, a comment on one frame in ten,
// in the real main window on Qt's offscreen screen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "DissectoBenchFiles.h"
#include "frmFind.h"
#include "frmMain.h"

namespace {

constexpr int kFrames = 1000000;

// The window with the big file open and every text field ticked.
analyser::ui::frmMain& Window() {
    static analyser::ui::frmMain& w = [&]() -> analyser::ui::frmMain& {
        analyser::ui::frmMain& main = bench::BenchWindow();
        if (!main.fFileOpenKYP(bench::FramesFile(kFrames))) std::abort();
        analyser::ui::frmFind* find = main.FindWindow(true);
        find->chkCommentL->setChecked(true);
        find->chkCommentR->setChecked(true);
        find->cmbDirection->setCurrentIndex(2);
        return main;
    }();
    return w;
}

// range(0): 0 text in captions and both comments, 1 bytes, 2 error flags.
void BM_SearchWithoutHit(benchmark::State& state) {
    analyser::ui::frmMain& w = Window();
    for (auto _ : state) {
        w.fCurrentFrameChange(0);
        bool found = true;
        switch (state.range(0)) {
            case 0: found = w.fFindLinkCaption("zz", 2, false); break;
            case 1: found = w.fFindData("\xFF\xFE"); break;
            default: found = w.fFindError(true, false, false, false); break;
        }
        if (found) state.SkipWithError("found something");
    }
    state.counters["rows"] = kFrames;
    state.SetLabel("goal <= 1000 ms");
}

void BM_SaveEveryFrame(benchmark::State& state) {
    analyser::ui::frmMain& w = Window();
    for (auto _ : state) w.mnuFileSaveOver_Click();
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(bench::FramesFile(kFrames))) / 1e6;
    state.SetLabel("goal <= 1000 ms");
}

BENCHMARK(BM_SearchWithoutHit)->ArgName("kind")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveEveryFrame)->Unit(benchmark::kMillisecond);

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
