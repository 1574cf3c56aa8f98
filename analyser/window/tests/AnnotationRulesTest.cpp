// Marks, comment lines, the jump number and the system-information look-up.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "ChartMarks.h"
#include "CommentLine.h"
#include "GotoRow.h"
#include "SystemInfo.h"
#include "TempFolder.h"

namespace analyser {
namespace {

class EveryThird : public RowFilter {
public:
    explicit EveryThird(int32_t rows) : rows_(rows) {}
    int32_t FilterMax() const override { return rows_; }
    int32_t FilterNo(int32_t row) const override { return row < 0 || row >= rows_ ? 0 : row * 3; }

private:
    int32_t rows_;
};

TEST(Marks, BeginStaysStrictlyBeforeEnd) {
    ChartMarks m;
    m.Cover(10);
    EXPECT_FALSE(m.SetBegin(9)) << "BEGIN on the last frame, END still there";
    EXPECT_FALSE(m.SetEnd(0)) << "END on the first frame, BEGIN still there";
    EXPECT_EQ(m.Begin, 0);
    EXPECT_EQ(m.End, 9);
    EXPECT_TRUE(m.SetBegin(4));
    EXPECT_FALSE(m.SetEnd(4)) << "never the same frame";
    EXPECT_TRUE(m.SetEnd(5));
    EXPECT_FALSE(m.SetBegin(5));
    EXPECT_EQ(m.Begin, 4);
    EXPECT_EQ(m.End, 5);
}

TEST(Marks, NumberedMarksShareFramesAndMove) {
    ChartMarks m;
    m.Cover(10);
    EXPECT_FALSE(m.AnyNumbered());
    m.SetNumbered(4, 7);
    m.SetNumbered(1, 7);
    EXPECT_EQ(m.NumberedFrame(1), 7);
    EXPECT_EQ(m.NumberedFrame(4), 7);
    EXPECT_EQ(m.NumberedFrame(3), -1);
    m.SetNumbered(1, 2);
    EXPECT_EQ(m.NumberedFrame(1), 2);
    m.SetNumbered(6, 1);
    m.SetNumbered(0, 1);
    EXPECT_EQ(m.NumberedFrame(6), -1);
    EXPECT_TRUE(m.AnyNumbered());
    m.Clear();
    EXPECT_FALSE(m.AnyNumbered());
}

TEST(Marks, TheRangeIsTheRowsOfBothMarksOrNothing) {
    const EveryThird rows(10);  // frames 0, 3, ..., 27
    ChartMarks m;
    m.Cover(29);
    EXPECT_FALSE(MarkedRows(rows, m)) << "END on frame 28, which no row shows";
    m.End = 27;
    ASSERT_TRUE(MarkedRows(rows, m));
    EXPECT_EQ(MarkedRows(rows, m)->End, 9);
    m.Begin = 6;
    m.End = 21;
    const auto range = MarkedRows(rows, m);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->Begin, 2);
    EXPECT_EQ(range->End, 7);
    m.Begin = 7;  // hidden by the filter
    EXPECT_FALSE(MarkedRows(rows, m));
    m.Clear();
    EXPECT_FALSE(MarkedRows(rows, m));
}

TEST(Comments, LineBreaksBecomeBlanks) {
    EXPECT_EQ(CommentOneLine("a\r\nb"), "a b");
    EXPECT_EQ(CommentOneLine("a\nb\rc"), "a b c");
    EXPECT_EQ(CommentOneLine("\r\n\r\n"), "  ");
    EXPECT_EQ(CommentOneLine("\n"), " ");
    EXPECT_EQ(CommentOneLine("問合せ\r\n応答"), "問合せ 応答");
    EXPECT_EQ(CommentOneLine(""), "");
}

TEST(Jump, TheNumberIsPulledIntoTheRows) {
    EXPECT_EQ(GotoRow("5", 1, 10), 4);
    EXPECT_EQ(GotoRow("0", 1, 10), 0);
    EXPECT_EQ(GotoRow("11", 1, 10), 9);
    EXPECT_EQ(GotoRow("99999999999999999999", 1, 10), 9) << "too large for 32 bits";
    EXPECT_EQ(GotoRow("", 7, 10), 6) << "no number: the up-down's value";
    EXPECT_EQ(GotoRow("x1", 3, 10), 2);
    EXPECT_EQ(GotoRow("3", 1, 0), 0) << "no rows at all";
}

void Executable(const std::string& path, mode_t mode = 0755) {
    std::ofstream(path) << "#!/bin/sh\n";
    ::chmod(path.c_str(), mode);
}

TEST(SystemInformation, TheFirstKnownProgramOnThePathIsTaken) {
    TempFolder a("sysinfo-a");
    TempFolder b("sysinfo-b");
    const std::vector<std::string> names = {"first", "second"};
    const std::string path = a.path() + ":" + b.path();
    EXPECT_EQ(ProgramOnPath(names, path), "");
    Executable(b / "second");
    EXPECT_EQ(ProgramOnPath(names, path), b / "second");
    Executable(b / "first");
    EXPECT_EQ(ProgramOnPath(names, path), b / "first") << "names in their order before folders";
    Executable(a / "first");
    EXPECT_EQ(ProgramOnPath(names, "::" + path), a / "first") << "empty entries are skipped";
    Executable(a / "plain", 0644);
    EXPECT_EQ(ProgramOnPath({"plain"}, a.path()), "") << "not executable";
    std::filesystem::create_directory(a / "dir");
    EXPECT_EQ(ProgramOnPath({"dir"}, a.path()), "") << "a folder is no program";
    EXPECT_EQ(ProgramOnPath({"first"}, ""), "");
    EXPECT_FALSE(SystemInfoNames().empty());
}

}  // namespace
}  // namespace analyser
