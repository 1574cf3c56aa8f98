#include <dlfcn.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>

#include "portello.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Bytes = std::string;
using AddFn = int32_t (*)(const char*, int16_t);
using ClearFn = void (*)();

const Bytes kHeader = "[KY2]\r\nModel=N5\r\nBaud=9600\r\n[Data]\r\n";

// No period of 100, so a block copied twice or out of order shows.
Bytes Records(size_t n, uint32_t seed) {
    Bytes b(n, '\0');
    uint32_t x = seed * 2654435761u | 1u;
    for (char& c : b) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    return b;
}

void WriteAll(const fs::path& p, const Bytes& b) {
    std::ofstream(p, std::ios::binary).write(b.data(), static_cast<std::streamsize>(b.size()));
}

Bytes ReadAll(const fs::path& p) {
    Bytes b(fs::file_size(p), '\0');
    std::ifstream(p, std::ios::binary).read(b.data(), static_cast<std::streamsize>(b.size()));
    return b;
}

// Compares without printing megabytes on a mismatch.
::testing::AssertionResult HasContent(const fs::path& p, const Bytes& want) {
    if (!fs::exists(p)) return ::testing::AssertionFailure() << p << " is missing";
    const Bytes got = ReadAll(p);
    if (got == want) return ::testing::AssertionSuccess();
    const auto at = std::mismatch(got.begin(), got.end(), want.begin(), want.end()).first;
    return ::testing::AssertionFailure() << p << " has " << got.size() << " bytes, want "
                                         << want.size() << ", first difference at "
                                         << (at - got.begin());
}

