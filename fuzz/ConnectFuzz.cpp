// The connect sequence and the parameter download fed unit lines.
//
// The input's first byte picks the model (bit 0: KY-N5), paced sending
// (bit 1) and a unit already in remote mode (bit 2). Each following byte
// decides what becomes of the next line the engine sends (low three bits):
//   0-3  the simulated unit answers it as a sound unit does;
//   4    the line comes straight back, as an echo;
//   5    the line is lost and nothing comes back;
//   6    the next byte n and the n bytes after it come back instead;
//   7    the sound answer comes back with one byte (picked by the high bits)
//        changed.
// Once the input is spent the unit answers soundly.
//
// Properties: the connect always ends, by success or a failure code, never
// by waiting for ever; a failed connect sends no parameter; a download that
// succeeds had every one of the 17 set commands repeated exactly by the
// unit, committed the settings and wrote a Capturo.ini that reads back as
// them; a unit that answered every line soundly is connected and set up.
// A download whose unit has fallen silent waits, as it should, for the
// user, who then presses the step window's button.
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Engine.h"
#include "FuzzSupport.h"
#include "IniFile.h"
#include "UnitModel.h"
#include "mon/engine/tests/FakePortello.h"

namespace {

constexpr int kPassBudget = 8000;  // 2,000 s of passes, well past every step's limit
constexpr int kPassMs = 250;

mon::PortelloApi& RealLibrary() {
    static std::unique_ptr<mon::PortelloApi> api = mon::LoadPortello(
        PORTELLO_LIBRARY_PATH, [](const std::string& why) { fuzz::Broken(why.c_str(), __FILE__, __LINE__); });
    return *api;
}

class Script {
public:
    Script(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Spent() const { return at_ >= size_; }
    uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
    std::string Take(size_t n) {
        std::string s;
        while (n-- > 0 && !Spent()) s.push_back(static_cast<char>(Next()));
        return s;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// The line between the engine's fake library and a simulated unit, with
// the script deciding what becomes of each line.
class Line {
public:
    Line(mon::test::FakePortello& api, unitsim::UnitModel& unit, Script& script)
        : api_(api), unit_(unit), script_(script) {}

    void Exchange() {
        const std::string sent = api_.TakeSent();
        pending_ += sent;
        allSent += sent;
        size_t end = 0;
        while ((end = pending_.find("\r\n")) != std::string::npos) {
            const std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 2);
            Answer(line);
        }
    }

    std::string allSent;
    std::string allFed;
    bool deviated = false;

private:
    void Feed(const std::string& bytes) {
        api_.Queue(bytes);
        allFed += bytes;
    }

    void Answer(const std::string& line) {
        const uint8_t op = script_.Next();
        switch (op & 7) {
            case 4: deviated = true; Feed(line + "\r\n"); return;
            case 5: deviated = true; return;
            case 6: deviated = true; Feed(script_.Take(script_.Next())); return;
            default: break;
        }
        std::vector<std::string> replies = unit_.Receive(line);
        if ((op & 7) == 7 && !replies.empty() && !replies[0].empty()) {
            deviated = true;
            std::string& r = replies[0];
            r[(op >> 3) % r.size()] ^= 0x21;
        }
        for (const std::string& r : replies) Feed(r);
    }

    mon::test::FakePortello& api_;
    unitsim::UnitModel& unit_;
    Script& script_;
    std::string pending_;
};

bool SentAnyReadBack(const std::string& sent) {
    for (int step = 1; step <= mon::kParamLetterCount; ++step) {
        if (sent.find(std::string("Q") + mon::ParamLetter(step) + "\r\n") != std::string::npos) return true;
    }
    return false;
}

void CheckSetUp(mon::Engine& engine, mon::PortelloApi& api, const Line& line, const fuzz::Scratch& dir) {
    FUZZ_CHECK(engine.CommittedSettings == engine.WorkingSettings);
    for (int step = 1; step <= mon::kParamLetterCount; ++step) {
        const std::string command =
            mon::ParamSetCommand(step, engine.CommittedSettings, engine.Pc.ModelNumber, api);
        FUZZ_CHECK(!command.empty());
        FUZZ_CHECK(line.allFed.find(command) != std::string::npos);
    }
    mon::PcSettings pc;
    mon::MonitorSettings committed;
    mon::SettingsDefaultSet(pc, committed, "Capturo", dir.path(), engine.Clock.NowDate());
    FUZZ_CHECK(mon::IniFileRead(engine.IniPath(), pc, committed, false, engine.Clock.NowDate()) ==
               mon::IniReadResult::Read);
    FUZZ_CHECK(pc == engine.Pc);
    FUZZ_CHECK(committed == engine.CommittedSettings);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    dir.Clear();
    fuzz::WriteAll(dir / "kypcn4x._ky", "S00600004844521B\r\nS1130000\r\nS9030000FC\r\n");

    mon::test::FakePortello api(&RealLibrary());
    mon::test::FakeClock clock;
    mon::test::RecordingView view;
    mon::Engine engine(api, view, clock, dir.path());
    engine.EngineInit("Capturo");
    const uint8_t bits = data[0];
    engine.Pc.ModelNumber = (bits & 1) ? 2 : 1;
    engine.Pc.WaitSend = (bits & 2) ? 1 : 0;
    unitsim::UnitOptions options;
    options.model = engine.Pc.ModelNumber;
    options.remote = (bits & 4) != 0;
    unitsim::UnitModel unit(options, [&clock] {
        return std::chrono::steady_clock::time_point(std::chrono::milliseconds(clock.ms));
    });
    Script script(data + 1, size - 1);
    Line line(api, unit, script);

    engine.EngineState = mon::kStateConnecting;
    engine.ConnectStart();
    for (int pass = 0; pass < kPassBudget && engine.EngineState != mon::kStateIdle; ++pass) {
        engine.Pass();
        line.Exchange();
        clock.ms += kPassMs;
    }
    FUZZ_CHECK(engine.EngineState != mon::kStateConnecting);
    const bool waitingForUser = engine.EngineState == mon::kStateParamDownload;
    if (waitingForUser) engine.StepMessageButton();
    FUZZ_CHECK(engine.EngineState == mon::kStateIdle);

    // A connect can also be abandoned without a code, by an unsolicited
    // line (a power failure, say); only a download that went through all
    // its letters set the unit up.
    const bool connected = engine.Connect.ConnectError == mon::kConnectOk;
    if (!connected) FUZZ_CHECK(!SentAnyReadBack(line.allSent));
    const bool setUp = connected && !waitingForUser && engine.Param.ParamResult == mon::kParamOk &&
                       engine.Param.ParamStep > mon::kParamLetterCount;
    if (setUp) CheckSetUp(engine, api, line, dir);
    if (!line.deviated) FUZZ_CHECK(setUp);
    return 0;
}
