// The real rewindo program, run offscreen on damaged KY1 files (those kept
// among the fuzz regressions). The database library crashes on some of
// them; Rewindo must say "変換に失敗しました", leave no part behind and go on
// running. A window spy preloaded into it notes what it shows.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/file/tests/TempFolder.h"

namespace viewer::ui::test {
namespace {

namespace fs = std::filesystem;

class RewindoProgram : public ::testing::TestWithParam<std::string> {
protected:
    RewindoProgram() {
        fs::create_symlink(PORTELLO_LIBRARY_PATH, program / "libportello.so");
        fs::create_symlink(KY1READ_PATH, program / "ky1read");
    }

    // Starts rewindo on file and waits until the spy has seen it answer a
    // message and come back to its main window.
    void RunOn(const std::string& file) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("REWINDO_PROGRAM_DIR", QString::fromStdString(program.path()));
        env.insert("LD_PRELOAD", WINDOW_SPY_PATH);
        env.insert("KY_WINDOW_SPY_LOG", QString::fromStdString(log));
        env.insert("KY_WINDOW_SPY_ANSWER", "frmMsgBox");
        // A sanitizing build has its runtime first in line; the spy comes
        // before it, which is fine for a program that is only watched.
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        rewindo.setProcessEnvironment(env);
        rewindo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        rewindo.start(REWINDO_PATH, {QString::fromStdString(file)});
        ASSERT_TRUE(rewindo.waitForStarted(10000));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (TempFolder::ReadAll(log).find("alive ") == std::string::npos &&
               rewindo.state() == QProcess::Running && std::chrono::steady_clock::now() < deadline) {
            rewindo.waitForFinished(100);
        }
    }

    void TearDown() override {
        if (rewindo.state() == QProcess::NotRunning) return;
        rewindo.terminate();
        if (!rewindo.waitForFinished(10000)) rewindo.kill();
        rewindo.waitForFinished(10000);
    }

    TempFolder program{"rewindo-program"};
    TempFolder data{"rewindo-data"};
    std::string log = data / "spy.log";
    QProcess rewindo;
};

TEST_P(RewindoProgram, ADamagedKy1FileFailsToConvertAndRewindoGoesOn) {
    const std::string ky1 = data / "old.ky1";
    fs::copy_file(fs::path(KY_SOURCE_DIR) / "fuzz/regressions/ky1_jet" / GetParam(), ky1);
    RunOn(ky1);
    const std::string seen = TempFolder::ReadAll(log);
    EXPECT_NE(seen.find("shown frmMsgBox: 変換に失敗しました"), std::string::npos) << seen;
    EXPECT_NE(seen.find("alive ヒストリ - ["), std::string::npos) << seen;
    EXPECT_EQ(rewindo.state(), QProcess::Running) << "exit code " << rewindo.exitCode();
    EXPECT_EQ(data.Names(), (std::vector<std::string>{"old.ky1", "spy.log"})) << "no part is left";
}

INSTANTIATE_TEST_SUITE_P(Regressions, RewindoProgram,
                         ::testing::Values("null-usage-map-in-catalog.ky1", "null-usage-map-in-table.ky1",
                                           "row-count-7fffffff.ky1"),
                         [](const ::testing::TestParamInfo<std::string>& file) {
                             std::string name;
                             for (char c : file.param) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

}  // namespace
}  // namespace viewer::ui::test
