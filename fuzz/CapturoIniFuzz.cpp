// Capturo.ini over any bytes. A file the reader takes is rewritten in its
// normal form; reading that form into fresh defaults gives the same
// settings and rewrites it byte for byte (a fixed point). A file it does
// not take is left exactly as it was.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "IniFile.h"

namespace {

constexpr double kNow = 46000.5;  // 2025/12/09 12:00:00

void Defaults(const std::string& folder, mon::PcSettings& pc, mon::MonitorSettings& monitor) {
    mon::SettingsDefaultSet(pc, monitor, "Capturo", folder, kNow);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    dir.Clear();
    const std::string path = dir / "Capturo.ini";
    const std::string bytes = fuzz::Bytes(data, size);
    fuzz::WriteAll(path, bytes);

    mon::PcSettings pc;
    mon::MonitorSettings monitor;
    Defaults(dir.path(), pc, monitor);
    const mon::IniReadResult result = mon::IniFileRead(path, pc, monitor, false, kNow);
    if (result != mon::IniReadResult::Read) {
        FUZZ_CHECK(result == mon::IniReadResult::Ignored);
        FUZZ_CHECK(fuzz::ReadAll(path) == bytes);
        return 0;
    }
    const std::string normal = fuzz::ReadAll(path);
    FUZZ_CHECK(normal == mon::IniFileText(pc, monitor, kNow));

    mon::PcSettings pcAgain;
    mon::MonitorSettings monitorAgain;
    Defaults(dir.path(), pcAgain, monitorAgain);
    FUZZ_CHECK(mon::IniFileRead(path, pcAgain, monitorAgain, false, kNow) == mon::IniReadResult::Read);
    FUZZ_CHECK(pcAgain == pc);
    FUZZ_CHECK(monitorAgain == monitor);
    FUZZ_CHECK(fuzz::ReadAll(path) == normal);
    return 0;
}
