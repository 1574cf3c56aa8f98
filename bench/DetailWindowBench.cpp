// How fast a frame's detail window opens: the frame decoded into its items
// and dumped 16 bytes a row, for a short frame and for a frame as long as a
// whole history file (60,000 characters, one direction never cut). Runs the
// real window on Qt's offscreen screen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "FrameFileHeader.h"
#include "FrameFileWriter.h"
#include "clsFrameConfig.h"
#include "clsProtocol.h"
#include "frmdetails.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / ("detail-bench-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

// A code byte, a 16-bit length and the rest of the frame as data.
std::shared_ptr<frames::clsProtocol> Document(int bytes) {
    static std::map<int, std::shared_ptr<frames::clsProtocol>> made;
    if (auto it = made.find(bytes); it != made.end()) return it->second;
    const std::string kyf = (Folder() / "bench.kyf").string();
    frames::clsFrameConfig config;
    config.FrameName("ベンチ");
    config.ItemMax(3);
    const char* names[] = {"コード", "長さ", "データ"};
    const int16_t types[] = {0, 1, 2};
    const int16_t sizes[] = {8, 16, 0};
    for (int i = 0; i < 3; ++i) {
        config.ItemName(i, names[i]);
        config.ItemType(i, types[i]);
        config.ItemSize(i, sizes[i]);
    }
    config.ItemSpan(2, 2);
    if (!config.FrameWrite(kyf)) std::abort();
    const std::string path = (Folder() / ("frame-" + std::to_string(bytes) + ".kyp")).string();
    frames::FrameFileHeader header;
    header.FrameFile = frames::FileText::FromUtf8(kyf);
    header.monitor.ChrTime = 1;
    frames::FrameFileWriter writer(path);
    if (!writer.Header(header)) std::abort();
    std::string data(static_cast<size_t>(bytes), '\0');
    for (size_t b = 0; b < data.size(); ++b) data[b] = static_cast<char>(b * 13 + 7);
    const size_t length = data.size() - 3;
    data[1] = static_cast<char>(length >> 8);
    data[2] = static_cast<char>(length);
    writer.Frame(45000.5, 0x80, 0x2000, "", "", data);
    if (!writer.Commit()) std::abort();
    auto doc = std::make_shared<frames::clsProtocol>();
    if (doc->FileRead(path) != frames::clsProtocol::kReadDone) std::abort();
    return made[bytes] = doc;
}

void BM_DetailWindowOpen(benchmark::State& state) {
    const std::shared_ptr<frames::clsProtocol> doc = Document(static_cast<int>(state.range(0)));
    auto hooks = std::make_shared<analyser::ui::DetailHooks>();
    for (auto _ : state) {
        analyser::ui::frmdetails* window = analyser::ui::frmdetails::DataProc(doc, 0, "", "", hooks, nullptr);
        if (window == nullptr) {
            state.SkipWithError("no window");
            break;
        }
        window->repaint();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
    state.SetLabel("goal <= 100 ms");
}

BENCHMARK(BM_DetailWindowOpen)->ArgName("bytes")->Arg(64)->Arg(60000)->Unit(benchmark::kMillisecond);

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
