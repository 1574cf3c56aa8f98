// The two HTML forms of small histories, compared byte for byte with files
// written out here from the layout rules.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "Cp932.h"
#include "FileSizeLimit.h"
#include "HtmlExport.h"
#include "ProtectedTargets.h"
#include "Ky2TestFiles.h"
#include "ReportTestHistory.h"
#include "TempFolder.h"

namespace reports {
namespace {

using test::Add;
using test::kRd;
using test::kSame;
using test::kSd;
using test::Mode;

// The lines in code page 932, each ended by CR LF.
std::string FileOf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += platform::Utf8ToCp932(line) + "\r\n";
    return bytes;
}

std::string Cells(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& t : texts) out += "<TD>" + t + "</TD>";
    return out;
}

// Escaping as the file must show it, spelled out here.
std::string HtmlEscapeForTest(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else {
            out += c;
        }
    }
    return out;
}

void WriteOld(const std::string& path) { std::ofstream(path, std::ios::binary) << "old"; }

std::vector<std::string> Empty(size_t n) { return std::vector<std::string>(n); }

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string Head(const std::string& title) {
    return "<HTML><HEAD><meta charset=\"Shift_JIS\"><TITLE>" + title +
           "</TITLE><STYLE TYPE=\"text/css\"><!--TR{VERTICAL-ALIGN: TOP;}"
           "TR.SD{BACKGROUND-COLOR: #FFFFFF;TEXT-ALIGN: CENTER;}"
           "TR.RD{BACKGROUND-COLOR: #C0FFFF;TEXT-ALIGN: CENTER;}--></STYLE></HEAD><BODY>";
}

struct HeadValues {
    std::string stop = "2023-03-15 00:01:40";
    std::string trigStop = "TRIG STOP-OFF";
    std::string stopSd = "SD-";
    std::string sd = "00000";
    std::string rd = "00000";
    std::string start = "00001";
};

std::string Settings(const HeadValues& v) {
    const auto X = [](const std::string& t, int n) {
        return "<TD COLSPAN=\"" + std::to_string(n) + "\">" + t + "</TD>";
    };
    const auto Y = [](const std::string& t, int n) {
        return "<TD ROWSPAN=\"" + std::to_string(n) + "\">" + t + "</TD>";
    };
    return "[START 2023-03-15 00:00:00]  [STOP  " + v.stop + "]" +
           "<p><TABLE BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"5\">" +
           "<TR>" + Y("*MONITOR MODE*", 4) + X("RS-232C", 6) +
           "<TR>" + X("PARITY-EVEN", 2) + X("DATA BIT-8", 2) + X("BAUD RATE-   9600", 2) +
           "<TR>" + X(v.trigStop, 2) + X("TRIG START-OFF", 2) +
           "<TR>" + X("MEMORY MODE-RING(STOP)", 4) + X("ERROR STOP-OFF", 2) +
           "<TR>" + Y("*TRIG STOP MODE*", 4) + X("LINE-DUAL", 3) +
           "<TR>" + X(v.stopSd, 3) + X("EVENT COUNT-00", 3) +
           "<TR>" + X("RD-", 3) + X("EVENT COUNT-00", 3) +
           "<TR>" + X("", 3) + X("LENGTH AFTER-0000000", 3) +
           "<TR>" + Y("*TRIG START MODE*", 4) + X("LINE-DUAL", 3) +
           "<TR>" + X("SD-", 3) + X("EVENT COUNT-00", 3) +
           "<TR>" + X("RD-", 3) + X("EVENT COUNT-00", 3) +
           "<TR>" + X("", 3) + X("MONITOR LENGTH-0000000", 3) +
           "<TR>" + Y("*RANGE DATE MODE*", 3) + X("RANGE-OFF", 6) +
           "<TR>" + X("START-2023-03-16 10:20:30", 6) +
           "<TR>" + X("STOP -2023-03-16 11:22:33", 6) +
           "<TR><TD>*DATA COUNT*</TD>" + X("SD = " + v.sd, 2) + X("RD = " + v.rd, 2) +
           X("START POSITION = " + v.start, 2) + "</TABLE>";
}

