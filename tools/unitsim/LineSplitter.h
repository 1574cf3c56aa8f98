// Cuts the byte stream from the PC into lines. A line ends at an LF that
// directly follows a CR; a lone CR or LF stays inside the line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace unitsim {

class LineSplitter {
public:
    // Returns the lines the bytes complete, in order, without their CR LF.
    std::vector<std::string> Feed(std::string_view bytes);
    // Bytes received since the last complete line.
    const std::string& Pending() const { return pending_; }

private:
    std::string pending_;
};

}  // namespace unitsim
