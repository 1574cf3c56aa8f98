#include "csvWrite.h"

#include <gtest/gtest.h>

#include "FrameTestFiles.h"
#include "clsFilter.h"
#include "clsProtocol.h"
#include "platform/file/tests/FileSizeLimit.h"
#include "platform/file/tests/TempFolder.h"
#include "his/store/Ky2Format.h"
#include "platform/text/Cp932.h"

namespace frames {
namespace {

using test::Bytes;
using test::Config;
using test::Record;

class RecordingMessages : public MessageSink {
public:
    void Show(const std::string& text, int16_t icon) override { shown.push_back(text + "/" + std::to_string(icon)); }
    std::vector<std::string> shown;
};

class csvWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        config_ = Config({{"種別", kItemCode, 8},
                          {"長さ", kItemLength, 8},
                          {"本体", kItemData, 0, 2},
                          {"識別", kItemData, 64},
                          {"大", kItemData, 56},
                          {"終り", kItemCode, 1}},
                         0, "試験フレーム");
        test::WriteConfig(kyf_, config_);
        const std::string id = Bytes({0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88});
        const std::string big(7, '\xFF');
        Open({Record(Bytes({0x41, 0x03, 0x01, 0x02, 0x03}) + id + big + Bytes({0x80})),
              Record(Bytes({0xFF, 0x00}) + id + big + Bytes({0x00}))});
    }
    void Open(const std::vector<FrameRecord>& frames) {
        test::WriteFile(kyp_, test::KypBytes(test::SampleHeader(kyf_), frames));
        ASSERT_EQ(doc_.FileRead(kyp_), 0);
        std::string linkFile;
        ASSERT_TRUE(filter_.Filter(doc_, linkFile));
    }
    bool Write(const std::string& path, int32_t first, int32_t last) {
        return CsvFileWrite(filter_, doc_, config_, path, first, last, &messages_);
    }
    static std::string Cp932(const std::string& utf8) { return platform::Utf8ToCp932(utf8); }

    TempFolder dir_;
    std::string kyf_ = dir_ / "cfg.kyf";
    std::string kyp_ = dir_ / "f.kyp";
    std::string csv_ = dir_ / "out.csv";
    clsFrameConfig config_;
    clsProtocol doc_;
    clsFilter filter_;
    RecordingMessages messages_;
};

TEST_F(csvWriteTest, ValuesForShortItemsAndHexForTheOthers) {
    ASSERT_TRUE(Write(csv_, 0, 0));
    EXPECT_EQ(TempFolder::ReadAll(csv_),
              Cp932("試験フレーム\r\n種別,長さ,本体,識別,大,終り\r\n") +
                  " 65, 3,010203,1122334455667788, 7.20575940379279E+16, 1\r\n"
                  " 255, 0,,1122334455667788, 7.20575940379279E+16, 0\r\n");
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(csvWriteTest, RowsAreChosenAsTheCallerAsksAndOldFilesReplaced) {
    TempFolder::WriteAll(csv_, std::string(5000, 'x'));
    const std::string heading = Cp932("試験フレーム\r\n種別,長さ,本体,識別,大,終り\r\n");
    int32_t first = 1, last = 1;
    ASSERT_TRUE(CsvFileWrite(filter_, doc_, config_, csv_, first, last));
    EXPECT_EQ(TempFolder::ReadAll(csv_), heading + " 255, 0,,1122334455667788, 7.20575940379279E+16, 0\r\n");
    EXPECT_EQ(first, 2) << "after the last row written";

    first = -1;
    last = 1;
    ASSERT_TRUE(CsvFileWrite(filter_, doc_, config_, csv_, first, last));
    EXPECT_EQ(last, 1) << "a negative begin makes both 0, and an end of 0 the last row";
    first = 0;
    last = 9;
    ASSERT_TRUE(CsvFileWrite(filter_, doc_, config_, csv_, first, last));
    EXPECT_EQ(last, 1);
    first = 1;
    last = 0;
    ASSERT_TRUE(CsvFileWrite(filter_, doc_, config_, csv_, first, last));
    EXPECT_EQ(TempFolder::ReadAll(csv_).find("\r\n 65,"), std::string::npos) << "only row 1";
    first = 2;
    last = 1;
    ASSERT_TRUE(CsvFileWrite(filter_, doc_, config_, csv_, first, last));
    EXPECT_EQ(TempFolder::ReadAll(csv_), heading) << "a begin after the end gives the headings";
}

TEST_F(csvWriteTest, AnEmptyListMakesNoFile) {
    filter_.FilterOption(1, 2);
    filter_.FrameData("nothing like it");
    std::string linkFile;
    ASSERT_TRUE(filter_.Filter(doc_, linkFile));
    ASSERT_EQ(filter_.FilterMax(), 0);
    EXPECT_FALSE(Write(csv_, 0, 0));
    EXPECT_FALSE(store::FileExists(csv_));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(csvWriteTest, AFailedWriteSaysSoAndKeepsTheOldFile) {
    EXPECT_FALSE(Write(dir_ / "no/folder.csv", 0, 0));
    EXPECT_EQ(messages_.shown, std::vector<std::string>{"ファイルが開けません/48"});

    TempFolder::WriteAll(csv_, "old table");
    {
        FileSizeLimit limit(20);
        EXPECT_FALSE(Write(csv_, 0, 0));
    }
    EXPECT_EQ(TempFolder::ReadAll(csv_), "old table");
    EXPECT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"cfg.kyf", "f.kyp", "out.csv"}));
}

TEST_F(csvWriteTest, AConfigurationWithoutItemsGivesEmptyLines) {
    const clsFrameConfig none = Config({}, 0, "空");
    int32_t first = 0, last = 0;
    ASSERT_TRUE(CsvFileWrite(filter_, doc_, none, csv_, first, last));
    EXPECT_EQ(TempFolder::ReadAll(csv_), Cp932("空") + "\r\n\r\n\r\n\r\n");
}

}  // namespace
}  // namespace frames