std::string Row(const char* cls, const std::string& label, const std::vector<std::string>& data,
                const std::string& codes) {
    return std::string("<TR CLASS=\"") + cls + "\"><TD><NOBR>" + label + "</NOBR></TD>" + Cells(data) +
           "<TD>&nbsp;</TD>" + codes;
}

constexpr char kTable5[] = "<p><TABLE BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"5\">";
constexpr char kTable4[] = "<p><TABLE BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"4\">";

// DUAL: an SD record with the RD record that arrived with it, an SD record
// with a parity error, an RD record on the trigger; no character times.
std::unique_ptr<store::clsCommon> DualHistory() {
    auto doc = test::Conditions();
    doc->TrigStop(1);
    doc->SdChar(0, "41<&");
    Add(*doc, kSd | kSame, 'A', 0);
    Add(*doc, kRd, '1', 1);
    Add(*doc, kSd | test::kParity, '<', 2);
    Add(*doc, kRd | test::kTrig, 0x0D, 3);
    return doc;
}


class HtmlExportTest : public ::testing::Test {
protected:
    std::string Export(const store::clsCommon& doc, HtmlForm form, const ReportOptions& opts,
                       const std::string& name = "out.html") {
        path = folder / name;
        const HtmlResult result = HtmlExport(doc, path, form, opts, nullptr);
        EXPECT_TRUE(result.Written());
        return test::ReadAll(path);
    }
    TempFolder folder{"reports-html"};
    std::string path;
};

TEST_F(HtmlExportTest, StandardDualPairsRecordsAndEscapesTheTitle) {
    auto doc = DualHistory();
    const std::string bytes = Export(*doc, HtmlForm::Standard, Mode(0), "a&b<c>.html");
    HeadValues v;
    v.trigStop = "TRIG STOP-DETECT";
    v.stopSd = "SD- 41 &lt;&amp;";
    v.sd = v.rd = "00002";
    const std::string sCodes = Cells(Join({" Ａ", " ＜"}, Empty(8)));
    const std::string rCodes = Cells(Join({" １", "", " CR"}, Empty(7)));
    const std::string title = HtmlEscapeForTest(folder / "a&b<c>.html");
    EXPECT_EQ(bytes, FileOf({
                         Head(title),
                         Settings(v),
                         kTable4,
                         "<TR><TD COLSPAN=\"1\"></TD><TD COLSPAN=\"11\">CODE-HEX</TD>"
                         "<TD COLSPAN=\"10\">CODE-ASCII</TD>",
                         Row("SD", "  000001 S:", Join({" 41", "p3C"}, Empty(8)), sCodes),
                         Row("RD", "  000001 R:", Join({" 31", "", " 0D"}, Empty(7)), rCodes),
                         "</BODY></HTML>",
                     }));
    EXPECT_NE(bytes.find("\x82\x60"), std::string::npos) << "full-width A in code page 932";
}

TEST_F(HtmlExportTest, StandardSdWithTimesAndNoStopFillsFiveBytesALine) {
    auto doc = test::Conditions();
    doc->MonitorStop(0);
    doc->CharTime(1);
    Add(*doc, kSd, 'A', 0, 0, 5);
    Add(*doc, kSd, 'B', 0, 3, 5);
    Add(*doc, kRd, 'x', 0, 0, 1);
    Add(*doc, kSd, 'C', 0, 5, 0);
    Add(*doc, kSd, 'D', 0);
    Add(*doc, kSd, 'E', 0, 4, 1023);
    Add(*doc, kSd, 'F', 0, 1, 1023);
    HeadValues v;
    v.stop = "          -        ";
    v.sd = "00006";
    v.rd = "00001";
    const std::string bytes = Export(*doc, HtmlForm::Standard, Mode(1, true));
    EXPECT_EQ(bytes, FileOf({
                  Head(HtmlEscapeForTest(path)),
                  Settings(v),
                  kTable5,
                  Row("SD", "  000001 S:",
                      {" T.005", " 41", " T   5", " 42", " T****", " 43", " T    ", " 44", " T0230", " 45"},
                      Cells(Join({" Ａ", " Ｂ", " Ｃ", " Ｄ", " Ｅ"}, Empty(5)))),
                  Row("SD", "  000002 S:", Join({" T0.23", " 46"}, Empty(8)),
                      Cells(Join({" Ｆ"}, Empty(9)))),
                  "</BODY></HTML>",
              }));
}

