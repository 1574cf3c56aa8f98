#include "StatusTexts.h"

#include "VbDate.h"
#include "VbFormat.h"

namespace analyser {

FramePanels FramePanelTexts(const FrameStatus& frame) {
    return {platform::FormatDateTime(frame.Date),
            ChrTimeText(frame.ChrTimeSetting, frame.ChrTime),
            frame.Chanel == 1 ? "RD" : "SD",
            frame.Same == 1 ? "同着" : "",
            frame.Trigger == 1 ? "トリガ" : "",
            ErrorText(frame.Error),
            CutText(frame.Cut)};
}

std::string ChrTimeText(int16_t setting, int32_t milliseconds) {
    if (setting == 0) return "-";
    if (milliseconds == -1) return "****";
    const double seconds = milliseconds / 1000.0;
    if (milliseconds >= 1000000) return platform::FormatNumber(seconds, "###,###,###") + "s";
    if (milliseconds >= 1000) return platform::FormatNumber(seconds, "") + "s";
    return std::to_string(milliseconds) + "ms";
}

std::string ErrorText(int error) {
    static constexpr const char* kLetters[] = {"", "p", "o", "q", "f", "j", "i", "x"};
    return error >= 0 && error <= 7 ? kLetters[error] : "";
}

std::string CutText(int cut) {
    switch (cut) {
        case 1: return "CRLF";
        case 2: return "文字間時間";
        case 3: return "任意文字列";
        default: return "フレーム";
    }
}

std::string RowCountText(int32_t rows) { return "/ " + std::to_string(rows); }

std::string CurrentRowText(int32_t currentRow, int32_t rows) {
    return std::to_string(rows < 1 ? 0 : int64_t{currentRow} + 1);
}

}  // namespace analyser
