// How fast the viewer loads a history: one KY2 file of a full capture file
// (60,000 units) and one of a long converted history (1,000,000 units).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "FileSave.h"
#include "clsCommon.h"

namespace {

// Writes, once per size, a history of both directions with character
// times, twenty units a second.
const std::string& HistoryFile(int units) {
    static std::map<int, std::string> files;
    auto& path = files[units];
    if (!path.empty()) return path;
    path = (std::filesystem::temp_directory_path() /
            ("ky-bench-" + std::to_string(units) + ".ky2")).string();
    store::clsCommon doc;
    for (int i = 0; i < units; ++i) {
        const auto attr = static_cast<uint8_t>(0x80 | (i % 3 == 0 ? 0x02 : 0) | (i % 97 == 0 ? 0x10 : 0));
        doc.RecordAdd(45000.0 + (i / 20) / 86400.0, attr, static_cast<uint8_t>(i));
        if (i % 4 == 0) doc.CharTimeSet(store::CharTimeWord(1, static_cast<uint16_t>(i % 1024)));
    }
    if (store::HistorySave(doc, path, {}) != 0) std::abort();
    return path;
}

void BM_ReadHistory(benchmark::State& state) {
    const int units = static_cast<int>(state.range(0));
    const std::string& path = HistoryFile(units);
    for (auto _ : state) {
        store::clsCommon doc;
        if (!doc.Read(path)) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(doc.GetTrigPos());
    }
    state.SetItemsProcessed(state.iterations() * units);
    state.counters["records/s"] =
        benchmark::Counter(static_cast<double>(units), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_ReadHistory)->Arg(60000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
