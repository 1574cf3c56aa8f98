// What a simulated unit captures in one monitoring run, written down by a
// test: the data records in order with their seconds, ring restarts, and
// the line settings its start record reports. The unit plays it after the
// PC's start command; ExpectedHistory gives the records it sends for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace unitsim {

// One captured character. On the wire the attribute always has bit 7 set;
// the other bits are the flags (Same 0x01, RD 0x02, Jis7 0x04, Trig 0x08,
// Parity 0x10, Over 0x20, Flam 0x40).
struct ScenarioUnit {
    std::uint8_t attribute;
    std::uint8_t data;
    int timeRange = -1;           // character-time range code 0 to 7; -1 for no character time
    std::uint16_t timeValue = 0;  // 0 to 1023

    friend bool operator==(const ScenarioUnit&, const ScenarioUnit&) = default;
};

struct ScenarioRecord {
    int secondsFromStart;  // the record's time, counted from the start record's time
    std::vector<ScenarioUnit> units;
    bool ringRestart = false;  // a ring-restart record at this second instead of a data record; no units
    bool badChecksum = false;  // the checksum byte is off by one
};

struct Scenario {
    std::vector<ScenarioRecord> records;  // seconds never go backwards
    bool endByItself = false;             // the end record follows the last record with no stop command
    int dataLengthDigit = 1;              // start record: 0 seven bits, 1 eight bits
    int parityDigit = 0;                  // start record: 0 none, 1 odd, 2 even
    float baud = 9600.0f;                 // model 2's start record carries its DDS word
    std::string startTime;                // yymmddhhnnss; empty for the unit's clock at the start command
    double recordsPerSecond = 0.0;        // pacing on the line; 0 sends as fast as the PC reads
};

// Throws std::invalid_argument, with the reason, for a scenario the unit
// cannot send.
void ValidateScenario(const Scenario& scenario);

// One record as the unit sends it.
struct ExpectedRecord {
    enum class Kind { Start, Data, RingRestart, End };
    Kind kind;
    std::string bytes;  // the whole line, CR LF included
    // yymmddhhnnss. A data record's time is the start time plus its seconds,
    // which is what the PC derives from the counter as long as no two data
    // records in a row lie 128 seconds or more apart.
    std::string time;
    int secondsCounter = -1;          // data records: the type byte
    std::vector<ScenarioUnit> units;  // data records: as sent, bit 7 of every attribute set
};

inline constexpr std::size_t kAllRecords = std::numeric_limits<std::size_t>::max();

// The records a unit of the model sends for the scenario: the start record,
// the first recordsBeforeEnd scenario records (all of them by default) and
// the end record, which carries the time of the last record sent. The
// scenario needs its start time; throws std::invalid_argument without one,
// for a bad model and for a scenario ValidateScenario rejects.
std::vector<ExpectedRecord> ExpectedHistory(int model, const Scenario& scenario,
                                            std::size_t recordsBeforeEnd = kAllRecords);

}  // namespace unitsim
