// Opening a long history as the viewer does it: the store reads the file
// with the progress window up, the position table is built, the grid laid
// out and the first page rendered. Also the memory the open leaves held per
// unit, document and position table together, as the process holds it, and
// how soon a cancel inside a long line gives the viewer its window back.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "BenchHistory.h"
#include "PeakMeter.h"
#include "CodeTable.h"
#include "GridSetup.h"
#include "HistoryOpen.h"
#include "PageRender.h"
#include "his/store/ui/clsBar.h"
#include "his/store/ui/frmBar.h"

namespace {

// A maximised window: 17 characters a line, 20 DUAL lines.
constexpr int kGridWidth = 12000;
constexpr int kGridHeight = 240 + 20 * 600;
constexpr int kScrollWidth = 255;

struct Opened {
    std::unique_ptr<store::clsCommon> Doc;
    viewer::ViewerState State;
};

std::unique_ptr<Opened> Open(const std::string& path, store::clsBar& bar) {
    auto o = std::make_unique<Opened>();
    viewer::ui::ReadResult read = viewer::ui::HistoryRead(path, bar);
    if (read.Outcome != viewer::ui::ReadOutcome::Loaded) return nullptr;
    o->Doc = std::move(read.Doc);
    o->State.FileLoaded = true;
    viewer::HistoryAttach(o->State, *o->Doc);
    viewer::GridLayout(o->State, *o->Doc, kGridWidth, kGridHeight, kScrollWidth);
    viewer::GridPage page = viewer::PageBuild(o->State, *o->Doc);
    benchmark::DoNotOptimize(page.Cells.data());
    return o;
}

void BM_OpenToFirstPage(benchmark::State& state) {
    const int64_t units = state.range(0);
    const std::string& path = bench::HistoryFile(units);
    store::clsBar bar;
    for (auto _ : state) {
        if (!Open(path, bar)) state.SkipWithError("open failed");
    }
    state.SetLabel("goal <= 100 ms");
}

// Resident memory of the process after the open (document and viewer
// state alive), per unit, and what stays resident once they are gone, both
// against the process before it opened any history.
void BM_HeldPerUnit(benchmark::State& state) {
    const int64_t units = state.range(0);
    const std::string& path = bench::HistoryFile(units);
    store::clsBar bar;
    double perUnit = 0;
    double afterClose = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const double before = NoFileResident();
        std::unique_ptr<Opened> o = Open(path, bar);
        if (!o) state.SkipWithError("open failed");
        perUnit = (ResidentBytes() - before) / static_cast<double>(units);
        o.reset();
        afterClose = (ResidentBytes() - before) / (1024.0 * 1024.0);
    }
    state.counters["bytes/unit"] = perUnit;
    state.counters["closed_MB"] = afterClose;
    state.SetLabel("goal bytes/unit <= 6.43, closed_MB <= 32");
}

// A history of one 300 MB line that never ends, opened as the viewer opens
// it and cancelled with the progress window's button once the bar passes
// 10, 50 or 90 percent: the time from the click until the viewer has its
// window back (the read returned and the cancelled history was dropped).
void BM_CancelOpenInLongLine(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const std::string& path = bench::OpenLineFile(int64_t{150} << 20);
    const double share = static_cast<double>(state.range(0)) / 100.0;
    store::clsBar bar;
    double clickToBack = 0;
    for (auto _ : state) {
        Clock::time_point clicked{};
        QTimer watch;
        watch.setInterval(0);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            store::frmBar* form = bar.Form();
            if (form == nullptr || clicked != Clock::time_point{}) return;
            if (form->ProgressBar1->value() >= share * form->ProgressBar1->maximum()) {
                clicked = Clock::now();
                form->cmdCancel->click();
            }
        });
        watch.start();
        const viewer::ui::ReadResult read = viewer::ui::HistoryRead(path, bar);
        const Clock::time_point back = Clock::now();
        watch.stop();
        if (read.Outcome != viewer::ui::ReadOutcome::Cancelled) state.SkipWithError("not cancelled");
        clickToBack = std::max(clickToBack, std::chrono::duration<double, std::milli>(back - clicked).count());
    }
    state.counters["click_to_back_ms"] = clickToBack;
    state.SetLabel("goal click_to_back_ms <= 500");
}

BENCHMARK(BM_OpenToFirstPage)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeldPerUnit)->Arg(1000000)->Arg(10000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CancelOpenInLongLine)->Arg(10)->Arg(50)->Arg(90)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    store::CodeTableRead();
    NoFileResidentTake();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
