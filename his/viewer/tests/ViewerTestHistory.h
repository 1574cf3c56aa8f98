// Histories for the viewer's tests, built through the store's own API.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "ViewerState.h"
#include "clsCommon.h"

namespace viewer::test {

inline constexpr double kDay0 = 45000.0;  // a date value in 2023
inline constexpr uint8_t kSd = 0x80;
inline constexpr uint8_t kRd = 0x80 | 0x02;

// A date value `seconds` after kDay0.
double At(int seconds);

// Appends one character; flags are extra attribute bits.
void Add(store::clsCommon& doc, uint8_t dirAttr, uint8_t data, uint8_t flags = 0, int seconds = 0);
// Appends the bytes as characters of one direction.
void AddAll(store::clsCommon& doc, uint8_t dirAttr, std::initializer_list<uint8_t> bytes);

// A state for a loaded history with a fixed page of c characters by p lines.
ViewerState Loaded(const store::clsCommon& doc, int16_t lineMode, int16_t c, int16_t p);

}  // namespace viewer::test