TEST_F(HtmlExportTest, StandardRdListsTheRdRecordsInRdRows) {
    auto doc = test::Conditions();
    Add(*doc, kRd, '1');
    Add(*doc, kSd, 'A');
    Add(*doc, kRd, '2');
    HeadValues v;
    v.sd = "00001";
    v.rd = "00002";
    const std::string bytes = Export(*doc, HtmlForm::Standard, Mode(2));
    EXPECT_EQ(bytes, FileOf({
                  Head(HtmlEscapeForTest(path)),
                  Settings(v),
                  kTable5,
                  Row("RD", "  000001 R:", Join({" 31", " 32"}, Empty(8)),
                      Cells(Join({" １", " ２"}, Empty(8)))),
                  "</BODY></HTML>",
              }));
}

TEST_F(HtmlExportTest, StandardDualWithTimesShowsFiveDisplayCells) {
    auto doc = test::Conditions();
    doc->CharTime(1);
    Add(*doc, kSd | kSame, 'A', 0, 0, 1);
    Add(*doc, kRd, '1', 0, 0, 2);
    Add(*doc, kRd, '2', 0, 2, 15);
    Add(*doc, kSd, 'B', 0);
    ReportOptions opts = Mode(0, true);
    opts.PrintRange = true;
    opts.MarkBegin = 0;
    opts.MarkEnd = 3;
    HeadValues v;
    v.sd = v.rd = "00002";
    const std::string bytes = Export(*doc, HtmlForm::Standard, opts);
    EXPECT_EQ(bytes, FileOf({
                  Head(HtmlEscapeForTest(path)),
                  Settings(v),
                  kTable4,
                  "<TR><TD COLSPAN=\"1\"></TD><TD COLSPAN=\"11\">CODE-HEX</TD>"
                  "<TD COLSPAN=\"5\">CODE-ASCII</TD>",
                  Row("SD", "  000001 S:", Join({" T.001", " 41", "", "", " T    ", " 42"}, Empty(4)),
                      Cells({" Ａ", "", " Ｂ", "", ""})),
                  Row("RD", "  000001 R:", Join({"", " 31", " T 1.5", " 32"}, Empty(6)),
                      Cells({" １", " ２", "", "", ""})),
                  "</BODY></HTML>",
              }));
}

TEST_F(HtmlExportTest, StandardRangeStartsAtTheBeginMark) {
    auto doc = DualHistory();
    ReportOptions opts = Mode(0);
    opts.PrintRange = true;
    opts.MarkBegin = 2;
    opts.MarkEnd = 3;
    const std::string bytes = Export(*doc, HtmlForm::Standard, opts);
    EXPECT_NE(bytes.find("START POSITION = 00003"), std::string::npos);
    const std::string s = Row("SD", "  000001 S:", Join({"p3C"}, Empty(9)), Cells(Join({" ＜"}, Empty(9))));
    EXPECT_NE(bytes.find(platform::Utf8ToCp932(s) + "\r\n"), std::string::npos);
}

TEST_F(HtmlExportTest, TwoByteCodesShowTheGridsTextOfEachLine) {
    auto doc = test::Conditions();
    for (int b : {0x3C, 0x00, 0x26, 0x00}) Add(*doc, kSd, static_cast<uint8_t>(b));
    const std::string unicode = Export(*doc, HtmlForm::Standard, Mode(0, false, 6));
    // Bytes 3C 00 26 00 then six blanks read as UTF-16: "<", "&", three U+2020.
    const std::string sLine = Row("SD", "  000001 S:", Join({" 3C", " 00", " 26", " 00"}, Empty(6)),
                                  "<TD COLSPAN=\"10\">&lt;&amp;†††</TD>");
    EXPECT_NE(unicode.find(platform::Utf8ToCp932(sLine) + "\r\n"), std::string::npos) << unicode;
    EXPECT_NE(unicode.find("CODE-STRING"), std::string::npos);

    auto sjis = test::Conditions();
    Add(*sjis, kSd, 0x82);
    Add(*sjis, kSd, 0x60);
    const std::string shift = Export(*sjis, HtmlForm::Standard, Mode(1, false, 7));
    EXPECT_NE(shift.find("<TD COLSPAN=\"10\">\x82\x60        </TD>\r\n"), std::string::npos) << shift;
}

