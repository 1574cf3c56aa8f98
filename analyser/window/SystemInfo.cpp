#include "SystemInfo.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace analyser {

const std::vector<std::string>& SystemInfoNames() {
    static const std::vector<std::string> names = {"hardinfo2", "hardinfo", "kinfocenter", "sysinfo",
                                                   "lshw-gtk", "cpu-x"};
    return names;
}

std::string ProgramOnPath(const std::vector<std::string>& names, std::string_view searchPath) {
    for (const std::string& name : names) {
        if (name.empty() || name.find('/') != std::string::npos) continue;
        size_t from = 0;
        while (from <= searchPath.size()) {
            const size_t colon = std::min(searchPath.find(':', from), searchPath.size());
            const std::string_view folder = searchPath.substr(from, colon - from);
            from = colon + 1;
            if (folder.empty()) continue;
            const std::filesystem::path candidate = std::filesystem::path(folder) / name;
            std::error_code error;
            if (std::filesystem::is_regular_file(candidate, error) &&
                ::access(candidate.c_str(), X_OK) == 0) {
                return candidate.string();
            }
        }
    }
    return {};
}

std::string SystemInfoProgram() {
    const char* path = std::getenv("PATH");
    return ProgramOnPath(SystemInfoNames(), path != nullptr ? path : "");
}

}  // namespace analyser
