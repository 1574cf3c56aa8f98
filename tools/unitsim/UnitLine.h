// The unit's end of the line to the PC: a pseudo-terminal standing in for
// the serial cable, or a TCP port serving the LAN packet format.
#pragma once

#include <string>
#include <string_view>

namespace unitsim {

class UnitLine {
public:
    enum class Input {
        Data,    // bytes were read
        Idle,    // nothing arrived within the wait
        NoPeer,  // no PC is on the line at present
        Closed,  // the line is closed or failed
    };

    virtual ~UnitLine() = default;

    // Waits up to waitMs for the PC's bytes and appends what came to out.
    virtual Input Read(std::string& out, int waitMs) = 0;
    // Writes all bytes; false when they could not all go out in time.
    virtual bool Write(std::string_view bytes) = 0;
    // Writes what the line takes within waitMs: the count written, 0 when
    // nothing went, -1 when the line is closed or failed.
    virtual long WriteSome(std::string_view bytes, int waitMs) = 0;
    // Puts bytes on the wire as they stand, past any packet format.
    virtual bool WriteRaw(std::string_view bytes) { return Write(bytes); }
    // Closing the unit's end is a hang-up for the PC.
    virtual void Close() = 0;
};

}  // namespace unitsim