std::string DetailHead(const std::string& stop, const std::string& trigStop, const std::string& sdChar) {
    return "<html><head><meta charset=\"Shift_JIS\"><title></title></head><body>"
           "[START 2023/03/15 00:00:00] &nbsp;&nbsp;[STOP " + stop + "]"
           "<p>*モニタモード*<table border=0><tr><td>&nbsp;&nbsp;&nbsp;&nbsp;<td>インタフェース－RS-232C"
           "<td><td><tr><td><td>パリティ－偶数<td>データ長－8ビット<td>回線速度－9600bps"
           "<tr><td><td>トリガストップ－" + trigStop + "<td>トリガスタート－OFF<td>エラーストップ－OFF"
           "<td><tr><td><td>メモリモード－Ring(Stop)</table>"
           "<p>*トリガストップモード*<table border=0><tr><td>&nbsp;&nbsp;&nbsp;&nbsp;<td>ライン－DUAL"
           "<tr><td><td colspan=2>SD－" + sdChar + "<td>&nbsp;&nbsp;<td>イベントカウント－0"
           "<tr><td><td colspan=2>RD－<td><td>イベントカウント－0"
           "<tr><td><td><td colspan=2><td>アフタレングス－0</table>"
           "<p>*トリガスタートモード*<table border=0><tr><td>&nbsp;&nbsp;&nbsp;&nbsp;<td>ライン－DUAL"
           "<tr><td><td colspan=2>SD－<td>イベントカウント－0"
           "<tr><td><td colspan=2>RD－<td>イベントカウント－0"
           "<tr><td><td colspan=2><td>モニタレングス－0</table>"
           "<p>*範囲時刻指定*<table border=0><tr><td>&nbsp;&nbsp;&nbsp;&nbsp;<td>範囲時刻指定－OFF"
           "<tr><td><td colspan=3>START－2023/03/16 10:20:30"
           "<tr><td><td colspan=3>STOP－2023/03/16 11:22:33</table>"
           "<p><table border=1><tr><th>No.<th>SD<th>RD<th>時刻<th>データ<th>同着<th>JIS7<th>トリガ"
           "<th>エラー<th>文字間時間";
}

constexpr char kNone[] = "<td>&nbsp;";
constexpr char kMark[] = "<td align=center>○";

TEST_F(HtmlExportTest, DetailedWritesEveryRecordWithItsFlags) {
    auto doc = DualHistory();
    ReportOptions opts = Mode(1);
    opts.PrintRange = true;  // the detailed form covers everything whatever is chosen
    opts.MarkBegin = 2;
    opts.MarkEnd = 3;
    const std::string sd = "<tr bgcolor=aqua><td align=right>";
    const std::string rd = "<tr bgcolor=white><td align=right>";
    const std::string bytes = Export(*doc, HtmlForm::Detailed, opts);
    EXPECT_EQ(bytes,
              FileOf({
                  DetailHead("2023/03/15 00:01:40", "ON", "41&lt;&amp;"),
                  sd + "1<td align=right>1<td>&nbsp;<td>2023/03/15 00:00:00<td align=center>41" + kMark +
                      kNone + kNone + kNone + kNone,
                  rd + "2<td>&nbsp;<td align=right>1<td>2023/03/15 00:00:01<td align=center>31" + kNone +
                      kNone + kNone + kNone + kNone,
                  sd + "3<td align=right>2<td>&nbsp;<td>2023/03/15 00:00:02<td align=center>3C" + kNone +
                      kNone + kNone + "<td align=center>p" + kNone,
                  rd + "4<td>&nbsp;<td align=right>2<td>2023/03/15 00:00:03<td align=center>0D" + kNone +
                      kNone + kMark + kNone + kNone,
                  "</body></html>",
              }));
    // "モニタモード" in code page 932.
    EXPECT_NE(bytes.find("\x83\x82\x83\x6A\x83\x5E\x83\x82\x81\x5B\x83\x68"), std::string::npos);
}

