// Builders of frame files for the tests, made with the store's own writers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "FrameFileHeader.h"
#include "FrameRecord.h"
#include "clsFrameConfig.h"
#include "his/store/Progress.h"

namespace frames::test {

struct ItemSpec {
    const char* name;
    int16_t type;
    int16_t size;
    int16_t span = 0;
    int16_t unit = 1;
};

clsFrameConfig Config(const std::vector<ItemSpec>& items, int32_t mode = 0, const char* name = "テスト");
// Writes it and returns the path; aborts the test on failure.
std::string WriteConfig(const std::string& path, const clsFrameConfig& config);

// A header with every field set to something recognisable.
FrameFileHeader SampleHeader(const std::string& frameFile, const std::string& linkFile = {});

// The KYP bytes of a header and records, with the given magic.
std::string KypBytes(const FrameFileHeader& header, const std::vector<FrameRecord>& frames,
                     uint32_t magic = kFrameMagic);

FrameRecord Record(std::string data, double date = 45000.5, uint8_t status = 0x80, int16_t cut = 0);

std::string Bytes(std::initializer_list<int> bytes);

// Whether the address sanitizer is in: it reserves far more address space
// than a limit for a test leaves.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
#else
inline constexpr bool kAddressSanitizer = false;
#endif

// Runs body in a child process whose address space has room for headroom
// bytes more than it uses at the start; the child's exit code is body's
// result, 2 for an exception that escaped it, -1 when the child did not
// end by itself.
int ExitCodeWithMemoryHeadroom(size_t headroom, const std::function<int()>& body);

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

class FakeProgress : public store::ProgressSink {
public:
    void Show(int32_t aMax, const std::string& aTitle) override {
        ++shows;
        max = aMax;
        title = aTitle;
        cancel = false;
    }
    void PosValue(int32_t value) override {
        last = value;
        ++positions;
    }
    bool Cancel() const override { return cancel; }
    void Clear() override { ++clears; }
    void Yield() override {
        if (++yields == cancelAtYield) cancel = true;
    }

    int shows = 0, clears = 0, yields = 0, positions = 0;
    int cancelAtYield = -1;
    int32_t max = 0, last = 0;
    bool cancel = false;
    std::string title;
};

}  // namespace frames::test
