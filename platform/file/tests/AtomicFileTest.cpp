#include <gtest/gtest.h>

#include "AtomicFile.h"
#include "FileSizeLimit.h"
#include "TempFolder.h"

namespace platform {
namespace {

TEST(AtomicFile, ReplacesALongerFileWholeAndLeavesNoTemporaryFile) {
    TempFolder dir("atomic.v1.2");
    const std::string target = dir / "history.ky2";
    TempFolder::WriteAll(target, std::string(5000, 'o'));

    AtomicFile file(target);
    file.Write("new");
    file.Write(std::string(100000, 'n'));  // passes through the buffer twice
    EXPECT_EQ(TempFolder::ReadAll(target), std::string(5000, 'o')) << "untouched until commit";
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(TempFolder::ReadAll(target), "new" + std::string(100000, 'n'));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"history.ky2"});
}

TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndReportsTheError) {
    TempFolder dir;
    const std::string target = dir / "keep.csv";
    TempFolder::WriteAll(target, "old contents");
    {
        FileSizeLimit limit(4096);
        AtomicFile file(target);
        file.Write(std::string(200000, 'x'));
        EXPECT_FALSE(file.Commit());
        EXPECT_EQ(file.error(), EFBIG);
        EXPECT_FALSE(FileErrorText(file.error()).empty());
    }
    EXPECT_EQ(TempFolder::ReadAll(target), "old contents");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"keep.csv"});
}

TEST(AtomicFile, AbandonedOrImpossibleFilesLeaveNothingBehind) {
    TempFolder dir;
    {
        AtomicFile file(dir / "never.txt");
        file.Write("half");
    }
    EXPECT_TRUE(dir.Names().empty());

    AtomicFile nowhere(dir / "missing-folder/file.txt");
    nowhere.Write("x");
    EXPECT_FALSE(nowhere.ok());
    EXPECT_EQ(nowhere.error(), ENOENT);
    EXPECT_FALSE(nowhere.Commit());
}

}  // namespace
}  // namespace platform
