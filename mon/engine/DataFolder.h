// The data folder the history files go to: paths in it, and the proof
// that a history file can be created there before a dialog accepts it.
#pragma once

#include <cstddef>
#include <string>

namespace mon {

// folder and name joined with one "/".
std::string JoinPath(const std::string& folder, const std::string& name);

// The longest path the history files of a folder and name may have.
inline constexpr size_t kWriteTestPathMax = 256;

// Proves that a file named after fileName can be created in dataDir. It
// probes with a fresh file of a name nobody else has, created exclusively
// and removed at once: a user's own "<fileName>.tmp" is never opened. False
// when the path "<dataDir>/<fileName>.tmp" is over kWriteTestPathMax
// characters or the probe cannot be created.
bool WriteTest(const std::string& dataDir, const std::string& fileName);

}  // namespace mon
