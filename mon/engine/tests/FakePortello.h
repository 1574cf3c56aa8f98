// A device library for the monitor's tests: bytes the test queues come out of the
// ring, sends are recorded, modem lines are what the test sets. Record
// functions go to the real library when one is given.
#pragma once

#include <chrono>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "EngineClock.h"
#include "EngineView.h"
#include "PortelloApi.h"

namespace mon::test {

class FakePortello : public PortelloApi {
public:
    explicit FakePortello(PortelloApi* real = nullptr) : real_(real) {}

    void Queue(const std::string& bytes) { ring.insert(ring.end(), bytes.begin(), bytes.end()); }
    // Everything sent since the last call, as one text.
    std::string TakeSent() {
        std::string all;
        for (const auto& s : sent) all += s;
        sent.clear();
        return all;
    }

    int16_t SetModel(int16_t m) override { return m; }
    int16_t SetActive(int16_t k) override {
        activeKind = k;
        activeKinds.push_back(k);
        return k;
    }
    int32_t CreateMap() override { return 1; }
    int32_t CloseMap() override { return ++closeMaps; }
    int32_t ReadMap(uint8_t* out) override {
        if (ring.empty()) return 0;
        *out = static_cast<uint8_t>(ring.front());
        ring.pop_front();
        return 1;
    }
    void ClearBuff() override { ring.clear(); }
    int32_t CommInitialize(const char* name, uint32_t baud) override {
        opened.push_back(std::string(name) + "@" + std::to_string(baud));
        return openResult;
    }
    int32_t CommClose() override { return ++commCloses; }
    int32_t CommRecv() override { return 1; }
    int32_t Send(uint8_t* data, int32_t len) override {
        if (failSendsAfter == 0) return 0;
        if (failSendsAfter > 0) --failSendsAfter;
        sent.emplace_back(reinterpret_cast<char*>(data), static_cast<size_t>(len));
        return 1;
    }
    int32_t IsCommCTS() override { return cts; }
    int32_t IsCommDSR() override { return dsr; }
    int32_t SetDTR(int32_t on) override { dtr.push_back(on); return 1; }
    int32_t SetBreak() override { return 1; }
    int32_t ClearBreak() override { return 1; }
    int32_t WaitTimeUp(uint32_t) override { return 1; }
    int32_t CheckSum(uint8_t* d, int32_t n) override { return real_ ? real_->CheckSum(d, n) : 0; }
    int16_t GetDataAttr(uint8_t a, int16_t* s, int16_t* r, int16_t* j, int16_t* t, int16_t* p,
                        int16_t* o, int16_t* f) override {
        return real_ ? real_->GetDataAttr(a, s, r, j, t, p, o, f) : 0;
    }
    void GetCountAll(uint8_t* b, int32_t* t, int32_t* s, int32_t* r) override {
        if (real_) real_->GetCountAll(b, t, s, r);
    }
    int32_t GetCountInf(int16_t k, uint8_t* b, uint32_t n) override {
        return real_ ? real_->GetCountInf(k, b, n) : 0;
    }
    int32_t FindChar(uint8_t* d, uint32_t f, uint32_t t, int16_t* p, uint32_t n) override {
        return real_ ? real_->FindChar(d, f, t, p, n) : 0;
    }
    int32_t GetBaudRateN4(uint16_t row, int16_t* g, float* b, int16_t* c, int32_t* d) override {
        return real_ ? real_->GetBaudRateN4(row, g, b, c, d) : 0;
    }
    int32_t Ky2AddData(const char* base, int16_t flags) override {
        appends.emplace_back(base, flags);
        return 1;
    }
    void Ky2AddDataClear() override { ++appendClears; }

    std::deque<char> ring;
    std::vector<std::string> sent;
    std::vector<std::string> opened;
    std::vector<int32_t> dtr;
    std::vector<std::pair<std::string, int16_t>> appends;
    int appendClears = 0;
    int32_t cts = 1;
    int32_t dsr = 1;
    int16_t activeKind = 0;
    std::vector<int16_t> activeKinds;
    int32_t openResult = 1;
    int commCloses = 0;
    int closeMaps = 0;
    int failSendsAfter = -1;  // -1 never; n: the (n+1)-th send fails

private:
    PortelloApi* real_;
};

// A clock the test moves.
class FakeClock : public EngineClock {
public:
    int64_t NowMs() override { return ms; }
    double NowDate() override { return date + static_cast<double>(ms / 1000) / 86400.0; }
    int64_t ms = 0;
    double date = 46000.5;  // 2025/12/09 12:00:00
};

// Real time run faster by a factor, for tests against the simulated unit
// on a pseudo-terminal: the engine's waits shrink, yet stay in step with
// the replies. Too large a factor lets the connect's one-second repeat of
// its query outrun a loaded machine's replies, which no real line does.
class ScaledClock : public EngineClock {
public:
    explicit ScaledClock(int factor) : factor_(factor) {}
    int64_t NowMs() override {
        using namespace std::chrono;
        return factor_ * duration_cast<milliseconds>(steady_clock::now() - start_).count();
    }
    double NowDate() override { return system_.NowDate(); }

private:
    int factor_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    SystemClock system_;
};

// Engine time that moves on by a fixed step each time the test says so,
// once a pass of the engine: on a machine slowed down by load the engine's
// waits slow down with everything else, so the simulated unit's reply never
// comes too late for them.
class PassClock : public EngineClock {
public:
    explicit PassClock(int64_t msPerPass) : step_(msPerPass) {}
    int64_t NowMs() override { return now_; }
    double NowDate() override { return system_.NowDate(); }
    void Pass() { now_ += step_; }

private:
    int64_t step_;
    int64_t now_ = 0;
    SystemClock system_;
};

// Records what the engine shows.
class RecordingView : public EngineView {
public:
    void LampColorSet(uint32_t bgr) override { lamp = bgr; }
    void PanelTextSet(const std::string& key, const std::string& text) override { panels[key] = text; }
    void DataColorsSet(int32_t sd, int32_t rd) override { colors = {sd, rd}; }
    void StepMessageShow(const std::string& text, const std::string& caption) override {
        message = text;
        button = caption;
        shown = true;
    }
    void StepMessageUnload() override { shown = false; }
    void SettingsDialogsUnload() override { ++dialogUnloads; }

    uint32_t lamp = 0xFFFFFFFF;
    std::map<std::string, std::string> panels;
    std::pair<int32_t, int32_t> colors{-1, -1};
    std::string message, button;
    bool shown = false;
    int dialogUnloads = 0;
};

}  // namespace mon::test
