// What the analyser's user waits for in a long frame file: a search that
// finds nothing (so it walks every row) by text in captions and comments,
// by bytes in the data and by error flags; and saving every frame over the
// open file. 1,000,000 frames of 20 bytes, a comment on one frame in ten,
// in the real main window on Qt's offscreen screen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FrameComment.h"
#include "FrameFileHeader.h"
#include "FrameFileWriter.h"
#include "clsFrameConfig.h"
#include "clsProtocol.h"
#include "frmFind.h"
#include "frmMain.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFrames = 1000000;

const fs::path& Folder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / ("dissecto-find-bench-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

std::string FramesFile() {
    static const std::string path = [] {
        const std::string kyf = (Folder() / "bench.kyf").string();
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
        if (!config.FrameWrite(kyf)) std::abort();
        const std::string p = (Folder() / "frames.kyp").string();
        frames::FrameFileHeader header;
        header.FrameFile = frames::FileText::FromUtf8(kyf);
        frames::FrameFileWriter writer(p);
        if (!writer.Header(header)) std::abort();
        const std::string comment = frames::CommentStore("応答待ち");
        std::string data(20, '\0');
        for (int i = 0; i < kFrames; ++i) {
            // Bytes 0x00 to 0x7F only: the data search looks for 0xFF 0xFE.
            for (size_t b = 0; b < data.size(); ++b) data[b] = static_cast<char>((i * 7 + b * 13) & 0x7F);
            const auto status = static_cast<uint8_t>(0x80 | (i % 2 == 1 ? 0x02 : 0));
            writer.Frame(45000.5 + i / 86400.0, status, 0, i % 10 == 0 ? comment : std::string(), std::string(),
                         data);
        }
        if (!writer.Commit()) std::abort();
        return p;
    }();
    return path;
}

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
        if (!w->fFileOpenKYP(FramesFile())) std::abort();
        analyser::ui::frmFind* find = w->FindWindow(true);
        find->chkCommentL->setChecked(true);
        find->chkCommentR->setChecked(true);
        return w;
    }();
    return *window;
}

// range(0): 0 text in captions and both comments, 1 bytes, 2 error flags.
void BM_SearchWithoutHit(benchmark::State& state) {
    analyser::ui::frmMain& w = Window();
    w.FindWindow(true)->cmbDirection->setCurrentIndex(2);
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
    state.counters["MB"] = static_cast<double>(fs::file_size(FramesFile())) / 1e6;
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
    std::error_code ec;
    fs::remove_all(Folder(), ec);
    return 0;
}
