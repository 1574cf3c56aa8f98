#include "Ky1Stream.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace store {

namespace {

constexpr char kTagOpen = 'O';
constexpr char kTagCount = 'C';
constexpr char kTagInf = 'I';
constexpr char kTagTrg = 'T';
constexpr char kTagBegin = 'B';
constexpr char kTagRow = 'R';
constexpr char kTagEnd = 'E';
constexpr char kTagFailed = 'F';

// Rows between two flushes, so the viewer's progress moves while a long
// table is read.
constexpr int kRowsPerFlush = 4096;

// The unsigned integer of the same size as T, for floats and signed values.
template <typename T>
using Bits = std::conditional_t<sizeof(T) == 1, uint8_t,
             std::conditional_t<sizeof(T) == 2, uint16_t,
             std::conditional_t<sizeof(T) == 4, uint32_t, uint64_t>>>;

template <typename T>
void Put(std::string& out, T value) {
    Bits<T> bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (size_t i = 0; i < sizeof bits; ++i) out.push_back(static_cast<char>(bits >> (8 * i)));
}

void PutBool(std::string& out, bool v) { out.push_back(v ? '\1' : '\0'); }

void PutText(std::string& out, const std::string& text) {
    // Longer texts cannot come from the old tables; they go out cut, and
    // the reader still sees a well-formed message.
    const auto length = static_cast<uint32_t>(std::min<size_t>(text.size(), kKy1StreamTextLimit));
    Put(out, length);
    out.append(text, 0, length);
}

void PutInf(std::string& out, const Ky1Inf& r) {
    Put(out, r.Start);
    Put(out, r.Stop);
    PutText(out, r.Band);
    Put(out, r.Data);
    Put(out, r.Parity);
    PutBool(out, r.ErrStop);
    Put(out, r.Monitor);
    Put(out, r.MonitorCode);
    Put(out, r.Interface);
    PutBool(out, r.TimeDsp);
    Put(out, r.Led);
    Put(out, r.MemoryMode);
    PutText(out, r.TypeName);
    PutBool(out, r.TrigStop);
    PutBool(out, r.TrigStart);
}

void PutTrg(std::string& out, const Ky1Trg& r) {
    PutBool(out, r.Stop);
    Put(out, r.Line);
    Put(out, r.SdCnt);
    Put(out, r.RdCnt);
    Put(out, r.After);
    PutText(out, r.SdNot);
    PutText(out, r.SdChar);
    PutText(out, r.RdNot);
    PutText(out, r.RdChar);
    PutText(out, r.Mode);
}

void PutMst(std::string& out, const Ky1Mst& r) {
    Put(out, r.Total);
    Put(out, r.SdCnt);
    Put(out, r.RdCnt);
    Put(out, r.Dtime);
    Put(out, r.Data);
    Put(out, r.SdRd);
    Put(out, r.Same);
    Put(out, r.ErrBit);
    Put(out, r.Trig1);
    Put(out, r.Trig2);
    Put(out, r.ChrTime);
    Put(out, r.SiSo);
    Put(out, r.DualCnt);
}

template <typename T>
void PutOptional(std::string& out, char tag, const std::optional<T>& value,
                 void (*put)(std::string&, const T&)) {
    out.push_back(tag);
    PutBool(out, value.has_value());
    if (value) put(out, *value);
}

void PutCount(std::string& out, const int64_t& n) { Put(out, n); }

void PutTrgPair(std::string& out, const std::array<Ky1Trg, 2>& pair) {
    for (const Ky1Trg& t : pair) PutTrg(out, t);
}

// Serves the rows of MstTable; false when flushing failed.
bool ServeRows(Ky1Source& source, std::string& out,
               const std::function<bool(std::string&)>& flush) {
    Ky1Mst row;
    for (int64_t n = 1;; ++n) {
        const Ky1Source::Step step = source.MstNext(row);
        if (step != Ky1Source::Step::Row) {
            out.push_back(step == Ky1Source::Step::End ? kTagEnd : kTagFailed);
            return true;
        }
        out.push_back(kTagRow);
        PutMst(out, row);
        if (n % kRowsPerFlush == 0 && !flush(out)) return false;
    }
}

void ServeReads(Ky1Source& source, const std::string& path, std::string& out,
                const std::function<bool(std::string&)>& flush) {
    const bool opened = source.Open(path);
    out.push_back(kTagOpen);
    PutBool(out, opened);
    if (!flush(out) || !opened) return;
    // The converter goes on only with a row count, and then reads all
    // three tables whatever each gives.
    const std::optional<int64_t> count = source.MstCount();
    PutOptional<int64_t>(out, kTagCount, count, PutCount);
    if (!flush(out) || !count) return;
    PutOptional<Ky1Inf>(out, kTagInf, source.InfRead(), PutInf);
    PutOptional<std::array<Ky1Trg, 2>>(out, kTagTrg, source.TrgRead(), PutTrgPair);
    const bool begun = source.MstBegin();
    out.push_back(kTagBegin);
    PutBool(out, begun);
    if (!flush(out) || !begun) return;
    if (ServeRows(source, out, flush)) flush(out);
}

}  // namespace

