// The KY2 reader over any bytes, line by line and cut into stretches read
// side by side, which must agree. A history it accepts is saved whole and
// read back: everything but the chain (a saved file stands alone) must
// come back equal, header texts as far as a file can carry them; from the
// second save on the bytes no longer change. A range save must hold
// exactly the records of the range.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "his/store/FileSave.h"
#include "his/store/Ky2Format.h"
#include "his/store/clsCommon.h"
#include "platform/text/Cp932.h"

namespace {

// One record through the store's queries, the way every reader of a loaded
// history sees it.
struct Unit {
    int16_t data = 0, same = 0, ch = 0, jis7 = 0, trig = 0, parity = 0, over = 0, flam = 0;
    int16_t timIndex = 0, timValue = 0;
    std::string stamp;
};

Unit UnitAt(const store::clsCommon& doc, int32_t i) {
    Unit u;
    double when = 0;
    int32_t dual = 0, sd = 0, rd = 0;
    FUZZ_CHECK(doc.GetDataAtInf(i, u.data, u.same, u.ch, u.jis7, u.trig, u.parity, u.over, u.flam));
    FUZZ_CHECK(doc.GetDataTimInf(i, u.timIndex, u.timValue));
    FUZZ_CHECK(doc.GetDataOtherInf(i, when, dual, sd, rd));
    if (u.timIndex == store::kCharTimeNone) u.timValue = 0;
    u.stamp = store::FormatStamp(when);
    return u;
}

void SameRecord(const store::clsCommon& a, int32_t i, const store::clsCommon& b, int32_t j) {
    const Unit x = UnitAt(a, i), y = UnitAt(b, j);
    FUZZ_CHECK(x.data == y.data && x.same == y.same && x.ch == y.ch && x.jis7 == y.jis7);
    FUZZ_CHECK(x.trig == y.trig && x.parity == y.parity && x.over == y.over && x.flam == y.flam);
    FUZZ_CHECK(x.timIndex == y.timIndex && x.timValue == y.timValue);
    FUZZ_CHECK(x.stamp == y.stamp);
}

int32_t Count(const store::clsCommon& doc) {
    int32_t total = 0, sd = 0, rd = 0;
    doc.IsCounterInf(total, sd, rd);
    return total;
}

// A header text as a file can carry it. Bytes that are no code page 932
// text read as U+FFFD and are saved as "?"; a text cut to its field's
// length may end in a blank, which the next read trims. Either changes a
// text once, on the first save, and it is stable from then on.
std::string Saved(const std::string& text) {
    std::string bytes = platform::Utf8ToCp932(text);
    while (!bytes.empty() && bytes.back() == ' ') bytes.pop_back();
    return bytes;
}

void SameHeader(const store::clsCommon& a, const store::clsCommon& b) {
    FUZZ_CHECK(a.DspMode() == b.DspMode());
    FUZZ_CHECK(a.BaudRate() == b.BaudRate());
    FUZZ_CHECK(a.DataLength() == b.DataLength());
    FUZZ_CHECK(a.ErrStop() == b.ErrStop());
    FUZZ_CHECK(a.Direction() == b.Direction());
    FUZZ_CHECK(a.Interface() == b.Interface());
    FUZZ_CHECK(a.CharTime() == b.CharTime());
    FUZZ_CHECK(a.Led() == b.Led());
    FUZZ_CHECK(a.MemoryMode() == b.MemoryMode());
    FUZZ_CHECK(a.Parity() == b.Parity());
    FUZZ_CHECK(a.TrigStop() == b.TrigStop());
    FUZZ_CHECK(a.TrigStart() == b.TrigStart());
    FUZZ_CHECK(a.RangeDate() == b.RangeDate());
    FUZZ_CHECK(store::FormatStamp(a.MonitorStart()) == store::FormatStamp(b.MonitorStart()));
    FUZZ_CHECK(store::FormatStamp(a.MonitorStop()) == store::FormatStamp(b.MonitorStop()));
    FUZZ_CHECK(store::FormatStamp(a.RangeStart()) == store::FormatStamp(b.RangeStart()));
    FUZZ_CHECK(store::FormatStamp(a.RangeStop()) == store::FormatStamp(b.RangeStop()));
    for (int i = 0; i < 2; ++i) {
        FUZZ_CHECK(a.TrigLine(i) == b.TrigLine(i));
        FUZZ_CHECK(a.SdCount(i) == b.SdCount(i));
        FUZZ_CHECK(a.RdCount(i) == b.RdCount(i));
        FUZZ_CHECK(a.AfterLength(i) == b.AfterLength(i));
        FUZZ_CHECK(Saved(a.SdChar(i)) == Saved(b.SdChar(i)));
        FUZZ_CHECK(Saved(a.SdCharAt(i)) == Saved(b.SdCharAt(i)));
        FUZZ_CHECK(Saved(a.RdChar(i)) == Saved(b.RdChar(i)));
        FUZZ_CHECK(Saved(a.RdCharAt(i)) == Saved(b.RdCharAt(i)));
    }
}

void SameHistory(const store::clsCommon& a, const store::clsCommon& b) {
    SameHeader(a, b);
    int32_t at = 0, as = 0, ar = 0, bt = 0, bs = 0, br = 0;
    a.IsCounterInf(at, as, ar);
    b.IsCounterInf(bt, bs, br);
    FUZZ_CHECK(at == bt && as == bs && ar == br);
    FUZZ_CHECK(a.GetTrigPos() == b.GetTrigPos());
    FUZZ_CHECK(a.GetSdCharB() == b.GetSdCharB());
    FUZZ_CHECK(a.GetRdCharB() == b.GetRdCharB());
    for (int32_t i = 0; i < at; ++i) SameRecord(a, i, b, i);
}

void RangeRoundTrip(const store::clsCommon& doc, const fuzz::Scratch& dir) {
    const int32_t n = Count(doc);
    const store::SaveRange range{1, n / 3, n - 1 - n / 4};
    const std::string path = dir / "range.ky2";
    FUZZ_CHECK(store::HistorySave(doc, path, range) == 0);
    store::clsCommon part;
    FUZZ_CHECK(part.Read(path));
    SameHeader(doc, part);
    FUZZ_CHECK(Count(part) == range.markEnd - range.markBegin + 1);
    for (int32_t i = 0; i < Count(part); ++i) SameRecord(doc, range.markBegin + i, part, i);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Scratch& dir = fuzz::Scratch::Get();
    dir.Clear();
    const std::string in = dir / "in.ky2";
    fuzz::WriteAll(in, fuzz::Bytes(data, size));
    store::clsCommon doc;
    const bool read = doc.Read(in);
    // Cut into stretches read side by side, the file reads the same.
    store::clsCommon cut;
    FUZZ_CHECK(cut.Read(in, nullptr, store::DataReadSplit{1, 64}) == read);
    // A short look for line starts leaves stretches to the second round.
    store::clsCommon late;
    FUZZ_CHECK(late.Read(in, nullptr, store::DataReadSplit{1, 64, 1}) == read);
    if (!read) return 0;
    FUZZ_CHECK(Count(doc) > 0);
    SameHistory(doc, cut);
    SameHistory(doc, late);

    const std::string first = dir / "first.ky2";
    FUZZ_CHECK(store::HistorySave(doc, first, {}) == 0);
    store::clsCommon back;
    FUZZ_CHECK(back.Read(first));
    SameHistory(doc, back);
    // From the second save on, a saved history is a fixed point.
    const std::string second = dir / "second.ky2";
    FUZZ_CHECK(store::HistorySave(back, second, {}) == 0);
    store::clsCommon again;
    FUZZ_CHECK(again.Read(second));
    const std::string third = dir / "third.ky2";
    FUZZ_CHECK(store::HistorySave(again, third, {}) == 0);
    FUZZ_CHECK(fuzz::ReadAll(second) == fuzz::ReadAll(third));
    RangeRoundTrip(doc, dir);
    return 0;
}
