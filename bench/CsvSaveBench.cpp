// Writing a long history as CSV: the rate at which the table reaches the
// file, for histories of 1,000,000 and 10,000,000 units read from KY2
// files of a capture's usual shape.
#include <benchmark/benchmark.h>

#include <sys/stat.h>

#include <map>
#include <memory>

#include "BenchHistory.h"
#include "FileSave.h"
#include "clsCommon.h"

namespace {

const store::clsCommon& Loaded(int64_t units) {
    static std::map<int64_t, std::unique_ptr<store::clsCommon>> docs;
    auto& doc = docs[units];
    if (!doc) {
        doc = std::make_unique<store::clsCommon>();
        if (!doc->Read(bench::HistoryFile(units))) std::abort();
    }
    return *doc;
}

void BM_CsvSave(benchmark::State& state) {
    const store::clsCommon& doc = Loaded(state.range(0));
    const std::string target = bench::OutputPath("save.csv");
    int64_t written = 0;
    for (auto _ : state) {
        if (store::CsvSave(doc, target, {}) != 0) state.SkipWithError("save failed");
        struct stat st {};
        ::stat(target.c_str(), &st);
        written += st.st_size;
    }
    state.SetBytesProcessed(written);
    state.SetLabel("goal >= 300 MB/s");
}

BENCHMARK(BM_CsvSave)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
