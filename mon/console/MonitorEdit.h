// The device settings dialog without its widgets: what its controls show
// for a settings record, and Set, which checks the baud rate and the date
// range before it stores anything, then gives the whole new record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "BaudSteps.h"
#include "Settings.h"

namespace mon {

inline constexpr int kMeasurePage = 0;  // "計測モード"
inline constexpr int kRangePage = 1;    // "範囲指定"

// The display codes in the order of the code list: HEX, ASCII, JIS7,
// JIS8, EBCDIC. The kana form of JIS7 shows as JIS7.
int CodeIndexOf(int16_t code);  // -1 for a code the list lacks
int16_t CodeOfIndex(int index);  // the code of a list entry; -1 outside

// What the dialog's controls hold. Indexes are -1 where nothing is chosen.
struct MonitorForm {
    int codeIndex = -1;
    int dataLengthIndex = -1;  // 0 seven bits, 1 eight
    int parityIndex = -1;      // 0 NON, 1 ODD, 2 EVEN
    int direction = -1;        // option 0 DUAL, 1 SD, 2 RD
    int interfaceIndex = -1;   // option 0 RS-232C, 1 RS-422(/485)
    int led = -1;              // option 0 CD, 1 CI
    int memoryMode = -1;       // option 0 RING(RESTART), 1 RING(STOP), 2 FIX
    bool charTime = false;
    bool errStop = false;
    std::string baudText;
    bool rangeDate = false;
    // The four pickers: "yyyy/mm/dd" and "hh:nn:ss" texts.
    std::string startDate, startTime, stopDate, stopTime;

    friend bool operator==(const MonitorForm&, const MonitorForm&) = default;
};

// The controls for a record. A range text that is no date shows now.
MonitorForm MonitorFormLoad(const MonitorSettings& s, double now);

enum class MonitorField { BaudRate, StartDate, StartTime, StopDate, StopTime };

struct MonitorRefusal {
    int page = kMeasurePage;
    MonitorField field = MonitorField::BaudRate;
    friend bool operator==(const MonitorRefusal&, const MonitorRefusal&) = default;
};

struct MonitorSetOutcome {
    std::optional<MonitorRefusal> refused;
    MonitorSettings settings;  // the record to send; draft itself when refused
};

// Set: draft (the dialog's copy, triggers included) with the controls'
// values. The baud rate is snapped or refused by the model's rule; with
// the range on, the four pickers must hold a date and a time before the
// stop is compared with the start (a stop on an earlier day is refused at
// the stop date, an earlier second at the stop time; equal passes).
MonitorSetOutcome MonitorSetApply(const MonitorSettings& draft, const MonitorForm& form,
                                  int16_t model, const BaudTable& table);

}  // namespace mon
