// The live picture of the newest units: a circular table as large as the
// visible grid, filled record by record and turned into a grid page when
// the window is drawn. It also counts the units into the file counters
// and marks the trigger.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "MonitorView.h"
#include "Settings.h"

namespace mon {

class PortelloApi;
class HistoryWriter;

struct DisplayEntry {
    int32_t unitNumber = 0, sdNumber = 0, rdNumber = 0;
    double time = 0;
    int16_t same = 0, rd = 0, jis7 = 0, trig = 0, parity = 0, over = 0, flam = 0;
    int16_t data = 0;
    int16_t timeCode = 0;
    int32_t timeValue = 0;
};

// The text of a character time by its range code and value.
std::string CharTimeText(int16_t timeCode, int32_t timeValue);
// "SD:000123": the last six digits of n.
std::string CounterText(const char* label, int32_t n);

class LiveDisplay {
public:
    LiveDisplay(PortelloApi& api, const PcSettings& pc, const MonitorSettings& committed)
        : api_(api), pc_(pc), committed_(committed) {}

    // At the start of a capture: the table sized from the grid.
    void Reset(int16_t displayMode, int32_t gridRows, int32_t gridCols);
    // Adds a record's units, counting them into the writer's counters.
    void DspUpdate(const std::string& recordBytes, double recordTime, HistoryWriter& files,
                   int32_t& trigUnitNumber);
    // The page to show: data mode one character a cell, detail mode one
    // unit a row under the header row.
    GridPage Page() const;
    // The newest shown entry, if any.
    const DisplayEntry* Last() const;

    int32_t DisplayIndex = 0;
    int16_t DisplayWrapped = 0;
    int32_t DisplayCapacity = 1;
    // Set by Reset and DspUpdate; whoever shows the page clears it.
    bool Changed = false;

private:
    void DspUnitAdd(uint8_t attribute, uint8_t data, double recordTime, HistoryWriter& files,
                    int32_t& trigUnitNumber);
    void Advance();
    int32_t ShownCount() const;
    // The k-th shown entry, oldest first.
    const DisplayEntry& Shown(int32_t k) const;
    const std::string& DataText(int16_t data) const;
    void DataPageFill(GridPage& page) const;
    void DetailPageFill(GridPage& page) const;

    PortelloApi& api_;
    const PcSettings& pc_;
    const MonitorSettings& committed_;
    int16_t mode_ = 2;
    int32_t cols_ = 1;
    bool filled_ = false;
    std::vector<DisplayEntry> table_;
};

}  // namespace mon
