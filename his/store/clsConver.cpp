#include "clsConver.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <new>
#include <utility>

#include "Ky2Format.h"
#include "platform/file/AtomicFile.h"

namespace store {

namespace {

constexpr int32_t kYieldEvery = 1000;
constexpr size_t kChunk = 1 << 16;

// Keeps the busy state paired on every way out of DBRead.
class BusyScope {
public:
    explicit BusyScope(const clsConver::BusyHook& hook) : hook_(hook) {
        if (hook_) hook_(true);
    }
    ~BusyScope() {
        if (hook_) hook_(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    const clsConver::BusyHook& hook_;
};

// Positions go to the progress window as 32-bit values.
int32_t Position(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, 0, std::numeric_limits<int32_t>::max()));
}

// Reading and writing each move the bar once per row. The count is what
// the file claims and may be anything, negative or near the 64-bit limits:
// it is brought into the bar's range before it is doubled.
int32_t ProgressTotal(int64_t claimedRows) {
    return Position(std::clamp<int64_t>(claimedRows, 0, std::numeric_limits<int32_t>::max()) * 2);
}

std::string PartName(const std::string& base, int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d", number);
    return base + "_" + digits + ".ky2";
}

}  // namespace

clsConver::clsConver(Ky1Source& source, ProgressSink& bar, BusyHook busy)
    : source_(source), bar_(bar), busy_(std::move(busy)) {}

clsConver::~clsConver() = default;

std::string clsConver::ConvNameGet(const std::string& aName, const std::string& taken) {
    const std::string base = StripFileExtension(aName);
    for (int k = 1;; ++k) {
        const std::string candidate = PartName(base, k);
        if (candidate != taken && !FileExists(candidate)) return candidate;
    }
}

bool clsConver::DBRead(const std::string& aName) {
    const BusyScope busy(busy_);
    precedName_.clear();
    followName_.clear();
    parts_.clear();
    if (!source_.Open(aName)) return false;
    const std::optional<int64_t> count = source_.MstCount();
    bar_.Show(ProgressTotal(count.value_or(0)), kTitle);
    bool read = false, written = false;
    try {
        read = count && TablesRead();
        written = read && ConvFileWrite(aName);
    } catch (const std::bad_alloc&) {
        // More rows than memory holds: the conversion fails, and a part
        // being written is dropped with its writer.
        part_.reset();
        read = written = false;
    }
    bar_.Clear();
    source_.Close();
    return read && written;
}

bool clsConver::TablesRead() {
    // All three run even after a failure; only the outcome of all of them
    // decides.
    const bool inf = InfTableRead();
    const bool trg = TrgTableRead();
    const bool mst = MstTableRead();
    return inf && trg && mst;
}

bool clsConver::InfTableRead() {
    const std::optional<Ky1Inf> inf = source_.InfRead();
    if (inf) inf_ = *inf;
    return inf.has_value();
}

bool clsConver::TrgTableRead() {
    const std::optional<std::array<Ky1Trg, 2>> trg = source_.TrgRead();
    if (trg) trg_ = *trg;
    return trg.has_value();
}

// The units grow with the rows actually read, never by the count the
// file claims.
bool clsConver::MstTableRead() {
    units_.clear();
    rowsRead_ = 0;
    if (!source_.MstBegin()) return false;
    Ky1Mst row;
    for (;;) {
        const Ky1Source::Step step = source_.MstNext(row);
        if (step == Ky1Source::Step::End) return true;
        if (step == Ky1Source::Step::Failed) return false;
        const std::optional<ConvUnit> unit = EncodeUnit(row);
        if (!unit) return false;
        units_.push_back(*unit);
        bar_.PosValue(Position(++rowsRead_));
        if (rowsRead_ % kYieldEvery == 0) bar_.Yield();
        if (bar_.Cancel()) return true;
    }
}

bool clsConver::ConvFileWrite(const std::string& aName) {
    if (bar_.Cancel()) return true;
    bool ok = PartOpen(aName);
    for (size_t i = 0; i < units_.size(); ++i) {
        ok = UnitWrite(aName, i) && ok;
        bar_.PosValue(Position(rowsRead_ + static_cast<int64_t>(i)));
        if (i % kYieldEvery == 0) bar_.Yield();
        if (bar_.Cancel()) break;
    }
    return PartClose() && ok;
}

bool clsConver::UnitWrite(const std::string& aName, size_t index) {
    const ConvUnit& u = units_[index];
    // The character-time word goes out as stored, every bit of it (range
    // codes 6 and 7, bit 0x2000): readers decide what those mean.
    line_.AddWord(pending_, u.Dtime, u.Attr, u.Data, u.Word);
    PendingWrite(false);
    if (++partUnits_ < kPartUnits) return true;
    // The part is full with this unit; the next one starts right away, so
    // a history of exactly 60,000 characters ends in a header-only part.
    const bool closed = PartClose();
    return PartOpen(aName) && closed;
}

bool clsConver::PartOpen(const std::string& aName) {
    currentName_ = followName_.empty() ? ConvNameGet(aName) : followName_;
    followName_ = ConvNameGet(aName, currentName_);
    part_ = std::make_unique<platform::AtomicFile>(currentName_);
    part_->Write(ConvHeaderText(inf_, trg_, precedName_, followName_));
    partUnits_ = 0;
    return part_->ok();
}

bool clsConver::PartClose() {
    line_.Finish(pending_);
    PendingWrite(true);
    const bool committed = part_->Commit();
    part_.reset();
    if (committed) parts_.push_back(currentName_);
    precedName_ = currentName_;
    return committed;
}

void clsConver::PendingWrite(bool force) {
    if (!force && pending_.size() < kChunk) return;
    part_->Write(pending_);
    pending_.clear();
}

}  // namespace store
