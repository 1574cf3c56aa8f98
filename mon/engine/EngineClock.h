// Time as the engine sees it: a steady millisecond count for its waits and
// the local date for the unit's clock. Tests drive a clock of their own.
#pragma once

#include <cstdint>

namespace mon {

class EngineClock {
public:
    virtual ~EngineClock() = default;
    virtual int64_t NowMs() = 0;    // steady, for waits
    virtual double NowDate() = 0;   // local date value, whole seconds
};

class SystemClock final : public EngineClock {
public:
    int64_t NowMs() override;
    double NowDate() override;
};

}  // namespace mon
