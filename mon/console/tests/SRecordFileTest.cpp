// Reading the lines of the file a download sends.
#include <gtest/gtest.h>

#include <string>

#include "SRecordFile.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

using Status = SRecordFile::Status;
using Lines = std::vector<std::string>;

TEST(SRecordFile, EveryLineAsItStandsWithEitherLineEnd) {
    const auto file = SRecordParse("S00600004844521B\r\nS1050000AABB95 \n\r\n   \r\nhello\r\nS9030000FC");
    EXPECT_EQ(file.status, Status::Ok);
    EXPECT_EQ(file.lines, (Lines{"S00600004844521B", "S1050000AABB95 ", "", "   ", "hello", "S9030000FC"}))
        << "blanks, empty lines and lines that are no S-record are all kept";
    EXPECT_EQ(SRecordParse("A\r\n\r\n").lines, (Lines{"A", ""})) << "the line end of the last line ends no line";
    EXPECT_EQ(SRecordParse("A\r\r\n").lines, (Lines{"A\r"})) << "one CR belongs to the line end";
    const auto empty = SRecordParse("");
    EXPECT_EQ(empty.status, Status::Ok);
    EXPECT_TRUE(empty.lines.empty());
    EXPECT_EQ(SRecordParse(std::string(100000, 'S')).lines.size(), 1u) << "a line of any length";
}

TEST(SRecordFile, ReadFromDisk) {
    TempFolder dir;
    std::string big;
    for (int i = 0; i < 3000; ++i) big += "S1050000AABB95\r\n" + std::string(i % 7 == 0 ? "\r\n" : "");
    TempFolder::WriteAll(dir / "app.s", big);
    const auto file = SRecordRead(dir / "app.s");
    EXPECT_EQ(file.status, Status::Ok);
    EXPECT_EQ(file.lines.size(), 3000u + 429u) << "lines across the reader's blocks";
    EXPECT_EQ(file.lines[1], "");
    EXPECT_EQ(SRecordRead(dir / "missing.s").status, Status::Unreadable);
    EXPECT_EQ(SRecordRead(dir.path()).status, Status::Unreadable) << "a folder";
}

}  // namespace
}  // namespace mon
