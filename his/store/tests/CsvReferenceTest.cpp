// The CSV writer against a row-by-row reference: every field formatted on
// its own and the whole text converted to code page 932, as the columns are
// defined. Random histories, whole and by range.
#include <gtest/gtest.h>

#include <random>

#include "FileSave.h"
#include "SharedFunctions.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/text/Cp932.h"
#include "platform/text/VbFormat.h"

namespace store {
namespace {

std::string ReferenceRow(const clsCommon& doc, int32_t i) {
    const HistoryRecord r = *doc.RecordAt(i);
    const bool rd = r.Flag(kAttrRd) == 1;
    auto flag = [&r](UnitAttr mask) { return std::string(r.Flag(mask) ? "1" : ""); };
    std::string err = GetHexErrText(r.Data, r.Flag(kAttrParity), r.Flag(kAttrOver), r.Flag(kAttrFlam)).substr(0, 1);
    if (err == " ") err.clear();
    const std::string time = r.TimIndex == kCharTimeNone ? "" : std::to_string(CharTimeScaled(r.TimIndex, r.TimValue));
    const std::string fields[] = {
        std::to_string(i + 1), rd ? "" : std::to_string(r.SdCount), rd ? std::to_string(r.RdCount) : "",
        FormatStamp(r.DateTime), platform::HexUpper(r.Data, 2), flag(kAttrSame), flag(kAttrRd),
        flag(kAttrJis7), flag(kAttrTrig), err, time,
    };
    std::string row;
    for (const std::string& f : fields) row += f + ",";
    return row + CsvSettingWrite(doc, i) + "\r\n";
}

std::string ReferenceCsv(const clsCommon& doc, const SaveRange& range) {
    std::string text =
        "TrCnt,SdCnt,RdCnt,Date,Data,Same,Ch,Jis7,Trig,Err,ChrTime,"
        "MoniStart,MoniStop,Interface,Led,Parity,DataLeng,"
        "BaudRate,MemoryMode,ErrStop,TrigStop,TrigStart,"
        "RangeDate,RangeStart,RangeStop,"
        "TrigLine1,SdChar1,SdCharAt1,SdEvent1,RdChar1,RdCharAt1,RdEvent1,After1,"
        "TrigLine2,SdChar2,SdCharAt2,SdEvent2,RdChar2,RdCharAt2,RdEvent2,After2\r\n";
    const int32_t first = range.rangeFlag ? range.markBegin : 0;
    const int32_t last = range.rangeFlag ? range.markEnd : doc.RecordCount() - 1;
    for (int32_t i = first; i <= last && doc.RecordAt(i); ++i) text += ReferenceRow(doc, i);
    return platform::Utf8ToCp932(text);
}

TEST(CsvSaveReference, RowsMatchFieldByFieldFormattingForWholeHistoriesAndRanges) {
    std::mt19937 rng(5);
    TempFolder dir("ky-csv");
    for (int units : {1, 7, 500, 3000}) {
        clsCommon doc;
        doc.SdChar(0, "ｱｲｳ漢字");
        doc.RdCharAt(1, "①②");
        doc.MonitorStart("2024/01/02 03:04:05");
        double stamp = 45000.0;
        for (int i = 0; i < units; ++i) {
            if (rng() % 5 == 0) stamp += (rng() % 3 == 0 ? -1.0 : 1.0) / 86400.0;
            doc.RecordAdd(stamp, static_cast<uint8_t>(0x80 | (rng() & 0x7F)), static_cast<uint8_t>(rng()));
            if (rng() % 3 == 0) doc.CharTimeSet(static_cast<uint16_t>(0x4000 | (rng() & 0x1FFF)));
        }
        const SaveRange ranges[] = {{}, {1, 0, units - 1}, {1, units / 2, units - 1}, {1, 1, units / 3},
                                    {1, -1, units - 1}, {1, units, units + 5}};
        for (const SaveRange& range : ranges) {
            const std::string path = dir / "a.csv";
            ASSERT_EQ(CsvSave(doc, path, range), 0);
            ASSERT_EQ(TempFolder::ReadAll(path), ReferenceCsv(doc, range))
                << units << " units, range " << range.rangeFlag << " " << range.markBegin << "-" << range.markEnd;
        }
    }
}

}  // namespace
}  // namespace store
