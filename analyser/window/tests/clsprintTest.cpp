#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "clsprint.h"

namespace analyser {
namespace {

// Frames with given bytes, lines and row-table entries; rows are the
// frames listed in Rows.
class FakeFrames final : public FramePrintSource {
public:
    std::vector<std::string> Bytes;
    std::vector<uint8_t> Lines;
    std::vector<RowEntry> Entries;
    std::vector<int32_t> Rows;

    // count frames of n bytes each, every one a row; odd frames are RD.
    static FakeFrames Plain(int count, size_t n = 3) {
        FakeFrames f;
        for (int i = 0; i < count; ++i) {
            f.Bytes.push_back(std::string(n, static_cast<char>(i)));
            f.Lines.push_back(static_cast<uint8_t>(i % 2));
            f.Entries.push_back({"名前" + std::to_string(i), static_cast<int16_t>(i % 3), 0});
            f.Rows.push_back(i);
        }
        return f;
    }

    int32_t FilterMax() const override { return static_cast<int32_t>(Rows.size()); }
    int32_t FilterNo(int32_t row) const override { return Rows.at(static_cast<size_t>(row)); }
    std::string FrameDataOrg(int32_t frame) const override { return Bytes.at(static_cast<size_t>(frame)); }
    uint8_t FrameChanel(int32_t frame) const override { return Lines.at(static_cast<size_t>(frame)); }
    RowEntry Entry(int32_t frame) const override { return Entries.at(static_cast<size_t>(frame)); }
};

struct Put {
    int Page;
    double X;
    double Y;
    std::string Text;
};

class RecordingSink final : public FramePrintSink {
public:
    std::vector<Put> Puts;
    int PageNo = 1;

    void Text(double x, double y, const std::string& utf8) override { Puts.push_back({PageNo, x, y, utf8}); }
    void NewPage() override { ++PageNo; }
    int Page() const override { return PageNo; }

