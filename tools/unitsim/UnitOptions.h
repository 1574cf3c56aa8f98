// How a simulated unit behaves: its model and the faults it is told to show.
#pragma once

#include "LanPackets.h"
#include "UnitMaintenance.h"

namespace unitsim {

struct UnitOptions {
    int model = 1;                   // 1 KY-N4, 2 KY-N5
    bool remote = false;             // already in remote mode when the line comes up
    int loadingErrorAfterLine = -1;  // reject the firmware after this many lines; -1 never
    int clockOffsetSeconds = 0;      // how far the unit's clock runs from the time it was set to
    char wrongReadBack = 0;          // parameter letter whose read-back is falsified; 0 none
    int wrongReadBackTimes = -1;     // how many of its read-backs are false; -1 all of them
    int replyDelayMs = 0;            // every reply waits this long before it goes out
    int hangUpAfterLines = -1;       // drop the line when this many lines came in; -1 never
    bool bannerWithoutCrLf = false;  // model 1: the long banner goes out without CR LF
    MaintenanceFaults maintenance{}; // how the memory read and the download answer

    // The line: a pseudo-terminal, or with lanPort 0 or above the LAN packet
    // format on that loopback TCP port (0: any free port).
    int lanPort = -1;
    lan::LineStatus lanStatus = lan::kLinesOn;  // the modem lines a PC finds on connecting
    bool lanNoise = false;                      // noise before every data packet
};

}  // namespace unitsim
