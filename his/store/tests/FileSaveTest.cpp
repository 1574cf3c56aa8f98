#include <gtest/gtest.h>

#include <sstream>

#include "FileSave.h"
#include "platform/file/tests/FileSizeLimit.h"
#include "platform/file/tests/ProtectedTargets.h"
#include "platform/file/tests/TempFolder.h"
#include "platform/text/Cp932.h"
#include "platform/time/VbDate.h"

namespace store {
namespace {

double At(const char* stamp) { return platform::ParseDateTime(stamp).value(); }

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class FileSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc_.BaudRate(19200);
        doc_.Parity(1);
        doc_.MemoryMode(2);
        doc_.TrigStop(1);
        doc_.MonitorStart("2024/01/02 03:04:05");
        doc_.SdChar(1, "ｱｲｳ");
    }
    std::string SaveKy2(const SaveRange& range = {}) {
        EXPECT_EQ(HistorySave(doc_, path_, range), 0);
        return TempFolder::ReadAll(path_);
    }
    // The data lines of a saved file, without their stamps.
    std::vector<std::string> DataLines(const std::string& bytes) {
        auto lines = Lines(bytes);
        lines.erase(lines.begin(), lines.begin() + 7);
        return lines;
    }

    TempFolder dir_;
    std::string path_ = dir_ / "saved.ky2";
    clsCommon doc_;
};

TEST_F(FileSaveTest, Ky2LinesFollowChangesOfTimeStamp) {
    doc_.RecordAdd(At("2024/01/02 10:00:00"), 0x80, 'a');
    doc_.RecordAdd(At("2024/01/02 10:00:00"), 0x80, 'b');
    doc_.RecordAdd(At("2024/01/02 10:00:01"), 0x80 | 0x02 | 0x08 | 0x40, 'c');
    doc_.CharTimeSet(0x4000);
    doc_.RecordAdd(At("2024/01/02 10:00:00"), 0x80, 'd');
    doc_.CharTimeSet(0x57FF);

    const std::string bytes = SaveKy2();
    const auto lines = Lines(bytes);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "*** KY-Nubera ***");
    EXPECT_EQ(lines[1], ",");
    EXPECT_EQ(lines[2], "2024/01/02 03:04:05,1899/12/30 00:00:00");
    EXPECT_EQ(lines[3], "0,19200,0,0,0,0,0,0,2,1,1,0,0");
    EXPECT_EQ(lines[6], platform::Utf8ToCp932("0,ｱｲｳ,,0,,,0,0"));
    EXPECT_EQ(lines[7], std::string("2024/01/02 10:00:00,\x44\x01\x80" "a\x80" "b\x00\x01", 28));
    EXPECT_EQ(lines[8], std::string("2024/01/02 10:00:01,\x44\x01\xCA" "c\x40\x00\x00\x01", 28));
    EXPECT_EQ(lines[9], std::string("2024/01/02 10:00:00,\x44\x01\x80" "d\x57\xFF\x00\x01", 28));
}

TEST_F(FileSaveTest, RangeSavesWriteTheMarkedRecordsUnderTheWholeHeader) {
    for (int i = 0; i < 12; ++i) doc_.RecordAdd(At("2024/01/02 10:00:00") + i / 86400.0, 0x80, static_cast<uint8_t>('A' + i));
    TempFolder::WriteAll(path_, std::string(100000, 'z'));

    const std::string whole = SaveKy2();
    EXPECT_EQ(DataLines(whole).size(), 12u);
    EXPECT_EQ(whole.find('z'), std::string::npos) << "nothing of the longer old file remains";

    const std::string range = SaveKy2({1, 5, 9});
    const auto lines = DataLines(range);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines.front().substr(23, 1), "F");
    EXPECT_EQ(lines.back().substr(23, 1), "J");
    EXPECT_EQ(Lines(range)[1], ",");
    EXPECT_EQ(Lines(range)[3], Lines(whole)[3]);

    EXPECT_TRUE(DataLines(SaveKy2({1, -1, -1})).empty()) << "unset marks write the header only";
    EXPECT_TRUE(DataLines(SaveKy2({1, 12, 20})).empty());
    EXPECT_EQ(DataLines(SaveKy2({1, 10, 99})).size(), 2u) << "stops at the last record";
}

