// How fast the viewer's reports go over long histories and what memory they
// take on top of the history: the standard and the detailed HTML export and
// the printed listing on the PDF printer. Each keeps one line in memory, so
// its peak must stay the same for 100,000 and 1,000,000 records.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "CodeTable.h"
#include "HistoryPrinting.h"
#include "HtmlExport.h"
#include "PrnCode.h"
#include "clsCommon.h"
#include "platform/ui/Printer.h"

namespace {

// Resident memory now, in bytes.
double ResidentBytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

// The highest resident memory seen while a report runs, above what the
// process held when it started (freed memory handed back first, so that
// memory an earlier run left free does not hide new growth).
class PeakMeter {
public:
    PeakMeter() : base_((::malloc_trim(0), ResidentBytes())), peak_(base_) {}
    void Sample() { peak_ = std::max(peak_, ResidentBytes()); }
    double GrowthMegabytes() const { return (peak_ - base_) / (1024.0 * 1024.0); }

private:
    double base_;
    double peak_;
};

// A progress window that only samples memory.
class MeterSink final : public store::ProgressSink {
public:
    explicit MeterSink(PeakMeter& meter) : meter_(meter) {}
    void Show(int32_t, const std::string&) override {}
    void PosValue(int32_t) override { meter_.Sample(); }
    bool Cancel() const override { return false; }
    void Clear() override { meter_.Sample(); }
    void Yield() override {}

private:
    PeakMeter& meter_;
};

class MeterControl final : public reports::ReportControl {
public:
    explicit MeterControl(PeakMeter& meter) : meter_(meter) {}
    bool Proceed(int32_t record) override {
        if (record % 1024 == 0) meter_.Sample();
        return true;
    }

private:
    PeakMeter& meter_;
};

// Both directions with character times, twenty units a second; every
// seventh SD unit arrived together with the RD unit after it.
const store::clsCommon& History(int units) {
    static std::map<int, std::unique_ptr<store::clsCommon>> made;
    auto& doc = made[units];
    if (!doc) {
        doc = std::make_unique<store::clsCommon>();
        doc->CharTime(1);
        for (int i = 0; i < units; ++i) {
            const bool rd = i % 3 == 0;
            const uint8_t same = !rd && i % 7 == 0 ? store::kAttrSame : 0;
            const auto attr = static_cast<uint8_t>(0x80 | (rd ? store::kAttrRd : 0) | same);
            doc->RecordAdd(45000.0 + (i / 20) / 86400.0, attr, static_cast<uint8_t>(0x20 + i % 90));
            if (i % 4 == 0) doc->CharTimeSet(store::CharTimeWord(1, static_cast<uint16_t>(i % 1024)));
        }
    }
    return *doc;
}

std::string OutPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

reports::ReportOptions Dual() {
    reports::ReportOptions opts;
    opts.DspLine = 0;
    opts.DspCode = 1;
    opts.PrintCharTime = false;
    return opts;
}

void Report(benchmark::State& state, int units, double growth, const char* goal) {
    state.counters["records_per_s"] =
        benchmark::Counter(static_cast<double>(units), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["peak_growth_MB"] = growth;
    state.SetLabel(goal);
}

// range(0): records; range(1): the form, 1 standard or 2 detailed.
void BM_Html(benchmark::State& state) {
    const int units = static_cast<int>(state.range(0));
    const auto form = static_cast<reports::HtmlForm>(state.range(1));
    const store::clsCommon& doc = History(units);
    const std::string path = OutPath("ky-bench.html");
    double growth = 0;
    for (auto _ : state) {
        PeakMeter meter;
        MeterSink sink(meter);
        if (!reports::HtmlExport(doc, path, form, Dual(), &sink).Written()) {
            state.SkipWithError("the export failed");
        }
        growth = std::max(growth, meter.GrowthMegabytes());
    }
    std::filesystem::remove(path);
    Report(state, units, growth, "goal >= 1M records/s, peak growth flat (< 8 MB)");
}

void BM_PdfListing(benchmark::State& state) {
    const int units = static_cast<int>(state.range(0));
    const store::clsCommon& doc = History(units);
    const std::string path = OutPath("ky-bench-listing.pdf");
    platform::Printer::SetCurrent(QString());
    double growth = 0;
    int pages = 0;
    for (auto _ : state) {
        PeakMeter meter;
        MeterControl control(meter);
        platform::Printer printer;
        printer.ScaleLeft(-6);
        printer.FontSize(10);
        printer.FontName("ＭＳ 明朝");
        if (!printer.StartDoc(path)) state.SkipWithError("no PDF document");
        reports::ui::PrinterSink sink(printer);
        reports::ListingPrint(doc, Dual(), sink, &control);
        pages = printer.Page();
        meter.Sample();
        if (!printer.EndDoc()) state.SkipWithError("the PDF was not written");
        meter.Sample();
        growth = std::max(growth, meter.GrowthMegabytes());
    }
    std::filesystem::remove(path);
    state.counters["pages"] = pages;
    Report(state, units, growth, "goal >= 100k records/s, peak growth flat (< 32 MB)");
}

BENCHMARK(BM_Html)
    ->ArgNames({"records", "form"})
    ->ArgsProduct({{100000, 1000000}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_PdfListing)->ArgName("records")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    store::CodeTableRead();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
