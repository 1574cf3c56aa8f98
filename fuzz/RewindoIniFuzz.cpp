// Rewindo.ini over any bytes. A file of at least 32 bytes gives the
// colours of its first 32, one shorter leaves the defaults and is not
// touched; what the viewer writes back reads back as the same colours,
// and for a whole record as the very bytes it came from.
#include <cstdint>
#include <cstring>
#include <string>

#include "Colors.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    dir.Clear();
    const std::string path = dir / "Rewindo.ini";
    const std::string bytes = fuzz::Bytes(data, size);
    fuzz::WriteAll(path, bytes);

    viewer::ColorRecord colors = viewer::DefaultColors();
    viewer::ColorIniRead(path, colors);
    if (size < viewer::kColorRecordSize) {
        FUZZ_CHECK(colors == viewer::DefaultColors());
        FUZZ_CHECK(fuzz::ReadAll(path) == bytes);
    } else {
        std::array<uint8_t, viewer::kColorRecordSize> record{};
        std::memcpy(record.data(), data, record.size());
        FUZZ_CHECK(colors == viewer::ColorRecordFromBytes(record));
        FUZZ_CHECK(viewer::ColorRecordBytes(colors) == record);
    }

    const std::string saved = dir / "saved.ini";
    FUZZ_CHECK(viewer::ColorIniWrite(saved, colors));
    const auto written = viewer::ColorRecordBytes(colors);
    FUZZ_CHECK(fuzz::ReadAll(saved) == std::string(written.begin(), written.end()));
    if (size >= viewer::kColorRecordSize) FUZZ_CHECK(fuzz::ReadAll(saved) == bytes.substr(0, written.size()));
    viewer::ColorRecord back = viewer::DefaultColors();
    viewer::ColorIniRead(saved, back);
    FUZZ_CHECK(back == colors);
    return 0;
}
