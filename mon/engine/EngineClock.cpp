#include "EngineClock.h"

#include <chrono>

#include "platform/time/VbDate.h"

namespace mon {

int64_t SystemClock::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

double SystemClock::NowDate() { return platform::NowDate(); }

}  // namespace mon
