#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChartMarks.h"
#include "RowFilter.h"
#include "RowTable.h"

namespace analyser {
namespace {

struct FakeFrame {
    std::string Bytes;
    uint8_t Line = 0;
    std::string Left;
    std::string Right;
};

class FakeDocument : public RowTableSource {
public:
    std::vector<FakeFrame> Frames;
    mutable int BytesAsked = 0;

    int32_t FrameCount() const override { return static_cast<int32_t>(Frames.size()); }
    std::string FrameBytes(int32_t f) const override {
        ++BytesAsked;
        return Frames.at(static_cast<size_t>(f)).Bytes;
    }
    uint8_t FrameLine(int32_t f) const override { return Frames.at(static_cast<size_t>(f)).Line; }
    std::string Comment(int side, int32_t f) const override {
        const FakeFrame& frame = Frames.at(static_cast<size_t>(f));
        return side == 0 ? frame.Left : frame.Right;
    }
};

// Names the even frames "ENQ" with a left arrow in red.
class EvenNamer : public FrameNamer {
public:
    LinkRowInfo Row(int32_t frame) const override {
        if (frame % 2 != 0) return {};
        return {"ENQ", 2, 0x0000FF};
    }
};

class ListFilter : public RowFilter {
public:
    explicit ListFilter(std::vector<int32_t> frames) : frames_(std::move(frames)) {}
    int32_t FilterMax() const override { return static_cast<int32_t>(frames_.size()); }
    int32_t FilterNo(int32_t row) const override {
        return row < 0 || row >= FilterMax() ? 0 : frames_[static_cast<size_t>(row)];
    }

private:
    std::vector<int32_t> frames_;
};

FakeDocument Document() {
    FakeDocument doc;
    doc.Frames = {{"\x0D\x0A\x41", 0, "first", ""},
                  {"AB", 1, "", "reply"},
                  {"", 0, "", ""}};
    return doc;
}

TEST(RowTable, ByteCaptionsFollowTheViewCode) {
    FakeDocument doc = Document();
    RowTable table;
    table.Reset(&doc, nullptr, FrameViewCode::Hex);
    EXPECT_FALSE(table.Linked());
    EXPECT_EQ(table.FrameCount(), 3);
    const RowEntry sd = table.Entry(0);
    EXPECT_EQ(sd.Caption, "0D 0A 41");
    EXPECT_EQ(sd.Direction, kDirRight) << "send data points right";
    EXPECT_EQ(sd.Colour, kSysWindowText);
    EXPECT_EQ(table.Entry(1).Direction, kDirLeft) << "receive data points left";
    EXPECT_EQ(table.Entry(2).Caption, "") << "a frame without bytes";

    table.Recaption(FrameViewCode::Ascii);
    EXPECT_EQ(table.Entry(0).Caption, "A");
    EXPECT_EQ(table.Entry(1).Caption, "AB");
}

TEST(RowTable, LinkTableNamesTheRows) {
    FakeDocument doc = Document();
    RowTable table;
    table.Reset(&doc, std::make_unique<EvenNamer>(), FrameViewCode::Hex);
    EXPECT_TRUE(table.Linked());
    const RowEntry named = table.Entry(0);
    EXPECT_EQ(named.Caption, "ENQ");
    EXPECT_EQ(named.Direction, kDirLeft);
    EXPECT_EQ(named.Colour, 0x0000FFu);
    const RowEntry unmatched = table.Entry(1);
    EXPECT_EQ(unmatched.Caption, "") << "no link row matches: an empty box";
    EXPECT_EQ(unmatched.Direction, kDirNone);
    EXPECT_EQ(unmatched.Colour, 0u);

    // Cancelling the association captions the rows in the code again.
    table.Recaption(FrameViewCode::Hex);
    EXPECT_FALSE(table.Linked());
    EXPECT_EQ(table.Entry(1).Caption, "41 42");
}

TEST(RowTable, EntriesOutsideTheDocumentAreEmptyAndCommentsAreLive) {
    FakeDocument doc = Document();
    RowTable table;
    table.Reset(&doc, nullptr, FrameViewCode::Hex);
    EXPECT_EQ(table.Entry(3).Caption, "") << "the entry one past the last frame";
    EXPECT_EQ(table.Entry(-1).Direction, kDirNone);
    EXPECT_EQ(table.CommentL(0), "first");
    EXPECT_EQ(table.CommentR(1), "reply");
    doc.Frames[0].Left = "edited";
    EXPECT_EQ(table.CommentL(0), "edited");
    EXPECT_EQ(table.CommentL(7), "");

    table.Clear();
    EXPECT_EQ(table.FrameCount(), 0);
    EXPECT_EQ(table.Entry(0).Caption, "");
}

TEST(RowTable, MakesEachEntryOnceWhileItIsInView) {
    FakeDocument doc;
    doc.Frames.resize(RowTable::kCacheLimit * 3, FakeFrame{"\x01", 0, "", ""});
    doc.Frames[5].Bytes = "\x05";
    RowTable table;
    table.Reset(&doc, nullptr, FrameViewCode::Hex);
    EXPECT_EQ(doc.BytesAsked, 0) << "nothing is made before a row is drawn";
    for (int pass = 0; pass < 3; ++pass) {
        for (int32_t f = 0; f < 40; ++f) table.Entry(f);
    }
    EXPECT_EQ(doc.BytesAsked, 40);
    for (int32_t f = 0; f < table.FrameCount(); ++f) table.Entry(f);
    EXPECT_EQ(table.Entry(5).Caption, "05") << "still right after the cache started over";
}

TEST(RowFilter, AllFramesAndTheRowOfAFrame) {
    const AllFramesFilter all(5);
    EXPECT_EQ(all.FilterMax(), 5);
    EXPECT_EQ(all.FilterNo(3), 3);
    EXPECT_EQ(all.FilterNo(5), 0);
    EXPECT_EQ(all.FilterNo(-1), 0);
    EXPECT_EQ(RowOfFrame(all, 4), 4);
    EXPECT_EQ(RowOfFrame(all, 5), -1);
    EXPECT_EQ(AllFramesFilter(-3).FilterMax(), 0);

    const ListFilter some({2, 3, 10, 11, 40});
    EXPECT_EQ(RowOfFrame(some, 2), 0);
    EXPECT_EQ(RowOfFrame(some, 11), 3);
    EXPECT_EQ(RowOfFrame(some, 40), 4);
    EXPECT_EQ(RowOfFrame(some, 0), -1) << "row 0 shows frame 2, not frame 0";
    EXPECT_EQ(RowOfFrame(some, 12), -1) << "filtered out";
    EXPECT_EQ(RowOfFrame(ListFilter({}), 0), -1);
}

TEST(ChartMarks, BeginWinsThenEndThenTheHighestNumber) {
    ChartMarks marks;
    marks.Cover(100);
    EXPECT_EQ(marks.Begin, 0);
    EXPECT_EQ(marks.End, 99);
    marks.Numbered[1] = 0;
    marks.Numbered[3] = 0;
    const MarkPicture begin = MarkFor(marks, 0);
    EXPECT_EQ(begin.Picture, 6);
    EXPECT_EQ(begin.ToolTip, "Mark Begin");
    marks.Begin = 50;
    const MarkPicture four = MarkFor(marks, 0);
    EXPECT_EQ(four.Picture, 4);
    EXPECT_EQ(four.ToolTip, "Mark - 4");
    marks.Numbered[0] = 99;
    EXPECT_EQ(MarkFor(marks, 99).Picture, 7) << "END over mark 1";
    marks.End = 50;
    EXPECT_EQ(MarkFor(marks, 50).Picture, 6);
    EXPECT_EQ(MarkFor(marks, 7).Picture, 0);
    EXPECT_EQ(MarkFor(marks, 7).ToolTip, "");
    marks.Clear();
    EXPECT_EQ(marks.Begin, -1);
    EXPECT_EQ(MarkFor(marks, -1).Picture, 6) << "callers never ask for frame -1";
}

}  // namespace
}  // namespace analyser
