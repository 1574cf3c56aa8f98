// How fast the store reads a history: KY2 files shaped like a capture with
// character times, of a full capture file (60,000 units) and of long
// converted histories (1,000,000 and 10,000,000 units). Beside each read,
// in the same iteration, the least any reader of the file must do: read it
// whole and find its line ends (read + memchr). x_read_memchr is the
// store's time over that one. Also the memory a read holds, as the process
// holds it, for short lines and long ones; what it reads of a file that is
// mostly one long line; and how soon a cancel inside a long line ends the
// read.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "BenchHistory.h"
#include "PeakMeter.h"
#include "Progress.h"
#include "clsCommon.h"

namespace {

using Clock = std::chrono::steady_clock;

// The file read in large blocks and its LF bytes counted; -1 when it
// cannot be read.
int64_t ReadAndFindLineEnds(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    static std::vector<char> block(1 << 20);
    int64_t lines = 0;
    for (;;) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got <= 0) break;
        const char* at = block.data();
        const char* end = at + got;
        while (const void* lf = std::memchr(at, '\n', static_cast<size_t>(end - at))) {
            ++lines;
            at = static_cast<const char*>(lf) + 1;
        }
    }
    ::close(fd);
    return lines;
}

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

void BM_ReadHistory(benchmark::State& state) {
    const int64_t units = state.range(0);
    const std::string& path = bench::HistoryFile(units);
    double storeSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(ReadAndFindLineEnds(path));
        plainSeconds += Seconds(start);

        start = Clock::now();
        {
            store::clsCommon doc;
            if (!doc.Read(path)) state.SkipWithError("read failed");
            benchmark::DoNotOptimize(doc.GetTrigPos());
        }
        const double took = Seconds(start);
        storeSeconds += took;
        state.SetIterationTime(took);
    }
    state.counters["units/s"] =
        benchmark::Counter(static_cast<double>(units), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["read_memchr_ms"] = 1000.0 * plainSeconds / static_cast<double>(state.iterations());
    state.counters["x_read_memchr"] = plainSeconds > 0 ? storeSeconds / plainSeconds : 0;
    state.SetLabel(units >= 1000000 ? "goal x_read_memchr <= 3" : "no goal");
}

// Resident memory after the read alone, per unit, and what stays resident
// once the history is closed, both against the process before it opened
// any history.
void BM_ReadHeld(benchmark::State& state) {
    const int64_t units = state.range(0);
    const std::string& path = bench::HistoryFile(units);
    double perUnit = 0;
    double afterClose = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const double before = NoFileResident();
        {
            store::clsCommon doc;
            if (!doc.Read(path)) state.SkipWithError("read failed");
            perUnit = (ResidentBytes() - before) / static_cast<double>(units);
        }
        afterClose = (ResidentBytes() - before) / (1024.0 * 1024.0);
    }
    state.counters["bytes/unit"] = perUnit;
    state.counters["closed_MB"] = afterClose;
    state.SetLabel("goal bytes/unit <= 5.5, closed_MB <= 32");
}

// Histories of long lines, 4 bytes a unit: 100 MB of lines from 1 MB to
// 20 MB between runs of short ones, one line of 200 MB, and four lines of
// 50 MB; beside them 50 MB of short lines.
const std::string& MixedLongLines() {
    static const std::vector<int64_t> lines = [] {
        std::vector<int64_t> units;
        const int64_t longOnes[] = {250000, 5000000, 500000, 2500000, 1000000, 4000000, 750000, 2000000};
        int64_t total = 0;
        for (int k = 0; total < 25000000; ++k) {
            for (int n = 0; n < 1000; ++n) units.push_back(6);
            units.push_back(longOnes[k % 8]);
            total += 6000 + longOnes[k % 8];
        }
        return units;
    }();
    return bench::LongLinesFile("mixed-long-lines", lines);
}
const std::string& OneLine200() { return bench::LongLinesFile("one-line-200", {50000000}); }
const std::string& FourLines50() {
    return bench::LongLinesFile("four-lines-50", {12500000, 12500000, 12500000, 12500000});
}
const std::string& OneLine50() { return bench::LongLinesFile("one-line-50", {12500000}); }

// Histories opened and closed one after another, round the list: the
// most resident while one is open and the most that stays resident after
// a close, against the process before it opened any.
void OpensOneAfterAnother(benchmark::State& state, const std::vector<const std::string*>& files, int opens) {
    double afterClose = 0;
    double mostHeld = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const double before = NoFileResident();
        for (int n = 0; n < opens; ++n) {
            {
                store::clsCommon doc;
                if (!doc.Read(*files[static_cast<size_t>(n) % files.size()])) state.SkipWithError("read failed");
                mostHeld = std::max(mostHeld, (ResidentBytes() - before) / (1024.0 * 1024.0));
            }
            afterClose = std::max(afterClose, (ResidentBytes() - before) / (1024.0 * 1024.0));
        }
    }
    state.counters["held_MB"] = mostHeld;
    state.counters["closed_MB"] = afterClose;
    state.SetLabel("goal closed_MB <= 32");
}

