// The one device object of the process, and the settings that choose
// between the serial port and the LAN link.
#pragma once

#include <cstdint>

#include "AppendWorker.h"
#include "LanLink.h"
#include "Timers.h"

namespace portello {

class DeviceLink : public LanLink {
public:
    ~DeviceLink() override = default;

    // Both store the value only when it is 1 or 2 and echo the argument.
    int16_t SetModel(int16_t model);
    int16_t SetActive(int16_t kind);
    int16_t Model() const { return modelNumber_; }
    int16_t Kind() const { return linkKind_; }
    bool SerialSelected() const { return linkKind_ == 1; }

private:
    int16_t modelNumber_ = 0;
    int16_t linkKind_ = 0;
};

// Everything the library keeps for the process. Built when the library is
// loaded and torn down when it is unloaded: the timer stops first, then the
// history appends still running are waited for, then the device object
// closes its port and frees its ring.
struct DeviceApp {
    ~DeviceApp() { timer.TimerStop(); }

    OneShotTimer timer;
    DeviceLink device;
    AppendWorker appends;  // last, so it is the first member torn down
};

DeviceApp& App();

}  // namespace portello
