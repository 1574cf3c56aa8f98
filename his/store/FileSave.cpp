#include "FileSave.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "Ky2LineBuilder.h"
#include "SharedFunctions.h"
#include "platform/file/AtomicFile.h"
#include "platform/text/Cp932.h"
#include "platform/text/VbFormat.h"

namespace store {

namespace {

constexpr size_t kChunk = 1 << 16;

struct Bounds {
    int32_t first;
    int32_t last;
};

Bounds RangeBounds(const clsCommon& doc, const SaveRange& range) {
    if (range.rangeFlag != 0) return {range.markBegin, range.markEnd};
    return {0, doc.RecordCount() - 1};
}

template <typename... T>
std::string Joined(const T&... fields) {
    std::string line;
    ((line += fields, line += ','), ...);
    line.pop_back();
    return line;
}

std::string Num(int32_t v) { return std::to_string(v); }

std::string TriggerLine(const clsCommon& doc, int i) {
    return Joined(Num(doc.TrigLine(i)), doc.SdChar(i), doc.SdCharAt(i), Num(doc.SdCount(i)),
                  doc.RdChar(i), doc.RdCharAt(i), Num(doc.RdCount(i)), Num(doc.AfterLength(i)));
}

}  // namespace

std::string Ky2HeaderText(const clsCommon& doc, const std::string& precedFile,
                          const std::string& followFile) {
    const std::string lines[] = {
        std::string(kKy2Magic),
        precedFile + "," + followFile,
        Joined(FormatStamp(doc.MonitorStart()), FormatStamp(doc.MonitorStop())),
        Joined(Num(doc.DspMode()), Num(doc.BaudRate()), Num(doc.DataLength()),
               Num(doc.ErrStop()), Num(doc.Direction()), Num(doc.Interface()),
               Num(doc.CharTime()), Num(doc.Led()), Num(doc.MemoryMode()), Num(doc.Parity()),
               Num(doc.TrigStop()), Num(doc.TrigStart()), Num(doc.RangeDate())),
        Joined(FormatStamp(doc.RangeStart()), FormatStamp(doc.RangeStop())),
        TriggerLine(doc, 0),
        TriggerLine(doc, 1),
    };
    std::string text;
    for (const std::string& line : lines) text += platform::Utf8ToCp932(line) + "\r\n";
    return text;
}

void HistoryDataWrite(const clsCommon& doc, platform::AtomicFile& file, const SaveRange& range) {
    const Bounds b = RangeBounds(doc, range);
    if (b.first < 0) return;
    Ky2LineBuilder builder;
    std::string out;
    for (RecordStore::Cursor c(doc.Records(), b.first); !c.AtEnd() && c.Index() <= b.last; c.Next()) {
        const HistoryRecord& r = c.Record();
        builder.Add(out, r.DateTime, r.Attr, r.Data, r.TimIndex, r.TimValue);
        if (out.size() >= kChunk) {
            file.Write(out);
            out.clear();
        }
    }
    builder.Finish(out);
    file.Write(out);
}

int HistorySave(const clsCommon& doc, const std::string& fileName, const SaveRange& range) {
    platform::AtomicFile file(fileName);
    // A saved file stands alone: its chain line is always ",".
    file.Write(Ky2HeaderText(doc, "", ""));
    HistoryDataWrite(doc, file, range);
    file.Commit();
    return file.error();
}

std::string CsvSettingWrite(const clsCommon& doc, int32_t record) {
    if (record >= 1) return std::string(29, ',');
    auto pick = [](int16_t v, std::initializer_list<const char*> names) {
        const auto* it = names.begin();
        return std::string(v >= 0 && static_cast<size_t>(v) < names.size() ? it[v] : *(names.end() - 1));
    };
    auto flag = [](int16_t v) { return std::string(v == 1 ? "1" : ""); };
    std::string s;
    auto col = [&s](const std::string& text) { s += text + ","; };
    col(FormatStamp(doc.MonitorStart()));
    col(FormatStamp(doc.MonitorStop()));
    col(doc.Interface() == 0 ? "RS-232C" : "RS-422");
    col(doc.Led() == 0 ? "CD" : "CI");
    col(pick(doc.Parity(), {"Non", "Odd", "Even"}));
    col(doc.DataLength() == 0 ? "7" : "8");
    col(Num(doc.BaudRate()));
    col(pick(doc.MemoryMode(), {"Ring(ReStart)", "Ring(Stop)", "Fix"}));
    col(flag(doc.ErrStop()));
    col(flag(doc.TrigStop()));
    col(flag(doc.TrigStart()));
    col(flag(doc.RangeDate()));
    col(FormatStamp(doc.RangeStart()));
    col(FormatStamp(doc.RangeStop()));
    for (int i = 0; i < 2; ++i) {
        col(pick(doc.TrigLine(i), {"Dual", "Sd", "Rd"}));
        col(doc.SdChar(i));
        col(doc.SdCharAt(i));
        col(Num(doc.SdCount(i)));
        col(doc.RdChar(i));
        col(doc.RdCharAt(i));
        col(Num(doc.RdCount(i)));
        col(Num(doc.AfterLength(i)));
    }
    return s;
}

namespace {

// The record columns of one row, each followed by ",". Every one of them is
// ASCII, so they go into the file as they stand. The row is put together in
// a small buffer and appended at once: files of millions of rows are made.
void CsvRecordColumns(std::string& out, int32_t index, const HistoryRecord& r,
                      std::string_view stamp) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    char row[128];  // numbers of at most 11 characters, a 19-character stamp
    char* p = row;
    auto number = [&p](int64_t v) { p = std::to_chars(p, p + 20, v).ptr; };
    const bool rd = (r.Attr & kAttrRd) != 0;
    number(int64_t{index} + 1);
    *p++ = ',';
    if (!rd) number(r.SdCount);
    *p++ = ',';
    if (rd) number(r.RdCount);
    *p++ = ',';
    p = std::copy(stamp.begin(), stamp.end(), p);
    *p++ = ',';
    *p++ = kHex[r.Data >> 4];
    *p++ = kHex[r.Data & 15];
    *p++ = ',';
    for (UnitAttr flag : {kAttrSame, kAttrRd, kAttrJis7, kAttrTrig}) {
        if (r.Attr & flag) *p++ = '1';
        *p++ = ',';
    }
    if (r.Attr & (kAttrParity | kAttrOver | kAttrFlam)) {
        *p++ = GetHexErrText(r.Data, r.Flag(kAttrParity), r.Flag(kAttrOver), r.Flag(kAttrFlam))[0];
    }
    *p++ = ',';
    if (r.TimIndex != kCharTimeNone) number(CharTimeScaled(r.TimIndex, r.TimValue));
    *p++ = ',';
    out.append(row, static_cast<size_t>(p - row));
}

}  // namespace

