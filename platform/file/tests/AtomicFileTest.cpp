#include <gtest/gtest.h>

#include "AtomicFile.h"
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>

#include "FileSizeLimit.h"
#include "ProtectedTargets.h"
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

// Saves bytes that differ from anything the checks put there.
bool SaveSomething(const std::string& path) {
    AtomicFile file(path);
    file.Write("saved through the atomic file");
    return file.Commit();
}

TEST(AtomicFile, KeepsReadOnlyFilesLinksAndModes) {
    protected_targets::ExpectSaveRespectsTarget("target.bin", SaveSomething);
}

TEST(AtomicFile, AReadOnlyFileRefusesAPlainUserWithTheErrorAWriteWouldGet) {
    using namespace protected_targets;
    TempFolder dir;
    HandToPlainUser(dir.path());
    const std::string target = dir / "mine.ky2";
    TempFolder::WriteAll(target, "keep me");
    HandToPlainUser(target);
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);

    // The child reports the error of the refusal, and whether the file
    // was already refused before any byte was written.
    const int err = RunAsPlainUser([&] {
        AtomicFile file(target);
        const bool refusedAtOnce = !file.ok();
        file.Write("x");
        if (file.Commit()) return 0;
        return refusedAtOnce ? file.error() : 200;
    });
    EXPECT_EQ(err, EACCES);
    EXPECT_EQ(TempFolder::ReadAll(target), "keep me");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"mine.ky2"});

    // The same user may replace the file once it is writable again, and
    // the replacement keeps the mode.
    ASSERT_EQ(::chmod(target.c_str(), 0604), 0);
    EXPECT_EQ(RunAsPlainUser([&] { return SaveSomething(target) ? 0 : 1; }), 0);
    EXPECT_EQ(TempFolder::ReadAll(target), "saved through the atomic file");
    EXPECT_EQ(ModeOf(target), 0604u);
}

TEST(AtomicFile, RootWritesAReadOnlyFileAsAPlainWriteWouldAndKeepsItReadOnly) {
    if (!protected_targets::RunningAsRoot()) GTEST_SKIP() << "only root may write a read-only file";
    TempFolder dir;
    const std::string target = dir / "root.ini";
    TempFolder::WriteAll(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    EXPECT_TRUE(SaveSomething(target));
    EXPECT_EQ(TempFolder::ReadAll(target), "saved through the atomic file");
    EXPECT_EQ(protected_targets::ModeOf(target), 0444u);
}

TEST(AtomicFile, LinksAreFollowedToTheFileTheyFinallyName) {
    namespace fs = std::filesystem;
    TempFolder a, b;
    const std::string real = b / "real.kyp";
    TempFolder::WriteAll(real, "old");

    // A chain: an absolute link to a relative link to the file.
    ASSERT_EQ(::symlink("real.kyp", (b / "hop.kyp").c_str()), 0);
    ASSERT_EQ(::symlink((b / "hop.kyp").c_str(), (a / "first.kyp").c_str()), 0);
    ASSERT_TRUE(SaveSomething(a / "first.kyp"));
    EXPECT_EQ(TempFolder::ReadAll(real), "saved through the atomic file");
    EXPECT_TRUE(fs::is_symlink(a / "first.kyp"));
    EXPECT_TRUE(fs::is_symlink(b / "hop.kyp"));
    EXPECT_EQ(a.Names(), std::vector<std::string>{"first.kyp"});
    EXPECT_EQ((b.Names()), (std::vector<std::string>{"hop.kyp", "real.kyp"}));

    // A link to a file not yet there makes the file it names.
    ASSERT_EQ(::symlink((b / "later.csv").c_str(), (a / "later.csv").c_str()), 0);
    ASSERT_TRUE(SaveSomething(a / "later.csv"));
    EXPECT_TRUE(fs::is_symlink(a / "later.csv"));
    EXPECT_EQ(TempFolder::ReadAll(b / "later.csv"), "saved through the atomic file");

    // A link to a read-only file is refused like the file itself.
    TempFolder::WriteAll(b / "locked.csv", "locked");
    ASSERT_EQ(::chmod((b / "locked.csv").c_str(), 0444), 0);
    ASSERT_EQ(::symlink((b / "locked.csv").c_str(), (a / "locked.csv").c_str()), 0);
    protected_targets::HandToPlainUser(a.path());
    protected_targets::HandToPlainUser(b.path());
    protected_targets::HandToPlainUser(b / "locked.csv");
    EXPECT_EQ(protected_targets::RunAsPlainUser([&] { return SaveSomething(a / "locked.csv") ? 1 : 0; }), 0);
    EXPECT_EQ(TempFolder::ReadAll(b / "locked.csv"), "locked");
    EXPECT_TRUE(fs::is_symlink(a / "locked.csv"));

    // Links that go round in a circle never end: the save fails, nothing
    // is made.
    ASSERT_EQ(::symlink("loop2", (a / "loop1").c_str()), 0);
    ASSERT_EQ(::symlink("loop1", (a / "loop2").c_str()), 0);
    AtomicFile loop(a / "loop1");
    loop.Write("x");
    EXPECT_FALSE(loop.Commit());
    EXPECT_EQ(loop.error(), ELOOP);
}

TEST(AtomicFile, TheReplacementTakesModeOwnerAndGroupAndANewFileTheUsualMode) {
    TempFolder dir;
    const std::string target = dir / "shared.kyl";
    TempFolder::WriteAll(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0751), 0);
    ASSERT_TRUE(SaveSomething(target));
    EXPECT_EQ(protected_targets::ModeOf(target), 0751u);

    if (protected_targets::RunningAsRoot()) {
        // Root may hand the new file to the old file's owner and group.
        ASSERT_EQ(::chown(target.c_str(), protected_targets::kPlainUser, protected_targets::kPlainGroup), 0);
        ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
        ASSERT_TRUE(SaveSomething(target));
        struct stat st {};
        ASSERT_EQ(::stat(target.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, protected_targets::kPlainUser);
        EXPECT_EQ(st.st_gid, protected_targets::kPlainGroup);
        EXPECT_EQ(st.st_mode & 07777, 0640u);
    }

    const mode_t mask = ::umask(027);
    ASSERT_TRUE(SaveSomething(dir / "fresh.kyf"));
    ::umask(mask);
    EXPECT_EQ(protected_targets::ModeOf(dir / "fresh.kyf"), 0640u);
}

TEST(AtomicFile, AFolderAtTheTargetIsRefusedAndKept) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "sub.kyp");
    AtomicFile file(dir / "sub.kyp");
    EXPECT_FALSE(file.ok());
    EXPECT_EQ(file.error(), EISDIR);
    EXPECT_FALSE(file.Commit());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "sub.kyp"));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"sub.kyp"});
}

