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
    // Bytes kept while no line end comes. The longest record a unit sends
    // fits many times over; a longer run without CR LF can only be noise,
    // and it is dropped up to and with its line end.
    static constexpr size_t kPendingLimit = 4 * 1024 * 1024;

    LineIo(PortelloApi& api, EngineClock& clock) : api_(api), clock_(clock) {}

    // The line completed in this pass, CR LF included, or empty. Bytes are
    // kept one character per byte.
    const std::string& LineRecv();
    // Also forgets any noise being dropped.
    void RecvClear();
    // The bytes of over-long lines dropped since the last call, once such
    // a line has ended; with unfinished, also those of a line still being
    // dropped. 0 when there are none.
    uint64_t TakeNoise(bool unfinished = false);
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
    void NoiseDrop();
    void NoiseEnd();

    PortelloApi& api_;
    EngineClock& clock_;
    bool timerArmed_ = false;
    int64_t deadline_ = 0;
    int16_t stepTimeUp_ = 0;
    bool dropping_ = false;     // inside a line that went over the limit
    char lastDropped_ = '\0';  // its last byte: a CR there may start the line end
    uint64_t noise_ = 0;
    bool noiseEnded_ = false;
};

}  // namespace mon
