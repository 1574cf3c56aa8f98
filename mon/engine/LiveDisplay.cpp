#include "LiveDisplay.h"

#include <algorithm>
#include <cstdio>

#include "HistoryWriter.h"
#include "PortelloApi.h"
#include "his/store/CodeTable.h"
#include "platform/text/VbFormat.h"
#include "platform/time/VbDate.h"

namespace mon {

namespace {

const char* const kHeaders[] = {"TR", "SD", "RD", "DATA", "DATE", "CH", "S", "T", "P", "O", "F", "TIME", ""};
constexpr int kDetailColumns = 13;

std::string Right6(int32_t n) {
    std::string s = "     " + std::to_string(n);
    return s.substr(s.size() - 6);
}

std::string One(int16_t flag) { return flag != 0 ? "1" : ""; }

}  // namespace

std::string CharTimeText(int16_t timeCode, int32_t timeValue) {
    const auto v = static_cast<float>(timeValue);
    switch (timeCode) {
        case 0: return platform::FormatNumber(v * 0.001f, ".000");
        case 1: return platform::FormatNumber(v * 0.01f, "0.00");
        case 2: return platform::FormatNumber(v * 0.1f, "#0.0");
        case 3: return platform::FormatNumber(v, "###0");
        case 4: return platform::FormatNumber(v * 10.0f, "###0");
        default: return "****";  // too long to record
    }
}

std::string CounterText(const char* label, int32_t n) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%06d", n % 1000000);
    return std::string(label) + digits;
}

void LiveDisplay::Reset(int16_t displayMode, int32_t gridRows, int32_t gridCols) {
    mode_ = displayMode;
    cols_ = std::max(1, gridCols);
    DisplayCapacity = std::max(1, displayMode == 1 ? gridRows * cols_ : gridRows - 1);
    DisplayIndex = 0;
    DisplayWrapped = 0;
    filled_ = false;
    table_.assign(static_cast<size_t>(DisplayCapacity), DisplayEntry{});
    Changed = true;
}

void LiveDisplay::Advance() {
    if (DisplayIndex + 1 < DisplayCapacity) {
        ++DisplayIndex;
    } else {
        DisplayIndex = 0;
        DisplayWrapped = -1;
    }
}

void LiveDisplay::DspUnitAdd(uint8_t attribute, uint8_t data, double recordTime, HistoryWriter& files,
                             int32_t& trigUnitNumber) {
    DisplayEntry& e = table_[static_cast<size_t>(DisplayIndex)];
    e = DisplayEntry{};
    e.time = recordTime;
    api_.GetDataAttr(attribute, &e.same, &e.rd, &e.jis7, &e.trig, &e.parity, &e.over, &e.flam);
    if (e.rd != 0) {
        e.rdNumber = ++files.FileRdUnits;
    } else {
        e.sdNumber = ++files.FileSdUnits;
    }
    e.unitNumber = ++files.FileUnits;
    e.data = data;
    if (e.trig != 0) {
        files.AppendFlags |= kMarkTrigger;
        trigUnitNumber = files.FileUnits;
    }
    filled_ = true;
}

void LiveDisplay::DspUpdate(const std::string& bytes, double recordTime, HistoryWriter& files,
                            int32_t& trigUnitNumber) {
    Changed = true;
    auto at = [&bytes](size_t i) { return i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : uint8_t{0}; };
    for (size_t i = 2; i < bytes.size() && (at(i) & 0xC0) != 0; i += 2) {
        if (at(i) & 0x80) {
            DspUnitAdd(at(i), at(i + 1), recordTime, files, trigUnitNumber);
            if ((at(i + 2) & 0xC0) == 0x40) {
                DisplayEntry& e = table_[static_cast<size_t>(DisplayIndex)];
                e.timeCode = static_cast<int16_t>((at(i + 2) & 0x1C) / 4);
                e.timeValue = (at(i + 2) & 0x03) * 256 + at(i + 3);
                i += 2;
            }
            Advance();
        } else if (filled_) {
            // A time word with no unit before it in this record belongs to
            // the entry filled last.
            const int32_t last = DisplayIndex == 0 ? DisplayCapacity - 1 : DisplayIndex - 1;
            DisplayEntry& e = table_[static_cast<size_t>(last)];
            e.timeCode = static_cast<int16_t>((at(i) & 0x1C) / 4);
            e.timeValue = (at(i) & 0x03) * 256 + at(i + 1);
        }
    }
}

int32_t LiveDisplay::ShownCount() const { return DisplayWrapped == -1 ? DisplayCapacity : DisplayIndex; }

const DisplayEntry& LiveDisplay::Shown(int32_t k) const {
    const int32_t oldest = DisplayWrapped == -1 ? DisplayIndex : 0;
    return table_[static_cast<size_t>((oldest + k) % DisplayCapacity)];
}

const DisplayEntry* LiveDisplay::Last() const {
    if (!filled_) return nullptr;
    const int32_t last = DisplayIndex == 0 ? DisplayCapacity - 1 : DisplayIndex - 1;
    return &table_[static_cast<size_t>(last)];
}

const std::string& LiveDisplay::DataText(int16_t data) const {
    const int form = committed_.Code >= 0 && committed_.Code <= 5 ? committed_.Code : 1;
    return store::CodeTable[static_cast<size_t>(form)][static_cast<size_t>(data & 0xFF)];
}

GridPage LiveDisplay::Page() const {
    GridPage page;
    page.detail = mode_ != 1;
    if (page.detail) {
        DetailPageFill(page);
    } else {
        DataPageFill(page);
    }
    return page;
}

void LiveDisplay::DataPageFill(GridPage& page) const {
    const int32_t count = ShownCount();
    page.rows.reserve(static_cast<size_t>((count + cols_ - 1) / cols_));
    for (int32_t k = 0; k < count; ++k) {
        if (k % cols_ == 0) page.rows.emplace_back().reserve(static_cast<size_t>(cols_));
        const DisplayEntry& e = Shown(k);
        page.rows.back().push_back({DataText(e.data), e.rd != 0 ? pc_.RdForeColor : pc_.SdForeColor});
    }
}

void LiveDisplay::DetailPageFill(GridPage& page) const {
    const int32_t count = ShownCount();
    page.rows.reserve(static_cast<size_t>(count) + 1);
    auto& header = page.rows.emplace_back();
    for (const char* h : kHeaders) header.push_back({h, 0});
    // The units of a record share its time: its text is made once.
    std::string date;
    double dateOf = 0;
    for (int32_t k = 0; k < count; ++k) {
        const DisplayEntry& e = Shown(k);
        if (k == 0 || e.time != dateOf) {
            date = platform::FormatDateTime(e.time);
            dateOf = e.time;
        }
        const int32_t color = e.rd != 0 ? pc_.RdForeColor : pc_.SdForeColor;
        const std::string time =
            committed_.CharTime == 0 || e.timeValue == 0 ? "" : CharTimeText(e.timeCode, e.timeValue);
        const std::string texts[kDetailColumns] = {
            Right6(e.unitNumber), e.sdNumber ? Right6(e.sdNumber) : "", e.rdNumber ? Right6(e.rdNumber) : "",
            DataText(e.data), date, e.rd != 0 ? "R" : "S", One(e.same),
            One(e.trig), One(e.parity), One(e.over), One(e.flam), time, ""};
        auto& row = page.rows.emplace_back();
        row.reserve(kDetailColumns);
        for (const std::string& t : texts) row.push_back({t, color});
    }
}

}  // namespace mon
