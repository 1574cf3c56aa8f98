// The pickers' folder listings of KYF and KYL files. A file is listed
// exactly when it is long enough to hold its stored name (and, for a link
// table, carries the current magic), and it is listed with that name.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>

#include "FileText.h"
#include "FuzzSupport.h"
#include "clsFrameConfig.h"
#include "clsLink.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzz::Check;
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    const std::string folder = dir / "listing";
    std::filesystem::create_directories(folder);
    dir.Write("listing/in.kyf", data, size);
    dir.Write("listing/in.kyl", data, size);

    uint32_t magic = 0;
    uint16_t length = 0;
    if (size >= 4) std::memcpy(&magic, data, 4);
    if (size >= 6) length = static_cast<uint16_t>(data[4] | (data[5] << 8));
    const bool holdsName = size >= 6 && size >= 6u + length;
    const std::string name =
        holdsName ? frames::FileText::FromStored(std::string(reinterpret_cast<const char*>(data) + 6, length)).Text()
                  : std::string();

    frames::clsFrameConfig configs;
    configs.DirName(folder);
    Check(configs.DirFrameNameNo() == (holdsName ? 1 : 0), "a configuration is listed when it holds its name");
    if (holdsName) {
        Check(configs.DirFrameName(0) == name, "listed with its stored name");
        Check(configs.DirFrameFilename(0) == folder + "/in.kyf", "listed with its path");
    }

    frames::clsLink links;
    links.DirName(folder);
    const bool current = holdsName && magic == frames::kLinkMagic;
    Check(links.DirLinkNameNo() == (current ? 1 : 0), "a link table is listed when current and whole");
    if (current) Check(links.DirLinkName(0) == name, "listed with its stored name");
    return 0;
}