void Ky1StreamServe(Ky1Source& source, const std::string& path,
                    const std::function<bool(std::string& bytes)>& flush) {
    std::string out;
    ServeReads(source, path, out, flush);
    source.Close();
}

// --- reading ------------------------------------------------------------------

bool Ky1StreamSource::Tag(char expected) {
    char tag = 0;
    if (broken_ || !in_.Read(&tag, 1) || tag != expected) broken_ = true;
    return !broken_;
}

template <typename T>
bool Ky1StreamSource::Number(T& out) {
    unsigned char bytes[sizeof(T)];
    if (broken_ || !in_.Read(reinterpret_cast<char*>(bytes), sizeof bytes)) {
        broken_ = true;
        return false;
    }
    Bits<T> bits = 0;
    for (size_t i = 0; i < sizeof bits; ++i) bits = static_cast<Bits<T>>(bits | Bits<T>(bytes[i]) << (8 * i));
    std::memcpy(&out, &bits, sizeof out);
    return true;
}

bool Ky1StreamSource::Bool(bool& out) {
    uint8_t b = 0;
    if (!Number(b) || b > 1) broken_ = true;
    out = b == 1;
    return !broken_;
}

bool Ky1StreamSource::Text(std::string& out) {
    uint32_t length = 0;
    if (!Number(length) || length > kKy1StreamTextLimit) {
        broken_ = true;
        return false;
    }
    out.assign(length, '\0');
    if (length > 0 && !in_.Read(out.data(), length)) broken_ = true;
    return !broken_;
}

std::optional<bool> Ky1StreamSource::Present(char tag) {
    bool present = false;
    if (!Tag(tag) || !Bool(present)) return std::nullopt;
    return present;
}

bool Ky1StreamSource::InfFields(Ky1Inf& r) {
    return Number(r.Start) && Number(r.Stop) && Text(r.Band) && Number(r.Data) &&
           Number(r.Parity) && Bool(r.ErrStop) && Number(r.Monitor) && Number(r.MonitorCode) &&
           Number(r.Interface) && Bool(r.TimeDsp) && Number(r.Led) && Number(r.MemoryMode) &&
           Text(r.TypeName) && Bool(r.TrigStop) && Bool(r.TrigStart);
}

bool Ky1StreamSource::TrgFields(Ky1Trg& r) {
    return Bool(r.Stop) && Number(r.Line) && Number(r.SdCnt) && Number(r.RdCnt) &&
           Number(r.After) && Text(r.SdNot) && Text(r.SdChar) && Text(r.RdNot) &&
           Text(r.RdChar) && Text(r.Mode);
}

bool Ky1StreamSource::MstFields(Ky1Mst& r) {
    return Number(r.Total) && Number(r.SdCnt) && Number(r.RdCnt) && Number(r.Dtime) &&
           Number(r.Data) && Number(r.SdRd) && Number(r.Same) && Number(r.ErrBit) &&
           Number(r.Trig1) && Number(r.Trig2) && Number(r.ChrTime) && Number(r.SiSo) &&
           Number(r.DualCnt);
}

bool Ky1StreamSource::Open(const std::string&) {
    bool opened = false;
    return Tag(kTagOpen) && Bool(opened) && opened;
}

std::optional<int64_t> Ky1StreamSource::MstCount() {
    int64_t n = 0;
    const std::optional<bool> present = Present(kTagCount);
    if (!present || !*present || !Number(n)) return std::nullopt;
    // More rows than the file can hold, or fewer than none: a damaged
    // table definition, as unreadable as a missing one.
    if (n < 0 || n > rowLimit_) return std::nullopt;
    return n;
}

std::optional<Ky1Inf> Ky1StreamSource::InfRead() {
    Ky1Inf r;
    const std::optional<bool> present = Present(kTagInf);
    if (!present || !*present || !InfFields(r)) return std::nullopt;
    return r;
}

std::optional<std::array<Ky1Trg, 2>> Ky1StreamSource::TrgRead() {
    std::array<Ky1Trg, 2> rows;
    const std::optional<bool> present = Present(kTagTrg);
    if (!present || !*present || !TrgFields(rows[0]) || !TrgFields(rows[1])) return std::nullopt;
    return rows;
}

bool Ky1StreamSource::MstBegin() {
    bool begun = false;
    if (begun_) broken_ = true;  // a stream cannot go back to the first row
    begun_ = true;
    return Tag(kTagBegin) && Bool(begun) && begun;
}

Ky1Source::Step Ky1StreamSource::MstNext(Ky1Mst& row) {
    if (ended_) return Step::End;
    char tag = 0;
    if (broken_ || !begun_ || !in_.Read(&tag, 1)) broken_ = true;
    if (!broken_ && tag == kTagEnd) {
        ended_ = true;
        return Step::End;
    }
    if (broken_ || tag != kTagRow || rows_ >= rowLimit_ || !MstFields(row)) {
        broken_ = true;
        return Step::Failed;
    }
    ++rows_;
    return Step::Row;
}

}  // namespace store
