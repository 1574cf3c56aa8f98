// A device library and a clock for the window tests: bytes the test queues
// come out of the ring, port opens are recorded and can be refused, modem
// lines are what the test sets.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "EngineClock.h"
#include "PortelloApi.h"

namespace mon::test {

class FakeLibrary : public PortelloApi {
public:
    void Queue(const std::string& bytes) { ring.insert(ring.end(), bytes.begin(), bytes.end()); }

    int16_t SetModel(int16_t m) override { return m; }
    int16_t SetActive(int16_t k) override {
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
        sent.append(reinterpret_cast<const char*>(data), static_cast<size_t>(len));
        return 1;
    }
    int32_t IsCommCTS() override { return cts; }
    int32_t IsCommDSR() override { return dsr; }
    int32_t SetDTR(int32_t) override { return 1; }
    int32_t SetBreak() override { return 1; }
    int32_t ClearBreak() override { return 1; }
    int32_t WaitTimeUp(uint32_t) override { return 1; }
    int32_t CheckSum(uint8_t*, int32_t) override { return 0; }
    int16_t GetDataAttr(uint8_t, int16_t*, int16_t*, int16_t*, int16_t*, int16_t*, int16_t*,
                        int16_t*) override {
        return 0;
    }
    void GetCountAll(uint8_t*, int32_t*, int32_t*, int32_t*) override {}
    int32_t GetCountInf(int16_t, uint8_t*, uint32_t) override { return 0; }
    int32_t FindChar(uint8_t*, uint32_t, uint32_t, int16_t*, uint32_t) override { return 0; }
    int32_t GetBaudRateN4(uint16_t, int16_t*, float*, int16_t*, int32_t*) override { return 0; }
    int32_t Ky2AddData(const char*, int16_t) override { return 1; }
    void Ky2AddDataClear() override { ++appendClears; }

    std::deque<char> ring;
    std::vector<std::string> opened;
    std::vector<int16_t> activeKinds;
    std::string sent;
    int32_t openResult = 1;
    int32_t cts = 1;
    int32_t dsr = 1;
    int commCloses = 0;
    int closeMaps = 0;
    int appendClears = 0;
};

class FakeClock : public EngineClock {
public:
    int64_t NowMs() override { return ms; }
    double NowDate() override { return 46000.5 + static_cast<double>(ms / 1000) / 86400.0; }
    int64_t ms = 0;
};

}  // namespace mon::test
