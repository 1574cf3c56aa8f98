// The KYP frame file reader. Whatever reads writes back to a file that
// reads the same frames again and then writes back byte for byte; every
// frame decodes into as many items as the configuration has.
#include <bit>
#include <cstdint>
#include <cstring>

#include "FuzzSupport.h"
#include "clsFrameConfig.h"
#include "clsProtocol.h"

namespace {

using fuzz::Check;

struct Configs {
    std::string items;
    std::string ppp;
    Configs() {
        const fuzz::Scratch& dir = fuzz::Scratch::Get();
        items = dir / "items.kyf";
        ppp = dir / "ppp.kyf";
        frames::clsFrameConfig c;
        c.ItemMax(5);
        const int16_t types[] = {0, 1, 2, 2, 0};
        const int16_t sizes[] = {3, 13, 0, 16, 8};
        const int16_t spans[] = {0, 0, 2, 2, 0};
        for (int i = 0; i < 5; ++i) {
            c.ItemType(i, types[i]);
            c.ItemSize(i, sizes[i]);
            c.ItemSpan(i, spans[i]);
        }
        Check(c.FrameWrite(items), "configuration written");
        Check(c.FramePPPWrite(ppp), "PPP configuration written");
    }
};

bool SameFrames(const frames::clsProtocol& a, const frames::clsProtocol& b) {
    if (a.FrameMax() != b.FrameMax()) return false;
    for (int32_t n = 0; n < a.FrameMax(); ++n) {
        if (a.FrameBytes(n) != b.FrameBytes(n) || a.FrameStatus(n) != b.FrameStatus(n) ||
            a.FrameCutField(n) != b.FrameCutField(n) ||
            std::bit_cast<uint64_t>(a.FrameDate(n)) != std::bit_cast<uint64_t>(b.FrameDate(n)) ||
            a.FramePostit(0, n) != b.FramePostit(0, n) || a.FramePostit(1, n) != b.FramePostit(1, n)) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Configs configs;
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    const std::string input = dir.Write("in.kyp", data, size);
    // Half the inputs through an item layout, half as PPP.
    const std::string& config = size % 2 ? configs.ppp : configs.items;

    frames::clsProtocol doc;
    if (doc.FileRead(input, config) != 0) return 0;
    for (int32_t n = 0; n < doc.FrameMax(); ++n) {
        Check(doc.FrameItems(n).size() == static_cast<size_t>(doc.FrameConfig().ItemMax()), "items per frame");
        Check(doc.FrameDataOrg(n).size() <= doc.FrameBytes(n).size(), "data never grows");
    }
    if (doc.FrameMax() == 0) return 0;

    int32_t end = 0;
    Check(doc.FileWrite(dir / "once.kyp", nullptr, 0, end), "written");
    Check(end == doc.FrameMax() - 1, "end set to the last frame");
    frames::clsProtocol again;
    Check(again.FileRead(dir / "once.kyp", config) == 0, "written file reads");
    Check(SameFrames(doc, again), "same frames after a round trip");
    end = 0;
    Check(again.FileWrite(dir / "twice.kyp", nullptr, 0, end), "written again");
    Check(fuzz::ReadAll(dir / "once.kyp") == fuzz::ReadAll(dir / "twice.kyp"),
          "a written file writes back byte for byte");
    return 0;
}