    // The texts at x, in order.
    std::vector<Put> At(double x) const {
        std::vector<Put> out;
        for (const Put& p : Puts) {
            if (p.X == x) out.push_back(p);
        }
        return out;
    }
    // Row numbers printed, by page.
    std::map<int, std::vector<std::string>> Numbers() const {
        std::map<int, std::vector<std::string>> out;
        for (const Put& p : At(3)) {
            if (p.Y >= 15) out[p.Page].push_back(p.Text);
        }
        return out;
    }
};

TEST(FramePrintTexts, HexNumbersNamesAndArrows) {
    EXPECT_EQ(clsprint::ValueToHex(0), "0");
    EXPECT_EQ(clsprint::ValueToHex(10), "A");
    EXPECT_EQ(clsprint::ValueToHex(255), "FF");
    EXPECT_EQ(clsprint::ValueToHex(0x1F0A3), "1F0A3");
    EXPECT_EQ(clsprint::DataText(std::string("\x00\x0a\xff\x7d", 4)), "00 0A FF 7D ");
    EXPECT_EQ(clsprint::DataText(""), "");
    EXPECT_EQ(clsprint::NumberText(1), "000001");
    EXPECT_EQ(clsprint::NumberText(120), "000120");
    EXPECT_EQ(clsprint::NumberText(1234567), "1234567");
    EXPECT_EQ(clsprint::DirectionText(0), "-");
    EXPECT_EQ(clsprint::DirectionText(1), "→");
    EXPECT_EQ(clsprint::DirectionText(2), "←");
    EXPECT_EQ(clsprint::DirectionText(7), "-");

    const std::string twenty = "問合せ問合せ問合せ問合せ問合せ問合せAB";  // 20 characters
    EXPECT_EQ(clsprint::CaptionCut(twenty), twenty);
    EXPECT_EQ(clsprint::CaptionCut(twenty + "C"), "問合せ問合せ問合せ問合せ問合せ問合せA・・・");
    EXPECT_EQ(clsprint::CaptionCut("abcdefghijklmnopqrstuvwxyz"), "abcdefghijklmnopqrs・・・");
    EXPECT_EQ(clsprint::CaptionCut(""), "");
}

TEST(FramePrintLayout, PlainListFillsFiftyThenFortyNineRowsAPage) {
    FakeFrames frames = FakeFrames::Plain(120);
    FramePrintJob job;
    job.FrameName = "テスト構成";
    RecordingSink sink;
    std::vector<int> shown;
    clsprint print;
    EXPECT_EQ(print.PrintMain(frames, job, sink, {}, [&](int page) { shown.push_back(page); }),
              clsprint::Result::Printed);

    const auto numbers = sink.Numbers();
    ASSERT_EQ(numbers.size(), 3u);
    EXPECT_EQ(numbers.at(1).size(), 50u);
    EXPECT_EQ(numbers.at(2).size(), 49u);
    EXPECT_EQ(numbers.at(3).size(), 21u);
    EXPECT_EQ(numbers.at(1).front(), "000001");
    EXPECT_EQ(numbers.at(1).back(), "000050");
    EXPECT_EQ(numbers.at(2).front(), "000051");
    EXPECT_EQ(numbers.at(3).back(), "000120");
    EXPECT_EQ(shown, (std::vector<int>{2, 3}));

    // Every page opens with the header; rows start at 15, later pages at 20.
    for (int page = 1; page <= 3; ++page) {
        std::vector<std::string> header;
        for (const Put& p : sink.Puts) {
            if (p.Page != page || p.Y >= 15) continue;
            header.push_back(std::to_string(int(p.X)) + "," + std::to_string(int(p.Y)) + " " + p.Text);
        }
        EXPECT_EQ(header, (std::vector<std::string>{"0,0 フレーム構成名:テスト構成", "3,5 番号", "15,5 | 方向",
                                                    "28,5 | データ"}))
            << page;
    }
    const std::vector<Put> rows = sink.At(3);
    EXPECT_EQ(rows[1].Y, 15);   // row 1 (after the header's "番号")
    EXPECT_EQ(rows[50].Y, 260);  // row 50
    EXPECT_EQ(rows[52].Y, 20);   // row 51, after page 2's header
    // Line and data columns.
    const std::vector<Put> line = sink.At(20);
    EXPECT_EQ(line[0].Text, "SD");
    EXPECT_EQ(line[1].Text, "RD");
    const std::vector<Put> data = sink.At(30);
    EXPECT_EQ(data[0].Text, "00 00 00 ");
    EXPECT_EQ(data[1].Text, "01 01 01 ");
}

TEST(FramePrintLayout, LinkNamesAddArrowsAndNamesAndKeepFiftyRowsAPage) {
    FakeFrames frames = FakeFrames::Plain(120);
    frames.Entries[0].Caption = "とても長い関連付け項目名をもつフレームです";  // 21 characters
    FramePrintJob job;
    job.SelLink = true;
    job.FrameName = "構成";
    RecordingSink sink;
    clsprint print;
    ASSERT_EQ(print.PrintMain(frames, job, sink), clsprint::Result::Printed);
    const auto numbers = sink.Numbers();
    ASSERT_EQ(numbers.size(), 3u);
    EXPECT_EQ(numbers.at(2).size(), 50u) << "later pages start at 15 with link names";
    EXPECT_EQ(sink.Puts[0].Text, "フレーム構成名：構成");
    EXPECT_EQ(sink.Puts[3].Text, "|        関連付け項目名");
    EXPECT_EQ(sink.Puts[3].X, 28);
    EXPECT_EQ(sink.Puts[4].Text, "| データ");
    EXPECT_EQ(sink.Puts[4].X, 80);
    const std::vector<Put> arrows = sink.At(20);
    EXPECT_EQ(arrows[0].Text, "-");
    EXPECT_EQ(arrows[1].Text, "→");
    EXPECT_EQ(arrows[2].Text, "←");
    const std::vector<Put> names = sink.At(30);
    EXPECT_EQ(names[0].Text, "とても長い関連付け項目名をもつフレーム・・・");
    EXPECT_EQ(names[1].Text, "名前1");
    EXPECT_EQ(sink.At(83)[0].Text, "00 00 00 ");
}

TEST(FramePrintLayout, LongDataWrapsAtSixtySixOrNinetySixCharacters) {
    const auto dataLines = [](bool link, size_t bytes) {
        FakeFrames frames = FakeFrames::Plain(2, bytes);
        FramePrintJob job;
        job.SelLink = link;
        RecordingSink sink;
        clsprint print;
        print.PrintMain(frames, job, sink);
        std::vector<Put> lines;
        for (const Put& p : sink.At(link ? 83 : 30)) {
            if (p.Y >= 15) lines.push_back(p);
        }
        return lines;
    };
    EXPECT_EQ(dataLines(true, 22).size(), 2u) << "one line per frame";
    const std::vector<Put> link23 = dataLines(true, 23);
    ASSERT_EQ(link23.size(), 4u);
    EXPECT_EQ(link23[0].Text.size(), 66u);
    EXPECT_EQ(link23[1].Text, "00 ");
    EXPECT_EQ(link23[1].Y, 18);
    EXPECT_EQ(link23[2].Y, 23) << "the next row: 3 for the line, 5 for the row";

    EXPECT_EQ(dataLines(false, 32).size(), 2u);
    const std::vector<Put> plain33 = dataLines(false, 33);
    ASSERT_EQ(plain33.size(), 4u);
    EXPECT_EQ(plain33[0].Text.size(), 96u);
    EXPECT_EQ(plain33[1].Text, "00 ");
    // Exactly two whole lines: both at their own y, the row after them.
    const std::vector<Put> plain64 = dataLines(false, 64);
    ASSERT_EQ(plain64.size(), 4u);
    EXPECT_EQ(plain64[1].Y, 18);
    EXPECT_EQ(plain64[2].Y, 26);
}

TEST(FramePrintLayout, AFrameLongerThanThePageContinuesOnTheNextPage) {
    // 49 short frames, then one of 2,000 bytes (63 lines of 96 characters)
    // starting on the first page's last row, then one more.
    FakeFrames frames = FakeFrames::Plain(51);
    frames.Bytes[49] = std::string(2000, '\x5a');
    FramePrintJob job;
    job.PageBottom = 273;
    RecordingSink sink;
    std::vector<int> shown;
    clsprint print;
    ASSERT_EQ(print.PrintMain(frames, job, sink, {}, [&](int page) { shown.push_back(page); }),
              clsprint::Result::Printed);
    for (const Put& p : sink.Puts) EXPECT_LE(p.Y, job.PageBottom) << p.Text;

    std::string data;
    std::map<int, int> linesOnPage;
    for (const Put& p : sink.At(30)) {
        if (p.Y < 15 || p.Text.front() != '5') continue;
        data += p.Text;
        ++linesOnPage[p.Page];
    }
    EXPECT_EQ(data, clsprint::DataText(frames.Bytes[49])) << "every byte, once, in order";
    ASSERT_EQ(linesOnPage.size(), 2u);
    EXPECT_EQ(linesOnPage[1], 5) << "y 260 to 272 on the first page";
    EXPECT_EQ(linesOnPage[2], 58);
    EXPECT_EQ(shown, (std::vector<int>{2}));
    // The second page has its header; the row after the long one follows
    // its last data line.
    int headers = 0;
    for (const Put& p : sink.Puts) headers += p.Page == 2 && p.Text == "| データ" ? 1 : 0;
    EXPECT_EQ(headers, 1);
    const std::vector<Put> numbers = sink.At(3);
    EXPECT_EQ(numbers.back().Text, "000051");
    EXPECT_EQ(numbers.back().Page, 2);
    EXPECT_EQ(numbers.back().Y, 20 + 57 * 3 + 5);
}

TEST(FramePrintLayout, AShortPageMovesTheRowLimitUp) {
    // A printable height of Letter paper: rows stop above 260.
    FakeFrames frames = FakeFrames::Plain(60);
    FramePrintJob job;
    job.PageBottom = 255.7;
    RecordingSink sink;
    clsprint print;
    print.PrintMain(frames, job, sink);
    const auto numbers = sink.Numbers();
    EXPECT_EQ(numbers.at(1).size(), 49u);
    for (const Put& p : sink.Puts) EXPECT_LE(p.Y, job.PageBottom);
}

TEST(FramePrintLayout, RangesAndTheEmptyList) {
    FakeFrames frames = FakeFrames::Plain(10);
    frames.Rows = {1, 3, 5, 7, 9};  // a filter that passes odd frames
    FramePrintJob job;
    job.Begin = 1;
    job.End = 3;
    RecordingSink sink;
    clsprint print;
    ASSERT_EQ(print.PrintMain(frames, job, sink), clsprint::Result::Printed);
    std::vector<std::string> data;
    for (const Put& p : sink.At(30)) data.push_back(p.Text);
    EXPECT_EQ(data, (std::vector<std::string>{"03 03 03 ", "05 05 05 ", "07 07 07 "}));
    EXPECT_EQ(sink.Numbers().at(1), (std::vector<std::string>{"000001", "000002", "000003"}))
        << "the running number starts at 1 for a range too";

    // An end of 0 or beyond the list is the last row.
    for (const int32_t end : {0, 5, 99}) {
        RecordingSink all;
        job.Begin = 0;
        job.End = end;
        print.PrintMain(frames, job, all);
        EXPECT_EQ(all.Numbers().at(1).size(), 5u) << end;
    }

    FakeFrames none;
    RecordingSink empty;
    EXPECT_EQ(print.PrintMain(none, job, empty), clsprint::Result::Empty);
    std::vector<std::string> texts;
    for (const Put& p : empty.Puts) texts.push_back(p.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"フレーム構成名:", "番号", "| 方向", "| データ"}))
        << "the header alone for an empty list";
}

