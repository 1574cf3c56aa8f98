// The line baud rate as the device settings dialog and the baud windows
// take it: the model-1 divisor table read once from the library, the
// snapping of a typed rate onto it, the up-down steps of both models and
// the texts a rate is shown in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mon {

class PortelloApi;

// Rates a KY-N5 takes as typed (from kModel2TypedLowest up) and above which
// it refuses; below, it snaps to the table like a KY-N4.
inline constexpr float kModel2TypedLowest = 1000;
inline constexpr float kModel2BaudMax = 687500;
inline constexpr float kModel2Step = 100;
inline constexpr float kModel2WrapTo = 10;
// What a baud text that is no number stands for when stepping or listing.
inline constexpr float kTypedBaudDefault = 9600;

struct BaudRow {
    int16_t group = 0;  // 0-40; a group's last row holds its reference rate
    float baud = 0;
};

class BaudTable {
public:
    // The rows the library gives, from row 0 until it answers 0.
    static BaudTable Read(PortelloApi& api);
    explicit BaudTable(std::vector<BaudRow> rows) : rows_(std::move(rows)) {}

    int Count() const { return static_cast<int>(rows_.size()); }
    // A row outside the table reads as group 0, baud 0.
    BaudRow Row(int row) const;
    // The first row whose baud is not below baud; -1 when none is.
    int RowFind(float baud) const;

private:
    std::vector<BaudRow> rows_;
};

// A baud text as a number: digits with at most one ".", nothing else (no
// sign, blank, exponent or separator). Nothing for any other text.
std::optional<float> BaudNumber(std::string_view text);
// The number of a baud text, or kTypedBaudDefault for one that is none.
float TypedBaud(std::string_view text);

// The rate Set stores for a typed number, or nothing when it is refused:
// model 1, and model 2 below kModel2TypedLowest, snap up to the next
// table rate (9601 → 9700) and refuse a rate above the table; model 2
// keeps its rates from kModel2TypedLowest to kModel2BaudMax as typed.
std::optional<float> BaudSnap(const BaudTable& table, int16_t model, float typed);

// The row a dialog starts on for a rate: the first not below it, 0 when
// there is none.
int BaudInitialRow(const BaudTable& table, float baud);

// One step of the up-down beside the baud text, from the typed rate; the
// result is the rate to show. Model 1 moves currentRow through the table
// and wraps at both ends; a typed rate above the table leaves the row and
// shows its rate. Model 2 steps by kModel2Step from kModel2TypedLowest
// on (wrapping to kModel2WrapTo above kModel2BaudMax) and along the table
// below it; currentRow is left alone.
float BaudStepUp(const BaudTable& table, int16_t model, float typed, int& currentRow);
float BaudStepDown(const BaudTable& table, int16_t model, float typed, int& currentRow);

// Plain decimal: 134.5 with its fraction, whole rates without one.
std::string BaudText(float baud);
// As the dialog opens: a whole rate with at least two digits ("05",
// "9600"), a rate with a fraction plainly ("134.5", "1234.5").
std::string BaudOpenText(float baud);

}  // namespace mon
