#include "FolderMemory.h"

#include <filesystem>

namespace analyser::editors {

void FolderRemember(std::string* folder, const std::string& path) {
    if (folder == nullptr || path.empty()) return;
    std::error_code error;
    const auto parent = std::filesystem::absolute(std::filesystem::path(path), error).parent_path();
    if (!error && std::filesystem::is_directory(parent, error)) *folder = parent.string();
}

}  // namespace analyser::editors