TEST(FramePrintLayout, CancelStopsBeforeTheNextRow) {
    FakeFrames frames = FakeFrames::Plain(200);
    FramePrintJob job;
    clsprint print;
    EXPECT_FALSE(clsprint::CanselFlg());
    int asked = 0;
    RecordingSink sink;
    // The progress window's cancel, pressed on page 3.
    const auto proceed = [&] {
        ++asked;
        if (sink.Page() == 3) clsprint::CanselFlg(true);
        return true;
    };
    EXPECT_EQ(print.PrintMain(frames, job, sink, proceed), clsprint::Result::Cancelled);
    EXPECT_EQ(sink.PageNo, 3);
    EXPECT_EQ(sink.Numbers().at(3).size(), 1u) << "the row that started page 3, then the stop";
    EXPECT_EQ(asked, 101);
    EXPECT_TRUE(clsprint::CanselFlg());
    clsprint another;
    EXPECT_FALSE(clsprint::CanselFlg()) << "a new object clears the shared request";

    // A source that went away stops the run before it is read again.
    RecordingSink gone;
    int rows = 0;
    EXPECT_EQ(print.PrintMain(frames, job, gone, [&] { return ++rows <= 7; }), clsprint::Result::Cancelled);
    EXPECT_EQ(gone.Numbers().at(1).size(), 7u);
}

}  // namespace
}  // namespace analyser
