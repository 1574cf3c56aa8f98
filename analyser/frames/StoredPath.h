// Paths that frame files name inside themselves, and the folder listings
// of the file pickers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace frames {

// A path stored in a file header, often a Windows path ("C:\data\x.kyf").
// The first of these that names an existing file: the path with every "\"
// read as "/"; the stored file name in the folder of namingFile, the file
// whose header holds the path. When neither exists, the first; "" for "".
std::string ResolveStoredPath(std::string_view stored, const std::string& namingFile);

// The names of the regular files in folder whose extension (".kyf") matches
// without regard to case, sorted by name so every run lists them alike.
std::vector<std::string> FolderFiles(const std::string& folder, std::string_view extension);

// The magic and the stored name at the head of a KYF or KYL file (32-bit
// magic, then a 16-bit byte count and that many bytes). False for a file
// that cannot be opened or ends before the name does: listings skip it.
bool HeaderNameRead(const std::string& path, uint32_t& magic, std::string& name);

// The folder a path's file is in: "." for a bare name, "/" at the root.
std::string FolderOf(const std::string& path);

// folder + "/" + name, without doubling a "/" the folder ends in.
std::string JoinPath(const std::string& folder, const std::string& name);

bool IsRegularFile(const std::string& path);

}  // namespace frames
