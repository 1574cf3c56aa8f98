// How fast Capturo takes in what a monitoring unit sends: an endless stream
// of data records of 1, 20 and 160 units (a character time behind every
// fourth unit) goes through the engine's passes, the start-trigger and
// range checks, the history files (with their 60,000-unit splits and the
// append worker) and the live display. Once headless, and once with the
// main window on the offscreen platform, ticked by its main-loop driver
// and painting between ticks as it does on a screen.
//
// Each figure is given in units a second and as a multiple of what a
// 460800-baud PC link carries for that record shape: 10 bits a byte, 6
// bytes a record (lead, type, end byte, checksum, CR LF), 2 a unit and 2 a
// character time.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "CapturoApp.h"
#include "Engine.h"
#include "EngineClock.h"
#include "MonitorRecords.h"
#include "PortelloApi.h"
#include "frmSetKyPc.h"
#include "mon/engine/tests/FakePortello.h"

namespace {

constexpr double kLinkBytesPerSecond = 460800.0 / 10.0;
constexpr int kTimeWordEvery = 4;
// Enough records that the stream is not a handful of cached lines.
constexpr int kStreamUnits = 64000;

// The records of one shape: a start record once, then data records for
// ever. Counts what it has handed out.
class RecordStream {
public:
    explicit RecordStream(int unitsPerRecord) : unitsPerRecord_(unitsPerRecord) {
        start_ = unitsim::StartRecord(1, "261209100000", {});
        int n = 0;
        const int records = std::max(1, kStreamUnits / unitsPerRecord);
        for (int r = 0; r < records; ++r) {
            std::vector<unitsim::ScenarioUnit> units;
            for (int u = 0; u < unitsPerRecord; ++u, ++n) {
                unitsim::ScenarioUnit unit{.attribute = static_cast<uint8_t>(0x80 | (n % 3 == 0 ? 0x02 : 0)),
                                           .data = static_cast<uint8_t>(0x20 + n % 95)};
                if (n % kTimeWordEvery == kTimeWordEvery - 1) {
                    unit.timeRange = 1;
                    unit.timeValue = static_cast<uint16_t>(n % 1000);
                }
                units.push_back(unit);
            }
            // About as many records a second as the link carries.
            body_ += unitsim::DataRecord(r / 500, units);
        }
        units_ = records * unitsPerRecord;
    }

    void Rewind() {
        inStart_ = true;
        at_ = 0;
    }
    bool Next(uint8_t* out) {
        if (inStart_) {
            *out = static_cast<uint8_t>(start_[at_]);
            if (++at_ == start_.size()) {
                inStart_ = false;
                at_ = 0;
            }
            return true;
        }
        *out = static_cast<uint8_t>(body_[at_]);
        if (++at_ == body_.size()) at_ = 0;
        ++bodyBytes_;
        return true;
    }
    // Units in the data bytes handed out so far.
    double UnitsHandedOut() const {
        return static_cast<double>(bodyBytes_) * units_ / static_cast<double>(body_.size());
    }
    // What the PC link carries of this shape, in units a second.
    double LinkUnitsPerSecond() const {
        const double bytes = 6.0 + 2.0 * unitsPerRecord_ + 2.0 * unitsPerRecord_ / kTimeWordEvery;
        return kLinkBytesPerSecond / bytes * unitsPerRecord_;
    }

private:
    int unitsPerRecord_;
    std::string start_, body_;
    size_t at_ = 0;
    bool inStart_ = true;
    uint64_t bodyBytes_ = 0;
    int units_ = 0;
};

// The device library with an endless line on it: the ring hands out the
// stream, the lines are always up; record functions and the append worker
// are the real library's.
class StreamPortello final : public mon::PortelloApi {
public:
    StreamPortello(mon::PortelloApi& real, RecordStream& stream) : real_(real), stream_(stream) {}

