// Lets the window system run in the middle of a long loop: repaints, the
// progress window's cancel button, a moved window. Loops call Yield() on
// every step; events are processed at most once per interval so the loop
// itself stays fast.
#ifndef PLATFORM_UI_YIELDER_H
#define PLATFORM_UI_YIELDER_H

#include <chrono>
#include <functional>

namespace platform {

class Yielder {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr std::chrono::milliseconds kDefaultInterval{30};

    // clock is for tests; the default reads steady_clock.
    explicit Yielder(std::chrono::milliseconds interval = kDefaultInterval, Clock clock = {});

    // Processes pending events when force is set, on the first call, or
    // when interval has passed since events were last processed. True when
    // it did. Does nothing without a QCoreApplication.
    bool Yield(bool force = false);

private:
    bool Due(std::chrono::steady_clock::time_point now) const;

    std::chrono::milliseconds interval_;
    Clock clock_;
    bool yielded_ = false;
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace platform

#endif
