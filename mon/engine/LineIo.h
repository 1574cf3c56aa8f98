// The monitor's only way to the unit's bytes: a receive pump that takes at
// most one CR LF line per pass from the library's ring, a paced sender, and
// the one-shot step timer of the connect sequence.
#pragma once

#include <cstdint>
#include <string>

#include "EngineClock.h"
#include "PortelloApi.h"

namespace mon {

class LineIo {
public:
    // Bytes kept while no line end comes; noise on a line cannot grow the
    // pending text beyond this (the oldest bytes go).
    static constexpr size_t kPendingLimit = 65536;

    LineIo(PortelloApi& api, EngineClock& clock) : api_(api), clock_(clock) {}

    // The line completed in this pass, CR LF included, or empty. Bytes are
    // kept one character per byte.
    const std::string& LineRecv();
    void RecvClear();
    // Sends text. Paced (waitSend 1): one byte a call with a 1 ms wait,
    // consuming text as it goes, so after a failure text holds what was not
    // sent. Otherwise one send, text untouched.
    bool LineSend(std::string& text, int16_t waitSend);

    void StepTimerStart(int32_t ms);
    void StepTimerStop();
    // -1 once the armed timer has expired; polled on every pass.
    int16_t StepTimeUp();

    std::string LastLine;
    std::string PendingText;

private:
    PortelloApi& api_;
    EngineClock& clock_;
    bool timerArmed_ = false;
    int64_t deadline_ = 0;
    int16_t stepTimeUp_ = 0;
};

}  // namespace mon
