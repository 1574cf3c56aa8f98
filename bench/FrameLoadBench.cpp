// How fast the analyser opens a long frame file: 1,000,000 frames of about
// 20 bytes under a 5-item configuration, a comment on one frame in ten;
// what the open document holds per frame beyond the frames' bytes; and how
// fast frames divide into their items.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "BenchHistory.h"
#include "FrameComment.h"
#include "FrameFileWriter.h"
#include "clsFrameConfig.h"
#include "clsProtocol.h"

namespace {

constexpr int kFrames = 1000000;

// Costs what the real progress window costs the loop: a flag, a stored
// position, and a clock read to decide whether events are due.
class ClockProgress : public store::ProgressSink {
public:
    void Show(int32_t, const std::string&) override {}
    void PosValue(int32_t value) override { position_ = value; }
    bool Cancel() const override { return false; }
    void Clear() override {}
    void Yield() override { benchmark::DoNotOptimize(std::chrono::steady_clock::now()); }

private:
    int32_t position_ = 0;
};

struct Files {
    std::string config;
    std::string frames;
};

const Files& BenchFiles() {
    static Files files;
    if (!files.frames.empty()) return files;
    files.config = bench::OutputPath("frames.kyf");
    files.frames = bench::OutputPath("frames.kyp");

    // kind, length, data (what the length leaves), CRC, end mark.
    frames::clsFrameConfig c;
    c.FrameName("ベンチ");
    c.ItemMax(5);
    const int16_t types[] = {frames::kItemCode, frames::kItemLength, frames::kItemData, frames::kItemData,
                             frames::kItemCode};
    const int16_t sizes[] = {8, 8, 0, 16, 8};
    const int16_t spans[] = {0, 0, 2, 2, 0};
    for (int i = 0; i < 5; ++i) {
        c.ItemType(i, types[i]);
        c.ItemSize(i, sizes[i]);
        c.ItemSpan(i, spans[i]);
    }
    if (!c.FrameWrite(files.config)) std::abort();

    frames::FrameFileHeader header;
    header.FrameFile = frames::FileText::FromUtf8(files.config);
    frames::FrameFileWriter out(files.frames);
    if (!out.Header(header)) std::abort();
    const std::string comment = frames::CommentStore("確認済み 応答待ち");
    uint32_t seed = 1;
    std::string data(20, '\0');
    for (int i = 0; i < kFrames; ++i) {
        data[0] = static_cast<char>(i % 7);
        data[1] = 16;  // 14 data bytes and the 2-byte CRC
        for (size_t k = 2; k < 19; ++k) {
            seed = seed * 1103515245u + 12345u;
            data[k] = static_cast<char>(seed >> 24);  // 0x0A and 0x10 among them
        }
        data[19] = 0x03;
        out.Frame(45000 + i / 86400.0, static_cast<uint8_t>(0x80 | (i & 2)), 0x2000, i % 10 == 0 ? comment : "", "",
                  data);
    }
    if (!out.Commit()) std::abort();
    return files;
}

size_t HeapInUse() {
    const struct mallinfo2 m = ::mallinfo2();
    return m.uordblks + m.hblkhd;
}

void BM_LoadFrameFile(benchmark::State& state) {
    const Files& files = BenchFiles();
    ClockProgress progress;
    for (auto _ : state) {
        frames::clsProtocol doc;
        if (doc.FileRead(files.frames, "", &progress) != 0 || doc.FrameMax() != kFrames) {
            state.SkipWithError("read failed");
        }
        benchmark::DoNotOptimize(doc.FrameMax());
    }
    // What an open document keeps, measured on the heap.
    const size_t before = HeapInUse();
    frames::clsProtocol doc;
    doc.FileRead(files.frames);
    const size_t held = HeapInUse() - before;
    size_t dataBytes = 0;
    for (int32_t n = 0; n < doc.FrameMax(); ++n) dataBytes += doc.FrameBytes(n).size();
    state.counters["held B/frame"] = static_cast<double>(held - dataBytes) / kFrames;
    state.counters["frames/s"] = benchmark::Counter(kFrames, benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel("goal <= 1 s, <= 64 held B/frame beyond data");
}

void BM_DecodeItems(benchmark::State& state) {
    frames::clsProtocol doc;
    if (doc.FileRead(BenchFiles().frames) != 0) state.SkipWithError("read failed");
    for (auto _ : state) {
        double sum = 0;
        for (int32_t n = 0; n < doc.FrameMax(); ++n) sum += doc.FrameItems(n)[4].value;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["items/s"] = benchmark::Counter(5.0 * kFrames, benchmark::Counter::kIsIterationInvariantRate);
    state.SetLabel("report: item walk, 5 items a frame");
}

BENCHMARK(BM_LoadFrameFile)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DecodeItems)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
