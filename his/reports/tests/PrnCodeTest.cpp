#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ListingTexts.h"
#include "PrnCode.h"
#include "ReportTestHistory.h"
#include "TempFolder.h"

namespace reports {
namespace {

using test::Add;
using test::kRd;
using test::kSd;
using test::Mode;

// Collects the printed lines page by page.
class PageSink final : public ListingSink {
public:
    PageSink() : pages(1) {}
    void PrintLine(const std::string& text) override {
        EXPECT_LE(CharCount(text), kListingWidth) << text;
        pages.back().push_back(text);
    }
    void NewPage() override { pages.emplace_back(); }
    int Page() const override { return static_cast<int>(pages.size()); }
    std::vector<std::vector<std::string>> pages;
};


std::string Pad(std::string text) { return text + std::string(80 - CharCount(text), ' '); }

TEST(HeadLines, PutEveryConditionAtItsColumn) {
    auto doc = test::Conditions();
    doc->TrigStop(1);
    doc->TrigLine(0, 1);
    doc->SdChar(0, "4142");
    doc->SdCharAt(0, "05");
    doc->SdCount(0, 123);
    doc->RdCount(0, 7);
    doc->AfterLength(0, 1234);
    doc->TrigLine(1, 2);
    doc->RdChar(1, "0D0A");
    doc->AfterLength(1, 1000000);
    test::AddLetters(*doc, kSd, 3);
    test::AddLetters(*doc, kRd, 2);
    ReportOptions opts = Mode(0);
    opts.PrintRange = true;
    opts.MarkBegin = 1;
    opts.MarkEnd = 3;
    const std::vector<std::string> lines = HeadLines(*doc, opts);
    ASSERT_EQ(lines.size(), 29u);
    const std::string blank19(19, ' ');
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1],
              "[START 2023-03-15 00:00:00]  [STOP  2023-03-15 00:01:40]               PAGE:0001");
    EXPECT_EQ(lines[3], Pad("*FILE*" + std::string(13, ' ') + "BACK -"));
    EXPECT_EQ(lines[4], Pad(blank19 + "FRONT-"));
    EXPECT_EQ(lines[6], "*MONITOR MODE*     RS-232C");
    EXPECT_EQ(lines[7], blank19 + "PARITY-EVEN" + std::string(7, ' ') + "DATA BIT-8" +
                            std::string(16, ' ') + "BAUD RATE-   9600");
    EXPECT_EQ(lines[8], Pad(blank19 + "TRIG STOP-ON" + std::string(6, ' ') + "TRIG START-OFF"));
    EXPECT_EQ(lines[9], Pad(blank19 + "MEMORY MODE-RING(STOP)" + std::string(21, ' ') + "ERROR STOP-OFF"));
    EXPECT_EQ(lines[11], Pad("*TRIG STOP MODE*   LINE-SD"));
    EXPECT_EQ(lines[12], blank19 + "SD- 41/42" + std::string(38, ' ') + "EVENT COUNT-12")
        << "a three-digit count loses its last digit at column 80";
    EXPECT_EQ(lines[13], blank19 + "RD-" + std::string(44, ' ') + "EVENT COUNT-07");
    EXPECT_EQ(lines[14], std::string(60, ' ') + "LENGTH AFTER-0001234");
    EXPECT_EQ(lines[16], Pad("*TRIG START MODE*  LINE-RD"));
    EXPECT_EQ(lines[18], blank19 + "RD- 0D 0A" + std::string(38, ' ') + "EVENT COUNT-00");
    EXPECT_EQ(lines[19], std::string(58, ' ') + "MONITOR LENGTH-1000000");
    EXPECT_EQ(lines[21], Pad("*RANGE DATE MODE*  RANGE-OFF"));
    EXPECT_EQ(lines[22], Pad(blank19 + "START-2023-03-16 10:20:30"));
    EXPECT_EQ(lines[23], Pad(blank19 + "STOP -2023-03-16 11:22:33"));
    EXPECT_EQ(lines[25], "*DATA COUNT*" + std::string(7, ' ') + "SD = 00003" + std::string(8, ' ') +
                             "RD = 00002" + std::string(11, ' ') + "START POSITION = 00002");
    EXPECT_EQ(lines[27], Pad("*DATA MODE*        CODE-HEX") .replace(65, 10, "CODE-ASCII"));
    EXPECT_EQ(lines[28], "");
}

TEST(HeadLines, ShowAStopOfZeroAsADashAndShortenLongPaths) {
    TempFolder folder("reports-path");
    const std::string deep = folder.path() + "/a-rather-long-folder-name/and-another-one";
    std::filesystem::create_directories(deep);
    const std::string file = deep + "/History_00_b.ky2";
    std::ofstream(file) << "x";
    auto doc = test::Conditions();
    doc->MonitorStop(0);
    doc->PrecedFile(file);
    ASSERT_EQ(doc->PrecedFile(), file);
    const std::vector<std::string> lines = HeadLines(*doc, Mode(1));
    EXPECT_EQ(lines[1].substr(29, 27), "[STOP            -        ]");
    EXPECT_EQ(lines[3].substr(19), Pad("BACK -/ ... /and-another-one/History_00_b.ky2").substr(0, 61));
}

