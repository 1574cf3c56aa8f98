// How fast a long history becomes frames: a KY2 history of 1,000,000
// characters (written by the history store, a character time on one in
// eight) converted at CR LF, by PPP framing and by a 3-item layout, the
// whole history each time; and how fast 1,000,000 frames are filtered by
// link name against a link table of 100 rows.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "BenchHistory.h"
#include "FrameFileWriter.h"
#include "clsAnalysis.h"
#include "clsFilter.h"
#include "clsFrameConfig.h"
#include "clsLink.h"
#include "clsProtocol.h"
#include "his/store/FileSave.h"
#include "his/store/Ky2Format.h"
#include "his/store/clsCommon.h"

namespace {

constexpr int kUnits = 1000000;
constexpr int kFrames = 1000000;
constexpr int kLinkRows = 100;

// A file of this run in the temporary folder, removed at exit.
std::string TempPath(const std::string& name) { return bench::OutputPath("convert-" + name); }

// Costs what the real progress window costs the loop.
class QuietProgress : public store::ProgressSink {
public:
    void Show(int32_t, const std::string&) override {}
    void PosValue(int32_t value) override { benchmark::DoNotOptimize(value); }
    bool Cancel() const override { return false; }
    void Clear() override {}
    void Yield() override {}
};

// A history of kUnits characters; next(i) gives character i's attribute
// and data byte. A new second every 100 characters.
std::string History(const std::string& name, const std::function<std::pair<uint8_t, uint8_t>(int)>& next) {
    const std::string path = TempPath(name + ".ky2");
    store::clsCommon doc;
    doc.MonitorStart(46365.0);
    for (int i = 0; i < kUnits; ++i) {
        const auto [attr, data] = next(i);
        if (!doc.RecordAdd(46365.0 + (i / 100) / 86400.0, attr, data)) std::abort();
        if (i % 8 == 0) doc.CharTimeSet(store::CharTimeWord(0, static_cast<uint16_t>(i % 1000)));
    }
    if (store::HistorySave(doc, path, store::SaveRange{}) != 0) std::abort();
    return path;
}

std::string Layout(const std::string& name, std::initializer_list<std::array<int16_t, 3>> items) {
    const std::string path = TempPath(name + ".kyf");
    frames::clsFrameConfig c;
    c.ItemMax(static_cast<int16_t>(items.size()));
    int k = 0;
    for (const auto& [type, size, span] : items) {
        c.ItemType(k, type);
        c.ItemSize(k, size);
        c.ItemSpan(k, span);
        ++k;
    }
    if (!c.FrameWrite(path)) std::abort();
    return path;
}

uint8_t Pseudo(int i) { return static_cast<uint8_t>((static_cast<uint32_t>(i) * 2654435761u) >> 24); }

// Text lines of 30 characters ending CR LF, commands on SD and answers on RD.
std::pair<uint8_t, uint8_t> TextLines(int i) {
    const int line = i / 32, at = i % 32;
    const uint8_t attr = line % 2 ? 0x82 : 0x80;
    if (at == 30) return {attr, 0x0D};
    if (at == 31) return {attr, 0x0A};
    return {attr, static_cast<uint8_t>('A' + Pseudo(i) % 26)};
}

// PPP frames of 32 characters: flag, address, control, protocol, 25 bytes
// of information (escapes among them), FCS, flag; the two directions by turns.
std::pair<uint8_t, uint8_t> PppFrames(int i) {
    const int frame = i / 32, at = i % 32;
    const uint8_t attr = frame % 2 ? 0x82 : 0x80;
    static constexpr uint8_t kHead[] = {0x7E, 0xFF, 0x03, 0xC0, 0x21};
    if (at < 5) return {attr, kHead[at]};
    if (at == 31) return {attr, 0x7E};
    const uint8_t b = Pseudo(i);
    return {attr, b == 0x7E ? 0x7D : b};
}

// Kind, length 10, ten data bytes: frames of 12 characters.
std::pair<uint8_t, uint8_t> LayoutFrames(int i) {
    const int frame = i / 12, at = i % 12;
    const uint8_t attr = frame % 3 == 2 ? 0x82 : 0x80;
    if (at == 0) return {attr, static_cast<uint8_t>(frame % 100)};
    if (at == 1) return {attr, 10};
    return {attr, Pseudo(i)};
}

void Convert(benchmark::State& state, const std::string& history, const std::string& layout, int cutMode) {
    frames::clsAnalysis conv;
    conv.FrameMax(kUnits);
    if (cutMode > 0) conv.CutMode(cutMode, 1);
    QuietProgress progress;
    const std::string out = TempPath("out.kyp");
    for (auto _ : state) {
        if (!conv.ProtocolConv(history, out, layout, "", 0, &progress)) state.SkipWithError("conversion failed");
    }
    frames::clsProtocol doc;
    doc.FileRead(out, layout);
    const auto bytes = static_cast<double>(std::filesystem::file_size(history));
    state.counters["source MB"] = bytes / 1e6;
    state.counters["MB/s"] = benchmark::Counter(bytes / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["frames"] = doc.FrameMax();
    state.SetLabel("goal >= 50 MB/s of source");
}

void BM_ConvertCrLf(benchmark::State& state) {
    static const std::string history = History("text", TextLines);
    static const std::string layout = Layout("open", {{frames::kItemData, 0, 0}});
    Convert(state, history, layout, 1);
}

void BM_ConvertPpp(benchmark::State& state) {
    static const std::string history = History("ppp", PppFrames);
    static const std::string layout = [] {
        const std::string path = TempPath("ppp.kyf");
        if (!frames::clsFrameConfig().FramePPPWrite(path)) std::abort();
        return path;
    }();
    Convert(state, history, layout, 0);
}

void BM_ConvertItemLayout(benchmark::State& state) {
    static const std::string history = History("items", LayoutFrames);
    static const std::string layout =
        Layout("items", {{frames::kItemCode, 8, 0}, {frames::kItemLength, 8, 0}, {frames::kItemData, 0, 2}});
    Convert(state, history, layout, 0);
}

// 1,000,000 frames of a code byte and a few data bytes, and a table that
// names codes 0 to 99; a frame's code is 0 to 119, so one in six has no row.
void BM_FilterByLinkName(benchmark::State& state) {
    const std::string layout = Layout("filter", {{frames::kItemCode, 8, 0}, {frames::kItemData, 0, 0}});
    const std::string table = TempPath("filter.kyl");
    const std::string kyp = TempPath("filter.kyp");
    frames::clsLink link;
    link.LinkMax(kLinkRows);
    link.ItemMax(1);
    link.Position(0, 1);
    for (int r = 0; r < kLinkRows; ++r) {
        link.ListIndex(r);
        link.ObjectCode(0, r);
        link.ItemName((r % 2 ? "応答 " : "要求 ") + std::to_string(r));
        link.Direction(1 + r % 2);
    }
    if (!link.LinkWritre(table)) std::abort();
    frames::FrameFileHeader header;
    header.FrameFile = frames::FileText::FromUtf8(layout);
    header.LinkFile = frames::FileText::FromUtf8(table);
    frames::FrameFileWriter out(kyp);
    if (!out.Header(header)) std::abort();
    std::string data(6, '\0');
    for (int i = 0; i < kFrames; ++i) {
        data[0] = static_cast<char>(Pseudo(i) % 120);
        for (size_t k = 1; k < data.size(); ++k) data[k] = static_cast<char>(Pseudo(i + static_cast<int>(k)));
        out.Frame(46365.0 + i / 86400.0, static_cast<uint8_t>(0x80 | (i & 2)), 0, "", "", data);
    }
    if (!out.Commit()) std::abort();
    frames::clsProtocol doc;
    if (doc.FileRead(kyp) != 0 || doc.FrameMax() != kFrames) state.SkipWithError("frames not read");

    frames::clsFilter filter;
    filter.FilterOption(0, 1);
    filter.LinkNameMax(1);
    filter.LinkName(0, "応答");
    QuietProgress progress;
    for (auto _ : state) {
        std::string linkFile;
        if (!filter.Filter(doc, linkFile, &progress)) state.SkipWithError("filter cancelled");
    }
    state.counters["passed"] = filter.FilterMax();
    state.counters["frames/s"] = benchmark::Counter(kFrames, benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel("goal <= 1 s for 1,000,000 frames");
}

BENCHMARK(BM_ConvertCrLf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ConvertPpp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ConvertItemLayout)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FilterByLinkName)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