TEST_F(HtmlExportTest, DetailedShowsEveryCharacterTimeAndAZeroStop) {
    auto doc = test::Conditions();
    doc->MonitorStop(0);
    Add(*doc, kSd, 'A', 0, 0, 5);
    Add(*doc, kSd | test::kJis7, 'B', 0, 4, 1023);
    Add(*doc, kRd | test::kOver | test::kFlam, 'C', 0, 5, 0);
    Add(*doc, kRd, 'D', 0);
    const std::string sd = "<tr bgcolor=aqua><td align=right>";
    const std::string rd = "<tr bgcolor=white><td align=right>";
    const std::string stamp = "<td>2023/03/15 00:00:00<td align=center>";
    EXPECT_EQ(Export(*doc, HtmlForm::Detailed, Mode(0)),
              FileOf({
                  DetailHead("1899/12/30 00:00:00", "OFF", ""),
                  sd + "1<td align=right>1<td>&nbsp;" + stamp + "41" + kNone + kNone + kNone + kNone +
                      "<td align=right>5",
                  sd + "2<td align=right>2<td>&nbsp;" + stamp + "42" + kNone + kMark + kNone + kNone +
                      "<td align=right>10230000",
                  rd + "3<td>&nbsp;<td align=right>1" + stamp + "43" + kNone + kNone + kNone +
                      "<td align=center>i<td align=right>タイムオーバ",
                  rd + "4<td>&nbsp;<td align=right>2" + stamp + "44" + kNone + kNone + kNone + kNone +
                      kNone,
                  "</body></html>",
              }));
}

TEST_F(HtmlExportTest, AnEmptyHistoryGivesTwoDetailedLines) {
    auto doc = test::Conditions();
    const std::string bytes = Export(*doc, HtmlForm::Detailed, Mode(0));
    EXPECT_EQ(bytes, FileOf({DetailHead("2023/03/15 00:01:40", "OFF", ""), "</body></html>"}));
}

TEST_F(HtmlExportTest, AFailedWriteKeepsTheOldFileAndACancelLeavesNone) {
    auto doc = test::Conditions();
    test::AddLetters(*doc, kSd, 5000);
    const std::string target = folder / "old.html";
    WriteOld(target);
    {
        const FileSizeLimit full(4096);
        const HtmlResult result = HtmlExport(*doc, target, HtmlForm::Detailed, Mode(0), nullptr);
        EXPECT_EQ(result.Error, EFBIG);
    }
    EXPECT_EQ(test::ReadAll(target), "old");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old.html"}) << "no temporary file is left";

    store::test::FakeProgress progress;
    progress.cancelAfter = 3;
    const HtmlResult cancelled = HtmlExport(*doc, target, HtmlForm::Standard, Mode(1), &progress);
    EXPECT_TRUE(cancelled.Cancelled);
    EXPECT_EQ(progress.shows, 1);
    EXPECT_EQ(progress.clears, 1);
    EXPECT_EQ(progress.title, kHtmlProgressTitle);
    EXPECT_EQ(progress.max, 5000);
    EXPECT_EQ(progress.last, 2048) << "the bar moves every 1024 records until the cancel";
    EXPECT_EQ(test::ReadAll(target), "old");

    progress.positions = 0;
    const std::string fresh = folder / "new.html";
    EXPECT_TRUE(HtmlExport(*doc, fresh, HtmlForm::Detailed, Mode(0), &progress).Cancelled);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old.html"}) << "a cancelled export leaves no file";
}

TEST_F(HtmlExportTest, BothFormsKeepReadOnlyFilesLinksAndModes) {
    auto doc = test::Conditions();
    test::AddLetters(*doc, kSd, 20);
    for (const HtmlForm form : {HtmlForm::Standard, HtmlForm::Detailed}) {
        protected_targets::ExpectSaveRespectsTarget("export.html", [&](const std::string& p) {
            return HtmlExport(*doc, p, form, Mode(0), nullptr).Written();
        });
    }
}

}  // namespace
}  // namespace reports
