#include "PortName.h"

#include <cctype>
#include <cstdlib>

namespace portello {

namespace {

// The port number of "COMn", or 0 when the name is not of that form.
unsigned long ComNumber(const std::string& name) {
    if (name.size() < 4) return 0;
    for (size_t i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
    }
    unsigned long n = 0;
    for (size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
        n = n * 10 + static_cast<unsigned long>(name[i] - '0');
        if (n > 9999) return 0;
    }
    return n;
}

}  // namespace

std::string ResolvePortName(const std::string& name) {
    const std::string devicePrefix = "\\\\.\\";
    std::string bare = name.rfind(devicePrefix, 0) == 0 ? name.substr(devicePrefix.size()) : name;
    const unsigned long n = ComNumber(bare);
    if (n == 0) return bare;
    const std::string variable = "PORTELLO_COM" + std::to_string(n);
    if (const char* mapped = std::getenv(variable.c_str()); mapped != nullptr && *mapped != '\0') {
        return mapped;
    }
    return "/dev/ttyS" + std::to_string(n - 1);
}

}  // namespace portello
