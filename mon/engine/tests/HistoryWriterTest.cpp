#include <gtest/gtest.h>

#include "FakePortello.h"
#include "HistoryWriter.h"
#include "RealPortello.h"
#include "Records.h"
#include "platform/file/tests/FileSizeLimit.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

class HistoryWriterTest : public ::testing::Test {
protected:
    HistoryWriterTest() { pc_.DataDir = dir_.path(); }
    void Touch(const std::string& name) { TempFolder::WriteAll(dir_ / name, "old"); }

    TempFolder dir_{"writer.v1.2"};
    PcSettings pc_;
    MonitorSettings committed_;
    test::FakePortello api_{&test::RealPortello()};
    HistoryWriter files_{api_, pc_, committed_};
};

TEST_F(HistoryWriterTest, NumberingContinuesAfterTheHighestFileAndWraps) {
    Touch("Ky_00_be.ky2");
    Touch("Ky_07_e.ky2");
    Touch("Ky_x_e.ky2");
    Touch("Other_20.ky2");
    files_.FileNumberFind();
    EXPECT_EQ(files_.FileNumber, 8);
    files_.TmpFileOpen();
    EXPECT_EQ(files_.BasePath, dir_ / "Ky_08");
    EXPECT_EQ(files_.Title, "モニタ - [" + (dir_ / "Ky_08") + ".ky2]");

    pc_.FileMax = 10;
    Touch("Ky_09.ky2");
    files_.FileNumberFind();
    EXPECT_EQ(files_.FileNumber, 0);
    EXPECT_EQ(files_.BaseNameMake(100), dir_ / "Ky_100");

    pc_.FileName = "cap.v2";
    Touch("cap.v2_03_b.ky2");
    files_.FileNumberFind();
    EXPECT_EQ(files_.FileNumber, 4) << "a dotted file name keeps counting";
}

TEST_F(HistoryWriterTest, ARecordCrossingTheLimitIsSplitWithTheSameStampAndLeadBytes) {
    files_.FileNumberFind();
    files_.TmpFileOpen();
    files_.FileUnits = kFileUnitLimit - 10;
    std::string record = test::SdRecord(9, 30);
    int32_t units = 30;
    CaptureTimes times;
    ASSERT_TRUE(files_.RecordWrite(record, units, 46000.5, times));
    EXPECT_EQ(files_.BasePath, dir_ / "Ky_01");
    EXPECT_EQ(files_.FileUnits, 0);
    EXPECT_EQ(units, 20);
    ASSERT_EQ(api_.appends.size(), 1u);
    EXPECT_EQ(api_.appends[0], std::make_pair(dir_ / "Ky_00", int16_t{0}));

    const std::string full = TempFolder::ReadAll(dir_ / "Ky_00.tmp");
    const std::string stamp = "2025/12/09 12:00:00,";
    EXPECT_EQ(full, stamp + test::SdRecord(9, 30).substr(0, 2 + 20) + std::string("\x00\r\n", 3));
    const std::string rest = TempFolder::ReadAll(dir_ / "Ky_01.tmp");
    EXPECT_EQ(rest.substr(0, 22), stamp + "\x01\x09");
    EXPECT_EQ(rest.substr(20), std::string("\x01\x09", 2) + test::SdRecord(9, 30).substr(22));
    EXPECT_NE(TempFolder::ReadAll(dir_ / "Ky_00.ky2").find("\r\n," + (dir_ / "Ky_01.ky2") + "\r\n"),
              std::string::npos);
}

TEST_F(HistoryWriterTest, AFullFileGivesAnEmptyLineAndTheWholeRecordMovesOn) {
    files_.FileNumberFind();
    files_.TmpFileOpen();
    files_.FileUnits = kFileUnitLimit;
    std::string record = test::SdRecord(1, 3);
    int32_t units = 3;
    ASSERT_TRUE(files_.RecordWrite(record, units, 46000.5, {}));
    EXPECT_EQ(TempFolder::ReadAll(dir_ / "Ky_00.tmp"), std::string("2025/12/09 12:00:00,\x01\x01\x00\r\n", 25));
    EXPECT_EQ(units, 3);
}

