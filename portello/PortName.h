// Maps the port names callers pass to Linux device paths.
#pragma once

#include <string>

namespace portello {

// "\\.\COMn" and "COMn" (any case) name the device in the environment
// variable PORTELLO_COMn when it is set and not empty, else /dev/ttyS<n-1>.
// Any other name is a device path and is returned as given, less a leading
// "\\.\".
std::string ResolvePortName(const std::string& name);

}  // namespace portello
