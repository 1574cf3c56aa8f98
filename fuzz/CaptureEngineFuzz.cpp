// The capture engine fed unit lines while it monitors.
//
// The input's first byte picks the settings: bit 0 the start trigger (on
// "A", monitor length 100), bit 1 a date range, bit 2 model 2, bit 3 error
// stop, bit 4 the live display without its grid. The rest is what the line
// brings, cut at CR LF as the engine cuts it. A line's lead byte, which the
// PC never reads, steers the harness: with bit 0 set the line's checksum is
// made right, else it keeps the byte it has; lead / 2 copies of the line
// follow it, so that inputs can fill a file. A capture that ends is started
// again, a few times.
//
// Property: every file the engine closes holds, read back through the
// history store, exactly the units the engine counted into it, in each
// direction (a file closed because it is full: 60,000 units, those counted
// and the kept part of the record that filled it); no file counts more
// than 60,000; nothing is left as .tmp.
#include <cstdint>
#include <memory>
#include <string>

#include "Engine.h"
#include "FuzzSupport.h"
#include "his/store/clsCommon.h"
#include "mon/engine/tests/FakePortello.h"

namespace {

constexpr int kRestarts = 3;

mon::PortelloApi& RealLibrary() {
    static std::unique_ptr<mon::PortelloApi> api = mon::LoadPortello(
        PORTELLO_LIBRARY_PATH, [](const std::string& why) { fuzz::Broken(why.c_str(), __FILE__, __LINE__); });
    return *api;
}

// Stands in for the append worker: puts the .tmp behind its header, as the
// worker does, and reads the result back before the engine counts on.
class AppendChecker : public mon::test::FakePortello {
public:
    AppendChecker() : FakePortello(&RealLibrary()) {}

    int32_t Ky2AddData(const char* base, int16_t flags) override {
        FakePortello::Ky2AddData(base, flags);
        const std::string header = fuzz::ReadAll(std::string(base) + ".ky2");
        const std::string records = fuzz::ReadAll(std::string(base) + ".tmp");
        const std::string joined = std::string(base) + "_check.ky2";
        fuzz::WriteAll(joined, header + records);
        store::clsCommon doc;
        FUZZ_CHECK(doc.Read(joined));
        int32_t total = 0, sd = 0, rd = 0;
        doc.IsCounterInf(total, sd, rd);
        const mon::HistoryWriter& files = engine->Cap.Files;
        FUZZ_CHECK(files.FileUnits <= mon::kFileUnitLimit);
        if (total != files.FileUnits || sd != files.FileSdUnits || rd != files.FileRdUnits) {
            // Closed by a record that crossed the limit: the file is full, and
            // the part of that record it kept is not in the display's
            // direction counts, which take the record only after the close.
            FUZZ_CHECK(total == mon::kFileUnitLimit);
            FUZZ_CHECK(sd >= files.FileSdUnits && rd >= files.FileRdUnits);
            FUZZ_CHECK(files.FileUnits == total || files.FileUnits == files.FileSdUnits + files.FileRdUnits);
        }
        std::remove(joined.c_str());
        std::remove((std::string(base) + ".tmp").c_str());
        return 1;
    }

    mon::Engine* engine = nullptr;
};

void SettingsPick(uint8_t bits, mon::Engine& e) {
    mon::MonitorSettings& s = e.CommittedSettings;
    if (bits & 1) {
        s.Trig[1].Active = -1;
        s.Trig[1].Line = 0;
        s.Trig[1].SdData = "41";
        s.Trig[1].Length = 100;
    }
    if (bits & 2) {
        s.RangeDate = -1;
        s.RangeStart = "2026/12/09 10:00:05";
        s.RangeStop = "2026/12/09 10:01:00";
    }
    if (bits & 4) e.Pc.ModelNumber = 2;
    if (bits & 8) s.ErrStop = -1;
    e.DisplayMode = (bits & 16) ? 1 : 2;
    e.WorkingSettings = s;
}

// The line with its checksum byte (the last before CR LF) made right.
void ChecksumFix(std::string& line) {
    if (line.size() < 3) return;
    uint8_t sum = 0;
    for (size_t i = 0; i + 3 < line.size(); ++i) sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(line[i]));
    line[line.size() - 3] = static_cast<char>(static_cast<uint8_t>(0x100 - sum));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    dir.Clear();
    AppendChecker api;
    mon::test::FakeClock clock;
    mon::test::RecordingView view;
    mon::Engine engine(api, view, clock, dir.path());
    api.engine = &engine;
    engine.EngineInit("Capturo");
    engine.Pc.DataDir = dir.path();
    engine.GridRows = 4;
    engine.GridCols = 16;
    SettingsPick(data[0], engine);
    engine.CaptureStart();

    const std::string input = fuzz::Bytes(data + 1, size - 1);
    int restarts = 0;
    for (size_t at = 0; at < input.size();) {
        const size_t end = input.find("\r\n", at);
        std::string line = input.substr(at, end == std::string::npos ? end : end + 2 - at);
        at = end == std::string::npos ? input.size() : end + 2;
        const auto lead = static_cast<uint8_t>(line[0]);
        if ((lead & 1) && end != std::string::npos) ChecksumFix(line);
        for (int copy = 0; copy <= lead / 2; ++copy) {
            if (engine.EngineState != mon::kStateMonitoring) {
                if (++restarts > kRestarts) break;
                engine.CaptureStart();
            }
            api.Queue(line);
            engine.Pass();
            clock.ms += 10;
        }
    }
    if (engine.EngineState == mon::kStateMonitoring) engine.CaptureEnd();
    for (const std::string& name : dir.Names()) FUZZ_CHECK(name.size() < 4 || name.substr(name.size() - 4) != ".tmp");
    return 0;
}
