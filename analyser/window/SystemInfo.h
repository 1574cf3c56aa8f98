// The system-information program the about window starts: the first of a
// fixed list of known programs found on the search path.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace analyser {

// Known system-information programs, in the order they are looked for.
const std::vector<std::string>& SystemInfoNames();

// The full path of the first name found as an executable file in a folder
// of searchPath (folders separated by ":", searched in order for each
// name); "" when none is. Empty entries (the current folder) are skipped.
std::string ProgramOnPath(const std::vector<std::string>& names, std::string_view searchPath);

// The system-information program on this process's PATH, or "".
std::string SystemInfoProgram();

}  // namespace analyser