int CsvSave(const clsCommon& doc, const std::string& fileName, const SaveRange& range) {
    static constexpr std::string_view kHeading =
        "TrCnt,SdCnt,RdCnt,Date,Data,Same,Ch,Jis7,Trig,Err,ChrTime,"
        "MoniStart,MoniStop,Interface,Led,Parity,DataLeng,"
        "BaudRate,MemoryMode,ErrStop,TrigStop,TrigStart,"
        "RangeDate,RangeStart,RangeStop,"
        "TrigLine1,SdChar1,SdCharAt1,SdEvent1,RdChar1,RdCharAt1,RdEvent1,After1,"
        "TrigLine2,SdChar2,SdCharAt2,SdEvent2,RdChar2,RdCharAt2,RdEvent2,After2\r\n";
    platform::AtomicFile file(fileName);
    file.Write(kHeading);
    const Bounds b = RangeBounds(doc, range);
    const std::string otherRows = CsvSettingWrite(doc, 1) + "\r\n";
    std::string out;
    out.reserve(kChunk + 4096);
    std::string stamp;
    size_t stampRun = 0;
    const int32_t first = b.first < 0 ? doc.RecordCount() : b.first;
    for (RecordStore::Cursor c(doc.Records(), first); !c.AtEnd() && c.Index() <= b.last; c.Next()) {
        // Records of one run of equal stamps share its text.
        if (stamp.empty() || c.StampRun() != stampRun) {
            stamp = FormatStamp(c.Record().DateTime);
            stampRun = c.StampRun();
        }
        CsvRecordColumns(out, c.Index(), c.Record(), stamp);
        if (c.Index() == 0) {
            platform::AppendCp932(out, CsvSettingWrite(doc, 0) + "\r\n");
        } else {
            out += otherRows;
        }
        if (out.size() >= kChunk) {
            file.Write(out);
            out.clear();
        }
    }
    file.Write(out);
    file.Commit();
    return file.error();
}

}  // namespace store
