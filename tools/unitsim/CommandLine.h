// The command line of the unitsim program.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "UnitOptions.h"

namespace unitsim {

struct CommandLine {
    UnitOptions options;
    std::string linkPath;      // a symlink to the slave made here; empty for none
    bool ignoreStdin = false;  // run until a signal, whatever stdin does
    int streamUnitsPerSecond = 0;  // stream once monitoring starts; 0 for no stream
    int streamUnitsPerRecord = 0;  // 0 for the default of the rate
    bool help = false;
};

// args excludes the program name. Nothing, with error set, for a bad line.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string* error);
std::string UsageText();
// Six comma-separated byte values; nothing when the text is not that.
std::optional<lan::LineStatus> ParseLineStatus(const std::string& text);

}  // namespace unitsim