TEST_F(HistoryWriterTest, ARecordLongerThanTwoFilesFillsEveryFileItCrosses) {
    files_.FileNumberFind();
    files_.TmpFileOpen();
    files_.AppendFlags = kMarkBegan;
    const int32_t total = 2 * kFileUnitLimit + 500;
    std::string record = test::SdRecord(4, total);
    int32_t units = total;
    ASSERT_TRUE(files_.RecordWrite(record, units, 46000.5, {}));
    EXPECT_EQ(units, 500) << "what the display counts into the third file";
    EXPECT_EQ(files_.BasePath, dir_ / "Ky_02");
    ASSERT_EQ(api_.appends.size(), 2u) << "the first file, which the record alone filled, is kept";
    EXPECT_EQ(api_.appends[0], std::make_pair(dir_ / "Ky_00", int16_t{kMarkBegan}));
    EXPECT_EQ(api_.appends[1], std::make_pair(dir_ / "Ky_01", int16_t{0}));
    const std::string lead = "2025/12/09 12:00:00,\x01\x04";
    for (const char* name : {"Ky_00.tmp", "Ky_01.tmp"}) {
        const std::string part = TempFolder::ReadAll(dir_ / name);
        EXPECT_EQ(part.size(), lead.size() + 2u * kFileUnitLimit + 3) << name;
        EXPECT_EQ(part.substr(0, lead.size()), lead) << name;
    }
    EXPECT_EQ(TempFolder::ReadAll(dir_ / "Ky_02.tmp").size(), lead.size() + 2u * 500 + 4);
}

TEST_F(HistoryWriterTest, ReusingANumberReplacesTheOldFileButKeepsThisCapturesLogs) {
    Touch("Ky_00_be.ky2");
    Touch("Ky_00.k21");
    pc_.FileMax = 1;
    files_.FileNumberFind();
    ASSERT_EQ(files_.FileNumber, 0);
    files_.TmpFileOpen();
    EXPECT_EQ(TempFolder::ReadAll(dir_ / "Ky_00.k21"), "") << "the old capture's log went with the number";
    files_.EventLog("this capture");
    std::string record = test::SdRecord(1, 2);
    int32_t units = 2;
    files_.RecordWrite(record, units, 46000.5, {});
    files_.FileUnits = 2;
    files_.HistoryFileClose({});
    EXPECT_FALSE(TempFolder::ReadAll(dir_ / "Ky_00.ky2").empty());
    EXPECT_EQ(TempFolder::ReadAll(dir_ / "Ky_00_be.ky2"), "") << "the older history of the number is gone";
    EXPECT_EQ(TempFolder::ReadAll(dir_ / "Ky_00.k21"), "this capture\r\n");
}

TEST_F(HistoryWriterTest, ALeftoverTemporaryFileIsPassedOverUnlessTheNumbersWrapOntoIt) {
    TempFolder::WriteAll(dir_ / "Ky_00.tmp", std::string(1000, 'X'));
    files_.FileNumberFind();
    EXPECT_EQ(files_.FileNumber, 1) << "the records of a file that never became a history stay";

    pc_.FileMax = 1;
    files_.FileNumberFind();
    ASSERT_EQ(files_.FileNumber, 0);
    files_.TmpFileOpen();
    std::string record = test::SdRecord(1, 1);
    int32_t units = 1;
    files_.RecordWrite(record, units, 46000.5, {});
    files_.FileUnits = 1;
    files_.HistoryFileClose({});
    const std::string tmp = TempFolder::ReadAll(dir_ / "Ky_00.tmp");
    EXPECT_EQ(tmp, "2025/12/09 12:00:00," + test::SdRecord(1, 1));
}

TEST_F(HistoryWriterTest, AFileClosedAfterADiskErrorKeepsItsTemporaryFile) {
    files_.FileNumberFind();
    files_.TmpFileOpen();
    std::string record = test::SdRecord(1, 2);
    int32_t units = 2;
    ASSERT_TRUE(files_.RecordWrite(record, units, 46000.5, {}));
    files_.FileUnits = files_.FileSdUnits = 2;
    const std::string written = TempFolder::ReadAll(dir_ / "Ky_00.tmp");
    ASSERT_EQ(written, "2025/12/09 12:00:00," + test::SdRecord(1, 2));
    {
        const FileSizeLimit diskFull(written.size());
        std::string more = test::SdRecord(2, 3);
        int32_t moreUnits = 3;
        files_.RecordWrite(more, moreUnits, 46000.5, {});
    }
    ASSERT_EQ(files_.FileInError, -1);

    // Records keep being counted while nothing is written; once the count
    // would pass the limit the writer moves on to the next number.
    files_.FileUnits = kFileUnitLimit - 1;
    std::string late = test::SdRecord(3, 2);
    int32_t lateUnits = 2;
    EXPECT_FALSE(files_.RecordWrite(late, lateUnits, 46000.5, {}));
    EXPECT_EQ(files_.FileInError, 0);
    EXPECT_EQ(files_.BasePath, dir_ / "Ky_01");
    EXPECT_TRUE(api_.appends.empty()) << "a broken file is never handed to the append";
    EXPECT_EQ(TempFolder::ReadAll(dir_ / "Ky_00.tmp"), written);
    EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"Ky_00.tmp", "Ky_01.tmp"}));

    files_.FileNumberFind();
    EXPECT_EQ(files_.FileNumber, 2) << "the next capture leaves the kept records alone";
}

}  // namespace
}  // namespace mon
