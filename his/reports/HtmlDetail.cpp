#include "HtmlDetail.h"

#include "HtmlText.h"
#include "Ky2Format.h"
#include "ListingTexts.h"
#include "SharedFunctions.h"
#include "VbDate.h"
#include "VbFormat.h"

namespace reports {

namespace {

std::string Word(int16_t value, std::initializer_list<const char*> words) {
    if (value < 0 || static_cast<size_t>(value) >= words.size()) return {};
    return *(words.begin() + value);
}

std::string Flag(int16_t value) { return value == 1 ? "ON" : "OFF"; }

std::string Date(double date) { return platform::FormatDateTime(date); }

std::string Esc(const std::string& text) { return HtmlEscape(text); }

std::string MonitorPart(const store::clsCommon& d) {
    return "<p>*モニタモード*<table border=0><tr>"
           "<td>&nbsp;&nbsp;&nbsp;&nbsp;<td>インタフェース－" +
           std::string(d.Interface() == 0 ? "RS-232C" : "RS-422/485") + "<td><td><tr><td>" +
           "<td>パリティ－" + Word(d.Parity(), {"なし", "奇数", "偶数"}) + "<td>データ長－" +
           (d.DataLength() == 0 ? "7ビット" : "8ビット") + "<td>回線速度－" +
           std::to_string(d.BaudRate()) + "bps<tr><td>" + "<td>トリガストップ－" +
           Flag(d.TrigStop()) + "<td>トリガスタート－" + Flag(d.TrigStart()) +
           "<td>エラーストップ－" + Flag(d.ErrStop()) + "<td><tr><td>" + "<td>メモリモード－" +
           Word(d.MemoryMode(), {"Ring(ReStart)", "Ring(Stop)", "Fix"}) + "</table>";
}

std::string StopTriggerPart(const store::clsCommon& d) {
    return "<p>*トリガストップモード*<table border=0><tr>"
           "<td>&nbsp;&nbsp;&nbsp;&nbsp;<td>ライン－" +
           LineWord(d.TrigLine(0)) + "<tr><td><td colspan=2>SD－" + Esc(d.SdChar(0)) +
           "<td>&nbsp;&nbsp;<td>イベントカウント－" + std::to_string(d.SdCount(0)) +
           "<tr><td><td colspan=2>RD－" + Esc(d.RdChar(0)) + "<td><td>イベントカウント－" +
           std::to_string(d.RdCount(0)) + "<tr><td><td><td colspan=2><td>アフタレングス－" +
           std::to_string(d.AfterLength(0)) + "</table>";
}

std::string StartTriggerPart(const store::clsCommon& d) {
    return "<p>*トリガスタートモード*<table border=0><tr>"
           "<td>&nbsp;&nbsp;&nbsp;&nbsp;<td>ライン－" +
           LineWord(d.TrigLine(1)) + "<tr><td><td colspan=2>SD－" + Esc(d.SdChar(1)) +
           "<td>イベントカウント－" + std::to_string(d.SdCount(1)) +
           "<tr><td><td colspan=2>RD－" + Esc(d.RdChar(1)) + "<td>イベントカウント－" +
           std::to_string(d.RdCount(1)) + "<tr><td><td colspan=2><td>モニタレングス－" +
           std::to_string(d.AfterLength(1)) + "</table>";
}

std::string RangePart(const store::clsCommon& d) {
    return "<p>*範囲時刻指定*<table border=0><tr>"
           "<td>&nbsp;&nbsp;&nbsp;&nbsp;<td>範囲時刻指定－" +
           Flag(d.RangeDate()) + "<tr><td><td colspan=3>START－" + Date(d.RangeStart()) +
           "<tr><td><td colspan=3>STOP－" + Date(d.RangeStop()) + "</table>";
}

std::string FlagCell(int16_t flag) { return flag == 1 ? "<td align=center>○" : "<td>&nbsp;"; }

std::string TimeCell(int16_t index, int16_t value) {
    if (index == store::kCharTimeNone) return "<td>&nbsp;";
    if (index < 0 || index >= store::kCharTimeTooLong) return "<td align=right>タイムオーバ";
    return "<td align=right>" + std::to_string(store::CharTimeScaled(index, static_cast<uint16_t>(value)));
}

}  // namespace

std::string HtmlSettingWrite(const store::clsCommon& doc) {
    return "[START " + Date(doc.MonitorStart()) + "] &nbsp;&nbsp;[STOP " + Date(doc.MonitorStop()) +
           "]" + MonitorPart(doc) + StopTriggerPart(doc) + StartTriggerPart(doc) + RangePart(doc);
}

const std::string& HtmlDetailRows::Stamp(double date) {
    if (date != stamp_) {
        stamp_ = date;
        stampText_ = Date(date);
    }
    return stampText_;
}

std::string HtmlDetailRows::Row(int32_t record) {
    const store::clsCommon& doc = doc_;
    int16_t data = 0, same = 0, ch = 0, jis7 = 0, trig = 0, parity = 0, over = 0, flam = 0;
    if (!doc.GetDataAtInf(record, data, same, ch, jis7, trig, parity, over, flam)) return {};
    double stamp = 0;
    int32_t dual = 0, sd = 0, rd = 0;
    doc.GetDataOtherInf(record, stamp, dual, sd, rd);
    int16_t timIndex = -1, timValue = 0;
    if (!doc.GetDataTimInf(record, timIndex, timValue)) timIndex = -1;
    std::string row = ch == 1 ? "<tr bgcolor=white><td align=right>" + std::to_string(dual) +
                                    "<td>&nbsp;<td align=right>" + std::to_string(rd)
                              : "<tr bgcolor=aqua><td align=right>" + std::to_string(dual) +
                                    "<td align=right>" + std::to_string(sd) + "<td>&nbsp;";
    row += "<td>";
    row += Stamp(stamp);
    row += "<td align=center>" + platform::HexUpper(static_cast<uint8_t>(data), 2);
    row += FlagCell(same) + FlagCell(jis7) + FlagCell(trig);
    const char letter = store::GetHexErrText(data, parity, over, flam).front();
    row += letter == ' ' ? std::string("<td>&nbsp;") : std::string("<td align=center>") + letter;
    return row + TimeCell(timIndex, timValue);
}

bool HtmlDetailWrite(const store::clsCommon& doc, HtmlLineWriter& out, bool aRange,
                     int32_t markBegin, int32_t markEnd, ReportControl* control) {
    out.Line(std::string("<html><head>") + kCharsetMeta + "<title></title></head><body>" +
             HtmlSettingWrite(doc) +
             "<p><table border=1><tr><th>No.<th>SD<th>RD<th>時刻<th>データ<th>同着<th>JIS7"
             "<th>トリガ<th>エラー<th>文字間時間");
    int32_t total = 0, sd = 0, rd = 0;
    doc.IsCounterInf(total, sd, rd);
    const int32_t first = aRange ? markBegin : 0;
    const int32_t last = aRange ? markEnd : total - 1;
    bool stopped = false;
    HtmlDetailRows rows(doc);
    for (int32_t r = first; r <= last; ++r) {
        if (control != nullptr && !control->Proceed(r)) {
            stopped = true;
            break;
        }
        const std::string row = rows.Row(r);
        if (row.empty()) break;
        out.Line(row);
    }
    out.Line("</body></html>");
    return !stopped;
}

}  // namespace reports
