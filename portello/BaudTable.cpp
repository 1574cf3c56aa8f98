#include "BaudTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace portello {
namespace {

// The table is derived from the clock rule rather than typed in, so it
// cannot hold a mistyped row; it is still built entirely at compile time.

struct RefClock {
    int16_t code;
    double hz;
};

// Listed by ascending code: on equal errors the first clock wins.
constexpr std::array<RefClock, 3> kClocks{{{0, 460800.0}, {2, 576000.0}, {4, 614400.0}}};

// A rate belongs to the group of the first of these not below it.
constexpr std::array<double, 41> kGroupRates{
    50,    75,    100,   110,   134.5, 150,   200,   300,    600,    1200,   1800,
    2000,  2400,  3200,  3600,  4800,  7200,  8000,  9600,   10400,  12000,  12800,
    14400, 16000, 16800, 19200, 24000, 26400, 28800, 32000,  33600,  38400,  48000,
    56000, 57600, 64000, 72000, 76800, 115200, 153600, 230400};

constexpr double kMaxError = 0.0125;

// Calls visit(rate) for every candidate rate in ascending order: tens up to
// 1000 with the two legacy rates slotted in, then hundreds up to 230400.
template <typename Visit>
constexpr void ForEachCandidate(Visit&& visit) {
    constexpr std::array<double, 2> kLegacyRates{75.0, 134.5};
    std::size_t legacy = 0;
    for (int rate = 10; rate <= 1000; rate += 10) {
        while (legacy < kLegacyRates.size() && kLegacyRates[legacy] < rate) {
            visit(kLegacyRates[legacy++]);
        }
        visit(static_cast<double>(rate));
    }
    for (int rate = 1100; rate <= 230400; rate += 100) visit(static_cast<double>(rate));
}

// std::round and std::abs are not constexpr in C++20. Only positive
// quotients reach RoundPositive, where adding one half and truncating
// rounds halves up just as std::round does.
constexpr int32_t RoundPositive(double x) { return static_cast<int32_t>(x + 0.5); }
constexpr double Abs(double x) { return x < 0 ? -x : x; }

struct Fit {
    int16_t clockCode;
    int32_t divisor;
    double error;  // relative to the wanted rate
};

constexpr Fit BestFit(double baud) {
    Fit best{0, 0, std::numeric_limits<double>::infinity()};
    for (const RefClock& clock : kClocks) {
        const int32_t divisor = RoundPositive(clock.hz / baud);
        const double error = Abs(clock.hz / divisor - baud) / baud;
        if (error < best.error) best = Fit{clock.code, divisor, error};
    }
    return best;
}

constexpr int16_t GroupOf(double baud) {
    for (std::size_t g = 0; g < kGroupRates.size(); ++g) {
        if (kGroupRates[g] >= baud) return static_cast<int16_t>(g);
    }
    return static_cast<int16_t>(kGroupRates.size() - 1);
}

constexpr int CountRows() {
    int rows = 0;
    ForEachCandidate([&rows](double baud) {
        if (BestFit(baud).error < kMaxError) ++rows;
    });
    return rows;
}

static_assert(CountRows() == kBaudRowCount);

constexpr std::array<BaudRow, kBaudRowCount> BuildTable() {
    std::array<BaudRow, kBaudRowCount> table{};
    std::size_t next = 0;
    ForEachCandidate([&table, &next](double baud) {
        const Fit fit = BestFit(baud);
        if (fit.error >= kMaxError) return;
        table[next++] =
            BaudRow{GroupOf(baud), static_cast<float>(baud), fit.clockCode, fit.divisor};
    });
    return table;
}

constexpr std::array<BaudRow, kBaudRowCount> kBaudTable = BuildTable();

// Anchors that pin the construction down: a change in rounding, tie
// breaking or precision shows up here at build time.
constexpr bool RowIs(std::size_t row, int16_t group, float baud, int16_t code, int32_t divisor) {
    const BaudRow& r = kBaudTable[row];
    return r.group == group && r.baud == baud && r.clockCode == code && r.divisor == divisor;
}
static_assert(RowIs(0, 0, 10.0f, 0, 46080));
static_assert(RowIs(6, 1, 70.0f, 4, 8777));
static_assert(RowIs(14, 4, 134.5f, 0, 3426));
static_assert(RowIs(101, 9, 1000.0f, 2, 576));
static_assert(RowIs(102, 9, 1100.0f, 0, 419));
static_assert(RowIs(1046, 40, 230400.0f, 0, 2));

}  // namespace

bool BaudRowGet(uint16_t row, BaudRow& out) {
    if (row >= kBaudTable.size()) return false;
    out = kBaudTable[row];
    return true;
}

}  // namespace portello