// The worker deletes the .tmp as its very last step.
bool GoneWithin10s(const fs::path& p) {
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (fs::exists(p)) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Runs calls in a child that loads the library and quits at once. The
// unload waits for the child's appends, so when the child is gone its
// appends have ended: what the parent sees is final. Returns the exit code.
int RunInChildAndQuit(const std::function<void(AddFn, ClearFn)>& calls) {
    std::fflush(nullptr);  // or the child writes the parent's pending output again
    const pid_t pid = ::fork();
    if (pid == 0) {
        void* lib = ::dlopen(PORTELLO_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (lib == nullptr) ::_exit(3);
        auto add = reinterpret_cast<AddFn>(::dlsym(lib, "AP_Ky2AddData"));
        auto clear = reinterpret_cast<ClearFn>(::dlsym(lib, "AP_Ky2AddDataClear"));
        if (add == nullptr || clear == nullptr) ::_exit(4);
        calls(add, clear);
        std::exit(0);
    }
    if (pid < 0) return -1;
    int status = 0;
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class AppendTest : public ::testing::Test {
protected:
    // A dot in the folder name: only the file name's extension may go.
    void SetUp() override {
        char name[] = "/tmp/append.v1.2-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir_ = name;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    // Lays out the pair as the monitor leaves it; returns the base path.
    std::string Pair(const fs::path& name, const Bytes& records) {
        fs::create_directories((dir_ / name).parent_path());
        WriteAll(dir_ / (name.string() + ".ky2"), kHeader);
        WriteAll(dir_ / (name.string() + ".tmp"), records);
        return (dir_ / name).string();
    }

    // Complete: header and records under the final name, the .tmp gone.
    void ExpectAppended(const std::string& name, const std::string& finalName,
                        const Bytes& records) {
        EXPECT_TRUE(HasContent(dir_ / finalName, kHeader + records));
        EXPECT_FALSE(fs::exists(dir_ / (name + ".tmp")));
        if (finalName != name + ".ky2") {
            EXPECT_FALSE(fs::exists(dir_ / (name + ".ky2")));
        }
    }

    // Left as handed over: the header alone, the records whole in the .tmp.
    void ExpectKept(const std::string& name, const Bytes& records) {
        EXPECT_TRUE(HasContent(dir_ / (name + ".ky2"), kHeader));
        EXPECT_TRUE(HasContent(dir_ / (name + ".tmp"), records));
    }

    fs::path dir_;
};

using AppendNames = AppendTest;

TEST_F(AppendNames, FlagsAddTheirLettersInTheOrderBte) {
    const std::pair<int16_t, const char*> table[] = {
        {0, "Cap_03.ky2"},    {1, "Cap_03_b.ky2"},  {3, "Cap_03_be.ky2"}, {7, "Cap_03_bte.ky2"},
        {6, "Cap_03_te.ky2"}, {2, "Cap_03_e.ky2"},  {4, "Cap_03_t.ky2"},  {8, "Cap_03_.ky2"},
    };
    // All at once: each request renames only its own file.
    for (const auto& [flags, name] : table) {
        const auto base = Pair(std::to_string(flags) + "/Cap_03", Records(250, flags));
        EXPECT_EQ(AP_Ky2AddData(base.c_str(), flags), 1);
    }
    for (const auto& [flags, name] : table) {
        const std::string folder = std::to_string(flags) + "/";
        ASSERT_TRUE(GoneWithin10s(dir_ / (folder + "Cap_03.tmp"))) << flags;
        ExpectAppended(folder + "Cap_03", folder + name, Records(250, flags));
    }
}

class AppendCopy : public AppendTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(AppendCopy, FileGrowsByExactlyTheRecords) {
    const Bytes records = Records(GetParam(), 17);
    const auto base = Pair("Cap_03", records);
    EXPECT_EQ(AP_Ky2AddData(base.c_str(), 0), 1);
    ASSERT_TRUE(GoneWithin10s(base + ".tmp"));
    ExpectAppended("Cap_03", "Cap_03.ky2", records);
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppendCopy,
                         ::testing::Values(0u, 1u, 99u, 100u, 101u, 250u, (3u << 20) + 7u));

using AppendRequests = AppendTest;

TEST_F(AppendRequests, EmptyRecordsStillRenameAndDeleteTheTmp) {
    const auto base = Pair("Cap_03", "");
    EXPECT_EQ(AP_Ky2AddData(base.c_str(), 5), 1);
    ASSERT_TRUE(GoneWithin10s(base + ".tmp"));
    ExpectAppended("Cap_03", "Cap_03_bt.ky2", "");
}

TEST_F(AppendRequests, TwoInQuickSuccessionEachEndWithTheirOwnDataAndName) {
    const Bytes first = Records(2u << 20, 1);
    const Bytes second = Records((1u << 20) + 37u, 2);
    const auto a = Pair("Cap_01", first);
    const auto b = Pair("Cap_02", second);
    EXPECT_EQ(AP_Ky2AddData(a.c_str(), 1), 1);
    EXPECT_EQ(AP_Ky2AddData(b.c_str(), 6), 1);
    ASSERT_TRUE(GoneWithin10s(a + ".tmp"));
    ASSERT_TRUE(GoneWithin10s(b + ".tmp"));
    ExpectAppended("Cap_01", "Cap_01_b.ky2", first);
    ExpectAppended("Cap_02", "Cap_02_te.ky2", second);
}

TEST_F(AppendRequests, ClearWithNothingRunningDoesNotCancelTheNextRequest) {
    AP_Ky2AddDataClear();
    const Bytes records = Records(1000, 3);
    const auto base = Pair("Cap_03", records);
    EXPECT_EQ(AP_Ky2AddData(base.c_str(), 2), 1);
    ASSERT_TRUE(GoneWithin10s(base + ".tmp"));
    ExpectAppended("Cap_03", "Cap_03_e.ky2", records);
}

TEST_F(AppendRequests, NullOrEmptyPathReturnsOneAndTouchesNothing) {
    // An empty base would mean ".ky2" and ".tmp" in the current folder.
    Pair("", Records(10, 4));
    const std::string dir = dir_.string();
    ASSERT_EQ(RunInChildAndQuit([&](AddFn add, ClearFn) {
                  if (::chdir(dir.c_str()) != 0) ::_exit(5);
                  if (add(nullptr, 1) != 1 || add("", 1) != 1) ::_exit(6);
              }),
              0);
    ExpectKept("", Records(10, 4));
    EXPECT_FALSE(fs::exists(dir_ / "_b.ky2"));
}

using AppendStop = AppendTest;

TEST_F(AppendStop, ClearDuringACopyLeavesTheHeaderAndTheWholeTmp) {
    const Bytes records = Records(50u << 20, 5);
    const auto base = Pair("Cap_03", records);
    ASSERT_EQ(RunInChildAndQuit([&](AddFn add, ClearFn clear) {
                  add(base.c_str(), 7);
                  clear();
              }),
              0);
    // A copy that won the race is complete; anything in between is wrong.
    if (fs::exists(dir_ / "Cap_03_bte.ky2")) {
        ExpectAppended("Cap_03", "Cap_03_bte.ky2", records);
    } else {
        ExpectKept("Cap_03", records);
    }
}

using AppendFailure = AppendTest;

TEST_F(AppendFailure, MissingKy2IsNotCreatedAndTheTmpStays) {
    const Bytes records = Records(500, 6);
    WriteAll(dir_ / "Cap_03.tmp", records);
    const auto base = (dir_ / "Cap_03").string();
    // Ends only after the open has been retried for its few seconds.
    ASSERT_EQ(RunInChildAndQuit([&](AddFn add, ClearFn) { add(base.c_str(), 1); }), 0);
    EXPECT_TRUE(HasContent(dir_ / "Cap_03.tmp", records));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(AppendFailure, ExistingRenameTargetIsNotOverwrittenAndTheTmpStays) {
    const Bytes records = Records(5000, 7);
    const auto base = Pair("Cap_03", records);
    WriteAll(dir_ / "Cap_03_b.ky2", "another capture");
    ASSERT_EQ(RunInChildAndQuit([&](AddFn add, ClearFn) { add(base.c_str(), 1); }), 0);
    EXPECT_TRUE(HasContent(dir_ / "Cap_03_b.ky2", "another capture"));
    ExpectKept("Cap_03", records);
}

TEST_F(AppendFailure, WriteErrorKeepsTheTmpAndTheName) {
    const Bytes records = Records(10000, 9);
    WriteAll(dir_ / "Cap_03.tmp", records);
    fs::create_symlink("/dev/full", dir_ / "Cap_03.ky2");  // every write fails: no space
    const auto base = (dir_ / "Cap_03").string();
    ASSERT_EQ(RunInChildAndQuit([&](AddFn add, ClearFn) { add(base.c_str(), 1); }), 0);
    EXPECT_TRUE(fs::is_symlink(dir_ / "Cap_03.ky2"));
    EXPECT_FALSE(fs::exists(dir_ / "Cap_03_b.ky2"));
    EXPECT_TRUE(HasContent(dir_ / "Cap_03.tmp", records));
}

using AppendUnload = AppendTest;

TEST_F(AppendUnload, QuittingRightAfterARequestFinishesTheAppend) {
    const Bytes records = Records((8u << 20) + 3u, 8);
    const auto base = Pair("Cap_03", records);
    ASSERT_EQ(RunInChildAndQuit([&](AddFn add, ClearFn) { add(base.c_str(), 3); }), 0);
    ExpectAppended("Cap_03", "Cap_03_be.ky2", records);
}

}  // namespace
