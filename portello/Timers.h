// The one-shot timer and the plain wait.
//
// The timer has no thread of its own: it keeps a deadline, and the caller's
// poll notices its expiry and sets the time-up flag on the caller's thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>

namespace portello {

class OneShotTimer {
public:
    // Stops a running timer, clears the flag and starts a new one; returns
    // its id (never 0).
    int32_t TimerStart(uint32_t ms);
    // 1 once the timer has fired; the flag stays until the next start.
    int32_t IsTimeUp();
    // The stop's result: non-zero when a timer ran, else 0.
    int32_t TimerStop();

private:
    void PollLocked();

    std::mutex lock_;
    int32_t timeUp_ = 0;
    int32_t timerId_ = 0;
    int32_t lastId_ = 0;
    std::chrono::steady_clock::time_point deadline_{};
};

// Blocks the caller for ms milliseconds; returns non-zero.
int32_t WaitPlain(uint32_t ms);

}  // namespace portello
