// The KYF frame configuration reader. Whatever reads writes back to a file
// that reads as the same configuration and writes back byte for byte; the
// item walk over it gives one item per configured item.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "ItemWalk.h"
#include "clsFrameConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzz::Check;
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    frames::clsFrameConfig config;
    if (!config.FrameRead(dir.Write("in.kyf", data, size))) return 0;
    Check(config.ItemMax() > 0, "a configuration that reads has items");

    std::vector<frames::DecodedItem> items;
    const std::string frame(reinterpret_cast<const char*>(data), std::min<size_t>(size, 64));
    frames::ItemFieldsDecode(frame, config, items);
    Check(items.size() == static_cast<size_t>(config.ItemMax()), "one decoded item per item");

    Check(config.FrameWrite(dir / "once.kyf"), "written");
    frames::clsFrameConfig again;
    Check(again.FrameRead(dir / "once.kyf"), "written file reads");
    Check(again == config, "same configuration after a round trip");
    Check(again.FrameWrite(dir / "twice.kyf"), "written again");
    Check(fuzz::ReadAll(dir / "once.kyf") == fuzz::ReadAll(dir / "twice.kyf"),
          "a written file writes back byte for byte");
    return 0;
}
