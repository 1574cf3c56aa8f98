#include "SaveDestination.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file/tests/TempFolder.h"

namespace mon {
namespace {

TEST(SaveDestination, TheWriteTestLeavesAnExistingTmpFileAlone) {
    TempFolder dir;
    const std::string own = dir / "Cap.tmp";
    TempFolder::WriteAll(own, "the only copy of a capture");
    EXPECT_EQ(SplitSetCheck(dir.path(), "Cap"), SplitVerdict::Accepted);
    EXPECT_EQ(TempFolder::ReadAll(own), "the only copy of a capture");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"Cap.tmp"}) << "the probe is gone";
    EXPECT_EQ(SplitSetCheck(dir.path() + "/", "Cap"), SplitVerdict::Accepted) << "a closing /";
}

TEST(SaveDestination, TheFolderThenTheNameThenTheProbeDecide) {
    TempFolder dir;
    EXPECT_EQ(SplitSetCheck(dir / "missing", "Cap"), SplitVerdict::FolderRefused);
    EXPECT_EQ(SplitSetCheck("", "Cap"), SplitVerdict::FolderRefused);
    TempFolder::WriteAll(dir / "plain", "x");
    EXPECT_EQ(SplitSetCheck(dir / "plain", "Cap"), SplitVerdict::FolderRefused) << "a file is no folder";
    EXPECT_EQ(SplitSetCheck("/", ""), SplitVerdict::NameEmpty) << "the root is a folder";
    for (const char* bad : {"a/b", "..", "x..y", "tab\there", "bell\x07"}) {
        EXPECT_EQ(SplitSetCheck(dir.path(), bad), SplitVerdict::NameRefused) << bad;
    }
    EXPECT_EQ(SplitSetCheck(dir.path(), std::string(300, 'n')), SplitVerdict::WriteFailed)
        << "the path would be longer than 256 characters";
    if (::geteuid() != 0) {
        ::chmod(dir.path().c_str(), 0500);
        EXPECT_EQ(SplitSetCheck(dir.path(), "Cap"), SplitVerdict::WriteFailed);
        ::chmod(dir.path().c_str(), 0700);
    }
    EXPECT_TRUE(FileNameAcceptable("データ.v2"));
}

TEST(SaveDestination, TheChooserStartsInTheFolderOrTheProgramFolder) {
    TempFolder dir;
    EXPECT_EQ(SplitBrowseStart(dir.path(), "/prog"), dir.path());
    EXPECT_EQ(SplitBrowseStart(dir / "gone", "/prog"), "/prog");
    EXPECT_EQ(SplitBrowseStart("/", "/prog"), "/");
}

}  // namespace
}  // namespace mon