TEST(AtomicFile, APipeOrADeviceAtTheTargetIsRefusedAndStaysWhatItWas) {
    TempFolder dir;
    const std::string fifo = dir / "pipe.csv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_symlink("pipe.csv", dir / "link.csv");
    for (const std::string& target : {fifo, dir / "link.csv"}) {
        AtomicFile file(target);
        file.Write("never");
        EXPECT_FALSE(file.Commit());
        EXPECT_EQ(file.error(), kNotRegularFile);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.csv"));
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"link.csv", "pipe.csv"})) << "no temporary file left";

    // A device node, where the test may make one: the null device's.
    const std::string node = dir / "null.kyp";
    if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) GTEST_SKIP() << "no device nodes here";
    AtomicFile device(node);
    device.Write("never");
    EXPECT_FALSE(device.Commit());
    EXPECT_EQ(device.error(), kNotRegularFile);
    struct stat st {};
    ASSERT_EQ(::stat(node.c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode)) << "still the device";
    EXPECT_EQ(st.st_rdev, makedev(1, 3));
}

TEST(AtomicFile, ANameAsLongAsTheFolderAllowsSaves) {
    TempFolder dir;
    // 250 and 255 bytes, and a name of three-byte characters whose cut
    // temporary name must not end inside one.
    std::string kana;
    while (kana.size() + 3 <= 255) kana += "\xE3\x81\x82";
    for (const std::string& name : {std::string(246, 'h') + ".ky2", std::string(251, 'h') + ".csv", kana}) {
        SCOPED_TRACE(name.size());
        const std::string target = dir / name;
        AtomicFile file(target);
        file.Write("whole");
        ASSERT_TRUE(file.Commit()) << file.error();
        EXPECT_EQ(TempFolder::ReadAll(target), "whole");
        std::filesystem::remove(target);
    }
    // A save that fails still leaves no temporary file.
    {
        FileSizeLimit limit(4096);
        AtomicFile file(dir / std::string(255, 'f'));
        file.Write(std::string(200000, 'x'));
        EXPECT_FALSE(file.Commit());
    }
    EXPECT_TRUE(dir.Names().empty());
    AtomicFile tooLong(dir / std::string(256, 'x'));
    EXPECT_FALSE(tooLong.Commit());
    EXPECT_EQ(tooLong.error(), ENAMETOOLONG);
}

// The window tests' way to meet a read-only file: the thread that saves
// is refused as a plain user would be, and gets its permissions back.
TEST(AtomicFile, PlainPermissionsRefuseAReadOnlyFileInThisThreadOnly) {
    TempFolder dir;
    const std::string target = dir / "locked.csv";
    protected_targets::WriteReadOnly(target, "locked");
    {
        const protected_targets::PlainPermissions plain;
        AtomicFile file(target);
        EXPECT_EQ(file.error(), EACCES);
        EXPECT_TRUE(SaveSomething(dir / "other.csv")) << "the folder is still the test's own";
    }
    EXPECT_EQ(TempFolder::ReadAll(target), "locked");
    if (protected_targets::RunningAsRoot()) EXPECT_TRUE(SaveSomething(target)) << "root again";
}

}  // namespace
}  // namespace platform
