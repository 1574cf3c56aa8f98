// The KY1 converter over a source made of the input: the bytes after the
// first two are a KY1 stream, the form in which the reader process hands
// the viewer what it read (so the stream's decoding is fuzzed as well).
// Byte 0 bit 0 has the first rows of the stream repeated 30,001 times
// each, so that inputs reach the 60,000-unit part limit; bits 1 to 3, when
// not 0, replace the row count the table claims by one near the limits of
// a 64-bit count (the stream itself carries only counts a file can hold);
// byte 1, when not 0, presses Cancel after 7 times that many moves of the
// progress bar.
//
// Properties: a failed conversion leaves no file behind; a finished one
// leaves parts that read back, in chain order and linked to each other,
// as exactly the units of the rows delivered; a cancelled one leaves parts
// that hold the first of those units, in order, and nothing else.
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "Ky1FuzzChecks.h"
#include "his/store/Ky1Stream.h"

namespace {

constexpr int32_t kRepeat = 30001;

class BytesInput : public store::Ky1StreamInput {
public:
    BytesInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Read(char* into, size_t n) override {
        if (size_ - at_ < n) {
            at_ = size_;
            return false;
        }
        std::memcpy(into, data_ + at_, n);
        at_ += n;
        return true;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

class Progress : public store::ProgressSink {
public:
    explicit Progress(int64_t cancelAfter) : cancelAfter_(cancelAfter) {}
    void Show(int32_t aMax, const std::string&) override {
        FUZZ_CHECK(aMax >= 0);
        cancel_ = false;
    }
    void PosValue(int32_t value) override {
        FUZZ_CHECK(value >= 0);
        if (cancelAfter_ > 0 && ++moves_ >= cancelAfter_) cancel_ = true;
    }
    bool Cancel() const override { return cancel_; }
    void Clear() override {}
    void Yield() override {}
    bool pressed() const { return cancelAfter_ > 0 && moves_ >= cancelAfter_; }

private:
    int64_t cancelAfter_;
    int64_t moves_ = 0;
    bool cancel_ = false;
};

// Claimed row counts: whatever a damaged table says, none sizes anything.
constexpr int64_t kClaims[] = {
    std::numeric_limits<int64_t>::max(),         std::numeric_limits<int64_t>::min(),
    std::numeric_limits<int64_t>::max() / 2 + 1, std::numeric_limits<int64_t>::min() / 2 - 1,
    -1,                                          int64_t{std::numeric_limits<int32_t>::max()} + 1,
    std::numeric_limits<int64_t>::max() - 1};

// The source as it stands, but with the claimed row count given.
class Claiming : public store::Ky1Source {
public:
    Claiming(store::Ky1Source& inner, std::optional<int64_t> claim) : inner_(inner), claim_(claim) {}
    bool Open(const std::string& path) override { return inner_.Open(path); }
    void Close() override { inner_.Close(); }
    std::optional<int64_t> MstCount() override {
        const std::optional<int64_t> count = inner_.MstCount();
        return count && claim_ ? claim_ : count;
    }
    std::optional<store::Ky1Inf> InfRead() override { return inner_.InfRead(); }
    std::optional<std::array<store::Ky1Trg, 2>> TrgRead() override { return inner_.TrgRead(); }
    bool MstBegin() override { return inner_.MstBegin(); }
    Step MstNext(store::Ky1Mst& row) override { return inner_.MstNext(row); }

private:
    store::Ky1Source& inner_;
    std::optional<int64_t> claim_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    dir.Clear();
    const std::string ky1 = dir / "old.ky1";
    fuzz::WriteAll(ky1, "old");

    BytesInput in(data + 2, size - 2);
    store::Ky1StreamSource stream(in);
    fuzz::Repeating source(stream, (data[0] & 1) ? kRepeat : 1);
    const unsigned claimPick = (data[0] >> 1) & 7;
    Claiming claiming(source, claimPick == 0 ? std::nullopt : std::optional<int64_t>(kClaims[claimPick - 1]));
    Progress bar(data[1] == 0 ? 0 : int64_t{7} * data[1] * ((data[0] & 1) ? kRepeat : 1));
    store::clsConver conver(claiming, bar);
    const bool converted = conver.DBRead(ky1);

    fuzz::CheckConversion(dir, "old.ky1", converted, conver.Parts(), source, !bar.pressed());
    return 0;
}
