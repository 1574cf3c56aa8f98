// Reading and checking S-record files before a download.
#include <gtest/gtest.h>

#include <string>

#include "SRecordFile.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

using Status = SRecordFile::Status;

TEST(SRecordFile, WhatAnSRecordLineIs) {
    EXPECT_TRUE(IsSRecordLine("S00600004844521B"));
    EXPECT_TRUE(IsSRecordLine("S1130000285F245F2212226A000424290008237C2A"));
    EXPECT_TRUE(IsSRecordLine("S9030000FC"));
    EXPECT_TRUE(IsSRecordLine("S9030000fc")) << "either case";
    EXPECT_TRUE(IsSRecordLine("S9030000FF")) << "the checksum is the unit's to check";
    EXPECT_FALSE(IsSRecordLine("S9040000FC")) << "the count says one byte more";
    EXPECT_FALSE(IsSRecordLine("S9030000F"));
    EXPECT_FALSE(IsSRecordLine("SX030000FC"));
    EXPECT_FALSE(IsSRecordLine("s9030000FC"));
    EXPECT_FALSE(IsSRecordLine("S903 000FC"));
    EXPECT_FALSE(IsSRecordLine("S900"));
    EXPECT_FALSE(IsSRecordLine(":100000000C9434000C943E000C943E000C943E0082"));
}

TEST(SRecordFile, LinesWithEitherLineEndAndEmptyLinesSkipped) {
    const auto file = SRecordParse("S00600004844521B\r\nS1050000AABB95\n\r\nS9030000FC");
    EXPECT_EQ(file.status, Status::Ok);
    EXPECT_EQ(file.lines, (std::vector<std::string>{"S00600004844521B", "S1050000AABB95", "S9030000FC"}));
    const auto empty = SRecordParse("");
    EXPECT_EQ(empty.status, Status::Ok);
    EXPECT_TRUE(empty.lines.empty());
}

TEST(SRecordFile, AFileWithAnyOtherLineIsRefusedWhole) {
    const auto file = SRecordParse("S00600004844521B\r\n\r\nhello\r\nS9030000FC\r\n");
    EXPECT_EQ(file.status, Status::NotSRecord);
    EXPECT_EQ(file.badLine, 3u);
    EXPECT_TRUE(file.lines.empty());
    // A file with no line end in sight is given up early.
    const auto binary = SRecordParse(std::string(100000, 'S'));
    EXPECT_EQ(binary.status, Status::NotSRecord);
    EXPECT_EQ(binary.badLine, 1u);
}

TEST(SRecordFile, ReadFromDisk) {
    TempFolder dir;
    TempFolder::WriteAll(dir / "app.s", "S1050000AABB95\r\nS9030000FC\r\n");
    const auto file = SRecordRead(dir / "app.s");
    EXPECT_EQ(file.status, Status::Ok);
    EXPECT_EQ(file.lines.size(), 2u);
    EXPECT_EQ(SRecordRead(dir / "missing.s").status, Status::Unreadable);
    EXPECT_EQ(SRecordRead(dir.path()).status, Status::Unreadable) << "a folder";
}

}  // namespace
}  // namespace mon
