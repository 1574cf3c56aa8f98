// How fast Dissecto prints its frame list on the PDF printer, with and
// without link names, and what memory the run takes on top of the open
// document: the list keeps one row in hand, so its peak must stay the same
// for 10,000 and 100,000 frames.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "FramePrinting.h"
#include "FrameFileWriter.h"
#include "PeakMeter.h"
#include "ProtocolPrintSource.h"
#include "ProtocolRowSource.h"
#include "RowFilter.h"
#include "RowTable.h"
#include "clsFrameConfig.h"
#include "clsLink.h"
#include "clsProtocol.h"
#include "platform/ui/Printer.h"

namespace {

std::string TempPath(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

// A frame file of count frames of 20 bytes under a two-item
// configuration (a code byte, then data), and a link table naming the
// seven codes.
struct Document {
    frames::clsProtocol Doc;
    std::unique_ptr<analyser::ui::ProtocolRowSource> Source;
    std::unique_ptr<analyser::AllFramesFilter> Rows;
    std::string Link;
};

const std::string& ConfigFile() {
    static const std::string path = [] {
        const std::string p = TempPath("ky-bench-print.kyf");
        frames::clsFrameConfig c;
        c.FrameName("ベンチ構成");
        c.ItemMax(2);
        c.ItemName(0, "コード");
        c.ItemType(0, frames::kItemCode);
        c.ItemSize(0, 8);
        c.ItemName(1, "データ");
        c.ItemType(1, frames::kItemData);
        c.ItemSize(1, 0);
        if (!c.FrameWrite(p)) std::abort();
        return p;
    }();
    return path;
}

const std::string& LinkFile() {
    static const std::string path = [] {
        const std::string p = TempPath("ky-bench-print.kyl");
        frames::clsLink link;
        link.LinkName("ベンチ表");
        link.ItemMax(1);
        link.LinkMax(7);
        link.Position(0, 1);
        for (int code = 0; code < 7; ++code) {
            link.ListIndex(code);
            link.ObjectCode(0, code);
            link.ItemName("コマンド" + std::to_string(code));
            link.Direction(code % 2 + 1);
        }
        if (!link.LinkWritre(p)) std::abort();
        return p;
    }();
    return path;
}

Document& Frames(int count) {
    static std::map<int, std::unique_ptr<Document>> made;
    auto& d = made[count];
    if (d) return *d;
    d = std::make_unique<Document>();
    const std::string path = TempPath("ky-bench-print.kyp");
    frames::FrameFileHeader header;
    header.FrameFile = frames::FileText::FromUtf8(ConfigFile());
    frames::FrameFileWriter out(path);
    if (!out.Header(header)) std::abort();
    uint32_t seed = 1;
    std::string data(20, '\0');
    for (int i = 0; i < count; ++i) {
        data[0] = static_cast<char>(i % 7);
        for (size_t k = 1; k < data.size(); ++k) {
            seed = seed * 1103515245u + 12345u;
            data[k] = static_cast<char>(seed >> 24);
        }
        out.Frame(45000 + i / 86400.0, static_cast<uint8_t>(0x80 | (i & 2)), 0, "", "", data);
    }
    if (!out.Commit() || d->Doc.FileRead(path) != 0) std::abort();
    std::filesystem::remove(path);
    d->Source = std::make_unique<analyser::ui::ProtocolRowSource>(d->Doc);
    d->Rows = std::make_unique<analyser::AllFramesFilter>(d->Doc.FrameMax());
    return *d;
}

// range(0): frames; range(1): 1 with link names, 0 without.
void BM_FrameListPdf(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const bool linked = state.range(1) != 0;
    Document& d = Frames(count);
    analyser::RowTable table;
    std::unique_ptr<analyser::FrameNamer> namer;
    if (linked) {
        auto link = std::make_unique<frames::clsLink>();
        if (!link->LinkRead(LinkFile()) || !link->DataJoint(d.Doc)) std::abort();
        namer = std::make_unique<analyser::ui::LinkRowNamer>(std::move(link));
    }
    table.Reset(d.Source.get(), std::move(namer), analyser::FrameViewCode::Hex);
    const analyser::ProtocolPrintSource source(d.Doc, *d.Rows, table);
    const std::string pdf = TempPath("ky-bench-frames.pdf");
    platform::Printer::SetCurrent(QString());
    double growth = 0;
    for (auto _ : state) {
        PeakMeter meter;
        int32_t rows = 0;
        analyser::ui::FramePrintRun run;
        run.Rows = &source;
        run.Job.SelLink = linked;
        run.Job.FrameName = d.Doc.FrameConfig().FrameName();
        run.PdfPath = pdf;
        run.StillValid = [&] {
            if (++rows % 1024 == 0) meter.Sample();
            return true;
        };
        if (!analyser::ui::FrameListPrint(run).Completed) state.SkipWithError("the PDF was not written");
        meter.Sample();
        growth = std::max(growth, meter.GrowthMegabytes());
    }
    std::filesystem::remove(pdf);
    state.counters["frames_per_s"] =
        benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["peak_growth_MB"] = growth;
    state.SetLabel("goal >= 10k frames/s, peak growth flat (< 32 MB)");
}

BENCHMARK(BM_FrameListPdf)
    ->ArgNames({"frames", "linked"})
    ->ArgsProduct({{10000, 100000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(ConfigFile());
    std::filesystem::remove(LinkFile());
    return 0;
}
