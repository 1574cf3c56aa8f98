#include "UnitStream.h"

#include <algorithm>
#include <stdexcept>

#include "MonitorRecords.h"

namespace unitsim {

namespace {

constexpr int kRecordsPerSecond = 10;
constexpr int kLongestRecord = 256;
constexpr std::uint32_t kLongestBurst = 24;
// The pause before a burst, in hundreds of microseconds, and the time of a
// character inside one, in microseconds.
constexpr int kPauseRange = 2;
constexpr std::uint32_t kShortestPause = 100;
constexpr std::uint32_t kPauseSpread = 900;
constexpr int kCharacterRange = 0;
constexpr std::uint32_t kCharacterTime = 1000;
constexpr std::uint32_t kCharacterSpread = 24;
constexpr std::uint32_t kTimedOneIn = 8;
constexpr std::int64_t kMicrosPerSecond = 1'000'000;

}  // namespace

UnitStream::UnitStream(int unitsPerSecond, int unitsPerRecord)
    : unitsPerSecond_(unitsPerSecond), unitsPerRecord_(unitsPerRecord) {
    if (unitsPerSecond < 1 || unitsPerRecord < 1) {
        throw std::invalid_argument("stream rates must be 1 or more");
    }
}

int UnitStream::DefaultUnitsPerRecord(int unitsPerSecond) {
    return std::clamp(unitsPerSecond / kRecordsPerSecond, 1, kLongestRecord);
}

UnitStream::Chunk UnitStream::Next() {
    Chunk chunk;
    chunk.secondsFromStart = static_cast<int>(nextUnit_ / unitsPerSecond_);
    nextUnit_ += unitsPerRecord_;
    chunk.due = std::chrono::microseconds(nextUnit_ * kMicrosPerSecond / unitsPerSecond_);
    chunk.units.reserve(static_cast<std::size_t>(unitsPerRecord_));
    for (int i = 0; i < unitsPerRecord_; ++i) chunk.units.push_back(NextUnit());
    return chunk;
}

ScenarioUnit UnitStream::NextUnit() {
    ScenarioUnit unit {kDataUnitBit, 0};
    if (burstLeft_ == 0) {
        // The other side answers after a pause.
        rd_ = !rd_;
        burstLeft_ = static_cast<int>(1 + Random() % kLongestBurst);
        unit.timeRange = kPauseRange;
        unit.timeValue = static_cast<std::uint16_t>(kShortestPause + Random() % kPauseSpread);
    } else if (Random() % kTimedOneIn == 0) {
        unit.timeRange = kCharacterRange;
        unit.timeValue = static_cast<std::uint16_t>(kCharacterTime + Random() % kCharacterSpread);
    }
    --burstLeft_;
    if (rd_) unit.attribute |= kRdFlag;
    const std::uint32_t r = Random();
    unit.data = static_cast<std::uint8_t>(r & 0xFF);
    // About one character in a hundred has a line error.
    switch ((r >> 8) % 300) {
    case 0: unit.attribute |= kParityFlag; break;
    case 1: unit.attribute |= kOverFlag; break;
    case 2: unit.attribute |= kFlamFlag; break;
    default: break;
    }
    return unit;
}

// xorshift32: fixed seed, so every stream is the same.
std::uint32_t UnitStream::Random() {
    random_ ^= random_ << 13;
    random_ ^= random_ >> 17;
    random_ ^= random_ << 5;
    return random_;
}

}  // namespace unitsim
