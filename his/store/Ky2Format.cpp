#include "Ky2Format.h"

#include <sys/stat.h>

#include "platform/time/VbDate.h"

namespace store {

int32_t CharTimeScaled(int16_t range, uint16_t value) {
    static constexpr int32_t kScale[] = {1, 10, 100, 1000, 10000};
    if (range < 0) return 0;
    if (range >= kCharTimeTooLong) return -1;
    return static_cast<int32_t>(value) * kScale[range];
}

std::string FormatStamp(double date) { return platform::FormatDateTime(date); }

double ParseStamp(std::string_view text) {
    return platform::ParseDateTime(text).value_or(0.0);
}

std::string StripFileExtension(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.rfind('.');
    return dot == std::string::npos || dot < nameStart ? path : path.substr(0, dot);
}

std::string AppendFlagsSuffix(int flags) {
    std::string suffix = "_";
    if (flags & 1) suffix += 'b';
    if (flags & 4) suffix += 't';
    if (flags & 2) suffix += 'e';
    return suffix;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ProbeFollowFile(const std::string& name) {
    if (name.empty()) return {};
    if (FileExists(name)) return name;
    const std::string base = StripFileExtension(name);
    for (const char* ending : {"_be.ky2", "_bte.ky2", "_te.ky2", "_e.ky2", "_t.ky2"}) {
        if (FileExists(base + ending)) return base + ending;
    }
    return {};
}

}  // namespace store