    int16_t SetModel(int16_t m) override { return real_.SetModel(m); }
    int16_t SetActive(int16_t k) override { return k; }
    int32_t CreateMap() override { return 1; }
    int32_t CloseMap() override { return 1; }
    int32_t ReadMap(uint8_t* out) override { return stream_.Next(out) ? 1 : 0; }
    void ClearBuff() override { stream_.Rewind(); }
    int32_t CommInitialize(const char*, uint32_t) override { return 1; }
    int32_t CommClose() override { return 1; }
    int32_t CommRecv() override { return 1; }
    int32_t Send(uint8_t*, int32_t) override { return 1; }
    int32_t IsCommCTS() override { return 1; }
    int32_t IsCommDSR() override { return 1; }
    int32_t SetDTR(int32_t) override { return 1; }
    int32_t SetBreak() override { return 1; }
    int32_t ClearBreak() override { return 1; }
    int32_t WaitTimeUp(uint32_t) override { return 1; }
    int32_t CheckSum(uint8_t* d, int32_t n) override { return real_.CheckSum(d, n); }
    int16_t GetDataAttr(uint8_t a, int16_t* s, int16_t* r, int16_t* j, int16_t* t, int16_t* p,
                        int16_t* o, int16_t* f) override {
        return real_.GetDataAttr(a, s, r, j, t, p, o, f);
    }
    void GetCountAll(uint8_t* b, int32_t* t, int32_t* s, int32_t* r) override { real_.GetCountAll(b, t, s, r); }
    int32_t GetCountInf(int16_t k, uint8_t* b, uint32_t n) override { return real_.GetCountInf(k, b, n); }
    int32_t FindChar(uint8_t* d, uint32_t f, uint32_t t, int16_t* p, uint32_t n) override {
        return real_.FindChar(d, f, t, p, n);
    }
    int32_t GetBaudRateN4(uint16_t row, int16_t* g, float* b, int16_t* c, int32_t* d) override {
        return real_.GetBaudRateN4(row, g, b, c, d);
    }
    int32_t Ky2AddData(const char* base, int16_t flags) override { return real_.Ky2AddData(base, flags); }
    void Ky2AddDataClear() override { real_.Ky2AddDataClear(); }

private:
    mon::PortelloApi& real_;
    RecordStream& stream_;
};

mon::PortelloApi& Library() {
    static std::unique_ptr<mon::PortelloApi> api = mon::LoadPortello(PORTELLO_LIBRARY_PATH);
    return *api;
}

// A folder of its own for a run's settings and history files.
class Scratch {
public:
    Scratch() {
        std::string pattern = (std::filesystem::temp_directory_path() / "ky-bench.XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
    }
    // The library's append workers may still be copying the last files:
    // the folder goes once they are done (their .tmp files are gone).
    ~Scratch() {
        if (path_.empty()) return;
        for (int attempt = 0; attempt < 200; ++attempt) {
            std::error_code ec;
            if (!TmpLeft()) std::filesystem::remove_all(path_, ec);
            if (!std::filesystem::exists(path_, ec)) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
    }
    const std::string& path() const { return path_; }

private:
    bool TmpLeft() const {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(path_, ec)) {
            if (entry.path().extension() == ".tmp") return true;
        }
        return false;
    }

    std::string path_;
};

// The history files of a run wrap after a few numbers, so a long run does
// not fill the disk.
void PointAt(mon::Engine& engine, const std::string& folder) {
    engine.Pc.DataDir = folder;
    engine.Pc.FileName = "Ky";
    engine.Pc.FileMax = 4;
    engine.CommittedSettings.CharTime = -1;
}

// Units taken in over the wall time of the measured loop, and the multiple
// of the link's rate that is (x_link).
class Throughput {
public:
    explicit Throughput(const RecordStream& stream)
        : stream_(stream), units_(stream.UnitsHandedOut()), start_(std::chrono::steady_clock::now()) {}

    void Report(benchmark::State& state, const char* goal) const {
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        const double perSecond = (stream_.UnitsHandedOut() - units_) / seconds;
        state.counters["units/s"] = perSecond;
        state.counters["x_link"] = perSecond / stream_.LinkUnitsPerSecond();
        state.SetLabel(goal);
    }

private:
    const RecordStream& stream_;
    double units_;
    std::chrono::steady_clock::time_point start_;
};

const char* HeadlessGoal(int units) { return units == 1 ? "goal x_link >= 50" : "no goal"; }

const char* WindowGoal(int units) {
    if (units == 1) return "goal x_link >= 10";
    if (units == 20) return "goal x_link >= 50";
    return "no goal";
}

// The engine on its own: passes as the driver runs them, a tick at a time.
void BM_EngineHeadless(benchmark::State& state) {
    const int unitsPerRecord = static_cast<int>(state.range(0));
    RecordStream stream(unitsPerRecord);
    StreamPortello api(Library(), stream);
    Scratch folder;
    mon::SystemClock clock;
    mon::test::RecordingView view;
    mon::Engine engine(api, view, clock, folder.path());
    engine.Startup(mon::CapturoApp::kAppTitle, true);
    PointAt(engine, folder.path());
    engine.GridRows = 24;
    engine.GridCols = 13;
    engine.CaptureStart();
    const Throughput measured(stream);
    for (auto _ : state) {
        for (int pass = 0; pass < mon::MainLoopDriver::kMaxPassesPerTick; ++pass) engine.Pass();
        engine.TickEnd();
    }
    measured.Report(state, HeadlessGoal(unitsPerRecord));
    engine.CaptureEnd();
    engine.Shutdown();
}

// Capturo's whole main window: the driver's ticks, with the window system
// served between them, so the grid is painted as often as it would be.
void BM_EngineWithWindow(benchmark::State& state) {
    const int unitsPerRecord = static_cast<int>(state.range(0));
    const int16_t displayMode = static_cast<int16_t>(state.range(1));
    RecordStream stream(unitsPerRecord);
    StreamPortello api(Library(), stream);
    Scratch folder;
    mon::SystemClock clock;
    mon::CapturoApp app(api, clock, folder.path());
    app.Start(true);
    app.Driver().Stop();
    if (mon::frmSetKyPc* dialog = app.MainWindow().SetKyPcWindow()) dialog->cmdCancel->click();
    QCoreApplication::processEvents();
    PointAt(app.engine(), folder.path());
    if (displayMode == 1) app.MainWindow().mnuSetDspData_Click();
    QCoreApplication::processEvents();
    app.MainWindow().Buttons.Button("Start")->trigger();
    const Throughput measured(stream);
    for (auto _ : state) {
        app.Driver().Tick();
        QCoreApplication::processEvents();
    }
    measured.Report(state, WindowGoal(unitsPerRecord));
    app.MainWindow().Toolbar1_ButtonClick("Kill");
    app.Finish();
}

}  // namespace

BENCHMARK(BM_EngineHeadless)->ArgName("units")->Arg(1)->Arg(20)->Arg(160)->MinTime(1.0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EngineWithWindow)
    ->ArgNames({"units", "mode"})
    ->Args({1, 2})
    ->Args({20, 2})
    ->Args({160, 2})
    ->Args({1, 1})
    ->Args({20, 1})
    ->MinTime(1.0)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
