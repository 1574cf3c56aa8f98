#include "SaveDestination.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "DataFolder.h"

namespace mon {

bool FolderExists(const std::string& folder) {
    if (folder.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_directory(std::filesystem::path(folder), ec) && !ec;
}

std::string SplitBrowseStart(const std::string& folderText, const std::string& programDir) {
    return FolderExists(folderText) ? folderText : programDir;
}

bool FileNameAcceptable(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos || name.find("..") != std::string::npos) {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
}

SplitVerdict SplitSetCheck(const std::string& folderText, const std::string& nameText) {
    if (!FolderExists(folderText)) return SplitVerdict::FolderRefused;
    if (nameText.empty()) return SplitVerdict::NameEmpty;
    if (!FileNameAcceptable(nameText)) return SplitVerdict::NameRefused;
    if (!WriteTest(folderText, nameText)) return SplitVerdict::WriteFailed;
    return SplitVerdict::Accepted;
}

}  // namespace mon
