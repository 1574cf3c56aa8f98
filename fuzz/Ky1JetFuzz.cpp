// A Jet database of any bytes opened as a KY1 file the way Rewindo opens
// one: through the reader program in a process of its own, which runs the
// database library on it.
//
// Properties: whatever the library makes of the file (a crash, a hang, a
// wrong answer), the conversion here only succeeds or fails. A failure
// leaves nothing behind; a success leaves parts that read back as exactly
// the units of the rows the reader handed on.
#include <cstdint>
#include <string>
#include <vector>

#include "Ky1FuzzChecks.h"
#include "his/store/Ky1ProcessSource.h"

namespace {

// The reader is given far less time than a user would give it: these
// files are small, and a reader silent this long is hung.
constexpr int kSilenceLimitMs = 5000;

class NoWindow : public store::ProgressSink {
public:
    void Show(int32_t aMax, const std::string&) override { FUZZ_CHECK(aMax >= 0); }
    void PosValue(int32_t value) override { FUZZ_CHECK(value >= 0); }
    bool Cancel() const override { return false; }
    void Clear() override {}
    void Yield() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    dir.Clear();
    const std::string ky1 = dir / "old.ky1";
    fuzz::WriteAll(ky1, fuzz::Bytes(data, size));

    NoWindow bar;
    store::Ky1ProcessSource::Options options;
    options.command = {KY1READ_PATH};
    options.silenceLimitMs = kSilenceLimitMs;
    options.progress = &bar;
    options.quiet = true;
    store::Ky1ProcessSource reader(std::move(options));
    fuzz::Repeating source(reader);
    store::clsConver conver(source, bar);
    const bool converted = conver.DBRead(ky1);

    fuzz::CheckConversion(dir, "old.ky1", converted, conver.Parts(), source, true);
    return 0;
}
