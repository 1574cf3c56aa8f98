// What the KY1 converter reads of an old history database: the first row of
// InfTable, the first two rows of TrgTable and every row of MstTable, in
// their stored order. Texts arrive as UTF-8; dates as day counts.
//
// The database engine stays behind this interface so the converter can be
// driven by rows made up in memory.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace store {

// The monitoring conditions of the capture.
struct Ky1Inf {
    double Start = 0;
    double Stop = 0;
    std::string Band;
    int16_t Data = 0;
    int16_t Parity = 0;
    bool ErrStop = false;
    int16_t Monitor = 0;
    int16_t MonitorCode = 0;
    int16_t Interface = 0;
    bool TimeDsp = false;
    int16_t Led = 0;
    int16_t MemoryMode = 0;
    std::string TypeName;
    bool TrigStop = false;
    bool TrigStart = false;

    friend bool operator==(const Ky1Inf&, const Ky1Inf&) = default;
};

// One trigger condition.
struct Ky1Trg {
    bool Stop = false;
    int16_t Line = 0;
    int16_t SdCnt = 0;
    int16_t RdCnt = 0;
    int32_t After = 0;
    std::string SdNot;
    std::string SdChar;
    std::string RdNot;
    std::string RdChar;
    std::string Mode;

    friend bool operator==(const Ky1Trg&, const Ky1Trg&) = default;
};

// One captured character.
struct Ky1Mst {
    int32_t Total = 0;
    int32_t SdCnt = 0;
    int32_t RdCnt = 0;
    double Dtime = 0;
    int16_t Data = 0;
    int16_t SdRd = 0;
    int16_t Same = 0;
    uint8_t ErrBit = 0;
    uint8_t Trig1 = 0;
    uint8_t Trig2 = 0;
    float ChrTime = 0;
    uint8_t SiSo = 0;
    int32_t DualCnt = 0;

    friend bool operator==(const Ky1Mst&, const Ky1Mst&) = default;
};

class Ky1Source {
public:
    enum class Step { Row, End, Failed };

    virtual ~Ky1Source();

    // False when the file is missing, locked or not a database.
    virtual bool Open(const std::string& path) = 0;
    virtual void Close() = 0;

    // Each read gives nothing when its table or a column is missing, a
    // value does not convert, or (for TrgTable) a row is missing.
    // MstCount is what the file claims; nothing may be sized by it.
    virtual std::optional<int64_t> MstCount() = 0;
    virtual std::optional<Ky1Inf> InfRead() = 0;
    virtual std::optional<std::array<Ky1Trg, 2>> TrgRead() = 0;

    // Starts MstTable over from its first row; false when it cannot.
    virtual bool MstBegin() = 0;
    virtual Step MstNext(Ky1Mst& row) = 0;
};

}  // namespace store
