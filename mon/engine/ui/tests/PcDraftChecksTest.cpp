#include "PcDraftChecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Settings.h"
#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

TEST(PortTextNumber, OneToThreeDigitsAfterTheThirdCharacter) {
    EXPECT_EQ(PortTextNumber("COM12"), 12);
    EXPECT_EQ(PortTextNumber("COM1"), 1);
    EXPECT_EQ(PortTextNumber("COM007"), 7);
    EXPECT_EQ(PortTextNumber("COM1234"), std::nullopt);
    EXPECT_EQ(PortTextNumber("COMx"), std::nullopt);
    EXPECT_EQ(PortTextNumber("COM"), std::nullopt);
    EXPECT_EQ(PortTextNumber("COM 1"), std::nullopt);
    EXPECT_EQ(PortTextNumber("ＣＯＭ3"), 3) << "characters are counted, not bytes";
}

TEST(PortDeviceName, IsTheClassicDeviceName) { EXPECT_EQ(PortDeviceName("COM3"), "\\\\.\\COM3"); }

TEST(FileMaxFromText, EmptyOrAboveTwoToTheThirtiethMeansNoLimit) {
    EXPECT_EQ(FileMaxFromText("").fileMax, kFileMaxUnlimited);
    EXPECT_EQ(FileMaxFromText("1073741825").fileMax, kFileMaxUnlimited);
    EXPECT_EQ(FileMaxFromText("99999999999999999999").fileMax, kFileMaxUnlimited);
    const FileMaxCheck top = FileMaxFromText("1073741824");
    EXPECT_EQ(top.verdict, FileMaxVerdict::Accepted);
    EXPECT_EQ(top.fileMax, 1073741824);
    EXPECT_EQ(FileMaxFromText("12").fileMax, 12);
}

TEST(FileMaxFromText, ZeroOrOneIsRefusedSilentlyAndSoIsATextWithoutALeadingDigit) {
    for (const char* text : {"0", "1", "abc", "1x", "00"}) {
        EXPECT_EQ(FileMaxFromText(text).verdict, FileMaxVerdict::Refused) << text;
    }
}

TEST(FileMaxFromText, ANumberWithATailIsNotNumericAndNamedInTheMessage) {
    EXPECT_EQ(FileMaxFromText("12a").verdict, FileMaxVerdict::NotNumeric);
    EXPECT_EQ(FileMaxMessage("12a"), "最大ファイル数 [12a] は有効ではありません！");
}

TEST(FileMaxKeyPasses, DigitsEnterAndBackspaceOnly) {
    for (char32_t ch : {U'0', U'9', U'\r', U'\b'}) EXPECT_TRUE(FileMaxKeyPasses(ch));
    for (char32_t ch : {U'a', U'-', U' ', U'.', U'１', char32_t{0x16}})
        EXPECT_FALSE(FileMaxKeyPasses(ch));
}

TEST(DataFolderPresent, AnythingThatExistsButNotAnEmptyText) {
    TempFolder dir;
    TempFolder::WriteAll(dir / "plain", "x");
    EXPECT_TRUE(DataFolderPresent(dir.path()));
    EXPECT_TRUE(DataFolderPresent(dir.path() + "/"));
    EXPECT_TRUE(DataFolderPresent(dir / "plain")) << "the write test refuses it later";
    EXPECT_FALSE(DataFolderPresent(dir / "missing"));
    EXPECT_FALSE(DataFolderPresent(""));
    EXPECT_EQ(FolderMissingMessage("/data"), "[/data] フォルダがありません！");
}

TEST(JoinPath, OneSeparatorBetween) {
    EXPECT_EQ(JoinPath("/data", "Ky.tmp"), "/data/Ky.tmp");
    EXPECT_EQ(JoinPath("/", "Ky.tmp"), "/Ky.tmp");
    EXPECT_EQ(JoinPath("/data/", ""), "/data/");
}

TEST(WriteTest, NeverTouchesAUsersOwnTmpFileAndLeavesNothingBehind) {
    TempFolder dir;
    TempFolder::WriteAll(dir / "Ky.tmp", "the user's own data");
    const auto stamp = std::filesystem::last_write_time(dir / "Ky.tmp");
    EXPECT_TRUE(WriteTest(dir.path(), "Ky"));
    EXPECT_EQ(TempFolder::ReadAll(dir / "Ky.tmp"), "the user's own data");
    EXPECT_EQ(std::filesystem::last_write_time(dir / "Ky.tmp"), stamp);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"Ky.tmp"});
}

TEST(WriteTest, FailsInAPlainFileAMissingFolderOrOnAnOverlongPath) {
    TempFolder dir;
    TempFolder::WriteAll(dir / "plain", "x");
    EXPECT_FALSE(WriteTest(dir / "plain", "Ky"));
    EXPECT_FALSE(WriteTest(dir / "missing", "Ky"));
    const std::string folderPart = dir.path() + "/";
    const std::string fits(kWriteTestPathMax - folderPart.size() - 4, 'k');
    EXPECT_TRUE(WriteTest(dir.path(), fits)) << "exactly the longest path";
    EXPECT_FALSE(WriteTest(dir.path(), fits + "k"));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"plain"});
}

TEST(HistoryFilesExist, FilesOfTheBaseNameWithANumberAndTheKy2Extension) {
    TempFolder dir;
    EXPECT_FALSE(HistoryFilesExist(dir.path(), "Ky"));
    TempFolder::WriteAll(dir / "Ky01.ky2", "");
    TempFolder::WriteAll(dir / "Kyx_01.ky2", "");
    TempFolder::WriteAll(dir / "Ky_01.tmp", "");
    std::filesystem::create_directory(dir / "Ky_dir.ky2");
    EXPECT_FALSE(HistoryFilesExist(dir.path(), "Ky"));
    TempFolder::WriteAll(dir / "KY_07.KY2", "");
    EXPECT_TRUE(HistoryFilesExist(dir.path(), "Ky"));
    EXPECT_FALSE(HistoryFilesExist(dir / "missing", "Ky"));
}

}  // namespace
}  // namespace mon
