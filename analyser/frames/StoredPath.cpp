#include "StoredPath.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "ByteReader.h"

namespace frames {

namespace {

bool EndsWithNoCase(std::string_view name, std::string_view tail) {
    if (name.size() < tail.size()) return false;
    return std::equal(tail.begin(), tail.end(), name.end() - static_cast<std::ptrdiff_t>(tail.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string ResolveStoredPath(std::string_view stored, const std::string& namingFile) {
    if (stored.empty()) return {};
    std::string asIs(stored);
    std::replace(asIs.begin(), asIs.end(), '\\', '/');
    if (IsRegularFile(asIs)) return asIs;
    const size_t slash = asIs.rfind('/');
    const std::string name = slash == std::string::npos ? asIs : asIs.substr(slash + 1);
    if (!name.empty() && !namingFile.empty()) {
        const std::string beside = JoinPath(FolderOf(namingFile), name);
        if (IsRegularFile(beside)) return beside;
    }
    return asIs;
}

std::vector<std::string> FolderFiles(const std::string& folder, std::string_view extension) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = it->path().filename().string();
        if (EndsWithNoCase(name, extension)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool HeaderNameRead(const std::string& path, uint32_t& magic, std::string& name) {
    ByteReader in(path);
    return in.IsOpen() && in.U32(magic) && in.Text(name);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace frames
