#include "Timers.h"

#include <thread>

namespace portello {

int32_t OneShotTimer::TimerStart(uint32_t ms) {
    std::lock_guard lock(lock_);
    timeUp_ = 0;
    lastId_ = lastId_ == INT32_MAX ? 1 : lastId_ + 1;
    timerId_ = lastId_;
    deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    return timerId_;
}

int32_t OneShotTimer::IsTimeUp() {
    std::lock_guard lock(lock_);
    PollLocked();
    return timeUp_ == 1 ? 1 : 0;
}

int32_t OneShotTimer::TimerStop() {
    std::lock_guard lock(lock_);
    if (timerId_ == 0) return 0;
    timerId_ = 0;
    return 1;
}

void OneShotTimer::PollLocked() {
    if (timerId_ != 0 && std::chrono::steady_clock::now() >= deadline_) {
        timeUp_ = 1;
        timerId_ = 0;  // fires once
    }
}

int32_t WaitPlain(uint32_t ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return 1;
}

}  // namespace portello
