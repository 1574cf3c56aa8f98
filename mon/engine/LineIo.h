// The monitor's only way to the unit's bytes: a receive pump that takes at
// most one CR LF line per pass from the library's ring, a paced sender, and
// the one-shot step timer of the connect sequence.
#pragma once

#include <cstdint>
#include <functional>
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

    // A smaller limit than the usual one lets a test reach the noise path
    // without megabytes of input.
    LineIo(PortelloApi& api, EngineClock& clock, size_t pendingLimit = kPendingLimit)
        : api_(api), clock_(clock), pendingLimit_(pendingLimit) {}

    size_t PendingLimit() const { return pendingLimit_; }

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
    // Milliseconds until the armed step timer expires (0 when it is due);
    // -1 when none is armed.
    int64_t StepTimerDueInMs();

    // Bytes taken from the ring so far, noise included.
    uint64_t BytesReceived() const { return received_; }
    // Called whenever the engine starts talking to the unit (a send, a
    // cleared receive, an armed step timer): a reply is to be expected
    // soon, so whoever runs the passes should look again promptly.
    std::function<void()> Activity;

    std::string LastLine;
    std::string PendingText;

private:
    void NoiseDrop();
    void NoiseEnd();
    void ActivityNote() {
        if (Activity) Activity();
    }

    PortelloApi& api_;
    EngineClock& clock_;
    size_t pendingLimit_;
    bool timerArmed_ = false;
    int64_t deadline_ = 0;
    int16_t stepTimeUp_ = 0;
    bool dropping_ = false;     // inside a line that went over the limit
    char lastDropped_ = '\0';  // its last byte: a CR there may start the line end
    uint64_t noise_ = 0;
    bool noiseEnded_ = false;
    uint64_t received_ = 0;
};

}  // namespace mon
