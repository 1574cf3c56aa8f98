// KY2 histories for the conversion tests, written by the history store's
// own writers.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "his/store/clsCommon.h"

namespace frames::test {

inline constexpr uint8_t kSd = 0x80;
inline constexpr uint8_t kRd = 0x82;

class Ky2History {
public:
    // A history with recognisable settings in its header; characters are
    // stamped 2026/12/09 10:00:00 until Stamp says otherwise.
    Ky2History();

    // The stamp of the characters added from now on.
    Ky2History& Stamp(double date);
    // One character; with a character time when range is 0 or more.
    Ky2History& Unit(uint8_t attr, uint8_t data, int16_t range = -1, uint16_t value = 0);
    // Characters of one direction without character times.
    Ky2History& Units(uint8_t attr, std::initializer_list<int> bytes);

    // Writes the KY2 file with the given chain line; aborts the test on
    // failure. Returns path.
    const std::string& Save(const std::string& path, const std::string& precedFile = {},
                            const std::string& followFile = {}) const;

    // The store keeps range codes above 5 as 5, so a file with codes 6 and
    // 7 is made from a saved one: every time word of range 5 and this value
    // gets the range code given. Returns how many were rewritten.
    static int RangeCodeRewrite(const std::string& path, uint16_t value, int16_t range);

    static constexpr double kStart = 46365.416666666664;  // 2026/12/09 10:00:00

private:
    store::clsCommon doc_;
    double stamp_ = kStart;
};

}  // namespace frames::test
