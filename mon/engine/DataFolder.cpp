#include "DataFolder.h"

#include <stdlib.h>
#include <unistd.h>

#include <vector>

#include "TextUtil.h"

namespace mon {

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

bool WriteTest(const std::string& dataDir, const std::string& fileName) {
    if (Utf8Length(JoinPath(dataDir, fileName + ".tmp")) > kWriteTestPathMax) return false;
    static constexpr char kSuffix[] = ".tmp";
    const std::string pattern = JoinPath(dataDir, fileName + ".XXXXXX" + kSuffix);
    std::vector<char> probe(pattern.begin(), pattern.end());
    probe.push_back('\0');
    // mkstemps creates with O_CREAT | O_EXCL: it can only make a new file.
    const int fd = ::mkstemps(probe.data(), static_cast<int>(sizeof kSuffix - 1));
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.data());
    return true;
}

}  // namespace mon
