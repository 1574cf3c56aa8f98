// How fast the analyser shows a long frame file: from the open command to
// its first drawn page, and one Page Down near the start and near the
// end, at 1,000 and 1,000,000 frames (about 20 bytes each, a comment on
// one frame in ten). Runs the real main window on Qt's offscreen screen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "CommentColumn.h"
#include "FrameChart.h"
#include "FrameComment.h"
#include "FrameFileHeader.h"
#include "FrameFileWriter.h"
#include "clsFrameConfig.h"
#include "frmMain.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / ("dissecto-bench-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

std::string ConfigFile() {
    static const std::string path = [] {
        const std::string p = (Folder() / "bench.kyf").string();
        frames::clsFrameConfig config;
        config.FrameName("ベンチ");
        config.ItemMax(3);
        const char* names[] = {"アドレス", "コマンド", "データ"};
        const int16_t sizes[] = {8, 8, 0};
        for (int i = 0; i < 3; ++i) {
            config.ItemName(i, names[i]);
            config.ItemType(i, 2);
            config.ItemSize(i, sizes[i]);
        }
        if (!config.FrameWrite(p)) std::abort();
        return p;
    }();
    return path;
}

std::string FramesFile(int count) {
    static std::map<int, std::string> made;
    if (auto it = made.find(count); it != made.end()) return it->second;
    const std::string path = (Folder() / ("frames-" + std::to_string(count) + ".kyp")).string();
    frames::FrameFileHeader header;
    header.FrameFile = frames::FileText::FromUtf8(ConfigFile());
    header.SpotA = frames::FileText::FromUtf8("ホスト");
    header.SpotB = frames::FileText::FromUtf8("端末");
    header.monitor.ChrTime = 1;
    frames::FrameFileWriter writer(path);
    if (!writer.Header(header)) std::abort();
    const std::string comment = frames::CommentStore("応答待ち");
    std::string data(20, '\0');
    for (int i = 0; i < count; ++i) {
        for (size_t b = 0; b < data.size(); ++b) data[b] = static_cast<char>(i * 7 + b * 13);
        const auto status = static_cast<uint8_t>(0x80 | (i % 2 == 1 ? 0x02 : 0));
        writer.Frame(45000.5 + i / 86400.0, status, static_cast<int16_t>(0x2000 | (i % 1024)),
                     i % 10 == 0 ? comment : std::string(), std::string(), data);
    }
    if (!writer.Commit()) std::abort();
    return made[count] = path;
}

// One main window for the whole run, at a size a user would keep it.
analyser::ui::frmMain& Window() {
    static analyser::ui::frmMain* window = [] {
        auto* w = new analyser::ui::frmMain(Folder().string());
        w->MessageShow = [](const std::string& text, int16_t) {
            std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
            std::abort();
        };
        w->Form_Load();
        w->resize(1000, 740);
        w->show();
        QApplication::processEvents();
        w->mnuViewArrangement_Click();
        return w;
    }();
    return *window;
}

void Paint(analyser::ui::frmMain& w) {
    w.picFrameView->repaint();
    w.picCommentsL->repaint();
    w.picCommentsR->repaint();
}

void BM_OpenToFirstPage(benchmark::State& state) {
    const std::string path = FramesFile(static_cast<int>(state.range(0)));
    analyser::ui::frmMain& w = Window();
    for (auto _ : state) {
        if (!w.fFileOpenKYP(path)) state.SkipWithError("open failed");
        Paint(w);
    }
    state.SetLabel("goal <= 1500 ms");
}

// range(1): 0 near the start, 1 near the end.
void BM_PageDown(benchmark::State& state) {
    const auto frames = static_cast<int32_t>(state.range(0));
    analyser::ui::frmMain& w = Window();
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
    std::error_code ec;
    fs::remove_all(Folder(), ec);
    return 0;
}
