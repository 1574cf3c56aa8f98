// Connects the engine's fake library to a simulated unit's state machine:
// whatever the engine sent is cut into lines for the unit, and the unit's
// replies come back through the ring. No threads, no pseudo-terminal.
#pragma once

#include <string>

#include "FakePortello.h"
#include "UnitModel.h"

namespace mon::test {

class UnitBridge {
public:
    UnitBridge(FakePortello& api, const unitsim::UnitOptions& options)
        : api_(api), unit_(options) {}

    // Hands the unit every complete line sent since the last call.
    void Exchange() {
        pending_ += api_.TakeSent();
        size_t end = 0;
        while ((end = pending_.find("\r\n")) != std::string::npos) {
            const std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 2);
            if (silent) continue;
            for (const std::string& reply : unit_.Receive(line)) api_.Queue(reply);
        }
    }

    unitsim::UnitModel& Unit() { return unit_; }
    bool silent = false;  // the unit hears nothing more, as after a hang-up

private:
    FakePortello& api_;
    unitsim::UnitModel unit_;
    std::string pending_;
};

}  // namespace mon::test