TEST_F(FileSaveTest, CsvRowsCarryRecordColumnsAndSettingsOnRecordZeroOnly) {
    doc_.RecordAdd(At("2024/01/02 10:00:00"), 0x80 | 0x10, 0x41);
    doc_.RecordAdd(At("2024/01/02 10:00:01"), 0x80 | 0x02 | 0x01, 0x0D);
    doc_.CharTimeSet(CharTimeWord(2, 15));
    doc_.RecordAdd(At("2024/01/02 10:00:01"), 0x80 | 0x70, 0xFF);
    doc_.CharTimeSet(CharTimeWord(5, 3));
    doc_.RecordAdd(At("2024/01/02 10:00:02"), 0x80 | 0x0C, 0x20);

    const std::string csv = dir_ / "out.csv";
    ASSERT_EQ(CsvSave(doc_, csv, {}), 0);
    const auto rows = Lines(TempFolder::ReadAll(csv));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(std::count(rows[0].begin(), rows[0].end(), ','), 40) << "41 column names";
    EXPECT_EQ(rows[1], platform::Utf8ToCp932(
                           "1,1,,2024/01/02 10:00:00,41,,,,,p,,"
                           "2024/01/02 03:04:05,1899/12/30 00:00:00,RS-232C,CD,Odd,7,19200,Fix,,1,,,"
                           "1899/12/30 00:00:00,1899/12/30 00:00:00,"
                           "Dual,,,0,,,0,0,Dual,ｱｲｳ,,0,,,0,0,"));
    EXPECT_EQ(rows[2], "2,,1,2024/01/02 10:00:01,0D,1,1,,,,1500," + std::string(29, ','));
    EXPECT_EQ(rows[3], "3,2,,2024/01/02 10:00:01,FF,,,,,x,-1," + std::string(29, ','));
    EXPECT_EQ(rows[4], "4,3,,2024/01/02 10:00:02,20,,,1,1,,," + std::string(29, ','));

    ASSERT_EQ(CsvSave(doc_, csv, {1, 1, 3}), 0);
    const auto range = Lines(TempFolder::ReadAll(csv));
    ASSERT_EQ(range.size(), 4u);
    for (size_t i = 1; i < range.size(); ++i) {
        EXPECT_EQ(std::count(range[i].begin(), range[i].end(), ','), 40) << "no settings in a range from 1";
    }
}

TEST_F(FileSaveTest, AFailedSaveKeepsTheOldFileAndReportsTheError) {
    for (int i = 0; i < 20000; ++i) doc_.RecordAdd(i, 0x80, 'q');
    TempFolder::WriteAll(path_, "the user's old history");
    const std::string csv = dir_ / "old.csv";
    TempFolder::WriteAll(csv, "old,csv");
    {
        FileSizeLimit limit(8192);
        EXPECT_EQ(HistorySave(doc_, path_, {}), EFBIG);
        EXPECT_EQ(CsvSave(doc_, csv, {}), EFBIG);
    }
    EXPECT_EQ(TempFolder::ReadAll(path_), "the user's old history");
    EXPECT_EQ(TempFolder::ReadAll(csv), "old,csv");
    EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"old.csv", "saved.ky2"}));
    EXPECT_NE(HistorySave(doc_, dir_ / "no/such/folder.ky2", {}), 0);
}

TEST_F(FileSaveTest, SavesKeepReadOnlyFilesLinksAndModes) {
    doc_.RecordAdd(At("2024/01/02 10:00:00"), 0x80, 'a');
    protected_targets::ExpectSaveRespectsTarget(
        "history.ky2", [&](const std::string& p) { return HistorySave(doc_, p, {}) == 0; });
    protected_targets::ExpectSaveRespectsTarget("history.csv",
                                                [&](const std::string& p) { return CsvSave(doc_, p, {}) == 0; });
    // The refusal is the error a write would get, for the viewer's message.
    TempFolder dir;
    protected_targets::HandToPlainUser(dir.path());
    const std::string locked = dir / "locked.ky2";
    TempFolder::WriteAll(locked, "old");
    protected_targets::HandToPlainUser(locked);
    ::chmod(locked.c_str(), 0444);
    EXPECT_EQ(protected_targets::RunAsPlainUser([&] { return HistorySave(doc_, locked, {}); }), EACCES);
}

}  // namespace
}  // namespace store
