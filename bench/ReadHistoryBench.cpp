// How fast the store reads a history: KY2 files shaped like a capture with
// character times, of a full capture file (60,000 units) and of long
// converted histories (1,000,000 and 10,000,000 units). Beside each read,
// in the same iteration, the least any reader of the file must do: read it
// whole and find its line ends (read + memchr). x_read_memchr is the
// store's time over that one.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "BenchHistory.h"
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

BENCHMARK(BM_ReadHistory)->Arg(60000)->Arg(1000000)->Arg(10000000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