// Twelve long histories of every shape (50 to 200 MB, short lines and
// lines of 1 MB to 200 MB).
void BM_TwelveOpens(benchmark::State& state) {
    OpensOneAfterAnother(state, {&MixedLongLines(), &OneLine200(), &bench::HistoryFile(6000000), &FourLines50()}, 12);
}

// A history of one 50 MB line read three times.
void BM_LongLineThrice(benchmark::State& state) { OpensOneAfterAnother(state, {&OneLine50()}, 3); }

// Presses cancel once the bar has passed a share of the file, as a user
// would, and remembers when.
class CancelAt final : public store::ProgressSink {
public:
    explicit CancelAt(double share) : share_(share) {}
    void Show(int32_t aMax, const std::string&) override { max_ = aMax; }
    void PosValue(int32_t value) override {
        if (!cancel_ && static_cast<double>(value) >= share_ * max_) {
            cancel_ = true;
            pressed_ = Clock::now();
        }
    }
    bool Cancel() const override { return cancel_; }
    void Clear() override {}
    void Yield() override {}
    Clock::time_point Pressed() const { return pressed_; }

private:
    double share_;
    double max_ = 0;
    bool cancel_ = false;
    Clock::time_point pressed_;
};

// A history of one 300 MB line that never ends, cancelled when the bar
// passes 10, 50 or 90 percent: the time from the press until the read
// returns, the most resident while it went on, and what stays resident
// once the cancelled history is dropped.
void BM_CancelInLongLine(benchmark::State& state) {
    const std::string& path = bench::OpenLineFile(int64_t{150} << 20);
    double pressToReturn = 0;
    double peak = 0;
    double afterClose = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const double before = NoFileResident();
        ResidentPeakReset();
        CancelAt bar(static_cast<double>(state.range(0)) / 100.0);
        {
            store::clsCommon doc;
            doc.Read(path, &bar);
            pressToReturn = std::max(pressToReturn, 1000.0 * Seconds(bar.Pressed()));
            peak = (ResidentPeakBytes() - before) / (1024.0 * 1024.0);
        }
        if (!bar.Cancel()) state.SkipWithError("never cancelled");
        afterClose = (ResidentBytes() - before) / (1024.0 * 1024.0);
    }
    state.counters["press_to_return_ms"] = pressToReturn;
    state.counters["peak_MB"] = peak;
    state.counters["closed_MB"] = afterClose;
    state.SetLabel("goal press_to_return_ms <= 200, closed_MB <= 32");
}

// A history whose first 80 KB hold dense data lines and whose last line is
// 300 MB long without a record: the most resident memory while it is read,
// over what the process held before, and the bytes read over the file's
// length.
void BM_LongLinePeak(benchmark::State& state) {
    static const std::string path = [] {
        const std::string p = bench::OutputPath("long-line.ky2");
        std::FILE* f = std::fopen(p.c_str(), "wb");
        const std::string& dense = bench::HistoryFile(20000);
        std::FILE* in = std::fopen(dense.c_str(), "rb");
        std::vector<char> head(80 << 10);
        const size_t got = std::fread(head.data(), 1, head.size(), in);
        std::fclose(in);
        size_t end = got;
        while (end > 1 && !(head[end - 2] == '\r' && head[end - 1] == '\n')) --end;
        std::fwrite(head.data(), 1, end, f);
        const std::string start = "2024/05/06 07:08:09,\x44\x01";
        std::fwrite(start.data(), 1, start.size(), f);
        const std::string filler(1 << 20, 'x');
        for (int i = 0; i < 300; ++i) std::fwrite(filler.data(), 1, filler.size(), f);
        std::fwrite("\r\n", 1, 2, f);
        std::fclose(f);
        return p;
    }();
    double peak = 0;
    double readShare = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const double before = ResidentBytes();
        const int64_t readBefore = BytesRead();
        ResidentPeakReset();
        {
            store::clsCommon doc;
            if (!doc.Read(path)) state.SkipWithError("read failed");
        }
        peak = (ResidentPeakBytes() - before) / (1024.0 * 1024.0);
        readShare = static_cast<double>(BytesRead() - readBefore) / static_cast<double>(FileBytes(path.c_str()));
    }
    state.counters["peak_MB"] = peak;
    state.counters["read_x_file"] = readShare;
    state.SetLabel("goal peak_MB <= 550, read_x_file <= 1.2");
}

BENCHMARK(BM_ReadHistory)->Arg(60000)->Arg(1000000)->Arg(10000000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadHeld)->Arg(10000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwelveOpens)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongLineThrice)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CancelInLongLine)->Arg(10)->Arg(50)->Arg(90)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongLinePeak)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    NoFileResidentTake();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