TEST(PrnDataLine, LabelsSlotsAndBlanksMakeOneLineOfAtMostEightyCharacters) {
    SlotRow row;
    row.Slot[0] = " 41";
    row.Slot[1] = "p42";
    row.Slot[10] = " Ａ";
    row.Slot[11] = " Ｂ";
    EXPECT_EQ(PrnDataLine(row, 12, 'S', false),
              "  000012 S: 41p42" + std::string(24, ' ') + std::string(7, ' ') + " Ａ Ｂ" +
                  std::string(24, ' '));
    SlotRow timed;
    timed.Slot[0] = " T.005";
    timed.Slot[1] = " 41";
    timed.Slot[10] = " Ａ";
    const std::string line = PrnDataLine(timed, 1, 'R', true);
    EXPECT_EQ(line.substr(0, 20), "  000001 R: T.005 41");
    EXPECT_EQ(CharCount(line), 80u) << "longer with times, cut at 80";
    EXPECT_EQ(LineLabel(1234567, 'S'), "  1234567 S:");
}

TEST(ListingPrint, PagesHoldThirtyEightLinesThenFiftySeven) {
    auto doc = test::Conditions();
    test::AddLetters(*doc, kSd, 10 * (38 + 57 + 5) + 3);
    PageSink sink;
    std::vector<int> shown;
    EXPECT_TRUE(ListingPrint(*doc, Mode(1), sink, nullptr, [&](int page) { shown.push_back(page); }));
    ASSERT_EQ(sink.pages.size(), 3u);
    EXPECT_EQ(sink.pages[0].size(), 29u + 38u);
    EXPECT_EQ(sink.pages[1].size(), 3u + 57u);
    EXPECT_EQ(sink.pages[2].size(), 3u + 6u);
    EXPECT_EQ(sink.pages[1][0], "");
    EXPECT_EQ(sink.pages[1][1].substr(71), "PAGE:0002");
    EXPECT_EQ(sink.pages[1][1].substr(0, 71), sink.pages[0][1].substr(0, 71));
    EXPECT_EQ(sink.pages[2][1].substr(71), "PAGE:0003");
    EXPECT_EQ(sink.pages[1][3].substr(0, 12), "  000039 S: ");
    EXPECT_EQ(sink.pages[2].back().substr(0, 20), "  000101 S: 4D 4E 4F");
    EXPECT_EQ(sink.pages[2].back().substr(20, 24), std::string(24, ' ')) << "empty slots print blank";
    EXPECT_EQ(shown, (std::vector<int>{2, 3}));
}

TEST(ListingPrint, DualPagesHoldTwelvePairsThenNineteen) {
    auto doc = test::Conditions();
    test::AddLetters(*doc, kSd, 10 * (12 + 19));
    test::AddLetters(*doc, kRd, 10);
    PageSink sink;
    ListingPrint(*doc, Mode(0), sink, nullptr);
    ASSERT_EQ(sink.pages.size(), 3u);
    EXPECT_EQ(sink.pages[0].size(), 29u + 36u);
    EXPECT_EQ(sink.pages[1].size(), 3u + 57u);
    EXPECT_EQ(sink.pages[2].size(), 3u + 3u);
    EXPECT_EQ(sink.pages[0][29].substr(0, 14), "  000001 S: 41");
    EXPECT_EQ(sink.pages[0][30].substr(0, 14), "  000001 R:   ");
    EXPECT_EQ(sink.pages[0][31], "");
    EXPECT_EQ(sink.pages[2][4].substr(0, 14), "  000032 R: 41");
}

TEST(ListingPrint, AListingThatFillsItsLastPageAddsNoHeaderPage) {
    auto doc = test::Conditions();
    test::AddLetters(*doc, kSd, 10 * (38 + 57));
    PageSink sink;
    ListingPrint(*doc, Mode(1), sink, nullptr);
    EXPECT_EQ(sink.pages.size(), 2u);
    EXPECT_EQ(sink.pages[1].size(), 3u + 57u);

    auto dual = test::Conditions();
    test::AddLetters(*dual, kSd, 10 * 12);
    PageSink dualSink;
    ListingPrint(*dual, Mode(0), dualSink, nullptr);
    EXPECT_EQ(dualSink.pages.size(), 1u);
}

class StopAfter final : public ReportControl {
public:
    explicit StopAfter(int32_t n) : n_(n) {}
    bool Proceed(int32_t record) override { return record < n_; }

private:
    int32_t n_;
};

TEST(ListingPrint, AStopPrintsTheLineInHandAndReportsIt) {
    auto doc = test::Conditions();
    test::AddLetters(*doc, kSd, 1000);
    PageSink sink;
    StopAfter control(15);
    EXPECT_FALSE(ListingPrint(*doc, Mode(1), sink, &control));
    ASSERT_EQ(sink.pages.size(), 1u);
    ASSERT_EQ(sink.pages[0].size(), 29u + 2u);
    EXPECT_EQ(sink.pages[0].back().substr(0, 26), "  000002 S: 4B 4C 4D 4E 4F");
}

}  // namespace
}  // namespace reports
