// The texts of the main window's frame panels (the seven properties of
// the current frame) and of the row counter beside the frame-number box.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace analyser {

// What the panels show of one frame, as the frame document answers it.
struct FrameStatus {
    double Date = 0;              // FrameDate
    int16_t ChrTimeSetting = 0;   // ChrTime of the recording: 0 off
    int32_t ChrTime = 0;          // FrameChrTime, milliseconds; -1 no valid time
    uint8_t Chanel = 0;           // FrameChanel: 0 SD, 1 RD
    uint8_t Same = 0;             // FrameSt
    uint8_t Trigger = 0;          // FrameTrg
    uint8_t Error = 0;            // FrameErr 0..7
    int16_t Cut = 0;              // FrameCut 0..3
};

inline constexpr int kFramePanelCount = 7;
using FramePanels = std::array<std::string, kFramePanelCount>;

// Panels 1 to 7 in order: time stamp, character time, line, same time,
// trigger, error letters, cut kind.
FramePanels FramePanelTexts(const FrameStatus& frame);

// "-" with character-time recording off; otherwise "****" for -1, whole
// seconds with thousands separators and "s" from 1,000,000 ms, seconds in
// plain decimal and "s" from 1000 ms, else the milliseconds and "ms".
std::string ChrTimeText(int16_t setting, int32_t milliseconds);

// "p", "o", "q", "f", "j", "i", "x" for the error codes 1 to 7; empty for 0.
std::string ErrorText(int error);

// "フレーム", "CRLF", "文字間時間", "任意文字列" for the cut kinds 0 to 3.
std::string CutText(int cut);

// The row counter: "/ " and the number of rows.
std::string RowCountText(int32_t rows);

// The frame-number box: rows are counted from 1 on screen, and an empty
// chart shows "0".
std::string CurrentRowText(int32_t currentRow, int32_t rows);

}  // namespace analyser
