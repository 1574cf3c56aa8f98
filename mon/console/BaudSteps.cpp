#include "BaudSteps.h"

#include <charconv>
#include <cmath>
#include <iterator>

#include "PortelloApi.h"
#include "platform/text/VbFormat.h"

namespace mon {

namespace {

constexpr int kTableRowsMax = 1047;
constexpr float kFractionRate = 134.5f;

}  // namespace

BaudTable BaudTable::Read(PortelloApi& api) {
    std::vector<BaudRow> rows;
    for (int row = 0; row < kTableRowsMax; ++row) {
        int16_t group = 0;
        float baud = 0;
        int16_t clock = 0;
        int32_t divisor = 0;
        if (api.GetBaudRateN4(static_cast<uint16_t>(row), &group, &baud, &clock, &divisor) == 0) break;
        rows.push_back({group, baud});
    }
    return BaudTable(std::move(rows));
}

BaudRow BaudTable::Row(int row) const {
    if (row < 0 || row >= Count()) return {};
    return rows_[static_cast<size_t>(row)];
}

int BaudTable::RowFind(float baud) const {
    for (int row = 0; row < Count(); ++row) {
        if (rows_[static_cast<size_t>(row)].baud >= baud) return row;
    }
    return -1;
}

std::optional<float> BaudNumber(std::string_view text) {
    if (text.empty() || text == ".") return std::nullopt;
    bool point = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    float value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

float TypedBaud(std::string_view text) { return BaudNumber(text).value_or(kTypedBaudDefault); }

std::optional<float> BaudSnap(const BaudTable& table, int16_t model, float typed) {
    if (model != 2 || typed < kModel2TypedLowest) {
        const int row = table.RowFind(typed);
        if (row < 0) return std::nullopt;
        return table.Row(row).baud;
    }
    if (typed > kModel2BaudMax) return std::nullopt;
    return typed;
}

int BaudInitialRow(const BaudTable& table, float baud) {
    const int row = table.RowFind(baud);
    return row < 0 ? 0 : row;
}

float BaudStepUp(const BaudTable& table, int16_t model, float typed, int& currentRow) {
    const int row = table.RowFind(typed);
    if (model != 2) {
        if (row != -1) currentRow = row >= table.Count() - 1 ? 0 : row + 1;
        return table.Row(currentRow).baud;
    }
    if (typed < kModel2TypedLowest) return row == -1 ? typed : table.Row(row + 1).baud;
    return typed + kModel2Step > kModel2BaudMax ? kModel2WrapTo : typed + kModel2Step;
}

float BaudStepDown(const BaudTable& table, int16_t model, float typed, int& currentRow) {
    const int row = table.RowFind(typed);
    if (model != 2) {
        if (row != -1) currentRow = row == 0 ? table.Count() - 1 : row - 1;
        return table.Row(currentRow).baud;
    }
    if (typed > kModel2TypedLowest) return typed - kModel2Step;
    if (row == -1) return typed;
    return row > 0 ? table.Row(row - 1).baud : kModel2BaudMax;
}

std::string BaudText(float baud) {
    char text[64];
    const auto result = std::to_chars(std::begin(text), std::end(text), baud, std::chars_format::fixed);
    if (result.ec != std::errc()) return {};
    return std::string(text, result.ptr);
}

// A rate with a fraction (134.5, or a KY-N5 rate typed so) shows it: a
// rounded text would be stored back by the next Set.
std::string BaudOpenText(float baud) {
    if (baud == kFractionRate || baud != std::floor(baud)) return BaudText(baud);
    return platform::FormatNumber(baud, "00");
}

}  // namespace mon
