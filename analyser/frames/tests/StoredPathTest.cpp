#include "StoredPath.h"

#include <gtest/gtest.h>

#include "FrameTestFiles.h"
#include "platform/file/tests/TempFolder.h"

namespace frames {
namespace {

TEST(StoredPath, WindowsPathsAreFoundAsTheyStandOrBesideTheNamingFile) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "sub");
    test::WriteFile(dir / "sub/a.kyf", "");
    test::WriteFile(dir / "b.kyf", "");
    const std::string kyp = dir / "f.kyp";

    EXPECT_EQ(ResolveStoredPath("", kyp), "");
    // "\" read as "/": a path written on this system with backslashes.
    std::string windowsForm = dir / "sub\\a.kyf";
    EXPECT_EQ(ResolveStoredPath(windowsForm, kyp), dir / "sub/a.kyf");
    EXPECT_EQ(ResolveStoredPath(dir / "sub/a.kyf", kyp), dir / "sub/a.kyf");
    // A path of another machine: the file of that name beside the frame file.
    EXPECT_EQ(ResolveStoredPath("C:\\解析\\b.kyf", kyp), dir / "b.kyf");
    EXPECT_EQ(ResolveStoredPath("b.kyf", kyp), dir / "b.kyf");
    // Nowhere to be found: the path with "/", for the caller to fail on.
    EXPECT_EQ(ResolveStoredPath("C:\\x\\none.kyf", kyp), "C:/x/none.kyf");
    EXPECT_EQ(ResolveStoredPath("C:\\x\\", kyp), "C:/x/") << "no file name: nothing beside";
}

TEST(StoredPath, FolderListingMatchesTheExtensionInAnyCaseAndSorts) {
    TempFolder dir;
    for (const char* name : {"b.kyf", "a.KYF", "c.Kyf", "d.kyfx", "e.kyl", "kyf"}) test::WriteFile(dir / name, "");
    std::filesystem::create_directories(dir / "f.kyf");
    EXPECT_EQ(FolderFiles(dir.path(), ".kyf"), (std::vector<std::string>{"a.KYF", "b.kyf", "c.Kyf"}));
    EXPECT_TRUE(FolderFiles(dir / "missing", ".kyf").empty());
    EXPECT_EQ(JoinPath("/x/", "y"), "/x/y");
    EXPECT_EQ(JoinPath("/x", "y"), "/x/y");
}

}  // namespace
}  // namespace frames
