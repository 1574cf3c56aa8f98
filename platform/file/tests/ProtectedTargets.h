// What a save must respect at its target, checked for any save function:
// a read-only file of the user refuses the save and keeps its bytes, a
// symbolic link to a file in another folder stays a link while that file
// takes the new bytes, and a file of mode 0640 keeps its mode, owner and
// group.
//
// Root writes any file, so the read-only case runs the save in a child
// process that has become a plain user. The child does nothing but the
// save and leaves with _exit, so it is safe in a process with threads.
#pragma once

#include <gtest/gtest.h>
#include <grp.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace protected_targets {

constexpr uid_t kPlainUser = 65534;
constexpr gid_t kPlainGroup = 65534;

inline bool RunningAsRoot() { return ::geteuid() == 0; }

// Runs work in a child process as a plain user (root becomes kPlainUser;
// any other user stays who it is) and returns what work returned (0 to
// 255), or -1 when the child could not run it.
inline int RunAsPlainUser(const std::function<int()>& work) {
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (RunningAsRoot()) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kPlainGroup) != 0 || ::setuid(kPlainUser) != 0) {
                ::_exit(255);
            }
        }
        ::_exit(work() & 0xff);
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// While it lives, the calling thread meets file permissions as a plain
// user does: as root it sets aside, for this thread only, the capabilities
// that override them. Window tests use it to meet a read-only file in
// their own process, where a child could not run the window.
class PlainPermissions {
public:
    PlainPermissions() {
        if (!RunningAsRoot()) return;
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
            lowered[cap / 32].effective &= ~(1u << (cap % 32));
        }
        lowered_ = ::syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~PlainPermissions() {
        if (lowered_) ::syscall(SYS_capset, &header_, saved_);
    }
    PlainPermissions(const PlainPermissions&) = delete;
    PlainPermissions& operator=(const PlainPermissions&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] = {};
    bool lowered_ = false;
};

// A read-only file with bytes: mode 0444, owned by whoever runs the test.
inline void WriteReadOnly(const std::string& path, const std::string& bytes) {
    TempFolder::WriteAll(path, bytes);
    ::chmod(path.c_str(), 0444);
}

// Gives a file or folder to the plain user, so that it is that user's own.
inline void HandToPlainUser(const std::string& path) {
    if (RunningAsRoot()) {
        ASSERT_EQ(::lchown(path.c_str(), kPlainUser, kPlainGroup), 0) << path;
    }
}

inline mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// A save: writes the file at the path given, true on success.
using Save = std::function<bool(const std::string& path)>;

// The read-only case: the save fails, and the file and its folder are
// exactly as they were.
inline void ExpectReadOnlyRefused(const std::string& name, const Save& save) {
    TempFolder dir("readonly");
    HandToPlainUser(dir.path());
    const std::string target = dir / name;
    TempFolder::WriteAll(target, "the user's protected bytes");
    HandToPlainUser(target);
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);

    const int result = RunAsPlainUser([&] { return save(target) ? 1 : 0; });
    EXPECT_EQ(result, 0) << name << ": a read-only file refuses the save";
    EXPECT_EQ(TempFolder::ReadAll(target), "the user's protected bytes") << name;
    EXPECT_EQ(ModeOf(target), 0444u) << name;
    EXPECT_EQ(dir.Names(), std::vector<std::string>{name}) << name << ": nothing is left beside it";
}

// The link case: a relative link in one folder to a file in another.
inline void ExpectLinkFollowed(const std::string& name, const Save& save) {
    TempFolder links("links");
    TempFolder files("files");
    const std::string real = files / name;
    TempFolder::WriteAll(real, "old bytes");
    ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
    const std::string to = "../" + std::filesystem::path(files.path()).filename().string() + "/" + name;
    const std::string link = links / name;
    ASSERT_EQ(::symlink(to.c_str(), link.c_str()), 0);

    EXPECT_TRUE(save(link)) << name;
    EXPECT_TRUE(std::filesystem::is_symlink(link)) << name << ": the link stays a link";
    std::error_code ec;
    EXPECT_EQ(std::filesystem::read_symlink(link, ec).string(), to) << name;
    const std::string bytes = TempFolder::ReadAll(real);
    EXPECT_NE(bytes, "old bytes") << name << ": the linked file takes the save";
    EXPECT_FALSE(bytes.empty()) << name;
    EXPECT_EQ(ModeOf(real), 0600u) << name;
    EXPECT_EQ(links.Names(), std::vector<std::string>{name}) << name;
    EXPECT_EQ(files.Names(), std::vector<std::string>{name}) << name;
}

// The mode case: a file of mode 0640 (as root: owned by the plain user)
// keeps mode, owner and group.
inline void ExpectModeKept(const std::string& name, const Save& save) {
    TempFolder dir("mode");
    const std::string target = dir / name;
    TempFolder::WriteAll(target, "old bytes");
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    HandToPlainUser(target);
    struct stat before {};
    ASSERT_EQ(::stat(target.c_str(), &before), 0);

    EXPECT_TRUE(save(target)) << name;
    struct stat after {};
    ASSERT_EQ(::stat(target.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u) << name;
    EXPECT_EQ(after.st_uid, before.st_uid) << name;
    EXPECT_EQ(after.st_gid, before.st_gid) << name;
    EXPECT_NE(TempFolder::ReadAll(target), "old bytes") << name;
}

// All three cases for one save; name is the file name to save under.
inline void ExpectSaveRespectsTarget(const std::string& name, const Save& save) {
    SCOPED_TRACE(name);
    ExpectReadOnlyRefused(name, save);
    ExpectLinkFollowed(name, save);
    ExpectModeKept(name, save);
}

}  // namespace protected_targets
